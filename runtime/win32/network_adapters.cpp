#include "runtime/network_adapters.h"

#include <cstdlib>
#include <cstring>

// Winsock's declarations come before the IP Helper's, which use them.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <iphlpapi.h>

namespace {

// Large enough for the adapters of a usual machine, so that one query suffices.
constexpr ULONG first_buffer_size = 15000;
constexpr ULONG query_flags =
    GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;

// The adapter list is the one allocation of the library: its size is known only to the
// platform. The buffer is enlarged once, to the size the platform names.
IP_ADAPTER_ADDRESSES *query_adapters() {
    ULONG size = first_buffer_size;
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto *adapters = static_cast<IP_ADAPTER_ADDRESSES *>(std::malloc(size));
        if (adapters == nullptr) {
            return nullptr;
        }
        ULONG result = GetAdaptersAddresses(AF_INET, query_flags, nullptr, adapters, &size);
        if (result == ERROR_SUCCESS) {
            return adapters;
        }
        std::free(adapters);
        if (result != ERROR_BUFFER_OVERFLOW) {
            return nullptr;
        }
    }
    return nullptr;
}

NetworkAdapter describe(const IP_ADAPTER_ADDRESSES *entry) {
    NetworkAdapter adapter{};
    adapter.name = entry->AdapterName;
    adapter.up = entry->OperStatus == IfOperStatusUp;
    adapter.loopback = entry->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
    adapter.tunnel = entry->IfType == IF_TYPE_TUNNEL;
    return adapter;
}

// False when the visitor ended the walk.
bool visit_addresses(const IP_ADAPTER_ADDRESSES *entry, NetworkAddressVisitor visit,
                     void *context) {
    NetworkAdapter adapter = describe(entry);
    for (const IP_ADAPTER_UNICAST_ADDRESS *unicast = entry->FirstUnicastAddress; unicast != nullptr;
         unicast = unicast->Next) {
        const sockaddr *address = unicast->Address.lpSockaddr;
        if (address == nullptr || address->sa_family != AF_INET) {
            continue;
        }
        uint8_t bytes[4];
        std::memcpy(bytes, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, 4);
        if (!visit(context, &adapter, bytes)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool vortelan_gb_runtime_walk_network_adapters(NetworkAddressVisitor visit, void *context) {
    IP_ADAPTER_ADDRESSES *adapters = query_adapters();
    if (adapters == nullptr) {
        return false;
    }
    const IP_ADAPTER_ADDRESSES *entry = adapters;
    while (entry != nullptr && visit_addresses(entry, visit, context)) {
        entry = entry->Next;
    }
    std::free(adapters);
    return true;
}
