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

namespace {

bool window_change_loses_picture(Uint8 change) {
    switch (change) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
        return true;
    default:
        return false;
    }
}

} // namespace

bool window_picture_lost(const SDL_Event *event) {
    switch (event->type) {
    case SDL_WINDOWEVENT:
        return window_change_loses_picture(event->window.event);
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        return true;
    default:
        return false;
    }
}

bool event_needs_redraw(const SDL_Event *event) {
    return window_picture_lost(event) || is_device_change_event(event);
}

bool event_presses_binding(BindingCode code, const SDL_Event *event) {
    bool pressed = false;
    return vortelan_gb_runtime_key_config_binding_matches_event(code, event, &pressed) && pressed;
}
