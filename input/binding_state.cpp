#include "input/binding_state.h"

#include "input/controller_binding.h"
#include "input/controllers.h"

#include <SDL_gamecontroller.h>
#include <SDL_joystick.h>
#include <SDL_keyboard.h>

using binding_code::Kind;
using binding_code::Parts;

namespace {

bool key_held(BindingCode code) {
    const int scancode = SDL_GetScancodeFromKey(code);
    int key_count = 0;
    const Uint8 *keys = SDL_GetKeyboardState(&key_count);
    return scancode >= 1 && scancode < SDL_NUM_SCANCODES && scancode < key_count &&
           keys[scancode] != 0;
}

// SDL's controller calls take an enum, so an index past SDL's last button or axis, which
// no controller reports, is answered here instead.
template <typename Enum> bool sdl_enum(uint32_t index, Enum end, Enum *value) {
    if (index >= static_cast<uint32_t>(end)) {
        return false;
    }
    *value = static_cast<Enum>(index);
    return true;
}

// The present value of the bound input: a button's 0 or 1, an axis value or hat bits.
int device_input_value(const OpenDevice &device, const Parts &binding) {
    const int index = static_cast<int>(binding.index);
    SDL_GameControllerButton button{};
    SDL_GameControllerAxis axis{};
    switch (binding.kind) {
    case Kind::controller_button:
        return sdl_enum(binding.index, SDL_CONTROLLER_BUTTON_MAX, &button)
                   ? SDL_GameControllerGetButton(device.controller, button)
                   : 0;
    case Kind::controller_axis_positive:
    case Kind::controller_axis_negative:
        return sdl_enum(binding.index, SDL_CONTROLLER_AXIS_MAX, &axis)
                   ? SDL_GameControllerGetAxis(device.controller, axis)
                   : 0;
    case Kind::joystick_button:
        return SDL_JoystickGetButton(device.joystick, index);
    case Kind::joystick_axis_positive:
    case Kind::joystick_axis_negative:
        return SDL_JoystickGetAxis(device.joystick, index);
    case Kind::joystick_hat:
        return SDL_JoystickGetHat(device.joystick, index / 4);
    case Kind::keyboard:
        break;
    }
    return 0;
}

// The raw-input descriptor: kind, index and value.
struct Descriptor {
    int32_t kind;
    int32_t index;
    int32_t value;
};

constexpr int32_t descriptor_key = 1;
constexpr int32_t descriptor_button = 2;
constexpr int32_t descriptor_axis = 3;
constexpr int32_t descriptor_hat = 4;

// The joystick input that a game controller's mapping puts behind one of its buttons or
// axes; an axis read in axis_direction.
bool mapped_descriptor(const SDL_GameControllerButtonBind &bind, int32_t axis_direction,
                       Descriptor *descriptor) {
    switch (bind.bindType) {
    case SDL_CONTROLLER_BINDTYPE_BUTTON:
        *descriptor = {descriptor_button, bind.value.button, 0};
        return true;
    case SDL_CONTROLLER_BINDTYPE_AXIS:
        *descriptor = {descriptor_axis, bind.value.axis, axis_direction};
        return true;
    case SDL_CONTROLLER_BINDTYPE_HAT:
        *descriptor = {descriptor_hat, bind.value.hat.hat, bind.value.hat.hat_mask};
        return true;
    case SDL_CONTROLLER_BINDTYPE_NONE:
        break;
    }
    return false;
}

bool device_descriptor(const OpenDevice &device, const Parts &binding, Descriptor *descriptor) {
    const auto index = static_cast<int32_t>(binding.index);
    SDL_GameControllerButton button{};
    SDL_GameControllerAxis axis{};
    switch (binding.kind) {
    case Kind::controller_button:
        return sdl_enum(binding.index, SDL_CONTROLLER_BUTTON_MAX, &button) &&
               mapped_descriptor(SDL_GameControllerGetBindForButton(device.controller, button), 1,
                                 descriptor);
    case Kind::controller_axis_positive:
    case Kind::controller_axis_negative:
        return sdl_enum(binding.index, SDL_CONTROLLER_AXIS_MAX, &axis) &&
               mapped_descriptor(SDL_GameControllerGetBindForAxis(device.controller, axis),
                                 binding.kind == Kind::controller_axis_positive ? 1 : -1,
                                 descriptor);
    case Kind::joystick_button:
        *descriptor = {descriptor_button, index, 0};
        return true;
    case Kind::joystick_axis_positive:
    case Kind::joystick_axis_negative:
        *descriptor = {descriptor_axis, index,
                       binding.kind == Kind::joystick_axis_positive ? 1 : -1};
        return true;
    case Kind::joystick_hat:
        *descriptor = {descriptor_hat, index / 4, binding_code::directions[index % 4]};
        return true;
    case Kind::keyboard:
        break;
    }
    return false;
}

// The device's position in SDL's present device list, -1 when SDL no longer lists it.
int32_t present_device_index(const OpenDevice &device) {
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == device.instance_id) {
            return index;
        }
    }
    return -1;
}

} // namespace

bool vortelan_gb_runtime_key_config_binding_pressed(BindingCode code) {
    if (!vortelan_gb_runtime_key_config_is_controller_code(code)) {
        return key_held(code);
    }
    Parts binding{};
    if (!controller_binding(code, &binding)) {
        return false;
    }
    const OpenDevice *device = device_for_binding(binding.slot, needs_controller(binding.kind));
    return device != nullptr &&
           input_active(binding.kind, binding.index, device_input_value(*device, binding));
}

bool vortelan_gb_runtime_key_config_binding_to_n64(BindingCode code, int32_t *device_index_out,
                                                   int32_t *kind_out, int32_t *index_out,
                                                   int32_t *value_out) {
    if (device_index_out == nullptr || kind_out == nullptr || index_out == nullptr ||
        value_out == nullptr) {
        return false;
    }
    Descriptor descriptor{};
    if (!vortelan_gb_runtime_key_config_is_controller_code(code)) {
        const SDL_Scancode scancode = SDL_GetScancodeFromKey(code);
        if (scancode == SDL_SCANCODE_UNKNOWN) {
            return false;
        }
        *device_index_out = -1;
        descriptor = {descriptor_key, scancode, 0};
    } else {
        // The unscoped controller buttons without a name keep the keyboard kind, which has no
        // descriptor: the serving device's index is still told.
        Parts binding{-1, Kind::keyboard, 0};
        controller_binding(code, &binding);
        const OpenDevice *device = device_for_binding(binding.slot, needs_controller(binding.kind));
        if (device == nullptr) {
            return false;
        }
        *device_index_out = present_device_index(*device);
        if (*device_index_out < 0 || !device_descriptor(*device, binding, &descriptor)) {
            return false;
        }
    }
    *kind_out = descriptor.kind;
    *index_out = descriptor.index;
    *value_out = descriptor.value;
    return true;
}
