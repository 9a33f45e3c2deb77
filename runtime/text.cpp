#include "runtime/text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

bool vortelan_gb_runtime_copy_text(char *destination, size_t capacity, const char *source) {
    if (destination == nullptr || source == nullptr || capacity == 0) {
        return false;
    }
    size_t length = std::strlen(source);
    bool fits = length < capacity;
    size_t copied = fits ? length : capacity - 1;
    std::memcpy(destination, source, copied);
    destination[copied] = '\0';
    return fits;
}

bool vortelan_gb_runtime_has_control_characters(const char *text) {
    for (const char *at = text; *at != '\0'; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

bool vortelan_gb_runtime_join_path(char *destination, size_t capacity, const char *directory,
                                   const char *name) {
    size_t directory_length = std::strlen(directory);
    size_t name_length = std::strlen(name);
    bool separator = directory_length > 0 && directory[directory_length - 1] != '/';
    size_t needed = directory_length + (separator ? 1 : 0) + name_length + 1;
    if (destination == nullptr || capacity < needed) {
        return false;
    }
    std::memcpy(destination, directory, directory_length);
    size_t at = directory_length;
    if (separator) {
        destination[at++] = '/';
    }
    std::memcpy(destination + at, name, name_length + 1);
    return true;
}

namespace {

void copy_part(char *buffer, size_t capacity, const char *part, size_t length) {
    if (buffer == nullptr || capacity == 0) {
        return;
    }
    size_t copied = length < capacity ? length : capacity - 1;
    std::memcpy(buffer, part, copied);
    buffer[copied] = '\0';
}

} // namespace

void vortelan_gb_runtime_split_path(const char *path, char *directory, size_t directory_capacity,
                                    char *name, size_t name_capacity) {
    const char *slash = std::strrchr(path, '/');
    if (slash == nullptr) {
        copy_part(directory, directory_capacity, ".", 1);
        copy_part(name, name_capacity, path, std::strlen(path));
        return;
    }
    copy_part(directory, directory_capacity, path, static_cast<size_t>(slash - path));
    copy_part(name, name_capacity, slash + 1, std::strlen(slash + 1));
}

// Both parsers follow the C library's conversion rules (leading white space and a sign
// allowed) and saturate at the 32-bit limits instead of failing on overflow.
int vortelan_gb_runtime_parse_uint_range(const char *text, uint32_t minimum, uint32_t maximum,
                                         uint32_t *out) {
    if (text == nullptr || *text == '\0') {
        return -1;
    }
    char *end = nullptr;
    errno = 0;
    unsigned long long wide = std::strtoull(text, &end, 10);
    if (end == text || *end != '\0') {
        return -1;
    }
    // strtoull negates a leading minus modulo 2^64; taking the low 32 bits gives the
    // modulo-2^32 negation, unless the magnitude itself was beyond 32 bits.
    const char *digits = text;
    while (*digits == ' ' || (*digits >= '\t' && *digits <= '\r')) {
        ++digits;
    }
    bool negative = *digits == '-';
    unsigned long long magnitude = negative ? (0ULL - wide) : wide;
    uint32_t value = 0;
    if (errno == ERANGE || magnitude > UINT32_MAX) {
        value = UINT32_MAX;
    } else {
        value = static_cast<uint32_t>(wide);
    }
    if (value < minimum || value > maximum) {
        return -1;
    }
    *out = value;
    return 0;
}

int vortelan_gb_runtime_parse_int_range(const char *text, int32_t minimum, int32_t maximum,
                                        int32_t *out) {
    if (text == nullptr || *text == '\0') {
        return -1;
    }
    char *end = nullptr;
    long long wide = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0') {
        return -1;
    }
    int32_t value = wide > INT32_MAX   ? INT32_MAX
                    : wide < INT32_MIN ? INT32_MIN
                                       : static_cast<int32_t>(wide);
    if (value < minimum || value > maximum) {
        return -1;
    }
    *out = value;
    return 0;
}
