// Decoding one name of an arbitrary message: the first input byte picks the start offset,
// the rest is the message. Reads must stay inside the message and the 256-byte output.

#include "runtime/mdns_message.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const uint8_t *message = data + 1;
    size_t length = size - 1;
    size_t offset = data[0] % length;
    char name[VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY];
    size_t next = offset;
    if (vortelan_gb_runtime_mdns_decode_dns_name(message, length, &next, name) &&
        (std::strlen(name) >= sizeof name || next <= offset || next > length)) {
        __builtin_trap();
    }
    return 0;
}
