#include "app/menu_diagnostics.h"

#include <cstdio>

namespace {

constexpr const char *row_names[menu_row_count] = {
    "START", "SLOT1 CART", "SLOT2 CART",  "MODE",       "SPEED",         "DISCOVER",
    "HOST",  "PORT",       "CLIENT CART", "RTC OFFSET", "DISPLAY SCALE",
};

struct EventName {
    uint32_t type;
    const char *name;
};

constexpr EventName event_names[] = {
    {SDL_QUIT, "SDL_QUIT"},
    {SDL_WINDOWEVENT, "SDL_WINDOWEVENT"},
    {SDL_KEYDOWN, "SDL_KEYDOWN"},
    {SDL_KEYUP, "SDL_KEYUP"},
    {SDL_TEXTINPUT, "SDL_TEXTINPUT"},
    {SDL_JOYAXISMOTION, "SDL_JOYAXISMOTION"},
    {SDL_JOYBUTTONDOWN, "SDL_JOYBUTTONDOWN"},
    {SDL_JOYBUTTONUP, "SDL_JOYBUTTONUP"},
    {SDL_JOYDEVICEADDED, "SDL_JOYDEVICEADDED"},
    {SDL_CONTROLLERAXISMOTION, "SDL_CONTROLLERAXISMOTION"},
    {SDL_CONTROLLERBUTTONDOWN, "SDL_CONTROLLERBUTTONDOWN"},
    {SDL_CONTROLLERBUTTONUP, "SDL_CONTROLLERBUTTONUP"},
    {SDL_CONTROLLERDEVICEADDED, "SDL_CONTROLLERDEVICEADDED"},
};

// Indexed by SDL_WindowEventID.
constexpr const char *window_event_names[] = {
    "OTHER",   "SHOWN",        "HIDDEN",       "EXPOSED",    "MOVED",
    "RESIZED", "SIZE_CHANGED", "MINIMIZED",    "MAXIMIZED",  "RESTORED",
    "ENTER",   "LEAVE",        "FOCUS_GAINED", "FOCUS_LOST", "CLOSE",
};

int flag(uint8_t value) {
    return value != 0 ? 1 : 0;
}

} // namespace

const char *menu_row_name(uint32_t row) {
    return row < menu_row_count ? row_names[row] : "UNKNOWN";
}

const char *sdl_event_name(uint32_t type) {
    for (const EventName &entry : event_names) {
        if (entry.type == type) {
            return entry.name;
        }
    }
    return "SDL_EVENT";
}

const char *window_event_name(uint8_t id) {
    constexpr size_t count = sizeof window_event_names / sizeof window_event_names[0];
    return id < count ? window_event_names[id] : "OTHER";
}

void log_menu_state(const MenuState *state, const char *tag) {
    std::fprintf(stderr,
                 "menu state: %s row=%u(%s) mode=%s editing=%d quit_confirm=%d quit_yes=%d "
                 "slot1='%s' slot2='%s' speed=x%u scale=%u host='%s' port='%s' discover=%s "
                 "client_cart=%s status='%s'\n",
                 tag, static_cast<unsigned>(state->row), menu_row_name(state->row),
                 vortelan_gb_runtime_menu_mode_name(state->mode), flag(state->editing),
                 flag(state->quit_confirm), flag(state->quit_yes), state->slot1_cart,
                 state->slot2_cart, static_cast<unsigned>(state->speed),
                 static_cast<unsigned>(state->display_scale), state->host, state->port,
                 state->discover != 0 ? "AUTOMATIC" : "MANUAL",
                 state->client_cart != 0 ? "UPLOAD SLOT1" : "RECEIVE ONLY", state->status);
    std::fflush(stderr);
}

void log_menu_button_action(const MenuState *state, MenuButtons mask, const char *source) {
    std::fprintf(stderr,
                 "menu input: source=%s row=%u(%s) mode=%s button_mask=0x%02X editing=%d "
                 "quit_confirm=%d quit_yes=%d\n",
                 source, static_cast<unsigned>(state->row), menu_row_name(state->row),
                 vortelan_gb_runtime_menu_mode_name(state->mode), static_cast<unsigned>(mask),
                 flag(state->editing), flag(state->quit_confirm), flag(state->quit_yes));
    std::fflush(stderr);
}
