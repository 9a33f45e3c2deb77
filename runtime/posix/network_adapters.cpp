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

// The device's hardware type, as SIOCGIFHWADDR reports it also for devices without a
// hardware address (for which getifaddrs gives no link-layer entry).
bool is_tunnel(int query_fd, const char *name) {
    ifreq request{};
    vortelan_gb_runtime_copy_text(request.ifr_name, sizeof request.ifr_name, name);
    return ioctl(query_fd, SIOCGIFHWADDR, &request) == 0 &&
           is_tunnel_type(request.ifr_hwaddr.sa_family);
}

NetworkAdapter describe(int query_fd, const ifaddrs *entry) {
    NetworkAdapter adapter{};
    adapter.name = entry->ifa_name;
    // Operational state up: administratively up and with a carrier.
    adapter.up = (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_RUNNING) != 0;
    adapter.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
    adapter.tunnel = is_tunnel(query_fd, entry->ifa_name);
    return adapter;
}

} // namespace

bool vortelan_gb_runtime_walk_network_adapters(NetworkAddressVisitor visit, void *context) {
    int query_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (query_fd < 0) {
        return false;
    }
    ifaddrs *entries = nullptr;
    if (getifaddrs(&entries) != 0) {
        close(query_fd);
        return false;
    }
    for (const ifaddrs *entry = entries; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) {
            continue;
        }
        NetworkAdapter adapter = describe(query_fd, entry);
        uint8_t address[4];
        std::memcpy(address, &reinterpret_cast<const sockaddr_in *>(entry->ifa_addr)->sin_addr, 4);
        if (!visit(context, &adapter, address)) {
            break;
        }
    }
    freeifaddrs(entries);
    close(query_fd);
    return true;
}
