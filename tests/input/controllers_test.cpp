#include "input/binding_devices.h"
#include "input/binding_names.h"
#include "input/binding_state.h"
#include "input/controllers.h"
#include "input/event_matching.h"

#include "tests/input/fresh_process.h"
#include "tests/input/virtual_devices.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using gb_test::attach;
using gb_test::DeviceType;
using gb_test::joystick;
using gb_test::open_device;

class Controllers : public gb_test::VirtualDevices {};

TEST_F(Controllers, OpensAGameControllerOnceAndClosesOnlyTheRemovedDevice) {
    const SDL_JoystickID stick = attach(DeviceType::joystick);
    const SDL_JoystickID pad = attach(DeviceType::controller);
    EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 2);
    EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 0);
    // Both added events of the pad (controller and joystick) only rescan.
    gb_test::deliver_device_events();
    ASSERT_EQ(device_for_binding(-1, true)->instance_id, pad);

    SDL_Event stranger{};
    stranger.jdevice = {SDL_JOYDEVICEREMOVED, 0, 9999};
    vortelan_gb_runtime_key_config_handle_device_event(&stranger);
    vortelan_gb_runtime_key_config_handle_device_event(nullptr);
    EXPECT_NE(joystick(pad), nullptr);

    gb_test::detach(pad);
    gb_test::deliver_device_events();
    // SDL counts opens: the handle is gone only if the registry opened the pad exactly once.
    EXPECT_EQ(joystick(pad), nullptr);
    EXPECT_EQ(device_for_binding(-1, true), nullptr);
    EXPECT_EQ(device_for_binding(-1, false)->instance_id, stick);
}

uint64_t fnv1a(uint64_t hash, const std::string &text) {
    for (unsigned char c : text) {
        hash = (hash ^ c) * 0x100000001B3ULL;
    }
    return hash;
}

TEST_F(Controllers, IdentityIsTheHashOfWhatSdlReportsAndAnOrdinal) {
    const SDL_JoystickID pad = attach(DeviceType::controller, "Hash Pad", 0xbeef, 0x0042);
    vortelan_gb_runtime_key_config_open_game_controllers();
    char guid[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick(pad)), guid, sizeof guid);
    ASSERT_EQ(SDL_JoystickPath(joystick(pad)), nullptr) << "virtual devices have no path";
    // No serial: the vendor text ends with its colon.
    uint64_t hash = 0x14650FB0739D0383ULL;
    for (const std::string &text :
         {std::string(guid), std::string("beef:0042:0000:"), std::string("Hash Pad")}) {
        hash = fnv1a(hash, text);
    }
    char expected[40];
    std::snprintf(expected, sizeof expected, "%016" PRIx64 "-0", hash);
    const OpenDevice *device = open_device(pad);
    EXPECT_EQ(device->identity_hash, hash);
    EXPECT_STREQ(device->id, expected);
}

TEST_F(Controllers, TellsIdenticalPadsApartByOrdinalUntilReplugged) {
    const SDL_JoystickID first = attach(DeviceType::controller);
    const SDL_JoystickID second = attach(DeviceType::controller);
    vortelan_gb_runtime_key_config_open_game_controllers();
    const std::string first_id = open_device(first)->id;
    const std::string second_id = open_device(second)->id;
    EXPECT_EQ(open_device(first)->ordinal, 0u);
    EXPECT_EQ(open_device(second)->ordinal, 1u);
    EXPECT_EQ(first_id.substr(0, 17), second_id.substr(0, 17));
    EXPECT_EQ(first_id.substr(16), "-0");
    EXPECT_EQ(second_id.substr(16), "-1");

    const SDL_Event second_press =
        gb_test::first_of(gb_test::press_button(second, 3, true), SDL_JOYBUTTONDOWN);
    const BindingCode captured = vortelan_gb_runtime_key_config_code_from_event(&second_press);
    EXPECT_STREQ(vortelan_gb_runtime_key_config_key_name(captured),
                 ("JOY@" + second_id + ":B3").c_str());
    const SDL_Event first_press =
        gb_test::first_of(gb_test::press_button(first, 3, true), SDL_JOYBUTTONDOWN);
    EXPECT_TRUE(
        vortelan_gb_runtime_key_config_binding_matches_event(captured, &second_press, nullptr));
    EXPECT_FALSE(
        vortelan_gb_runtime_key_config_binding_matches_event(captured, &first_press, nullptr));

    const BindingCode first_binding = vortelan_gb_runtime_key_config_code_from_event(&first_press);
    gb_test::detach(first);
    gb_test::deliver_device_events();
    const SDL_JoystickID replugged = attach(DeviceType::controller);
    gb_test::deliver_device_events();
    EXPECT_EQ(open_device(replugged)->ordinal, 2u);
    const SDL_Event replugged_press =
        gb_test::first_of(gb_test::press_button(replugged, 3, true), SDL_JOYBUTTONDOWN);
    EXPECT_FALSE(vortelan_gb_runtime_key_config_binding_matches_event(first_binding,
                                                                      &replugged_press, nullptr));
}

