#include "input/binding_code.h"

#include "input/binding_devices.h"

namespace binding_code {

Parts resolve(BindingCode code) {
    Parts parts = split(code);
    if (parts.slot >= 0 && binding_devices[parts.slot].used == 0) {
        return {-1, Kind::keyboard, 0};
    }
    return parts;
}

} // namespace binding_code

using binding_code::Kind;
using binding_code::unscoped;

BindingCode vortelan_gb_runtime_key_config_code_from_controller_button(uint32_t button) {
    if (button >= binding_code::named_controller_buttons) {
        return 0;
    }
    return unscoped(Kind::controller_button, button);
}

BindingCode vortelan_gb_runtime_key_config_code_from_controller_axis(uint32_t axis,
                                                                     int32_t direction) {
    if (axis >= binding_code::controller_axes || direction == 0) {
        return 0;
    }
    return unscoped(direction > 0 ? Kind::controller_axis_positive : Kind::controller_axis_negative,
                    axis);
}

BindingCode vortelan_gb_runtime_key_config_code_from_joystick_button(uint32_t button) {
    if (button >= binding_code::joystick_buttons) {
        return 0;
    }
    return unscoped(Kind::joystick_button, button);
}

BindingCode vortelan_gb_runtime_key_config_code_from_joystick_axis(uint32_t axis,
                                                                   int32_t direction) {
    if (axis >= binding_code::joystick_axes || direction == 0) {
        return 0;
    }
    return unscoped(direction > 0 ? Kind::joystick_axis_positive : Kind::joystick_axis_negative,
                    axis);
}

BindingCode vortelan_gb_runtime_key_config_code_from_joystick_hat(uint32_t hat,
                                                                  uint32_t hat_value) {
    if (hat >= binding_code::joystick_hats) {
        return 0;
    }
    for (uint32_t d = 0; d < 4; ++d) {
        if (hat_value == binding_code::directions[d]) {
            return unscoped(Kind::joystick_hat, 4 * hat + d);
        }
    }
    return 0;
}

bool vortelan_gb_runtime_key_config_is_controller_code(BindingCode code) {
    return binding_code::resolve(code).kind != Kind::keyboard;
}
