#include "runtime/mdns_message.h"

#include "runtime/ascii.h"
#include "runtime/ipv4_text.h"
#include "runtime/text.h"

#include <cstring>

namespace {

constexpr size_t header_size = 12;
constexpr size_t question_tail_size = 4; // QTYPE and QCLASS
constexpr size_t record_fixed_size = 10; // TYPE, CLASS, TTL and RDLENGTH
constexpr size_t srv_port_offset = 4;    // after priority and weight
constexpr size_t smallest_srv_rdata = 7;
constexpr size_t scratch_capacity = 22;
constexpr uint16_t type_a = 1;
constexpr uint16_t type_srv = 33;

uint16_t read_u16(const uint8_t *bytes) {
    return static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
}

// A plain suffix comparison: the instance's owner name ends with the service type.
bool names_instance_of(const char *owner_name, const char *service_type) {
    if (service_type == nullptr) {
        return false;
    }
    size_t owner_length = std::strlen(owner_name);
    size_t service_length = std::strlen(service_type);
    return owner_length > service_length &&
           vortelan_gb_runtime_ascii_equal_ignoring_case(owner_name + owner_length - service_length,
                                                         service_type, service_length);
}

bool take_address(const uint8_t *rdata, char *host, size_t host_capacity) {
    char text[scratch_capacity];
    if (!vortelan_gb_runtime_format_ipv4(rdata, text, sizeof text) ||
        std::strlen(text) >= host_capacity) {
        return false;
    }
    return vortelan_gb_runtime_copy_text(host, host_capacity, text);
}

} // namespace

bool vortelan_gb_runtime_mdns_examine_datagram(const uint8_t *datagram, size_t length,
                                               const char *service_type, char *host,
                                               size_t host_capacity, int32_t *port) {
    if (datagram == nullptr || length < header_size || host == nullptr || host_capacity == 0 ||
        port == nullptr) {
        return false;
    }
    char name[VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY];
    size_t at = header_size;
    for (uint32_t question = read_u16(datagram + 4); question > 0; --question) {
        if (!vortelan_gb_runtime_mdns_decode_dns_name(datagram, length, &at, name) ||
            length - at < question_tail_size) {
            return false;
        }
        at += question_tail_size;
    }
    // Answers, authority and additional records are all looked at alike.
    uint32_t records = static_cast<uint32_t>(read_u16(datagram + 6)) + read_u16(datagram + 8) +
                       read_u16(datagram + 10);
    bool srv_seen = false;
    bool a_seen = false;
    for (; records > 0; --records) {
        if (!vortelan_gb_runtime_mdns_decode_dns_name(datagram, length, &at, name) ||
            length - at < record_fixed_size) {
            return false;
        }
        uint16_t type = read_u16(datagram + at);
        size_t rdata_length = read_u16(datagram + at + 8);
        at += record_fixed_size;
        if (length - at < rdata_length) {
            return false;
        }
        const uint8_t *rdata = datagram + at;
        if (type == type_srv && rdata_length >= smallest_srv_rdata &&
            names_instance_of(name, service_type)) {
            *port = read_u16(rdata + srv_port_offset);
            srv_seen = true;
        } else if (type == type_a && rdata_length == 4 &&
                   take_address(rdata, host, host_capacity)) {
            a_seen = true;
        }
        at += rdata_length;
        if (srv_seen && a_seen) {
            return true;
        }
    }
    return false;
}
