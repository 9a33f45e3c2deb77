#include "tests/runtime/socket_probe.h"

#include "runtime/process.h"
#include "tests/support/temp_dir.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace gb_test {

namespace {

int fd_of(SocketHandle handle) {
    return static_cast<int>(handle);
}

} // namespace

const int invalid_argument_error = EINVAL;

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

bool can_bind_sharing_address(uint16_t port) {
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    int on = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    bool bound = bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(socket);
    return bound;
}

// The program counts every socket among its descriptors, whatever their numbers.
int sockets_held_by_launched_program(const std::vector<SocketHandle> &) {
    TempDir folder;
    std::string counter = folder.file("count_sockets");
    write_file(counter, "#!/bin/sh\nexit $(ls -l /proc/$$/fd | grep -c socket:)\n");
    std::filesystem::permissions(counter, std::filesystem::perms::owner_all);
    const char *const arguments[] = {counter.c_str(), nullptr};
    int32_t status = -1;
    return vortelan_gb_runtime_spawn_and_wait(counter.c_str(), arguments, &status) == 0 ? status
                                                                                        : -1;
}

} // namespace gb_test
