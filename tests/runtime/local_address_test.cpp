#include "runtime/local_address.h"
#include "runtime/local_address_choice.h"
#include "runtime/socket.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Address = std::array<uint8_t, 4>;

enum Kind { up, down, loopback, tunnel };

struct TestAdapter {
    NetworkAdapter described;
    std::vector<Address> addresses;
};

TestAdapter adapter(Kind kind, std::vector<Address> addresses) {
    NetworkAdapter described{"test", kind != down, kind == loopback, kind == tunnel};
    return {described, std::move(addresses)};
}

// Offers the addresses in adapter order, as a platform walk would, until the choice is made.
bool select(const std::vector<TestAdapter> &adapters, char *output, size_t capacity) {
    LocalIpv4Choice choice;
    vortelan_gb_runtime_local_ipv4_start(&choice, output, capacity);
    for (const TestAdapter &each : adapters) {
        for (const Address &address : each.addresses) {
            if (!vortelan_gb_runtime_local_ipv4_offer(&choice, &each.described, address.data())) {
                return vortelan_gb_runtime_local_ipv4_finish(&choice);
            }
        }
    }
    return vortelan_gb_runtime_local_ipv4_finish(&choice);
}

struct SelectionCase {
    const char *label;
    std::vector<TestAdapter> adapters;
    const char *expected; // empty: nothing selected
    size_t capacity = 32;
};

class LocalAddressSelection : public testing::TestWithParam<SelectionCase> {};

TEST_P(LocalAddressSelection, PrefersPrivateThenFirstUsableAddress) {
    char output[32];
    std::memset(output, 'x', sizeof output);
    bool found = select(GetParam().adapters, output, GetParam().capacity);
    EXPECT_EQ(found, GetParam().expected[0] != '\0');
    EXPECT_STREQ(output, GetParam().expected);
}

const Address ethernet{192, 168, 1, 20};
const Address wifi{203, 0, 113, 7};
const Address other_public{198, 51, 100, 9};

INSTANTIATE_TEST_SUITE_P(
    LocalAddress, LocalAddressSelection,
    testing::Values(
        SelectionCase{
            "private_first", {adapter(up, {ethernet}), adapter(up, {wifi})}, "192.168.1.20"},
        SelectionCase{
            "private_second", {adapter(up, {wifi}), adapter(up, {ethernet})}, "192.168.1.20"},
        SelectionCase{
            "first_public", {adapter(up, {wifi}), adapter(up, {other_public})}, "203.0.113.7"},
        SelectionCase{"private_within_adapter", {adapter(up, {wifi, {10, 0, 0, 2}})}, "10.0.0.2"},
        SelectionCase{"link_local", {adapter(up, {{169, 254, 10, 10}})}, ""},
        SelectionCase{"all_of_169", {adapter(up, {{169, 1, 2, 3}})}, ""},
        SelectionCase{"unusable_ranges",
                      {adapter(up, {{0, 1, 2, 3}, {127, 0, 0, 1}, {224, 0, 0, 1}, {255, 1, 1, 1}})},
                      ""},
        SelectionCase{"loopback_adapter", {adapter(loopback, {{10, 0, 0, 5}})}, ""},
        SelectionCase{"tunnel_adapter", {adapter(tunnel, {{10, 8, 0, 2}})}, ""},
        SelectionCase{"tunnel_before_public",
                      {adapter(tunnel, {{10, 8, 0, 2}}), adapter(up, {wifi})},
                      "203.0.113.7"},
        SelectionCase{"down_adapter", {adapter(down, {ethernet})}, ""},
        SelectionCase{"private_172_upper_edge",
                      {adapter(up, {wifi}), adapter(up, {{172, 31, 255, 1}})},
                      "172.31.255.1"},
        SelectionCase{"public_172_above",
                      {adapter(up, {wifi}), adapter(up, {{172, 32, 0, 1}})},
                      "203.0.113.7"},
        SelectionCase{"public_172_below",
                      {adapter(up, {wifi}), adapter(up, {{172, 15, 0, 1}})},
                      "203.0.113.7"},
        SelectionCase{
            "too_long_for_capacity", {adapter(up, {ethernet, {1, 2, 3, 4}})}, "1.2.3.4", 8},
        SelectionCase{"exactly_fitting", {adapter(up, {{10, 0, 0, 1}})}, "10.0.0.1", 9},
        SelectionCase{"one_byte_short", {adapter(up, {{10, 0, 0, 1}})}, "", 8},
        SelectionCase{"no_adapters", {}, ""}),
    [](const testing::TestParamInfo<SelectionCase> &tested) { return tested.param.label; });

TEST(LocalAddressSelection, ZeroCapacityWritesNothing) {
    char output[4] = "xyz";
    EXPECT_FALSE(select({adapter(up, {ethernet})}, output, 0));
    EXPECT_FALSE(vortelan_gb_runtime_detect_local_ipv4(output, 0));
    EXPECT_STREQ(output, "xyz");
}

struct WalkedAddress {
    NetworkAdapter adapter;
    Address address;
};

bool remember(void *context, const NetworkAdapter *adapter, const uint8_t address[4]) {
    static_cast<std::vector<WalkedAddress> *>(context)->push_back(
        {*adapter, {address[0], address[1], address[2], address[3]}});
    return true;
}

TEST(LocalAddressQuery, WalksTheLoopbackOfThisMachine) {
    std::vector<WalkedAddress> walked;
    ASSERT_TRUE(vortelan_gb_runtime_walk_network_adapters(remember, &walked));
    bool loopback_seen = false;
    std::vector<TestAdapter> adapters;
    for (const WalkedAddress &each : walked) {
        if (each.adapter.loopback && each.address[0] == 127) {
            loopback_seen = true;
            EXPECT_FALSE(each.adapter.tunnel);
        }
        adapters.push_back({each.adapter, {each.address}});
    }
    EXPECT_TRUE(loopback_seen);

    // Detection is the selection over that walk, and leaves no reference behind.
    char selected[22];
    char detected[22];
    bool selected_found = select(adapters, selected, sizeof selected);
    EXPECT_EQ(vortelan_gb_runtime_detect_local_ipv4(detected, sizeof detected), selected_found);
    EXPECT_STREQ(detected, selected);
    EXPECT_EQ(vortelan_gb_runtime_net_reference_count(), 0);
}

} // namespace
