#include "tests/runtime/socket_probe.h"

#include "runtime/process.h"

#include <string>

#include <winsock2.h>
#include <ws2tcpip.h>

namespace gb_test {

namespace {

SOCKET socket_of(SocketHandle handle) {
    return static_cast<SOCKET>(handle);
}

void set_receive_timeout(SOCKET socket, DWORD milliseconds) {
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char *>(&milliseconds),
               sizeof milliseconds);
}

} // namespace

const int invalid_argument_error = WSAEINVAL;

uint16_t port_of(SocketHandle handle) {
    sockaddr_in address{};
    int length = sizeof address;
    getsockname(socket_of(handle), reinterpret_cast<sockaddr *>(&address), &length);
    return ntohs(address.sin_port);
}

// Winsock cannot tell a socket's mode, so the probe waits for data briefly: a blocking
// socket runs into the time-out, a non-blocking one answers at once that it would block.
bool is_blocking(SocketHandle handle) {
    SOCKET socket = socket_of(handle);
    set_receive_timeout(socket, 50);
    char byte = 0;
    bool blocked = recv(socket, &byte, 1, MSG_PEEK) < 0 && WSAGetLastError() == WSAETIMEDOUT;
    set_receive_timeout(socket, 0);
    return blocked;
}

void reset_on_close(SocketHandle handle) {
    linger reset{1, 0};
    setsockopt(socket_of(handle), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char *>(&reset),
               sizeof reset);
}

bool can_bind_sharing_address(uint16_t port) {
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    BOOL on = TRUE;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char *>(&on), sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    bool bound = bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    closesocket(socket);
    return bound;
}

// The program is told the handle values, since it cannot list its own handles.
int sockets_held_by_launched_program(const std::vector<SocketHandle> &handles) {
    std::vector<std::string> values;
    for (SocketHandle handle : handles) {
        values.push_back(std::to_string(handle));
    }
    std::vector<const char *> arguments{GB_RUNTIME_TEST_SOCKET_COUNTER};
    for (const std::string &value : values) {
        arguments.push_back(value.c_str());
    }
    arguments.push_back(nullptr);
    int32_t status = -1;
    return vortelan_gb_runtime_spawn_and_wait(GB_RUNTIME_TEST_SOCKET_COUNTER, arguments.data(),
                                              &status) == 0
               ? status
               : -1;
}

} // namespace gb_test
