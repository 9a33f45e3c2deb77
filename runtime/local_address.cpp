#include "runtime/local_address.h"

#include "runtime/ipv4_text.h"
#include "runtime/socket.h"
#include "runtime/text.h"

#include <cstring>

namespace {

constexpr size_t scratch_capacity = 22;
constexpr size_t fallback_capacity = 32;

// Unspecified, loopback, all of 169/8 (link-local lies there) and multicast and above.
bool is_unusable(const uint8_t address[4]) {
    return address[0] == 0 || address[0] == 127 || address[0] == 169 || address[0] >= 224;
}

bool is_private(const uint8_t address[4]) {
    return address[0] == 10 || (address[0] == 172 && (address[1] & 0xF0) == 16) ||
           (address[0] == 192 && address[1] == 168);
}

uint32_t clamped(uint32_t count, uint32_t capacity) {
    return count < capacity ? count : capacity;
}

} // namespace

bool vortelan_gb_runtime_select_local_ipv4(const NetworkAdapterList *adapters, char *output,
                                           size_t capacity) {
    if (output == nullptr || capacity == 0) {
        return false;
    }
    output[0] = '\0';
    if (adapters == nullptr) {
        return false;
    }
    char fallback[fallback_capacity] = "";
    uint32_t adapter_count = clamped(adapters->count, VORTELAN_GB_RUNTIME_MAX_ADAPTERS);
    for (uint32_t index = 0; index < adapter_count; ++index) {
        const NetworkAdapter &adapter = adapters->adapters[index];
        if (!adapter.up || adapter.loopback || adapter.tunnel) {
            continue;
        }
        uint32_t address_count =
            clamped(adapter.address_count, VORTELAN_GB_RUNTIME_MAX_ADAPTER_ADDRESSES);
        for (uint32_t at = 0; at < address_count; ++at) {
            const uint8_t *address = adapter.addresses[at];
            char text[scratch_capacity];
            if (is_unusable(address) ||
                !vortelan_gb_runtime_format_ipv4(address, text, sizeof text) ||
                std::strlen(text) >= capacity) {
                continue;
            }
            if (is_private(address)) {
                vortelan_gb_runtime_copy_text(output, capacity, text);
                return true;
            }
            if (fallback[0] == '\0') {
                vortelan_gb_runtime_copy_text(fallback, sizeof fallback, text);
            }
        }
    }
    return fallback[0] != '\0' && vortelan_gb_runtime_copy_text(output, capacity, fallback);
}

bool vortelan_gb_runtime_detect_local_ipv4(char *output, size_t capacity) {
    if (output == nullptr || capacity == 0) {
        return false;
    }
    output[0] = '\0';
    if (vortelan_gb_runtime_net_init() != 0) {
        return false;
    }
    NetworkAdapterList adapters;
    bool found = vortelan_gb_runtime_list_network_adapters(&adapters) &&
                 vortelan_gb_runtime_select_local_ipv4(&adapters, output, capacity);
    vortelan_gb_runtime_net_shutdown();
    return found;
}
