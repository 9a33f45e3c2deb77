#include "runtime/mdns_message.h"
#include "tests/runtime/dns_test_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gb_test::bytes;

struct DecodeCase {
    const char *label;
    std::string message;
    size_t offset;
    bool decoded;
    std::string name;
    size_t next_offset;
};

// A chain of pointers at offsets 0, 2, 4, ..., each to the next, ending in the name "a".
std::string pointer_chain(int pointers) {
    std::string message;
    for (int at = 0; at < pointers; ++at) {
        message += static_cast<char>(0xC0);
        message += static_cast<char>(2 * at + 2);
    }
    return message + bytes("\x01"
                           "a\x00");
}

std::string labels_of(std::initializer_list<size_t> lengths) {
    std::string message;
    for (size_t length : lengths) {
        message += static_cast<char>(length) + std::string(length, 'x');
    }
    return message + bytes("\x00");
}

std::string dotted(std::initializer_list<size_t> lengths) {
    std::string name;
    for (size_t length : lengths) {
        name.append(name.empty() ? "" : ".").append(length, 'x');
    }
    return name;
}

class DnsNameDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(DnsNameDecoding, FollowsTheRulesOfCompressedNames) {
    const DecodeCase &tested = GetParam();
    char name[VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY];
    size_t offset = tested.offset;
    bool decoded = vortelan_gb_runtime_mdns_decode_dns_name(
        reinterpret_cast<const uint8_t *>(tested.message.data()), tested.message.size(), &offset,
        name);
    ASSERT_EQ(decoded, tested.decoded);
    if (decoded) {
        EXPECT_EQ(std::string(name), tested.name);
        EXPECT_EQ(offset, tested.next_offset);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mdns, DnsNameDecoding,
    testing::Values(DecodeCase{"plain",
                               bytes("\x03www\x07"
                                     "example\x00"),
                               0, true, "www.example", 13},
                    DecodeCase{"root", bytes("\x00"), 0, true, "", 1},
                    DecodeCase{"backward_pointer",
                               bytes("\x03"
                                     "foo\x00\x03"
                                     "bar\xc0\x00\xff"),
                               5, true, "bar.foo", 11},
                    DecodeCase{"forward_pointer",
                               bytes("\xc0\x02\x03"
                                     "baz\x00"),
                               0, true, "baz", 2},
                    DecodeCase{"pointer_moves_offset_once",
                               bytes("\xc0\x02\xc0\x04\x01"
                                     "a\x00"),
                               0, true, "a", 2},
                    DecodeCase{"seventeen_pointers", pointer_chain(17), 0, true, "a", 2},
                    DecodeCase{"eighteen_pointers", pointer_chain(18), 0, false, "", 0},
                    DecodeCase{"pointer_loop", bytes("\xc0\x00"), 0, false, "", 0},
                    DecodeCase{"label_type_01",
                               bytes("\x40"
                                     "abc\x00"),
                               0, false, "", 0},
                    DecodeCase{"label_type_10",
                               bytes("\x80"
                                     "abc\x00"),
                               0, false, "", 0},
                    DecodeCase{"pointer_past_end", bytes("\xc0\x05\x00"), 0, false, "", 0},
                    DecodeCase{"pointer_cut_off",
                               bytes("\x01"
                                     "a\xc0"),
                               0, false, "", 0},
                    DecodeCase{"label_past_end",
                               bytes("\x05"
                                     "ab"),
                               0, false, "", 0},
                    DecodeCase{"label_without_end",
                               bytes("\x01"
                                     "a"),
                               0, false, "", 0},
                    DecodeCase{"offset_at_end", bytes("\x00"), 1, false, "", 0},
                    DecodeCase{"name_of_255", labels_of({63, 63, 63, 63}), 0, true,
                               dotted({63, 63, 63, 63}), 257},
                    DecodeCase{"name_of_256", labels_of({63, 63, 63, 62, 1}), 0, false, "", 0}),
    [](const testing::TestParamInfo<DecodeCase> &tested) { return tested.param.label; });

} // namespace
