#pragma once

#include "input/binding_code.h"
#include "input/controllers.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace gb_test {

// SDL with its video (for the keymap), joystick and game-controller subsystems, and no
// device left open by an earlier test. Skips when real devices are attached, since the
// tests count and order every device.
class VirtualDevices : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// What a virtual device is built as: a game controller with SDL's default mapping for 15
// buttons and 6 axes, or a plain joystick (a flight stick) with 20 buttons, 6 axes, 3 hats.
enum class DeviceType { controller, joystick };

// Attaches a virtual device and returns its instance id (-1 on failure). Equal arguments
// give devices that SDL describes alike.
SDL_JoystickID attach(DeviceType type, const char *name = "Virtual Pad", Uint16 vendor = 0x1234,
                      Uint16 product = 0x5678);

// Attaches a virtual device and runs the registry's open operation, as start-up does.
SDL_JoystickID attach_opened(DeviceType type, const char *name = "Virtual Pad");

// Unplugs the device with this instance id; the removal events then wait in SDL's queue.
void detach(SDL_JoystickID instance_id);

// Hands every queued event to the registry, as the menu's loops do; the rest is dropped.
void deliver_device_events();

// The open joystick of a device (the registry's handle), for driving its inputs.
SDL_Joystick *joystick(SDL_JoystickID instance_id);

// Sets an input of a virtual device and returns the events that this produces.
std::vector<SDL_Event> press_button(SDL_JoystickID instance_id, int button, bool down);
std::vector<SDL_Event> move_axis(SDL_JoystickID instance_id, int axis, Sint16 value);
std::vector<SDL_Event> move_hat(SDL_JoystickID instance_id, int hat, Uint8 value);

// The first of events with this type; type 0 when there is none.
SDL_Event first_of(const std::vector<SDL_Event> &events, Uint32 type);

// The registry's entry of a device, found through the binding slot of its identity (which
// it takes if new); null when the device has no entry.
const OpenDevice *open_device(SDL_JoystickID instance_id);

// The binding slot of the device's identity; -1 when the device has no entry.
int binding_slot(SDL_JoystickID instance_id);

} // namespace gb_test
