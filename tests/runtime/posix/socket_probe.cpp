#include "tests/runtime/socket_probe.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace gb_test {

namespace {

int fd_of(SocketHandle handle) {
    return static_cast<int>(handle);
}

} // namespace

uint16_t port_of(SocketHandle handle) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(fd_of(handle), reinterpret_cast<sockaddr *>(&address), &length);
    return ntohs(address.sin_port);
}

bool is_blocking(SocketHandle handle) {
    return (fcntl(fd_of(handle), F_GETFL) & O_NONBLOCK) == 0;
}

void reset_on_close(SocketHandle handle) {
    linger reset{1, 0};
    setsockopt(fd_of(handle), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

} // namespace gb_test
