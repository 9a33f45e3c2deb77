#include "input/event_matching.h"

#include "input/controller_binding.h"
#include "input/controllers.h"

using binding_code::Kind;
using binding_code::Parts;

namespace {

// Capture takes an axis one step earlier than matching reads it as pressed.
constexpr int capture_threshold = 16000;

bool is_key_event(const SDL_Event &event) {
    return event.type == SDL_KEYDOWN || event.type == SDL_KEYUP;
}

bool key_matches(BindingCode code, const SDL_Event &event, bool *pressed) {
    if (vortelan_gb_runtime_key_config_is_controller_code(code) || event.key.repeat != 0 ||
        event.key.keysym.sym != code) {
        return false;
    }
    *pressed = event.type == SDL_KEYDOWN;
    return true;
}

// A controller or joystick event as the input it reports: the kinds of binding that can
// concern it (first..last), its device, its axis, button or hat number, and its value.
struct EventInput {
    Kind first;
    Kind last;
    SDL_JoystickID which;
    uint32_t number;
    int value;
};

bool event_input(const SDL_Event &event, EventInput *input) {
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        *input = {Kind::joystick_axis_positive, Kind::joystick_axis_negative, event.jaxis.which,
                  event.jaxis.axis, event.jaxis.value};
        return true;
    case SDL_JOYHATMOTION:
        *input = {Kind::joystick_hat, Kind::joystick_hat, event.jhat.which, event.jhat.hat,
                  event.jhat.value};
        return true;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        *input = {Kind::joystick_button, Kind::joystick_button, event.jbutton.which,
                  event.jbutton.button, event.type == SDL_JOYBUTTONDOWN};
        return true;
    case SDL_CONTROLLERAXISMOTION:
        *input = {Kind::controller_axis_positive, Kind::controller_axis_negative, event.caxis.which,
                  event.caxis.axis, event.caxis.value};
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        *input = {Kind::controller_button, Kind::controller_button, event.cbutton.which,
                  event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN};
        return true;
    default:
        return false;
    }
}

// Whether a controller or joystick event is about the input the binding names, on a device
// that may serve it; pressed receives the event's state of that input. The whole index is
// compared, so an index above 255 never passes for the event's 8-bit number.
bool device_event_matches(const Parts &binding, const SDL_Event &event, bool *pressed) {
    EventInput input{};
    if (!event_input(event, &input) || binding.kind < input.first || binding.kind > input.last) {
        return false;
    }
    const uint32_t number = binding.kind == Kind::joystick_hat ? binding.index / 4 : binding.index;
    if (number != input.number ||
        (binding.slot >= 0 && !event_matches_scoped_device(binding.slot, input.which))) {
        return false;
    }
    *pressed = input_active(binding.kind, binding.index, input.value);
    return true;
}

// The direction index of a hat position; a diagonal counts as its first direction in the
// order UP, RIGHT, DOWN, LEFT.
int hat_direction(uint8_t value) {
    for (int direction = 0; direction < 3; ++direction) {
        if ((value & binding_code::directions[direction]) != 0) {
            return direction;
        }
    }
    return 3;
}

// Where an axis rests untouched: the first value SDL saw from it. A stick rests in the middle,
// an analog trigger at an end of the range; an axis SDL has no value for counts as centred.
int axis_rest(SDL_JoystickID which, uint8_t axis) {
    SDL_Joystick *joystick = SDL_JoystickFromInstanceID(which);
    Sint16 rest = 0;
    if (joystick == nullptr || !SDL_JoystickGetAxisInitialState(joystick, axis, &rest)) {
        return 0;
    }
    return rest;
}

// Only a pull away from rest is captured, in its direction. Past the threshold on the side
// where the axis rests (a trigger let go) it is at rest, not pulled; a centred stick is
// taken on both sides.
BindingCode axis_capture(const SDL_JoyAxisEvent &motion) {
    const int rest = axis_rest(motion.which, motion.axis);
    if (motion.value >= capture_threshold && rest < capture_threshold) {
        return scoped_event_code(motion.which, Kind::joystick_axis_positive, motion.axis);
    }
    if (motion.value <= -capture_threshold && rest > -capture_threshold) {
        return scoped_event_code(motion.which, Kind::joystick_axis_negative, motion.axis);
    }
    return 0;
}

} // namespace

BindingCode vortelan_gb_runtime_key_config_code_from_event(const SDL_Event *event) {
    if (event == nullptr) {
        return 0;
    }
    switch (event->type) {
    case SDL_KEYDOWN:
        return event->key.repeat != 0 ? 0 : event->key.keysym.sym;
    case SDL_JOYAXISMOTION:
        return axis_capture(event->jaxis);
    case SDL_JOYHATMOTION:
        if (event->jhat.value == SDL_HAT_CENTERED) {
            return 0;
        }
        return scoped_event_code(event->jhat.which, Kind::joystick_hat,
                                 4 * event->jhat.hat + hat_direction(event->jhat.value));
    case SDL_JOYBUTTONDOWN:
        return scoped_event_code(event->jbutton.which, Kind::joystick_button,
                                 event->jbutton.button);
    default:
        return 0;
    }
}

bool vortelan_gb_runtime_key_config_binding_matches_event(BindingCode code, const SDL_Event *event,
                                                          bool *pressed_out) {
    if (event == nullptr) {
        return false;
    }
    bool pressed = false;
    Parts binding{};
    if (is_key_event(*event)) {
        if (!key_matches(code, *event, &pressed)) {
            return false;
        }
    } else if (!controller_binding(code, &binding) ||
               !device_event_matches(binding, *event, &pressed)) {
        return false;
    }
    if (pressed_out != nullptr) {
        *pressed_out = pressed;
    }
    return true;
}

bool vortelan_gb_runtime_key_config_binding_rising(BindingCode code, const SDL_Event *event,
                                                   uint8_t *state) {
    bool pressed = false;
    if (state == nullptr ||
        !vortelan_gb_runtime_key_config_binding_matches_event(code, event, &pressed)) {
        return false;
    }
    const bool rose = pressed && *state == 0;
    *state = pressed ? 1 : 0;
    return rose;
}

void vortelan_gb_runtime_key_config_buttons_for_event(const SlotKeys *keys, const SDL_Event *event,
                                                      MenuButtons *pressed_out,
                                                      MenuButtons *released_out) {
    MenuButtons pressed_mask = 0;
    MenuButtons released_mask = 0;
    for (size_t entry = 0; keys != nullptr && entry < slot_key_count; ++entry) {
        bool pressed = false;
        if (vortelan_gb_runtime_key_config_binding_matches_event((*keys)[entry], event, &pressed)) {
            const auto bit = static_cast<MenuButtons>(1u << entry);
            if (pressed) {
                pressed_mask |= bit;
            } else {
                released_mask |= bit;
            }
        }
    }
    if (pressed_out != nullptr) {
        *pressed_out = pressed_mask;
    }
    if (released_out != nullptr) {
        *released_out = released_mask;
    }
}

MenuButtons vortelan_gb_runtime_key_config_button_for_event(const SlotKeys *keys,
                                                            const SDL_Event *event,
                                                            bool *is_press_out) {
    MenuButtons pressed = 0;
    MenuButtons released = 0;
    vortelan_gb_runtime_key_config_buttons_for_event(keys, event, &pressed, &released);
    if (pressed == 0 && released == 0) {
        return 0;
    }
    if (is_press_out != nullptr) {
        *is_press_out = pressed != 0;
    }
    return pressed != 0 ? pressed : released;
}
