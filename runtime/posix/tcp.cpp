#include "runtime/posix/socket_fd.h"

#include <cstdio>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

constexpr size_t port_text_capacity = 16;

void set_option(int fd, int level, int name) {
    int one = 1;
    setsockopt(fd, level, name, &one, sizeof one);
}

int connect_first(const addrinfo *addresses) {
    for (const addrinfo *address = addresses; address != nullptr; address = address->ai_next) {
        int fd = socket(address->ai_family, address->ai_socktype, address->ai_protocol);
        if (fd < 0) {
            continue;
        }
        if (connect(fd, address->ai_addr, address->ai_addrlen) == 0) {
            return fd;
        }
        close_keeping_error(fd);
    }
    return -1;
}

} // namespace

SocketHandle vortelan_gb_runtime_tcp_connect(const char *host, uint32_t port) {
    char port_text[port_text_capacity];
    std::snprintf(port_text, sizeof port_text, "%u", static_cast<unsigned>(port));
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *addresses = nullptr;
    if (getaddrinfo(host, port_text, &hints, &addresses) != 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    int fd = connect_first(addresses);
    freeaddrinfo(addresses);
    if (fd < 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    set_option(fd, IPPROTO_TCP, TCP_NODELAY);
    return socket_handle(fd);
}

SocketHandle vortelan_gb_runtime_tcp_listen_ipv4(uint16_t port, int backlog, bool nonblocking) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    set_option(fd, SOL_SOCKET, SO_REUSEADDR);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        listen(fd, backlog) != 0 || (nonblocking && set_blocking(fd, false) != 0)) {
        close_keeping_error(fd);
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    return socket_handle(fd);
}

SocketHandle vortelan_gb_runtime_tcp_accept(SocketHandle listener) {
    int fd = accept(socket_fd(listener), nullptr, nullptr);
    if (fd < 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    // The connection is blocking whatever the listener's mode.
    if (set_blocking(fd, true) != 0) {
        close_keeping_error(fd);
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    return socket_handle(fd);
}
