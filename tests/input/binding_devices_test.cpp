#include "input/binding_devices.h"
#include "input/binding_names.h"

#include "tests/input/fresh_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string identity(int n) {
    return "00000000000000" + std::to_string(10 + n) + "-0";
}

TEST(BindingDeviceSlot, GivesSlotsInOrderOfFirstMeetingUntilAll64AreTaken) {
    gb_test::expect_in_fresh_process([] {
        for (int n = 0; n < binding_device_count; ++n) {
            EXPECT_EQ(binding_device_slot(identity(n).c_str()), n);
            EXPECT_EQ(binding_devices[n].used, 1);
            EXPECT_STREQ(binding_devices[n].id, identity(n).c_str());
        }
        // Known identities keep their slots, in any order, also with the table full.
        for (int n = binding_device_count - 1; n >= 0; --n) {
            EXPECT_EQ(binding_device_slot(identity(n).c_str()), n);
        }
        EXPECT_EQ(binding_device_slot("ffffffffffffffff-9"), -1);
        EXPECT_EQ(binding_device_slot("ffffffffffffffff-9"), -1);
        // A full table: a new identity's names give 0, a known one's still work.
        EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name("JOY@new:B1"), 0);
        std::string known = "JOY@" + identity(63) + ":B1";
        EXPECT_EQ(vortelan_gb_runtime_key_config_key_from_name(known.c_str()), -2634001);
    });
}

TEST(BindingDeviceSlot, ComparesByteExactly) {
    gb_test::expect_in_fresh_process([] {
        EXPECT_EQ(binding_device_slot("abc"), 0);
        EXPECT_EQ(binding_device_slot("ABC"), 1);
        EXPECT_EQ(binding_device_slot("abc "), 2);
        EXPECT_EQ(binding_device_slot(""), 3); // the table itself takes any text
        EXPECT_EQ(binding_device_slot("abc"), 0);
        EXPECT_EQ(binding_device_slot(""), 3);
        EXPECT_EQ(binding_device_slot(nullptr), -1);
    });
}

TEST(BindingDeviceSlot, StoresAnIdentityCutTo39Characters) {
    gb_test::expect_in_fresh_process([] {
        const std::string long_id(45, 'x');
        EXPECT_EQ(binding_device_slot(long_id.c_str()), 0);
        EXPECT_EQ(std::string(binding_devices[0].id), std::string(39, 'x'));
        // The stored, cut text is what later lookups match byte-exactly. Neither caller
        // passes more than 39 characters (names allow 1..39, device identities are at most
        // 27), so an over-long text taking a second slot is never seen.
        EXPECT_EQ(binding_device_slot(std::string(39, 'x').c_str()), 0);
        EXPECT_EQ(binding_device_slot(long_id.c_str()), 1);
    });
}

} // namespace
