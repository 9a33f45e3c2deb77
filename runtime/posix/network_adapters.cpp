#include "runtime/network_adapters.h"

#include "runtime/text.h"

#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The kernel's type for IPv6 GRE, which the C library's header does not name.
constexpr unsigned short arphrd_ip6gre = 823;

// Hardware types of tunnel devices: IP-in-IP, IPv6 tunnels, SIT, GRE, and devices without
// a link layer (tun, WireGuard), which are how VPNs appear.
bool is_tunnel_type(unsigned short hardware_type) {
    switch (hardware_type) {
    case ARPHRD_TUNNEL:
    case ARPHRD_TUNNEL6:
    case ARPHRD_SIT:
    case ARPHRD_IPGRE:
    case arphrd_ip6gre:
    case ARPHRD_NONE:
        return true;
    default:
        return false;
    }
}

NetworkAdapter *find_adapter(NetworkAdapterList *list, const char *name) {
    for (uint32_t at = 0; at < list->count; ++at) {
        if (std::strcmp(list->adapters[at].name, name) == 0) {
            return &list->adapters[at];
        }
    }
    return nullptr;
}

NetworkAdapter *find_or_add_adapter(NetworkAdapterList *list, const ifaddrs *entry) {
    NetworkAdapter *adapter = find_adapter(list, entry->ifa_name);
    if (adapter != nullptr || list->count == VORTELAN_GB_RUNTIME_MAX_ADAPTERS) {
        return adapter;
    }
    adapter = &list->adapters[list->count++];
    vortelan_gb_runtime_copy_text(adapter->name, sizeof adapter->name, entry->ifa_name);
    // Operational state up: administratively up and with a carrier.
    adapter->up = (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_RUNNING) != 0;
    adapter->loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
    return adapter;
}

void add_address(NetworkAdapter *adapter, const sockaddr *address) {
    if (adapter->address_count == VORTELAN_GB_RUNTIME_MAX_ADAPTER_ADDRESSES) {
        return;
    }
    const auto *ipv4 = reinterpret_cast<const sockaddr_in *>(address);
    std::memcpy(adapter->addresses[adapter->address_count++], &ipv4->sin_addr, 4);
}

// The device's hardware type, as SIOCGIFHWADDR reports it also for devices without a
// hardware address (for which getifaddrs gives no link-layer entry).
bool mark_tunnels(NetworkAdapterList *list) {
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    for (uint32_t at = 0; at < list->count; ++at) {
        NetworkAdapter &adapter = list->adapters[at];
        ifreq request{};
        vortelan_gb_runtime_copy_text(request.ifr_name, sizeof request.ifr_name, adapter.name);
        adapter.tunnel =
            ioctl(fd, SIOCGIFHWADDR, &request) == 0 && is_tunnel_type(request.ifr_hwaddr.sa_family);
    }
    close(fd);
    return true;
}

} // namespace

bool vortelan_gb_runtime_list_network_adapters(NetworkAdapterList *list) {
    ifaddrs *entries = nullptr;
    if (list == nullptr || getifaddrs(&entries) != 0) {
        return false;
    }
    std::memset(list, 0, sizeof *list);
    for (const ifaddrs *entry = entries; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET) {
            NetworkAdapter *adapter = find_or_add_adapter(list, entry);
            if (adapter != nullptr) {
                add_address(adapter, entry->ifa_addr);
            }
        }
    }
    freeifaddrs(entries);
    return mark_tunnels(list);
}
