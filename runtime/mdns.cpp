#include "runtime/mdns.h"

#include "runtime/clock.h"
#include "runtime/ipv4_text.h"
#include "runtime/local_address.h"
#include "runtime/mdns_message.h"
#include "runtime/socket.h"
#include "runtime/udp.h"

namespace {

constexpr uint8_t mdns_group[4] = {224, 0, 0, 251};
constexpr uint8_t any_address[4] = {0, 0, 0, 0};
constexpr uint16_t mdns_port = 5353;
constexpr uint8_t multicast_ttl = 255;
constexpr char default_service_type[] = "_gb_runtime._tcp.local";
constexpr char default_instance_name[] = "GB Runtime._gb_runtime._tcp.local";
constexpr char default_host_name[] = "gb_runtime.local";
constexpr size_t announcement_capacity = 512;
constexpr size_t question_capacity = 256;
constexpr size_t receive_capacity = 1500;
constexpr size_t scratch_capacity = 22;
constexpr size_t header_size = 12;

// The socket holds a socket-library reference for its whole life.
SocketHandle create_udp_socket() {
    if (vortelan_gb_runtime_net_init() != 0) {
        return VORTELAN_GB_RUNTIME_INVALID_SOCKET;
    }
    SocketHandle handle = vortelan_gb_runtime_udp_open();
    if (handle == VORTELAN_GB_RUNTIME_INVALID_SOCKET) {
        vortelan_gb_runtime_net_shutdown();
    }
    return handle;
}

void close_udp_socket(SocketHandle handle) {
    vortelan_gb_runtime_socket_close(handle);
    vortelan_gb_runtime_net_shutdown();
}

bool detect_local_address(uint8_t address[4]) {
    char text[scratch_capacity];
    return vortelan_gb_runtime_detect_local_ipv4(text, sizeof text) &&
           vortelan_gb_runtime_parse_ipv4(text, address);
}

void ask(SocketHandle handle, const char *service_type, const uint8_t *local_address) {
    uint8_t question[question_capacity];
    size_t length = 0;
    if (!vortelan_gb_runtime_mdns_build_question(question, sizeof question, &length,
                                                 service_type)) {
        return;
    }
    vortelan_gb_runtime_udp_set_multicast_ttl(handle, multicast_ttl);
    if (local_address != nullptr) {
        vortelan_gb_runtime_udp_set_multicast_interface(handle, local_address);
    }
    vortelan_gb_runtime_udp_send_to(handle, question, length, mdns_group, mdns_port);
}

int wait_for_server(SocketHandle handle, const char *service_type, char *host, size_t host_capacity,
                    int32_t *port, uint32_t timeout_ms) {
    uint64_t start = vortelan_gb_runtime_now_us();
    for (;;) {
        uint64_t elapsed_ms = (vortelan_gb_runtime_now_us() - start) / 1000u;
        if (elapsed_ms >= timeout_ms) {
            return -1;
        }
        int ready = vortelan_gb_runtime_socket_wait_readable(
            handle, timeout_ms - static_cast<uint32_t>(elapsed_ms));
        if (ready < 0 &&
            vortelan_gb_runtime_socket_error_interrupted(vortelan_gb_runtime_socket_last_error())) {
            continue;
        }
        if (ready <= 0) {
            return -1;
        }
        uint8_t datagram[receive_capacity];
        int64_t received = vortelan_gb_runtime_udp_receive(handle, datagram, sizeof datagram);
        if (received >= static_cast<int64_t>(header_size) &&
            vortelan_gb_runtime_mdns_examine_datagram(datagram, static_cast<size_t>(received),
                                                      service_type, host, host_capacity, port)) {
            return 0;
        }
    }
}

} // namespace

int vortelan_gb_runtime_mdns_advertise_named_once(const char *service_type,
                                                  const char *instance_name, const char *host_name,
                                                  int port) {
    uint8_t address[4];
    if (!detect_local_address(address)) {
        return -1;
    }
    uint8_t message[announcement_capacity];
    size_t length = 0;
    if (!vortelan_gb_runtime_mdns_build_announcement(message, sizeof message, &length, service_type,
                                                     instance_name, host_name, port, address)) {
        return -1;
    }
    SocketHandle handle = create_udp_socket();
    if (handle == VORTELAN_GB_RUNTIME_INVALID_SOCKET) {
        return -1;
    }
    // Responders discard responses that do not come from the mDNS port. When another
    // program holds that port for itself, the announcement leaves from the port the platform
    // assigns, as our own discovery accepts.
    vortelan_gb_runtime_udp_share_port(handle);
    vortelan_gb_runtime_udp_bind(handle, any_address, mdns_port);
    // Leave through the interface whose address the announcement carries.
    vortelan_gb_runtime_udp_set_multicast_ttl(handle, multicast_ttl);
    vortelan_gb_runtime_udp_set_multicast_interface(handle, address);
    int64_t sent = vortelan_gb_runtime_udp_send_to(handle, message, length, mdns_group, mdns_port);
    close_udp_socket(handle);
    return sent == static_cast<int64_t>(length) ? 0 : -1;
}

int vortelan_gb_runtime_mdns_advertise_once(int port) {
    return vortelan_gb_runtime_mdns_advertise_named_once(
        default_service_type, default_instance_name, default_host_name, port);
}

int vortelan_gb_runtime_mdns_discover_named(const char *service_type, char *host,
                                            size_t host_capacity, int32_t *port,
                                            uint32_t timeout_ms) {
    if (host == nullptr || host_capacity == 0 || port == nullptr) {
        return -1;
    }
    host[0] = '\0';
    *port = 0;
    SocketHandle handle = create_udp_socket();
    if (handle == VORTELAN_GB_RUNTIME_INVALID_SOCKET) {
        return -1;
    }
    // The machine's own responder may hold the port with port reuse alone.
    vortelan_gb_runtime_udp_share_port(handle);
    if (vortelan_gb_runtime_udp_bind(handle, any_address, mdns_port) != 0) {
        close_udp_socket(handle);
        return -1;
    }
    uint8_t local_address[4];
    bool local_known = detect_local_address(local_address);
    vortelan_gb_runtime_udp_join_group(handle, mdns_group,
                                       local_known ? local_address : any_address);
    ask(handle, service_type, local_known ? local_address : nullptr);
    int result = wait_for_server(handle, service_type, host, host_capacity, port, timeout_ms);
    close_udp_socket(handle);
    return result;
}

int vortelan_gb_runtime_mdns_discover(char *host, size_t host_capacity, int32_t *port,
                                      uint32_t timeout_ms) {
    return vortelan_gb_runtime_mdns_discover_named(default_service_type, host, host_capacity, port,
                                                   timeout_ms);
}
