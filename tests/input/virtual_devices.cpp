#include "tests/input/virtual_devices.h"

#include "input/binding_devices.h"

namespace gb_test {

void VirtualDevices::SetUp() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    if (SDL_NumJoysticks() != 0) {
        GTEST_SKIP() << "real joysticks are attached";
    }
}

void VirtualDevices::TearDown() {
    vortelan_gb_runtime_key_config_close_game_controllers();
    SDL_Quit();
}

SDL_JoystickID attach(DeviceType type, const char *name, Uint16 vendor, Uint16 product) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.naxes = 6;
    if (type == DeviceType::controller) {
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.nbuttons = 15;
    } else {
        desc.type = SDL_JOYSTICK_TYPE_FLIGHT_STICK;
        desc.nbuttons = 20;
        desc.nhats = 3;
    }
    desc.vendor_id = vendor;
    desc.product_id = product;
    desc.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    return index < 0 ? -1 : SDL_JoystickGetDeviceInstanceID(index);
}

SDL_JoystickID attach_opened(DeviceType type, const char *name) {
    const SDL_JoystickID instance_id = attach(type, name);
    vortelan_gb_runtime_key_config_open_game_controllers();
    return instance_id;
}

void detach(SDL_JoystickID instance_id) {
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == instance_id) {
            SDL_JoystickDetachVirtual(index);
        }
    }
}

void deliver_device_events() {
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        vortelan_gb_runtime_key_config_handle_device_event(&event);
    }
}

SDL_Joystick *joystick(SDL_JoystickID instance_id) {
    return SDL_JoystickFromInstanceID(instance_id);
}

namespace {

// Drops what is queued, including the first state report SDL makes after a device opens.
void settle() {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

std::vector<SDL_Event> queued_events() {
    SDL_PumpEvents();
    std::vector<SDL_Event> events;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        events.push_back(event);
    }
    return events;
}

} // namespace

std::vector<SDL_Event> press_button(SDL_JoystickID instance_id, int button, bool down) {
    settle();
    SDL_JoystickSetVirtualButton(joystick(instance_id), button, down ? 1 : 0);
    return queued_events();
}

std::vector<SDL_Event> move_axis(SDL_JoystickID instance_id, int axis, Sint16 value) {
    settle();
    SDL_JoystickSetVirtualAxis(joystick(instance_id), axis, value);
    return queued_events();
}

std::vector<SDL_Event> move_hat(SDL_JoystickID instance_id, int hat, Uint8 value) {
    settle();
    SDL_JoystickSetVirtualHat(joystick(instance_id), hat, value);
    return queued_events();
}

SDL_Event first_of(const std::vector<SDL_Event> &events, Uint32 type) {
    for (const SDL_Event &event : events) {
        if (event.type == type) {
            return event;
        }
    }
    return SDL_Event{};
}

const OpenDevice *open_device(SDL_JoystickID instance_id) {
    const BindingCode code = scoped_event_code(instance_id, binding_code::Kind::joystick_button, 0);
    return code == 0 ? nullptr : device_for_binding(binding_code::split(code).slot, false);
}

int binding_slot(SDL_JoystickID instance_id) {
    const OpenDevice *device = open_device(instance_id);
    return device == nullptr ? -1 : binding_device_slot(device->id);
}

} // namespace gb_test
