#include "runtime/win32/socket_handle.h"

#include <cstdio>
#include <ws2tcpip.h>

namespace {

constexpr size_t port_text_capacity = 16;

void set_option(SOCKET socket, int level, int name) {
    BOOL one = TRUE;
    setsockopt(socket, level, name, reinterpret_cast<const char *>(&one), sizeof one);
}

SOCKET connect_first(const addrinfo *addresses) {
    for (const addrinfo *address = addresses; address != nullptr; address = address->ai_next) {
        SOCKET socket = ::socket(address->ai_family, address->ai_socktype, address->ai_protocol);
        if (socket == INVALID_SOCKET) {
            continue;
        }
        if (connect(socket, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0) {
            return socket;
        }
        close_keeping_error(socket);
    }
    return INVALID_SOCKET;
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
    SOCKET socket = connect_first(addresses);
    freeaddrinfo(addresses);
    if (socket == INVALID_SOCKET) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    set_option(socket, IPPROTO_TCP, TCP_NODELAY);
    return socket_handle(socket);
}

SocketHandle vortelan_gb_runtime_tcp_listen_ipv4(uint16_t port, int backlog, bool nonblocking) {
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket == INVALID_SOCKET) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    // No SO_REUSEADDR: here it would let a second listener take the port while this one holds
    // it, and Windows rebinds a port whose old connections linger without it.
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        listen(socket, backlog) != 0 || (nonblocking && set_blocking(socket, false) != 0)) {
        close_keeping_error(socket);
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    return socket_handle(socket);
}

SocketHandle vortelan_gb_runtime_tcp_accept(SocketHandle listener) {
    SOCKET socket = accept(socket_of(listener), nullptr, nullptr);
    if (socket == INVALID_SOCKET) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    // An accepted socket inherits the listener's mode; the connection is always blocking.
    if (set_blocking(socket, true) != 0) {
        close_keeping_error(socket);
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    return socket_handle(socket);
}
