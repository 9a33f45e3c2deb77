#include "runtime/network_adapters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

// Winsock's declarations come before the IP Helper's, which use them.
#include <winsock2.h>

#include <iphlpapi.h>

namespace {

using Address = std::vector<uint8_t>;

// The system's table of IPv4 addresses, read through another IP Helper call than the one
// under test.
std::set<Address> address_table() {
    ULONG size = 0;
    GetIpAddrTable(nullptr, &size, FALSE);
    std::vector<unsigned char> buffer(size);
    auto *table = reinterpret_cast<MIB_IPADDRTABLE *>(buffer.data());
    std::set<Address> addresses;
    if (size == 0 || GetIpAddrTable(table, &size, FALSE) != NO_ERROR) {
        return addresses;
    }
    for (DWORD row = 0; row < table->dwNumEntries; ++row) {
        const auto *bytes = reinterpret_cast<const uint8_t *>(&table->table[row].dwAddr);
        addresses.insert(Address(bytes, bytes + 4));
    }
    return addresses;
}

TEST(AdapterQuery, ListsEveryAddressOfTheSystemTable) {
    NetworkAdapterList list;
    ASSERT_TRUE(vortelan_gb_runtime_list_network_adapters(&list));
    std::set<Address> listed;
    bool loopback_up = false;
    for (uint32_t index = 0; index < list.count; ++index) {
        const NetworkAdapter &adapter = list.adapters[index];
        for (uint32_t at = 0; at < adapter.address_count; ++at) {
            listed.insert(Address(adapter.addresses[at], adapter.addresses[at] + 4));
            if (adapter.addresses[at][0] == 127) {
                loopback_up = adapter.loopback && adapter.up && !adapter.tunnel;
            }
        }
    }
    std::set<Address> expected = address_table();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(loopback_up);
}

} // namespace
