#include "runtime/mdns_message.h"
#include "tests/runtime/dns_test_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gb_test::a_rdata;
using gb_test::bytes;
using gb_test::dns_message;
using gb_test::dns_name;
using gb_test::dns_record;
using gb_test::srv_rdata;

constexpr char service[] = "_gb_runtime._tcp.local";

std::string srv(const std::string &owner, uint16_t port) {
    return dns_record(owner, 33, srv_rdata(port, "box.local"));
}
std::string a(uint8_t last) {
    return dns_record("box.local", 1, a_rdata(10, 77, 0, last));
}
const std::string box_srv = srv("Box._gb_runtime._tcp.local", 4242);
const std::string question = dns_name(service) + bytes("\x00\x0c\x00\x01");

struct ExamineCase {
    const char *label;
    std::string datagram;
    bool found;
    const char *host; // what the outputs hold afterwards, found or not
    int32_t port;
    size_t host_capacity = 128;
};

class MdnsExamination : public testing::TestWithParam<ExamineCase> {};

TEST_P(MdnsExamination, NeedsMatchingSrvAndARecordInOneDatagram) {
    const ExamineCase &tested = GetParam();
    char host[128] = "";
    int32_t port = 0;
    bool found = vortelan_gb_runtime_mdns_examine_datagram(
        reinterpret_cast<const uint8_t *>(tested.datagram.data()), tested.datagram.size(), service,
        host, tested.host_capacity, &port);
    EXPECT_EQ(found, tested.found);
    EXPECT_EQ(std::string(host), tested.host);
    EXPECT_EQ(port, tested.port);
}

INSTANTIATE_TEST_SUITE_P(
    Mdns, MdnsExamination,
    testing::Values(
        ExamineCase{"srv_answer_a_additional", dns_message({}, {box_srv}, {}, {a(9)}), true,
                    "10.77.0.9", 4242},
        ExamineCase{"a_first", dns_message({}, {a(9), box_srv}), true, "10.77.0.9", 4242},
        ExamineCase{"srv_in_authority", dns_message({}, {}, {box_srv}, {a(9)}), true, "10.77.0.9",
                    4242},
        ExamineCase{"after_a_question", dns_message({question}, {box_srv, a(9)}), true, "10.77.0.9",
                    4242},
        ExamineCase{"compressed_owner",
                    dns_message({question}, {dns_record(bytes("\x03"
                                                              "Box\xc0\x0c"),
                                                        33, srv_rdata(4242, "box.local"), true),
                                             a(9)}),
                    true, "10.77.0.9", 4242},
        ExamineCase{"last_of_several_a", dns_message({}, {a(1), a(2), a(3), box_srv}), true,
                    "10.77.0.3", 4242},
        ExamineCase{"stops_at_completion", dns_message({}, {box_srv, a(1), a(2)}), true,
                    "10.77.0.1", 4242},
        ExamineCase{"owner_in_other_case",
                    dns_message({}, {srv("x._GB_Runtime._TCP.Local", 7), a(9)}), true, "10.77.0.9",
                    7},
        ExamineCase{"srv_only", dns_message({}, {box_srv}), false, "", 4242},
        ExamineCase{"a_only", dns_message({}, {a(9)}), false, "10.77.0.9", 0},
        ExamineCase{"owner_is_the_service", dns_message({}, {srv(service, 7), a(9)}), false,
                    "10.77.0.9", 0},
        ExamineCase{"other_service", dns_message({}, {srv("x._other._tcp.local", 7), a(9)}), false,
                    "10.77.0.9", 0},
        ExamineCase{"srv_data_of_6",
                    dns_message({}, {dns_record("x._gb_runtime._tcp.local", 33,
                                                bytes("\x00\x00\x00\x00\x00\x07")),
                                     a(9)}),
                    false, "10.77.0.9", 0},
        ExamineCase{"a_data_of_5",
                    dns_message({}, {box_srv, dns_record("box.local", 1, bytes("\x0a\0\0\1\1"))}),
                    false, "", 4242},
        ExamineCase{"a_too_long_for_capacity", dns_message({}, {box_srv, a(123)}), false, "", 4242,
                    8},
        ExamineCase{"a_fitting_capacity",
                    dns_message({}, {box_srv, dns_record("h", 1, a_rdata(1, 2, 3, 4))}), true,
                    "1.2.3.4", 4242, 8},
        ExamineCase{"record_past_end", dns_message({}, {box_srv, a(9)}).substr(0, 80), false, "",
                    4242},
        ExamineCase{"question_cut_off", dns_message({question.substr(0, 26)}, {}), false, "", 0},
        ExamineCase{"no_records", dns_message({question}, {}), false, "", 0},
        ExamineCase{"shorter_than_header", bytes("\x00\x00\x84\x00\x00\x00\x00\x01"), false, "",
                    0}),
    [](const testing::TestParamInfo<ExamineCase> &tested) { return tested.param.label; });

TEST(MdnsExamination, ReadsWhatTheAnnouncementWrote) {
    const uint8_t address[4] = {192, 168, 1, 20};
    uint8_t message[512];
    size_t length = 0;
    ASSERT_TRUE(vortelan_gb_runtime_mdns_build_announcement(
        message, sizeof message, &length, service, "GB Runtime._gb_runtime._tcp.local",
        "gb_runtime.local", 70000, address));
    char host[16] = "";
    int32_t port = 0;
    EXPECT_TRUE(vortelan_gb_runtime_mdns_examine_datagram(message, length, service, host,
                                                          sizeof host, &port));
    EXPECT_STREQ(host, "192.168.1.20");
    EXPECT_EQ(port, 4464);
}

} // namespace
