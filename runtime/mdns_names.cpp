#include "runtime/mdns_message.h"

#include <cstring>

namespace {

constexpr size_t longest_label = 63;
constexpr size_t longest_name = VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY - 1;
constexpr unsigned most_pointers = 17;
constexpr uint8_t pointer_bits = 0xC0;

} // namespace

bool vortelan_gb_runtime_mdns_append_dns_name(uint8_t *buffer, size_t capacity, size_t *offset,
                                              const char *name) {
    if (buffer == nullptr || offset == nullptr || name == nullptr) {
        return false;
    }
    size_t at = *offset;
    const char *label = name;
    while (*label != '\0') {
        const char *dot = std::strchr(label, '.');
        size_t length = dot != nullptr ? static_cast<size_t>(dot - label) : std::strlen(label);
        if (length == 0 || length > longest_label || at > capacity || capacity - at < length + 1) {
            return false;
        }
        buffer[at++] = static_cast<uint8_t>(length);
        std::memcpy(buffer + at, label, length);
        at += length;
        label = dot != nullptr ? dot + 1 : label + length;
    }
    if (at >= capacity) {
        return false;
    }
    buffer[at++] = 0;
    *offset = at;
    return true;
}

bool vortelan_gb_runtime_mdns_decode_dns_name(const uint8_t *message, size_t length, size_t *offset,
                                              char output[VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY]) {
    if (message == nullptr || offset == nullptr || output == nullptr || *offset >= length) {
        return false;
    }
    output[0] = '\0';
    size_t at = *offset;
    size_t written = 0;
    size_t after_first_pointer = 0;
    unsigned pointers = 0;
    // Every step leaves at inside the message: a label needs a byte after it and a pointer's
    // target is checked before it is taken.
    for (;;) {
        uint8_t head = message[at];
        if (head == 0) {
            *offset = pointers == 0 ? at + 1 : after_first_pointer;
            return true;
        }
        if ((head & pointer_bits) == pointer_bits) {
            if (at + 1 >= length) {
                return false;
            }
            size_t target = (static_cast<size_t>(head & ~pointer_bits) << 8) | message[at + 1];
            if (target >= length || ++pointers > most_pointers) {
                return false;
            }
            if (pointers == 1) {
                after_first_pointer = at + 2;
            }
            at = target;
            continue;
        }
        size_t label_length = head;
        size_t separator = written > 0 ? 1 : 0;
        if (label_length > longest_label || at + 1 + label_length >= length ||
            written + separator + label_length > longest_name) {
            return false;
        }
        if (separator != 0) {
            output[written++] = '.';
        }
        std::memcpy(output + written, message + at + 1, label_length);
        written += label_length;
        output[written] = '\0';
        at += 1 + label_length;
    }
}
