// Checks LAN play between two machines: announce a server, look for one, or show the LAN
// address the runtime would use.

#include "runtime/clock.h"
#include "runtime/local_address.h"
#include "runtime/mdns.h"
#include "runtime/text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint32_t announcement_interval_ms = 1000;
constexpr uint32_t default_discover_timeout_ms = 3000;
constexpr size_t host_capacity = 128;
constexpr size_t address_capacity = 22;

int usage() {
    std::fprintf(stderr, "usage: gb_runtime_lan advertise PORT [COUNT]\n"
                         "       gb_runtime_lan discover [TIMEOUT_MS]\n"
                         "       gb_runtime_lan address\n");
    return 2;
}

// COUNT 0 or none: announce until stopped.
int advertise(int argc, char **argv) {
    uint32_t port = 0;
    uint32_t count = 0;
    if (argc < 3 || argc > 4 || vortelan_gb_runtime_parse_uint_range(argv[2], 0, 65535, &port) ||
        (argc == 4 && vortelan_gb_runtime_parse_uint_range(argv[3], 0, UINT32_MAX, &count))) {
        return usage();
    }
    for (uint32_t sent = 0; count == 0 || sent < count; ++sent) {
        if (sent > 0) {
            vortelan_gb_runtime_sleep_ms(announcement_interval_ms);
        }
        if (vortelan_gb_runtime_mdns_advertise_once(static_cast<int>(port)) != 0) {
            std::fprintf(stderr, "gb_runtime_lan: announcement failed\n");
            return 1;
        }
        std::printf("announced port %u\n", static_cast<unsigned>(port));
        std::fflush(stdout);
    }
    return 0;
}

int discover(int argc, char **argv) {
    uint32_t timeout_ms = default_discover_timeout_ms;
    if (argc > 3 ||
        (argc == 3 && vortelan_gb_runtime_parse_uint_range(argv[2], 0, UINT32_MAX, &timeout_ms))) {
        return usage();
    }
    char host[host_capacity];
    int32_t port = 0;
    if (vortelan_gb_runtime_mdns_discover(host, sizeof host, &port, timeout_ms) != 0) {
        std::printf("no server found\n");
        return 1;
    }
    std::printf("%s %d\n", host, static_cast<int>(port));
    return 0;
}

int address(int argc) {
    if (argc != 2) {
        return usage();
    }
    char text[address_capacity];
    if (!vortelan_gb_runtime_detect_local_ipv4(text, sizeof text)) {
        std::printf("no LAN address found\n");
        return 1;
    }
    std::printf("%s\n", text);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        return usage();
    }
    if (std::strcmp(argv[1], "advertise") == 0) {
        return advertise(argc, argv);
    }
    if (std::strcmp(argv[1], "discover") == 0) {
        return discover(argc, argv);
    }
    if (std::strcmp(argv[1], "address") == 0) {
        return address(argc);
    }
    return usage();
}
