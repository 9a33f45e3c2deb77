#include "runtime/local_address.h"
#include "runtime/socket.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Address = std::array<uint8_t, 4>;

enum Kind { up, down, loopback, tunnel };

NetworkAdapter adapter(Kind kind, std::vector<Address> addresses) {
    NetworkAdapter made{};
    made.up = kind != down;
    made.loopback = kind == loopback;
    made.tunnel = kind == tunnel;
    for (const Address &address : addresses) {
        std::memcpy(made.addresses[made.address_count++], address.data(), 4);
    }
    return made;
}

struct SelectionCase {
    const char *label;
    std::vector<NetworkAdapter> adapters;
    const char *expected; // empty: nothing selected
    size_t capacity = 32;
};

class LocalAddressSelection : public testing::TestWithParam<SelectionCase> {};

TEST_P(LocalAddressSelection, PrefersPrivateThenFirstUsableAddress) {
    NetworkAdapterList list{};
    for (const NetworkAdapter &each : GetParam().adapters) {
        list.adapters[list.count++] = each;
    }
    char output[32];
    std::memset(output, 'x', sizeof output);
    bool found = vortelan_gb_runtime_select_local_ipv4(&list, output, GetParam().capacity);
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
    NetworkAdapterList list{};
    list.adapters[list.count++] = adapter(up, {ethernet});
    char output[4] = "xyz";
    EXPECT_FALSE(vortelan_gb_runtime_select_local_ipv4(&list, output, 0));
    EXPECT_FALSE(vortelan_gb_runtime_detect_local_ipv4(output, 0));
    EXPECT_STREQ(output, "xyz");
}

TEST(LocalAddressQuery, ListsTheLoopbackOfThisMachine) {
    NetworkAdapterList list;
    ASSERT_TRUE(vortelan_gb_runtime_list_network_adapters(&list));
    bool loopback_seen = false;
    for (uint32_t index = 0; index < list.count; ++index) {
        const NetworkAdapter &each = list.adapters[index];
        if (each.loopback && each.address_count > 0 && each.addresses[0][0] == 127) {
            loopback_seen = true;
            EXPECT_FALSE(each.tunnel);
        }
    }
    EXPECT_TRUE(loopback_seen);

    // Detection is the selection over that list, and leaves no reference behind.
    char selected[22];
    char detected[22];
    bool selected_found = vortelan_gb_runtime_select_local_ipv4(&list, selected, sizeof selected);
    EXPECT_EQ(vortelan_gb_runtime_detect_local_ipv4(detected, sizeof detected), selected_found);
    EXPECT_STREQ(detected, selected);
    EXPECT_EQ(vortelan_gb_runtime_net_reference_count(), 0);
}

} // namespace
