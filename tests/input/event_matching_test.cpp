#include "input/binding_devices.h"
#include "input/binding_lists.h"
#include "input/binding_names.h"
#include "input/event_matching.h"

#include "tests/input/virtual_devices.h"
#include "tests/support/key_event.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using binding_code::Kind;
using gb_test::attach;
using gb_test::DeviceType;
using gb_test::key_event;

BindingCode code(const char *name) {
    return vortelan_gb_runtime_key_config_key_from_name(name);
}

// The binding's verdict on the event: none when the event does not concern it, else whether
// it presses it. Checks that nothing is written when it does not match.
std::optional<bool> verdict(BindingCode binding, const SDL_Event &event) {
    bool pressed = true;
    if (!vortelan_gb_runtime_key_config_binding_matches_event(binding, &event, &pressed)) {
        EXPECT_TRUE(pressed) << "written although the event did not match";
        return std::nullopt;
    }
    return pressed;
}

class EventMatching : public gb_test::VirtualDevices {};

TEST_F(EventMatching, KeysMatchByKeycodeWithoutRepeats) {
    const struct {
        BindingCode binding;
        SDL_Event event;
        std::optional<bool> expected;
    } cases[] = {
        {SDLK_z, key_event(SDL_KEYDOWN, SDLK_z), true},
        {SDLK_z, key_event(SDL_KEYUP, SDLK_z), false},
        {SDLK_z, key_event(SDL_KEYDOWN, SDLK_z, true), std::nullopt},
        {SDLK_x, key_event(SDL_KEYDOWN, SDLK_z), std::nullopt},
        // A key event never presses a controller binding, whatever its keycode.
        {code("PAD_A"), key_event(SDL_KEYDOWN, code("PAD_A")), std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(verdict(c.binding, c.event), c.expected) << c.binding;
    }
    SDL_Event press = key_event(SDL_KEYDOWN, SDLK_z);
    EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&press), SDLK_z);
    press.key.repeat = 1;
    EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&press), 0);
    const SDL_Event release = key_event(SDL_KEYUP, SDLK_z);
    EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&release), 0);
    EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(nullptr), 0);
    EXPECT_FALSE(vortelan_gb_runtime_key_config_binding_matches_event(SDLK_z, nullptr, nullptr));
}

// Capture takes an axis at 16000; a binding reads it as pressed only past 16000.
TEST_F(EventMatching, AxisThresholdsOfCaptureAndMatch) {
    const SDL_JoystickID pad = gb_test::attach_opened(DeviceType::controller);
    const int slot = gb_test::binding_slot(pad);
    const struct {
        Sint16 value;
        BindingCode captured;
        bool positive_pressed;
        bool negative_pressed;
    } cases[] = {
        {15999, 0, false, false},
        {16000, binding_code::scoped(slot, Kind::joystick_axis_positive, 1), false, false},
        {16001, binding_code::scoped(slot, Kind::joystick_axis_positive, 1), true, false},
        {-15999, 0, false, false},
        {-16000, binding_code::scoped(slot, Kind::joystick_axis_negative, 1), false, false},
        {-16001, binding_code::scoped(slot, Kind::joystick_axis_negative, 1), false, true},
    };
    for (const auto &c : cases) {
        const std::vector<SDL_Event> events = gb_test::move_axis(pad, 1, c.value);
        const SDL_Event raw = gb_test::first_of(events, SDL_JOYAXISMOTION);
        EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&raw), c.captured) << c.value;
        EXPECT_EQ(verdict(code("JOY_AXIS_1_POS"), raw), c.positive_pressed) << c.value;
        EXPECT_EQ(verdict(code("JOY_AXIS_1_NEG"), raw), c.negative_pressed) << c.value;
        EXPECT_EQ(verdict(code("PAD_LY_POS"), raw), std::nullopt);

        const SDL_Event mapped = gb_test::first_of(events, SDL_CONTROLLERAXISMOTION);
        EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&mapped), 0);
        EXPECT_EQ(verdict(code("PAD_LY_POS"), mapped), c.positive_pressed) << c.value;
        EXPECT_EQ(verdict(code("PAD_LY_NEG"), mapped), c.negative_pressed) << c.value;
        EXPECT_EQ(verdict(code("PAD_LX_POS"), mapped), std::nullopt);
        EXPECT_EQ(verdict(code("JOY_AXIS_1_POS"), mapped), std::nullopt);
    }
}

