#include "ui/screen_events.h"

#include "input/event_matching.h"

bool is_device_change_event(const SDL_Event *event) {
    switch (event->type) {
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_JOYDEVICEADDED:
    case SDL_JOYDEVICEREMOVED:
        return true;
    default:
        return false;
    }
}

bool is_pad_input_event(const SDL_Event *event) {
    switch (event->type) {
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        return true;
    default:
        return false;
    }
}

bool event_presses_binding(BindingCode code, const SDL_Event *event) {
    bool pressed = false;
    return vortelan_gb_runtime_key_config_binding_matches_event(code, event, &pressed) && pressed;
}
