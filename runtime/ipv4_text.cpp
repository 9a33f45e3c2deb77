#include "runtime/ipv4_text.h"

#include <cstdio>

namespace {

constexpr unsigned largest_octet = 255;
constexpr int most_octet_digits = 3;

} // namespace

bool vortelan_gb_runtime_format_ipv4(const uint8_t address[4], char *output, size_t capacity) {
    int length = std::snprintf(output, capacity, "%u.%u.%u.%u", address[0], address[1], address[2],
                               address[3]);
    return length > 0 && static_cast<size_t>(length) < capacity;
}

bool vortelan_gb_runtime_parse_ipv4(const char *text, uint8_t address[4]) {
    uint8_t parsed[4];
    const char *at = text;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0 && *at++ != '.') {
            return false;
        }
        unsigned value = 0;
        int digits = 0;
        for (; *at >= '0' && *at <= '9' && digits < most_octet_digits; ++at, ++digits) {
            value = value * 10 + static_cast<unsigned>(*at - '0');
        }
        if (digits == 0 || value > largest_octet) {
            return false;
        }
        parsed[octet] = static_cast<uint8_t>(value);
    }
    if (*at != '\0') {
        return false;
    }
    for (int octet = 0; octet < 4; ++octet) {
        address[octet] = parsed[octet];
    }
    return true;
}
