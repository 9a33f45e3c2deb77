#include "runtime/network_adapters.h"

#include <gtest/gtest.h>

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

struct Walked {
    std::set<Address> addresses;
    bool loopback_up = false;
};

bool remember(void *context, const NetworkAdapter *adapter, const uint8_t address[4]) {
    auto *walked = static_cast<Walked *>(context);
    walked->addresses.insert(Address(address, address + 4));
    if (address[0] == 127) {
        walked->loopback_up = adapter->loopback && adapter->up && !adapter->tunnel;
    }
    return true;
}

TEST(AdapterQuery, WalksEveryAddressOfTheSystemTable) {
    Walked walked;
    ASSERT_TRUE(vortelan_gb_runtime_walk_network_adapters(remember, &walked));
    std::set<Address> expected = address_table();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(walked.addresses, expected);
    EXPECT_TRUE(walked.loopback_up);
}

} // namespace
