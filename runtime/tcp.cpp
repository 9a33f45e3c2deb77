#include "runtime/socket_calls.h"

#include <cstdio>

namespace {

constexpr size_t port_text_capacity = 16;
constexpr int option_on = 1;
constexpr uint32_t largest_port = 65535;

NativeSocket connect_first(const addrinfo *addresses) {
    for (const addrinfo *address = addresses; address != nullptr; address = address->ai_next) {
        NativeSocket socket =
            open_native_socket(address->ai_family, address->ai_socktype, address->ai_protocol);
        if (socket == invalid_native_socket) {
            continue;
        }
        if (connect_native_socket(socket, address->ai_addr,
                                  static_cast<SocketLength>(address->ai_addrlen)) == 0) {
            return socket;
        }
        close_keeping_error(socket);
    }
    return invalid_native_socket;
}

} // namespace

SocketHandle vortelan_gb_runtime_tcp_connect(const char *host, uint32_t port) {
    // A port that TCP cannot carry must not reach another port by losing its high bits, and
    // port 0 names no service.
    if (port == 0 || port > largest_port) {
        report_invalid_argument();
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    char port_text[port_text_capacity];
    std::snprintf(port_text, sizeof port_text, "%u", static_cast<unsigned>(port));
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *addresses = nullptr;
    if (getaddrinfo(host, port_text, &hints, &addresses) != 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    NativeSocket socket = connect_first(addresses);
    freeaddrinfo(addresses);
    if (socket == invalid_native_socket) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    set_option(socket, IPPROTO_TCP, TCP_NODELAY, option_on);
    return socket_handle(socket);
}

SocketHandle vortelan_gb_runtime_tcp_listen_ipv4(uint16_t port, int backlog, bool nonblocking) {
    NativeSocket socket = open_native_socket(AF_INET, SOCK_STREAM, 0);
    if (socket == invalid_native_socket) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    set_option(socket, SOL_SOCKET, listener_address_option, option_on);
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
    NativeSocket socket = accept_native_socket(native_socket(listener));
    if (socket == invalid_native_socket) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    // The connection is blocking whatever the listener's mode.
    if (set_blocking(socket, true) != 0) {
        close_keeping_error(socket);
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    return socket_handle(socket);
}
