// Checks both range parsers against a reading of the same text done here digit by digit:
// optional white space, an optional sign, decimal digits and nothing else; magnitudes past
// 32 bits saturate; a minus on the unsigned form negates modulo 2^32.
#include "runtime/text.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Reading {
    bool well_formed;
    bool negative;
    uint64_t magnitude; // saturated just past the 32-bit range
};

Reading read_number(const char *text) {
    Reading reading{false, false, 0};
    while (std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    if (*text == '+' || *text == '-') {
        reading.negative = *text++ == '-';
    }
    const char *digits = text;
    for (; *text >= '0' && *text <= '9'; ++text) {
        reading.magnitude = reading.magnitude * 10 + static_cast<uint64_t>(*text - '0');
        if (reading.magnitude > UINT32_MAX) {
            reading.magnitude = uint64_t{UINT32_MAX} + 1;
        }
    }
    reading.well_formed = text != digits && *text == '\0';
    return reading;
}

uint32_t expected_unsigned(const Reading &reading) {
    if (reading.magnitude > UINT32_MAX) {
        return UINT32_MAX;
    }
    uint32_t magnitude = static_cast<uint32_t>(reading.magnitude);
    return reading.negative ? 0u - magnitude : magnitude;
}

int32_t expected_signed(const Reading &reading) {
    int64_t value = reading.negative ? -static_cast<int64_t>(reading.magnitude)
                                     : static_cast<int64_t>(reading.magnitude);
    return value > INT32_MAX   ? INT32_MAX
           : value < INT32_MIN ? INT32_MIN
                               : static_cast<int32_t>(value);
}

template <typename Value> Value load(const uint8_t *bytes) {
    Value value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void check(bool condition, const char *what, const char *text) {
    if (!condition) {
        std::fprintf(stderr, "range parsers: %s for \"%s\"\n", what, text);
        std::abort();
    }
}

void check_unsigned(const char *text, const Reading &reading, uint32_t minimum, uint32_t maximum) {
    uint32_t value = 0xA5A5A5A5u;
    int result = vortelan_gb_runtime_parse_uint_range(text, minimum, maximum, &value);
    uint32_t expected = expected_unsigned(reading);
    bool accept = reading.well_formed && expected >= minimum && expected <= maximum;
    check(result == (accept ? 0 : -1), "unsigned acceptance differs", text);
    check(value == (accept ? expected : 0xA5A5A5A5u), "unsigned value differs", text);
    if (accept) {
        char printed[16];
        std::snprintf(printed, sizeof printed, "%u", value);
        check(std::strtoul(printed, nullptr, 10) == value, "unsigned value does not print back",
              text);
    }
}

void check_signed(const char *text, const Reading &reading, int32_t minimum, int32_t maximum) {
    int32_t value = 0x5A5A5A5A;
    int result = vortelan_gb_runtime_parse_int_range(text, minimum, maximum, &value);
    int32_t expected = expected_signed(reading);
    bool accept = reading.well_formed && expected >= minimum && expected <= maximum;
    check(result == (accept ? 0 : -1), "signed acceptance differs", text);
    check(value == (accept ? expected : 0x5A5A5A5A), "signed value differs", text);
}

} // namespace

// Input: one flag byte; when its low bit is set, eight bytes of bounds (used by both forms)
// follow; the rest is the text. Without bounds the full 32-bit ranges apply.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) {
        return 0;
    }
    bool bounded = (data[0] & 1) != 0;
    size_t header = bounded ? 9 : 1;
    if (size < header) {
        return 0;
    }
    uint32_t low = bounded ? load<uint32_t>(data + 1) : 0;
    uint32_t high = bounded ? load<uint32_t>(data + 5) : UINT32_MAX;
    std::string text(reinterpret_cast<const char *>(data + header), size - header);
    Reading reading = read_number(text.c_str());
    check_unsigned(text.c_str(), reading, low, high);
    check_signed(text.c_str(), reading, bounded ? static_cast<int32_t>(low) : INT32_MIN,
                 bounded ? static_cast<int32_t>(high) : INT32_MAX);
    return 0;
}