TEST_F(Controllers, ASeventeenthPadWaitsClosedAndTakesTheFirstEntryThatFrees) {
    std::vector<SDL_JoystickID> devices;
    for (int n = 0; n < 17; ++n) {
        devices.push_back(attach(DeviceType::controller));
    }
    EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 16);
    gb_test::deliver_device_events(); // their added events rescan
    for (int n = 0; n < 16; ++n) {
        EXPECT_NE(joystick(devices[n]), nullptr) << n;
    }
    EXPECT_EQ(joystick(devices[16]), nullptr);
    EXPECT_EQ(scoped_event_code(devices[16], binding_code::Kind::joystick_button, 0), 0);

    // Only the unplugging happens: no other device arrives to make a rescan.
    gb_test::detach(devices[3]);
    gb_test::deliver_device_events();
    EXPECT_NE(joystick(devices[16]), nullptr);
    EXPECT_NE(open_device(devices[16]), nullptr);
    EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 0);
}

// A host program may quit SDL and start it again; the table must then serve the new devices.
TEST_F(Controllers, ForgetsTheDevicesOfAnSdlThatHasQuit) {
    gb_test::expect_in_fresh_process([] {
        attach(DeviceType::controller);
        EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 1);
        SDL_Quit();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        const SDL_JoystickID pad = attach(DeviceType::controller);
        EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 1);
        gb_test::press_button(pad, 0, true);
        const BindingCode pad_a = binding_code::unscoped(binding_code::Kind::controller_button, 0);
        EXPECT_TRUE(vortelan_gb_runtime_key_config_binding_pressed(pad_a));
        EXPECT_EQ(device_for_binding(-1, true)->instance_id, pad);

        SDL_Quit();
        vortelan_gb_runtime_key_config_close_game_controllers(); // frees nothing twice
        EXPECT_EQ(device_for_binding(-1, false), nullptr);
    });
}

TEST_F(Controllers, LookupsTieBindingSlotsToTheirDevices) {
    const SDL_JoystickID stick = attach(DeviceType::joystick);
    const SDL_JoystickID pad = attach(DeviceType::controller);
    vortelan_gb_runtime_key_config_open_game_controllers();
    // An unscoped binding takes the first device, or the first controller past plain joysticks.
    EXPECT_EQ(device_for_binding(-1, false)->instance_id, stick);
    EXPECT_EQ(device_for_binding(-1, true)->instance_id, pad);

    const int stick_slot = gb_test::binding_slot(stick);
    EXPECT_EQ(device_for_binding(stick_slot, false)->instance_id, stick);
    EXPECT_EQ(device_for_binding(stick_slot, true), nullptr);
    EXPECT_EQ(device_for_binding(gb_test::binding_slot(pad), true)->instance_id, pad);
    EXPECT_TRUE(event_matches_scoped_device(stick_slot, stick));
    EXPECT_FALSE(event_matches_scoped_device(stick_slot, pad));
    EXPECT_FALSE(event_matches_scoped_device(stick_slot, 9999));
    EXPECT_FALSE(event_matches_scoped_device(binding_device_count, stick));

    EXPECT_EQ(scoped_event_code(9999, binding_code::Kind::joystick_button, 0), 0);
    EXPECT_EQ(scoped_event_code(stick, binding_code::Kind::joystick_hat, 1000), 0);
    EXPECT_EQ(scoped_event_code(stick, binding_code::Kind::joystick_hat, 999),
              binding_code::scoped(stick_slot, binding_code::Kind::joystick_hat, 999));

    vortelan_gb_runtime_key_config_close_game_controllers();
    EXPECT_EQ(joystick(stick), nullptr);
    EXPECT_EQ(joystick(pad), nullptr);
    EXPECT_EQ(device_for_binding(-1, false), nullptr);
    EXPECT_EQ(device_for_binding(stick_slot, false), nullptr);
}

} // namespace