TEST_F(EventMatching, HatDiagonalsCaptureOneDirectionAndPressBoth) {
    const SDL_JoystickID stick = gb_test::attach_opened(DeviceType::joystick);
    const int slot = gb_test::binding_slot(stick);
    const struct {
        Uint8 value;
        int captured_direction; // -1: nothing captured
        bool right_pressed;
    } cases[] = {
        {SDL_HAT_RIGHTUP, 0, true},   {SDL_HAT_LEFTDOWN, 2, false},  {SDL_HAT_LEFT, 3, false},
        {SDL_HAT_RIGHTDOWN, 1, true}, {SDL_HAT_CENTERED, -1, false},
    };
    for (const auto &c : cases) {
        const SDL_Event event =
            gb_test::first_of(gb_test::move_hat(stick, 2, c.value), SDL_JOYHATMOTION);
        const BindingCode expected =
            c.captured_direction < 0
                ? 0
                : binding_code::scoped(slot, Kind::joystick_hat, 8 + c.captured_direction);
        EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&event), expected) << +c.value;
        EXPECT_EQ(verdict(code("JOY_HAT_2_RIGHT"), event), c.right_pressed) << +c.value;
        EXPECT_EQ(verdict(code("JOY_HAT_1_RIGHT"), event), std::nullopt);
    }
}

// Unscoped bindings react to every device, device-scoped ones to their device alone, and
// joystick-level and controller-level bindings only to their own sort of event.
TEST_F(EventMatching, ScopeDecidesWhichDevicesABindingHears) {
    const SDL_JoystickID mine = attach(DeviceType::controller);
    const SDL_JoystickID other = attach(DeviceType::controller, "Other Pad");
    vortelan_gb_runtime_key_config_open_game_controllers();
    const int slot = gb_test::binding_slot(mine);
    const BindingCode pad_a = code("PAD_A");
    const BindingCode joy_b0 = code("JOY_BUTTON_0");
    const BindingCode my_pad_a = binding_code::scoped(slot, Kind::controller_button, 0);
    const BindingCode my_b0 = binding_code::scoped(slot, Kind::joystick_button, 0);
    const BindingCode my_b256 = binding_code::scoped(slot, Kind::joystick_button, 256);
    const struct {
        SDL_JoystickID device;
        Uint32 press_type; // its release is the type after it
        bool pad_a, joy_b0, my_pad_a, my_b0;
    } cases[] = {
        {mine, SDL_CONTROLLERBUTTONDOWN, true, false, true, false},
        {mine, SDL_JOYBUTTONDOWN, false, true, false, true},
        {other, SDL_CONTROLLERBUTTONDOWN, true, false, false, false},
        {other, SDL_JOYBUTTONDOWN, false, true, false, false},
    };
    for (const auto &c : cases) {
        const SDL_Event press =
            gb_test::first_of(gb_test::press_button(c.device, 0, true), c.press_type);
        const SDL_Event release =
            gb_test::first_of(gb_test::press_button(c.device, 0, false), c.press_type + 1);
        const std::pair<BindingCode, bool> hears[] = {
            {pad_a, c.pad_a},
            {joy_b0, c.joy_b0},
            {my_pad_a, c.my_pad_a},
            {my_b0, c.my_b0},
            // Index 256 is not button 0, though its low eight bits are.
            {my_b256, false}};
        for (const auto &[binding, heard] : hears) {
            EXPECT_EQ(verdict(binding, press), heard ? std::optional(true) : std::nullopt)
                << binding << " " << c.press_type;
            EXPECT_EQ(verdict(binding, release), heard ? std::optional(false) : std::nullopt)
                << binding << " " << c.press_type;
        }
    }
}

