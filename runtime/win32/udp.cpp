#include "runtime/udp.h"

#include "runtime/win32/socket_handle.h"

#include <climits>
#include <cstring>
#include <ws2tcpip.h>

namespace {

constexpr uint32_t milliseconds_per_second = 1000;

in_addr to_in_addr(const uint8_t address[4]) {
    in_addr converted{};
    std::memcpy(&converted, address, 4);
    return converted;
}

sockaddr_in to_sockaddr(const uint8_t address[4], uint16_t port) {
    sockaddr_in converted{};
    converted.sin_family = AF_INET;
    converted.sin_addr = to_in_addr(address);
    converted.sin_port = htons(port);
    return converted;
}

int capped(size_t size) {
    return size < INT_MAX ? static_cast<int>(size) : INT_MAX;
}

template <typename Value>
void set_option(SocketHandle handle, int level, int name, const Value &value) {
    setsockopt(socket_of(handle), level, name, reinterpret_cast<const char *>(&value),
               sizeof value);
}

} // namespace

SocketHandle vortelan_gb_runtime_udp_open(void) {
    SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (socket == INVALID_SOCKET) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    BOOL one = TRUE;
    set_option(socket_handle(socket), SOL_SOCKET, SO_REUSEADDR, one);
    return socket_handle(socket);
}

int vortelan_gb_runtime_udp_bind(SocketHandle handle, const uint8_t address[4], uint16_t port) {
    sockaddr_in local = to_sockaddr(address, port);
    return bind(socket_of(handle), reinterpret_cast<const sockaddr *>(&local), sizeof local) == 0
               ? 0
               : -1;
}

void vortelan_gb_runtime_udp_set_multicast_ttl(SocketHandle handle, uint8_t ttl) {
    set_option(handle, IPPROTO_IP, IP_MULTICAST_TTL, ttl);
}

void vortelan_gb_runtime_udp_set_multicast_interface(SocketHandle handle,
                                                     const uint8_t local_address[4]) {
    set_option(handle, IPPROTO_IP, IP_MULTICAST_IF, to_in_addr(local_address));
}

void vortelan_gb_runtime_udp_join_group(SocketHandle handle, const uint8_t group[4],
                                        const uint8_t local_address[4]) {
    ip_mreq membership{};
    membership.imr_multiaddr = to_in_addr(group);
    membership.imr_interface = to_in_addr(local_address);
    set_option(handle, IPPROTO_IP, IP_ADD_MEMBERSHIP, membership);
}

int64_t vortelan_gb_runtime_udp_send_to(SocketHandle handle, const void *data, size_t size,
                                        const uint8_t address[4], uint16_t port) {
    sockaddr_in destination = to_sockaddr(address, port);
    int sent = sendto(socket_of(handle), static_cast<const char *>(data), capped(size), 0,
                      reinterpret_cast<const sockaddr *>(&destination), sizeof destination);
    return sent < 0 ? -1 : sent;
}

// A datagram larger than the buffer fails with WSAEMSGSIZE here, yet its first bytes are
// in the buffer, as a POSIX receive would leave them.
int64_t vortelan_gb_runtime_udp_receive(SocketHandle handle, void *buffer, size_t size) {
    int received =
        recvfrom(socket_of(handle), static_cast<char *>(buffer), capped(size), 0, nullptr, nullptr);
    if (received < 0 && WSAGetLastError() == WSAEMSGSIZE) {
        return capped(size);
    }
    return received < 0 ? -1 : received;
}

// A Winsock descriptor set lists sockets rather than numbering them, so select is safe
// whatever the handle's value.
int vortelan_gb_runtime_socket_wait_readable(SocketHandle handle, uint32_t milliseconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket_of(handle), &readable);
    timeval timeout{static_cast<long>(milliseconds / milliseconds_per_second),
                    static_cast<long>(milliseconds % milliseconds_per_second * 1000u)};
    int ready = select(0, &readable, nullptr, nullptr, &timeout);
    return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
}
