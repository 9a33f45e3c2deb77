#include "input/controller_binding.h"

using binding_code::Kind;

namespace {

constexpr int axis_threshold = 16000;

} // namespace

bool controller_binding(BindingCode code, binding_code::Parts *parts) {
    const binding_code::Parts resolved = binding_code::resolve(code);
    if (resolved.kind == Kind::keyboard ||
        (resolved.slot < 0 && resolved.kind == Kind::controller_button &&
         resolved.index >= binding_code::named_controller_buttons)) {
        return false;
    }
    *parts = resolved;
    return true;
}

bool needs_controller(Kind kind) {
    return kind == Kind::controller_button || kind == Kind::controller_axis_positive ||
           kind == Kind::controller_axis_negative;
}

bool input_active(Kind kind, uint32_t index, int value) {
    switch (kind) {
    case Kind::controller_axis_positive:
    case Kind::joystick_axis_positive:
        return value > axis_threshold;
    case Kind::controller_axis_negative:
    case Kind::joystick_axis_negative:
        return value < -axis_threshold;
    case Kind::joystick_hat:
        return (value & binding_code::directions[index % 4]) != 0;
    case Kind::controller_button:
    case Kind::joystick_button:
    case Kind::keyboard:
        break;
    }
    return value != 0;
}
