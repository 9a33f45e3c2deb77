#include "runtime/local_address.h"

#include "runtime/ipv4_text.h"
#include "runtime/local_address_choice.h"
#include "runtime/socket.h"
#include "runtime/text.h"

#include <cstring>

namespace {

constexpr size_t scratch_capacity = 22;

// Unspecified, loopback, all of 169/8 (link-local lies there) and multicast and above.
bool is_unusable(const uint8_t address[4]) {
    return address[0] == 0 || address[0] == 127 || address[0] == 169 || address[0] >= 224;
}

bool is_private(const uint8_t address[4]) {
    return address[0] == 10 || (address[0] == 172 && (address[1] & 0xF0) == 16) ||
           (address[0] == 192 && address[1] == 168);
}

} // namespace

void vortelan_gb_runtime_local_ipv4_start(LocalIpv4Choice *choice, char *output, size_t capacity) {
    choice->output = output;
    choice->capacity = output == nullptr ? 0 : capacity;
    choice->chosen = false;
    choice->fallback[0] = '\0';
    if (choice->capacity > 0) {
        output[0] = '\0';
    }
}

bool vortelan_gb_runtime_local_ipv4_offer(void *context, const NetworkAdapter *adapter,
                                          const uint8_t address[4]) {
    auto *choice = static_cast<LocalIpv4Choice *>(context);
    char text[scratch_capacity];
    if (!adapter->up || adapter->loopback || adapter->tunnel || is_unusable(address) ||
        !vortelan_gb_runtime_format_ipv4(address, text, sizeof text) ||
        std::strlen(text) >= choice->capacity) {
        return true;
    }
    if (is_private(address)) {
        choice->chosen = vortelan_gb_runtime_copy_text(choice->output, choice->capacity, text);
        return false;
    }
    if (choice->fallback[0] == '\0') {
        vortelan_gb_runtime_copy_text(choice->fallback, sizeof choice->fallback, text);
    }
    return true;
}

bool vortelan_gb_runtime_local_ipv4_finish(LocalIpv4Choice *choice) {
    if (!choice->chosen && choice->fallback[0] != '\0') {
        choice->chosen =
            vortelan_gb_runtime_copy_text(choice->output, choice->capacity, choice->fallback);
    }
    return choice->chosen;
}

bool vortelan_gb_runtime_detect_local_ipv4(char *output, size_t capacity) {
    if (output == nullptr || capacity == 0) {
        return false;
    }
    LocalIpv4Choice choice;
    vortelan_gb_runtime_local_ipv4_start(&choice, output, capacity);
    if (vortelan_gb_runtime_net_init() != 0) {
        return false;
    }
    bool walked =
        vortelan_gb_runtime_walk_network_adapters(vortelan_gb_runtime_local_ipv4_offer, &choice);
    vortelan_gb_runtime_net_shutdown();
    return walked && vortelan_gb_runtime_local_ipv4_finish(&choice);
}
