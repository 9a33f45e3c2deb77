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

bool axis_active(Kind kind, int value) {
    if (kind == Kind::controller_axis_positive || kind == Kind::joystick_axis_positive) {
        return value > axis_threshold;
    }
    return value < -axis_threshold;
}

bool hat_active(uint32_t index, int value) {
    return (value & binding_code::directions[index % 4]) != 0;
}
