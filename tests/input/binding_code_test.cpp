#include "input/binding_code.h"
#include "input/binding_devices.h"

#include "tests/input/fresh_process.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using binding_code::Kind;

// The arithmetic split needs no table, so it is checked at compile time.
static_assert(binding_code::split(-100000).kind == Kind::controller_button);
static_assert(binding_code::split(-100020).index == 20);
static_assert(binding_code::split(-100021).kind == Kind::keyboard);
static_assert(binding_code::split(-106063).index == 63);
static_assert(binding_code::split(-106064).kind == Kind::keyboard);
static_assert(binding_code::split(INT32_MIN).kind == Kind::keyboard);
static_assert(binding_code::split(-2637999).slot == 63);
static_assert(binding_code::split(-2639999).kind == Kind::keyboard); // kind 9
static_assert(binding_code::split(-2637999).kind == Kind::joystick_hat);
static_assert(binding_code::split(-2637999).index == 999);
static_assert(binding_code::split(-2640000).slot == -1);
static_assert(binding_code::split(-2000999).kind == Kind::keyboard); // kind 0
static_assert(binding_code::scoped(1, Kind::controller_button, 0) == -2011000);

struct Constructed {
    BindingCode actual;
    BindingCode expected;
    const char *call;
};

TEST(CodeConstructors, GiveTheGroupCodeInsideTheRangeAndZeroOutside) {
    const Constructed cases[] = {
        {vortelan_gb_runtime_key_config_code_from_controller_button(0), -100000, "button 0"},
        {vortelan_gb_runtime_key_config_code_from_controller_button(14), -100014, "button 14"},
        // 15..20 are controller codes, yet no constructor makes them.
        {vortelan_gb_runtime_key_config_code_from_controller_button(15), 0, "button 15"},
        {vortelan_gb_runtime_key_config_code_from_controller_axis(0, 1), -101000, "axis 0 +"},
        {vortelan_gb_runtime_key_config_code_from_controller_axis(5, -1), -102005, "axis 5 -"},
        {vortelan_gb_runtime_key_config_code_from_controller_axis(5, 32767), -101005, "axis 5 ++"},
        {vortelan_gb_runtime_key_config_code_from_controller_axis(6, 1), 0, "axis 6"},
        {vortelan_gb_runtime_key_config_code_from_controller_axis(0, 0), 0, "axis 0 centre"},
        {vortelan_gb_runtime_key_config_code_from_joystick_button(0), -103000, "joy button 0"},
        {vortelan_gb_runtime_key_config_code_from_joystick_button(127), -103127, "joy button 127"},
        {vortelan_gb_runtime_key_config_code_from_joystick_button(128), 0, "joy button 128"},
        {vortelan_gb_runtime_key_config_code_from_joystick_axis(31, 1), -104031, "joy axis 31 +"},
        {vortelan_gb_runtime_key_config_code_from_joystick_axis(31, -9), -105031, "joy axis 31 -"},
        {vortelan_gb_runtime_key_config_code_from_joystick_axis(32, 1), 0, "joy axis 32"},
        {vortelan_gb_runtime_key_config_code_from_joystick_axis(3, 0), 0, "joy axis centre"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(0, 1), -106000, "hat 0 up"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(2, 8), -106011, "hat 2 left"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(15, 8), -106063, "hat 15 left"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(16, 1), 0, "hat 16"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(0, 3), 0, "diagonal"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(0, 0), 0, "centred"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(0, 16), 0, "no such bit"},
        {vortelan_gb_runtime_key_config_code_from_joystick_hat(0, 0x101), 0, "bit past 8 bits"},
    };
    for (const Constructed &c : cases) {
        EXPECT_EQ(c.actual, c.expected) << c.call;
    }
}

// The first and last code of each unscoped group, and the codes just past each end.
struct Group {
    BindingCode first;
    BindingCode last;
};
constexpr Group groups[] = {{-100000, -100020}, {-101000, -101005}, {-102000, -102005},
                            {-103000, -103127}, {-104000, -104031}, {-105000, -105031},
                            {-106000, -106063}};

TEST(IsControllerCode, HoldsForEveryCodeOfTheSevenGroupsAndNothingAround) {
    for (const Group &group : groups) {
        for (BindingCode code = group.first; code >= group.last; --code) {
            EXPECT_TRUE(vortelan_gb_runtime_key_config_is_controller_code(code)) << code;
        }
        EXPECT_FALSE(vortelan_gb_runtime_key_config_is_controller_code(group.first + 1))
            << group.first + 1;
        EXPECT_FALSE(vortelan_gb_runtime_key_config_is_controller_code(group.last - 1))
            << group.last - 1;
    }
    for (BindingCode code :
         std::initializer_list<BindingCode>{0, 13, 'a', 0x4000004F, 0x400000E5, INT32_MAX,
                                            INT32_MIN, -1, -99999, -1999999, -2640000}) {
        EXPECT_FALSE(vortelan_gb_runtime_key_config_is_controller_code(code)) << code;
    }
}

TEST(IsControllerCode, HoldsForDeviceScopedCodesOnlyWhileTheSlotIsTaken) {
    gb_test::expect_in_fresh_process([] {
        // Fresh table: every slot is free, so the whole range behaves as keycodes.
        for (BindingCode code : {-2001000, -2007063, -2631000, -2637999}) {
            EXPECT_FALSE(vortelan_gb_runtime_key_config_is_controller_code(code)) << code;
        }
        ASSERT_EQ(binding_device_slot("0123456789abcdef-0"), 0);
        for (int kind = 1; kind <= 7; ++kind) {
            for (int index : {0, 5, 999}) {
                BindingCode code = -(2000000 + 1000 * kind + index);
                EXPECT_TRUE(vortelan_gb_runtime_key_config_is_controller_code(code)) << code;
            }
        }
        // Kinds 0, 8 and 9 are never live, taken slot or not.
        for (BindingCode code : {-2000000, -2000999, -2008000, -2009999}) {
            EXPECT_FALSE(vortelan_gb_runtime_key_config_is_controller_code(code)) << code;
        }
        EXPECT_FALSE(vortelan_gb_runtime_key_config_is_controller_code(-2011000)); // slot 1 free
    });
}

TEST(Resolve, KeepsSlotKindAndIndexOfLiveCodesOnly) {
    gb_test::expect_in_fresh_process([] {
        EXPECT_EQ(binding_code::resolve(-2027005).kind, Kind::keyboard);
        ASSERT_EQ(binding_device_slot("a"), 0);
        ASSERT_EQ(binding_device_slot("b"), 1);
        ASSERT_EQ(binding_device_slot("c"), 2);
        binding_code::Parts parts = binding_code::resolve(-2027005);
        EXPECT_EQ(parts.slot, 2);
        EXPECT_EQ(parts.kind, Kind::joystick_hat);
        EXPECT_EQ(parts.index, 5u);
        parts = binding_code::resolve(-105007);
        EXPECT_EQ(parts.slot, -1);
        EXPECT_EQ(parts.kind, Kind::joystick_axis_negative);
        EXPECT_EQ(parts.index, 7u);
    });
}

} // namespace
