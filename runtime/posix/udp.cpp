#include "runtime/udp.h"

#include "runtime/posix/socket_fd.h"

#include <climits>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace {

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
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    return socket_handle(fd);
}

int vortelan_gb_runtime_udp_bind(SocketHandle handle, const uint8_t address[4], uint16_t port) {
    sockaddr_in local = to_sockaddr(address, port);
    return bind(socket_fd(handle), reinterpret_cast<const sockaddr *>(&local), sizeof local) == 0
               ? 0
               : -1;
}

void vortelan_gb_runtime_udp_set_multicast_ttl(SocketHandle handle, uint8_t ttl) {
    setsockopt(socket_fd(handle), IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl);
}

void vortelan_gb_runtime_udp_set_multicast_interface(SocketHandle handle,
                                                     const uint8_t local_address[4]) {
    in_addr local = to_in_addr(local_address);
    setsockopt(socket_fd(handle), IPPROTO_IP, IP_MULTICAST_IF, &local, sizeof local);
}

void vortelan_gb_runtime_udp_join_group(SocketHandle handle, const uint8_t group[4],
                                        const uint8_t local_address[4]) {
    ip_mreq membership{};
    membership.imr_multiaddr = to_in_addr(group);
    membership.imr_interface = to_in_addr(local_address);
    setsockopt(socket_fd(handle), IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership);
}

int64_t vortelan_gb_runtime_udp_send_to(SocketHandle handle, const void *data, size_t size,
                                        const uint8_t address[4], uint16_t port) {
    sockaddr_in destination = to_sockaddr(address, port);
    ssize_t sent = sendto(socket_fd(handle), data, size, 0,
                          reinterpret_cast<const sockaddr *>(&destination), sizeof destination);
    return sent < 0 ? -1 : sent;
}

int64_t vortelan_gb_runtime_udp_receive(SocketHandle handle, void *buffer, size_t size) {
    ssize_t received = recvfrom(socket_fd(handle), buffer, size, 0, nullptr, nullptr);
    return received < 0 ? -1 : received;
}

// poll rather than select: a descriptor number beyond FD_SETSIZE stays safe.
int vortelan_gb_runtime_socket_wait_readable(SocketHandle handle, uint32_t milliseconds) {
    pollfd watched{};
    watched.fd = socket_fd(handle);
    watched.events = POLLIN;
    int timeout = milliseconds > INT_MAX ? INT_MAX : static_cast<int>(milliseconds);
    int ready = poll(&watched, 1, timeout);
    return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
}
