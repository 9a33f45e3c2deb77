#include "input/binding_devices.h"
#include "input/binding_names.h"
#include "input/binding_state.h"

#include "tests/input/virtual_devices.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using binding_code::Kind;
using gb_test::attach;
using gb_test::DeviceType;

BindingCode code(const char *name) {
    return vortelan_gb_runtime_key_config_key_from_name(name);
}

bool pressed(const char *name) {
    return vortelan_gb_runtime_key_config_binding_pressed(code(name));
}

// Device index, kind, index and value; all -7 when nothing was written.
using Descriptor = std::array<int32_t, 4>;
constexpr Descriptor unwritten = {-7, -7, -7, -7};

Descriptor descriptor(BindingCode binding, bool expected_result = true) {
    Descriptor d = unwritten;
    EXPECT_EQ(vortelan_gb_runtime_key_config_binding_to_n64(binding, &d[0], &d[1], &d[2], &d[3]),
              expected_result)
        << vortelan_gb_runtime_key_config_key_name(binding);
    return d;
}

class BindingState : public gb_test::VirtualDevices {};

TEST_F(BindingState, NothingIsHeldOrNamedWithoutDevices) {
    for (const char *name : {"JOY_BUTTON_0", "JOY_HAT_0_UP", "PAD_A", "PAD_LX_NEG", "z"}) {
        EXPECT_FALSE(pressed(name)) << name;
    }
    for (const char *name : {"JOY_BUTTON_0", "PAD_A", "PAD_LX_NEG"}) {
        EXPECT_EQ(descriptor(code(name), false), unwritten) << name;
    }
    EXPECT_EQ(descriptor(SDLK_a), (Descriptor{-1, 1, SDL_SCANCODE_A, 0}));
    // A device-scoped code with a free slot is a keycode that no key has.
    ASSERT_EQ(binding_devices[binding_device_count - 1].used, 0);
    EXPECT_EQ(
        descriptor(binding_code::scoped(binding_device_count - 1, Kind::joystick_button, 0), false),
        unwritten);
}

TEST_F(BindingState, PollsTheLiveStateOfTheServingDevice) {
    const SDL_JoystickID stick = gb_test::attach_opened(DeviceType::joystick);
    SDL_Joystick *stick_joystick = gb_test::joystick(stick);
    SDL_JoystickSetVirtualButton(stick_joystick, 0, 1);
    SDL_JoystickSetVirtualHat(stick_joystick, 2, SDL_HAT_LEFTUP);
    SDL_JoystickSetVirtualAxis(stick_joystick, 3, -16001);
    SDL_PumpEvents();
    EXPECT_TRUE(pressed("JOY_BUTTON_0"));
    EXPECT_FALSE(pressed("JOY_BUTTON_1"));
    EXPECT_TRUE(pressed("JOY_HAT_2_LEFT"));
    EXPECT_FALSE(pressed("JOY_HAT_2_RIGHT"));
    EXPECT_TRUE(pressed("JOY_AXIS_3_NEG"));
    EXPECT_FALSE(pressed("JOY_AXIS_3_POS"));
    // Controller bindings need a game controller, however the joystick is held.
    EXPECT_FALSE(pressed("PAD_A"));

    const SDL_JoystickID pad = gb_test::attach_opened(DeviceType::controller);
    SDL_Joystick *pad_joystick = gb_test::joystick(pad);
    SDL_JoystickSetVirtualButton(pad_joystick, 0, 1);
    SDL_JoystickSetVirtualAxis(pad_joystick, 0, 16000);
    SDL_JoystickSetVirtualAxis(pad_joystick, 1, 16001);
    SDL_PumpEvents();
    EXPECT_TRUE(pressed("PAD_A"));
    EXPECT_FALSE(pressed("PAD_LX_POS"));
    EXPECT_TRUE(pressed("PAD_LY_POS"));
    const int pad_slot = gb_test::binding_slot(pad);
    const int stick_slot = gb_test::binding_slot(stick);
    const auto scoped_pressed = [](int slot, Kind kind, uint32_t index) {
        return vortelan_gb_runtime_key_config_binding_pressed(
            binding_code::scoped(slot, kind, index));
    };
    EXPECT_TRUE(scoped_pressed(pad_slot, Kind::controller_button, 0));
    EXPECT_TRUE(scoped_pressed(pad_slot, Kind::joystick_button, 0));
    EXPECT_TRUE(scoped_pressed(pad_slot, Kind::controller_axis_positive, 1));
    EXPECT_FALSE(scoped_pressed(pad_slot, Kind::controller_button, 999));
    EXPECT_FALSE(scoped_pressed(stick_slot, Kind::controller_button, 0));
    EXPECT_TRUE(scoped_pressed(stick_slot, Kind::joystick_hat, 4 * 2 + 0));
    EXPECT_FALSE(scoped_pressed(stick_slot, Kind::joystick_hat, 4 * 2 + 2));
}

TEST_F(BindingState, NamesTheRawInputBehindABinding) {
    const SDL_JoystickID stick = attach(DeviceType::joystick);
    const SDL_JoystickID pad = gb_test::attach_opened(DeviceType::controller);
    // The present device index counts: after the stick leaves, the pad is device 0.
    gb_test::detach(stick);
    gb_test::deliver_device_events();
    const struct {
        const char *name;
        Descriptor expected;
    } cases[] = {
        {"JOY_HAT_2_LEFT", {0, 4, 2, SDL_HAT_LEFT}},
        {"JOY_AXIS_3_NEG", {0, 3, 3, -1}},
        {"JOY_BUTTON_19", {0, 2, 19, 0}},
        // Controller inputs become what SDL's mapping puts behind them.
        {"PAD_A", {0, 2, 0, 0}},
        {"PAD_DPAD_UP", {0, 2, 11, 0}},
        {"PAD_LT_POS", {0, 3, 4, 1}},
        {"PAD_LX_NEG", {0, 3, 0, -1}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(descriptor(code(c.name)), c.expected) << c.name;
    }
    const int pad_slot = gb_test::binding_slot(pad);
    EXPECT_EQ(descriptor(binding_code::scoped(pad_slot, Kind::joystick_hat, 4 * 5 + 1)),
              (Descriptor{0, 4, 5, SDL_HAT_RIGHT}));
    // Buttons the mapping leaves unbound, and buttons SDL has no enum value for.
    for (uint32_t button : {15u, 999u}) {
        const Descriptor d =
            descriptor(binding_code::scoped(pad_slot, Kind::controller_button, button), false);
        EXPECT_EQ(d[1], unwritten[1]) << button;
    }
    // An unscoped button without a name has no descriptor, yet names its device.
    EXPECT_EQ(descriptor(binding_code::unscoped(Kind::controller_button, 15), false),
              (Descriptor{0, -7, -7, -7}));

    // Unplugged but not yet told: the device is open, yet SDL lists it no more.
    gb_test::detach(pad);
    EXPECT_EQ(descriptor(code("PAD_A"), false), (Descriptor{-1, -7, -7, -7}));
}

} // namespace