TEST_F(EventMatching, DevicesWithoutEntryAndFreeSlotsBindNothing) {
    ASSERT_EQ(binding_devices[binding_device_count - 1].used, 0);
    const BindingCode free_slot =
        binding_code::scoped(binding_device_count - 1, Kind::joystick_button, 0);
    const SDL_JoystickID stick = gb_test::attach_opened(DeviceType::joystick);
    SDL_Event press = gb_test::first_of(gb_test::press_button(stick, 0, true), SDL_JOYBUTTONDOWN);
    EXPECT_EQ(verdict(free_slot, press), std::nullopt);
    press.jbutton.which = 9999;
    EXPECT_EQ(vortelan_gb_runtime_key_config_code_from_event(&press), 0);
    EXPECT_EQ(verdict(code("JOY_BUTTON_0"), press), true);
}

TEST_F(EventMatching, RisingEdgeFollowsTheStoredState) {
    const SDL_JoystickID stick = gb_test::attach_opened(DeviceType::joystick);
    const BindingCode binding = code("JOY_AXIS_0_POS");
    const struct {
        Sint16 value;
        bool rising;
        uint8_t state;
    } steps[] = {{20000, true, 1}, {30000, false, 1}, {0, false, 0}, {25000, true, 1}};
    uint8_t state = 0;
    for (const auto &step : steps) {
        const SDL_Event event =
            gb_test::first_of(gb_test::move_axis(stick, 0, step.value), SDL_JOYAXISMOTION);
        EXPECT_EQ(vortelan_gb_runtime_key_config_binding_rising(binding, &event, &state),
                  step.rising)
            << step.value;
        EXPECT_EQ(state, step.state);
        for (const SDL_Event &other : gb_test::press_button(stick, 1, step.value == 0)) {
            EXPECT_FALSE(vortelan_gb_runtime_key_config_binding_rising(binding, &other, &state));
            EXPECT_EQ(state, step.state) << "a foreign event changed the state";
        }
    }
    const SDL_Event event = gb_test::first_of(gb_test::move_axis(stick, 0, 0), SDL_JOYAXISMOTION);
    EXPECT_FALSE(vortelan_gb_runtime_key_config_binding_rising(binding, &event, nullptr));
}

TEST_F(EventMatching, EventsBecomeMenuButtons) {
    SlotKeys keys{};
    vortelan_gb_runtime_key_config_slot1_default(&keys);
    const struct {
        SDL_Event event;
        MenuButtons buttons;
        bool is_press;
    } cases[] = {
        {key_event(SDL_KEYDOWN, SDLK_RETURN), menu_button_start, true},
        {key_event(SDL_KEYUP, SDLK_z), menu_button_a, false},
    };
    for (const auto &c : cases) {
        bool is_press = !c.is_press;
        EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_event(&keys, &c.event, &is_press),
                  c.buttons);
        EXPECT_EQ(is_press, c.is_press);
    }
    SDL_Event mouse{};
    mouse.type = SDL_MOUSEMOTION;
    bool untouched = true;
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_event(&keys, &mouse, &untouched), 0);
    EXPECT_TRUE(untouched);

    // A hat moving from UP to RIGHT presses RIGHT and releases UP in one event.
    const SDL_JoystickID stick = gb_test::attach_opened(DeviceType::joystick);
    keys[0] = code("JOY_HAT_0_RIGHT");
    keys[2] = code("JOY_HAT_0_UP");
    gb_test::move_hat(stick, 0, SDL_HAT_UP);
    const SDL_Event turn =
        gb_test::first_of(gb_test::move_hat(stick, 0, SDL_HAT_RIGHT), SDL_JOYHATMOTION);
    MenuButtons pressed = 0;
    MenuButtons released = 0;
    vortelan_gb_runtime_key_config_buttons_for_event(&keys, &turn, &pressed, &released);
    EXPECT_EQ(pressed, menu_button_right);
    EXPECT_EQ(released, menu_button_up);
    bool is_press = false;
    EXPECT_EQ(vortelan_gb_runtime_key_config_button_for_event(&keys, &turn, &is_press),
              menu_button_right);
    EXPECT_TRUE(is_press);
}

} // namespace
