#include "runtime/mdns_message.h"
#include "tests/runtime/dns_test_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gb_test::bytes;

constexpr char service[] = "_gb_runtime._tcp.local";
constexpr char instance[] = "GB Runtime._gb_runtime._tcp.local";
constexpr char host[] = "gb_runtime.local";
const uint8_t lan_address[4] = {10, 77, 0, 1};

// The announcement as built, or "failed".
std::string announce(const std::string &instance_name, const std::string &host_name, int port) {
    uint8_t buffer[512];
    size_t length = 0;
    if (!vortelan_gb_runtime_mdns_build_announcement(buffer, sizeof buffer, &length, service,
                                                     instance_name.c_str(), host_name.c_str(), port,
                                                     lan_address)) {
        return "failed";
    }
    return std::string(reinterpret_cast<const char *>(buffer), length);
}

TEST(MdnsAnnouncement, IsTheExpectedBytes) {
    std::string service_name = bytes("\x0b_gb_runtime\x04_tcp\x05local\x00");
    std::string instance_name = bytes("\x0aGB Runtime") + service_name;
    std::string host_name = bytes("\x0agb_runtime\x05local\x00");
    std::string expected =
        bytes("\x00\x00\x84\x00\x00\x00\x00\x03\x00\x00\x00\x00") + service_name +
        bytes("\x00\x0c\x00\x01\x00\x00\x00\x78\x00\x23") + instance_name + instance_name +
        bytes("\x00\x21\x00\x01\x00\x00\x00\x78\x00\x18") + bytes("\x00\x00\x00\x00\x62\x0c") +
        host_name + host_name + bytes("\x00\x01\x00\x01\x00\x00\x00\x78\x00\x04\x0a\x4d\x00\x01");

    std::string built = announce(instance, host, 25100);
    EXPECT_EQ(built.size(), 182u);
    EXPECT_EQ(built, expected);
}

TEST(MdnsAnnouncement, CarriesTheLow16BitsOfThePort) {
    std::string built = announce(instance, host, 70000);
    // The SRV port follows the 12-byte header, the PTR record (69) and the SRV record's
    // owner, fixed fields and priority and weight (35 + 10 + 4).
    ASSERT_EQ(built.size(), 182u);
    EXPECT_EQ(built.substr(12 + 69 + 35 + 10 + 4, 2), bytes("\x11\x70"));
}

TEST(MdnsAnnouncement, TrailingDotEncodesLikeNoDot) {
    EXPECT_EQ(announce(instance, "gb_runtime.local.", 25100), announce(instance, host, 25100));
}

struct UnencodableCase {
    const char *label;
    std::string instance_name;
    std::string host_name;
};

class MdnsAnnouncementNames : public testing::TestWithParam<UnencodableCase> {};

TEST_P(MdnsAnnouncementNames, FailWhenTheyCannotBeEncoded) {
    EXPECT_EQ(announce(GetParam().instance_name, GetParam().host_name, 25100), "failed");
}

std::string labels(int count, size_t length) {
    std::string name;
    for (int at = 0; at < count; ++at) {
        name += std::string(length, 'x') + ".";
    }
    return name + "local";
}

INSTANTIATE_TEST_SUITE_P(
    Mdns, MdnsAnnouncementNames,
    testing::Values(
        UnencodableCase{"label_of_64", std::string(64, 'x') + "._gb_runtime._tcp.local", host},
        UnencodableCase{"two_dots", "GB Runtime.._gb_runtime._tcp.local", host},
        UnencodableCase{"leading_dot", instance, ".gb_runtime.local"},
        // Written twice (PTR data and SRV owner), it passes the 512 bytes of the buffer.
        UnencodableCase{"too_long_for_buffer", labels(4, 63), host}),
    [](const testing::TestParamInfo<UnencodableCase> &tested) { return tested.param.label; });

TEST(MdnsAnnouncement, AcceptsLabelsOf63Bytes) {
    EXPECT_NE(announce(std::string(63, 'x') + "._gb_runtime._tcp.local", host, 1), "failed");
}

TEST(MdnsQuestion, IsTheExpectedBytes) {
    uint8_t buffer[256];
    size_t length = 0;
    ASSERT_TRUE(vortelan_gb_runtime_mdns_build_question(buffer, sizeof buffer, &length, service));
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(buffer), length),
              bytes("\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00") +
                  bytes("\x0b_gb_runtime\x04_tcp\x05local\x00\x00\x0c\x00\x01"));
    EXPECT_EQ(length, 40u);
    EXPECT_FALSE(vortelan_gb_runtime_mdns_build_question(buffer, 39, &length, service));
}

struct AppendCase {
    const char *name;
    size_t capacity;
    std::string expected; // empty: the encoding fails
};

class DnsNameEncoding : public testing::TestWithParam<AppendCase> {};

TEST_P(DnsNameEncoding, WritesLabelsWithinTheCapacity) {
    uint8_t buffer[16] = {};
    size_t offset = 1;
    bool appended = vortelan_gb_runtime_mdns_append_dns_name(buffer, GetParam().capacity, &offset,
                                                             GetParam().name);
    if (GetParam().expected.empty()) {
        EXPECT_FALSE(appended);
        EXPECT_EQ(offset, 1u);
        return;
    }
    ASSERT_TRUE(appended);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(buffer) + 1, offset - 1),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Mdns, DnsNameEncoding,
                         testing::Values(AppendCase{"", 2, bytes("\x00")}, AppendCase{"", 1, ""},
                                         AppendCase{"a.bc", 7,
                                                    bytes("\x01"
                                                          "a\x02"
                                                          "bc\x00")},
                                         AppendCase{"a.bc.", 7,
                                                    bytes("\x01"
                                                          "a\x02"
                                                          "bc\x00")},
                                         AppendCase{"a.bc", 6, ""},
                                         AppendCase{"a.", 4,
                                                    bytes("\x01"
                                                          "a\x00")},
                                         AppendCase{".", 16, ""}, AppendCase{"a..b", 16, ""}));

} // namespace
