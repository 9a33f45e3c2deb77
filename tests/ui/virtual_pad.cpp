#include "tests/ui/virtual_pad.h"

#include "input/controllers.h"

#include <gtest/gtest.h>

namespace gb_test {

VirtualPad::VirtualPad() : VirtualPad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, -1, 0) {}

VirtualPad::VirtualPad(SDL_JoystickType type, int resting_axis, Sint16 rest) : id(-1) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = static_cast<Uint16>(type);
    desc.naxes = 6;
    desc.nbuttons = 15;
    desc.name = "Screen Test Pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) {
        ADD_FAILURE() << "no virtual pad: " << SDL_GetError();
        return;
    }
    id = SDL_JoystickGetDeviceInstanceID(index);
    // SDL keeps the first value of each axis per opening: set through an opening of our own,
    // closed again, the axis is at rest when the registry's opening first reads it.
    if (SDL_Joystick *setter = resting_axis < 0 ? nullptr : SDL_JoystickOpen(index)) {
        SDL_JoystickSetVirtualAxis(setter, resting_axis, rest);
        SDL_JoystickUpdate();
        SDL_JoystickClose(setter);
    }
    EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 1);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

void VirtualPad::button(int index, bool down) const {
    SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(id), index, down ? 1 : 0);
    SDL_PumpEvents();
}

void VirtualPad::axis(int index, Sint16 value) const {
    SDL_JoystickSetVirtualAxis(SDL_JoystickFromInstanceID(id), index, value);
    SDL_PumpEvents();
}

void VirtualPad::press(int index) const {
    button(index, true);
    button(index, false);
}

void VirtualPad::unplug() const {
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id) {
            SDL_JoystickDetachVirtual(index);
        }
    }
    SDL_PumpEvents();
}

} // namespace gb_test
