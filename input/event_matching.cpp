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

bool is_axis_kind(Kind kind, Kind positive, Kind negative) {
    return kind == positive || kind == negative;
}

// Whether a controller or joystick event is about the input the binding names, on a device
// that may serve it; pressed receives the event's state of that input.
bool device_event_matches(const Parts &binding, const SDL_Event &event, bool *pressed) {
    SDL_JoystickID which = 0;
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        if (!is_axis_kind(binding.kind, Kind::joystick_axis_positive,
                          Kind::joystick_axis_negative) ||
            binding.index != event.jaxis.axis) {
            return false;
        }
        which = event.jaxis.which;
        *pressed = axis_active(binding.kind, event.jaxis.value);
        break;
    case SDL_JOYHATMOTION:
        if (binding.kind != Kind::joystick_hat || binding.index / 4 != event.jhat.hat) {
            return false;
        }
        which = event.jhat.which;
        *pressed = hat_active(binding.index, event.jhat.value);
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        if (binding.kind != Kind::joystick_button || binding.index != event.jbutton.button) {
            return false;
        }
        which = event.jbutton.which;
        *pressed = event.type == SDL_JOYBUTTONDOWN;
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (!is_axis_kind(binding.kind, Kind::controller_axis_positive,
                          Kind::controller_axis_negative) ||
            binding.index != event.caxis.axis) {
            return false;
        }
        which = event.caxis.which;
        *pressed = axis_active(binding.kind, event.caxis.value);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (binding.kind != Kind::controller_button || binding.index != event.cbutton.button) {
            return false;
        }
        which = event.cbutton.which;
        *pressed = event.type == SDL_CONTROLLERBUTTONDOWN;
        break;
    default:
        return false;
    }
    return binding.slot < 0 || event_matches_scoped_device(binding.slot, which);
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

} // namespace

BindingCode vortelan_gb_runtime_key_config_code_from_event(const SDL_Event *event) {
    if (event == nullptr) {
        return 0;
    }
    switch (event->type) {
    case SDL_KEYDOWN:
        return event->key.repeat != 0 ? 0 : event->key.keysym.sym;
    case SDL_JOYAXISMOTION: {
        const int value = event->jaxis.value;
        if (value > -capture_threshold && value < capture_threshold) {
            return 0;
        }
        return scoped_event_code(event->jaxis.which,
                                 value > 0 ? Kind::joystick_axis_positive
                                           : Kind::joystick_axis_negative,
                                 event->jaxis.axis);
    }
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
