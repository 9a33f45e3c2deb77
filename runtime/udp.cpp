#include "runtime/udp.h"

#include "runtime/socket_calls.h"

#include <cstring>

namespace {

constexpr int option_on = 1;

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

} // namespace

SocketHandle vortelan_gb_runtime_udp_open(void) {
    NativeSocket socket = open_native_socket(AF_INET, SOCK_DGRAM, 0);
    if (socket == invalid_native_socket) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    set_option(socket, SOL_SOCKET, SO_REUSEADDR, option_on);
    return socket_handle(socket);
}

void vortelan_gb_runtime_udp_share_port(SocketHandle handle) {
    set_option(native_socket(handle), SOL_SOCKET, port_sharing_option, option_on);
}

int vortelan_gb_runtime_udp_bind(SocketHandle handle, const uint8_t address[4], uint16_t port) {
    sockaddr_in local = to_sockaddr(address, port);
    return bind(native_socket(handle), reinterpret_cast<const sockaddr *>(&local), sizeof local) ==
                   0
               ? 0
               : -1;
}

void vortelan_gb_runtime_udp_set_multicast_ttl(SocketHandle handle, uint8_t ttl) {
    set_option(native_socket(handle), IPPROTO_IP, IP_MULTICAST_TTL, ttl);
}

void vortelan_gb_runtime_udp_set_multicast_interface(SocketHandle handle,
                                                     const uint8_t local_address[4]) {
    set_option(native_socket(handle), IPPROTO_IP, IP_MULTICAST_IF, to_in_addr(local_address));
}

void vortelan_gb_runtime_udp_join_group(SocketHandle handle, const uint8_t group[4],
                                        const uint8_t local_address[4]) {
    ip_mreq membership{};
    membership.imr_multiaddr = to_in_addr(group);
    membership.imr_interface = to_in_addr(local_address);
    set_option(native_socket(handle), IPPROTO_IP, IP_ADD_MEMBERSHIP, membership);
}

int64_t vortelan_gb_runtime_udp_send_to(SocketHandle handle, const void *data, size_t size,
                                        const uint8_t address[4], uint16_t port) {
    sockaddr_in destination = to_sockaddr(address, port);
    int64_t sent =
        sendto(native_socket(handle), static_cast<const char *>(data), capped_transfer(size), 0,
               reinterpret_cast<const sockaddr *>(&destination), sizeof destination);
    return sent < 0 ? -1 : sent;
}

// A datagram longer than the buffer gives its first bytes, on every platform.
int64_t vortelan_gb_runtime_udp_receive(SocketHandle handle, void *buffer, size_t size) {
    TransferSize capacity = capped_transfer(size);
    int64_t received =
        recvfrom(native_socket(handle), static_cast<char *>(buffer), capacity, 0, nullptr, nullptr);
    if (received < 0 && receive_was_cut()) {
        return static_cast<int64_t>(capacity);
    }
    return received < 0 ? -1 : received;
}
