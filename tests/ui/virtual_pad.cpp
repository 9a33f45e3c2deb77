#include "tests/ui/virtual_pad.h"

#include "input/controllers.h"

#include <gtest/gtest.h>

namespace gb_test {

VirtualPad::VirtualPad() : id(-1) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 6;
    desc.nbuttons = 15;
    desc.name = "Screen Test Pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) {
        ADD_FAILURE() << "no virtual pad: " << SDL_GetError();
        return;
    }
    id = SDL_JoystickGetDeviceInstanceID(index);
    EXPECT_EQ(vortelan_gb_runtime_key_config_open_game_controllers(), 1);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

void VirtualPad::button(int index, bool down) const {
    SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(id), index, down ? 1 : 0);
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
