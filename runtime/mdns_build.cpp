#include "runtime/mdns_message.h"

#include <cstring>

namespace {

constexpr size_t header_size = 12;
constexpr uint8_t response_flags = 0x84; // QR and AA: an authoritative response
constexpr uint16_t announcement_answers = 3;
constexpr uint16_t class_in = 1;
constexpr uint32_t record_ttl = 120;
constexpr uint16_t largest_rdata = 65535;
constexpr uint8_t type_a = 1;
constexpr uint8_t type_ptr = 12;
constexpr uint8_t type_srv = 33;

bool put_u16(uint8_t *buffer, size_t capacity, size_t *offset, uint32_t value) {
    if (*offset > capacity || capacity - *offset < 2) {
        return false;
    }
    buffer[(*offset)++] = static_cast<uint8_t>(value >> 8);
    buffer[(*offset)++] = static_cast<uint8_t>(value);
    return true;
}

bool put_u32(uint8_t *buffer, size_t capacity, size_t *offset, uint32_t value) {
    return put_u16(buffer, capacity, offset, value >> 16) &&
           put_u16(buffer, capacity, offset, value & 0xFFFF);
}

bool put_bytes(uint8_t *buffer, size_t capacity, size_t *offset, const uint8_t *bytes,
               size_t count) {
    if (*offset > capacity || capacity - *offset < count) {
        return false;
    }
    std::memcpy(buffer + *offset, bytes, count);
    *offset += count;
    return true;
}

// A header with all counts 0 but the one given at its byte position (5: QDCOUNT, 7: ANCOUNT).
bool put_header(uint8_t *buffer, size_t capacity, size_t *offset, uint8_t flags, size_t count_at,
                uint16_t count) {
    if (capacity < header_size) {
        return false;
    }
    std::memset(buffer, 0, header_size);
    buffer[2] = flags;
    buffer[count_at] = static_cast<uint8_t>(count);
    *offset = header_size;
    return true;
}

// Owner name, TYPE, CLASS, TTL and a zero RDLENGTH, which end_record fills in.
bool begin_record(uint8_t *buffer, size_t capacity, size_t *offset, const char *owner_name,
                  uint8_t type, size_t *rdlength_at, size_t *rdata_at) {
    if (!vortelan_gb_runtime_mdns_append_dns_name(buffer, capacity, offset, owner_name) ||
        !put_u16(buffer, capacity, offset, type) || !put_u16(buffer, capacity, offset, class_in) ||
        !put_u32(buffer, capacity, offset, record_ttl)) {
        return false;
    }
    *rdlength_at = *offset;
    if (!put_u16(buffer, capacity, offset, 0)) {
        return false;
    }
    *rdata_at = *offset;
    return true;
}

bool end_record(uint8_t *buffer, size_t offset, size_t rdlength_at, size_t rdata_at) {
    size_t rdata_length = offset - rdata_at;
    if (rdata_length > largest_rdata) {
        return false;
    }
    buffer[rdlength_at] = static_cast<uint8_t>(rdata_length >> 8);
    buffer[rdlength_at + 1] = static_cast<uint8_t>(rdata_length);
    return true;
}

} // namespace

bool vortelan_gb_runtime_mdns_build_announcement(uint8_t *buffer, size_t capacity, size_t *length,
                                                 const char *service_type,
                                                 const char *instance_name, const char *host_name,
                                                 int port, const uint8_t address[4]) {
    if (buffer == nullptr || length == nullptr || address == nullptr) {
        return false;
    }
    std::memset(buffer, 0, capacity);
    size_t at = 0;
    size_t rdlength_at = 0;
    size_t rdata_at = 0;
    bool built =
        put_header(buffer, capacity, &at, response_flags, 7, announcement_answers) &&
        begin_record(buffer, capacity, &at, service_type, type_ptr, &rdlength_at, &rdata_at) &&
        vortelan_gb_runtime_mdns_append_dns_name(buffer, capacity, &at, instance_name) &&
        end_record(buffer, at, rdlength_at, rdata_at) &&
        begin_record(buffer, capacity, &at, instance_name, type_srv, &rdlength_at, &rdata_at) &&
        put_u32(buffer, capacity, &at, 0) && // priority and weight
        put_u16(buffer, capacity, &at, static_cast<uint32_t>(port) & 0xFFFF) &&
        vortelan_gb_runtime_mdns_append_dns_name(buffer, capacity, &at, host_name) &&
        end_record(buffer, at, rdlength_at, rdata_at) &&
        begin_record(buffer, capacity, &at, host_name, type_a, &rdlength_at, &rdata_at) &&
        put_bytes(buffer, capacity, &at, address, 4) &&
        end_record(buffer, at, rdlength_at, rdata_at);
    if (built) {
        *length = at;
    }
    return built;
}

bool vortelan_gb_runtime_mdns_build_question(uint8_t *buffer, size_t capacity, size_t *length,
                                             const char *service_type) {
    if (buffer == nullptr || length == nullptr) {
        return false;
    }
    size_t at = 0;
    // QCLASS IN with the unicast-response bit clear: answers come by multicast.
    bool built = put_header(buffer, capacity, &at, 0, 5, 1) &&
                 vortelan_gb_runtime_mdns_append_dns_name(buffer, capacity, &at, service_type) &&
                 put_u16(buffer, capacity, &at, type_ptr) &&
                 put_u16(buffer, capacity, &at, class_in);
    if (built) {
        *length = at;
    }
    return built;
}
