// A C++ program of the runtime: one message each way over a TCP connection on loopback.
#include "runtime/socket.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace {

// A blocking listener whose backlog takes the connection, so one thread can play both ends.
SocketHandle listen_on_free_port(uint16_t &port) {
    for (port = 41700; port < 41800; ++port) {
        const SocketHandle listener = vortelan_gb_runtime_tcp_listen_ipv4(port, 1, false);
        if (listener != VORTELAN_GB_RUNTIME_INVALID_SOCKET) {
            return listener;
        }
    }
    return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
}

bool send_and_receive(SocketHandle from, SocketHandle to, const char *message) {
    const size_t length = std::strlen(message);
    std::array<char, 16> received{};
    return vortelan_gb_runtime_socket_write(from, message, length) ==
               static_cast<int64_t>(length) &&
           vortelan_gb_runtime_socket_read(to, received.data(), received.size()) ==
               static_cast<int64_t>(length) &&
           std::memcmp(received.data(), message, length) == 0;
}

} // namespace

int main() {
    if (vortelan_gb_runtime_net_init() != 0) {
        std::fprintf(stderr, "tcp round trip: the socket library did not start\n");
        return 1;
    }
    uint16_t port = 0;
    const SocketHandle listener = listen_on_free_port(port);
    const SocketHandle client = vortelan_gb_runtime_tcp_connect("127.0.0.1", port);
    // Accepting blocks until a connection comes: only when one was made.
    const SocketHandle server = client != VORTELAN_GB_RUNTIME_INVALID_SOCKET
                                    ? vortelan_gb_runtime_tcp_accept(listener)
                                    : VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    const bool ok = listener != VORTELAN_GB_RUNTIME_INVALID_SOCKET &&
                    client != VORTELAN_GB_RUNTIME_INVALID_SOCKET &&
                    server != VORTELAN_GB_RUNTIME_INVALID_SOCKET &&
                    send_and_receive(client, server, "ping") &&
                    send_and_receive(server, client, "pong");
    for (const SocketHandle socket : {server, client, listener}) {
        if (socket != VORTELAN_GB_RUNTIME_INVALID_SOCKET) {
            vortelan_gb_runtime_socket_close(socket);
        }
    }
    vortelan_gb_runtime_net_shutdown();
    std::printf("tcp round trip: %s\n", ok ? "ok" : "failed");
    return ok ? 0 : 1;
}
