// Examining one received datagram: the first input byte picks the host capacity (1 to 32),
// the rest is the datagram. The host buffer is exactly that size, so any write past the
// capacity is caught.

#include "runtime/mdns_message.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) {
        return 0;
    }
    size_t host_capacity = static_cast<size_t>(data[0] % 32) + 1;
    auto host = std::make_unique<char[]>(host_capacity);
    int32_t port = -1;
    bool found = vortelan_gb_runtime_mdns_examine_datagram(
        data + 1, size - 1, "_gb_runtime._tcp.local", host.get(), host_capacity, &port);
    if (found &&
        (host[0] == '\0' || std::strlen(host.get()) >= host_capacity || port < 0 || port > 65535)) {
        __builtin_trap();
    }
    return 0;
}
