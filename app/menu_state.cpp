#include "app/menu_state.h"

#include "menu/rom_path.h"
#include "runtime/text.h"
#include "ui/display_scale.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *mode_names[] = {
    "SELF", "SERVER1", "SERVER2", "CLIENT", "LAN REMOTE", "SCREENSHOT VIEW", "KEY CONFIG",
};

constexpr uint32_t default_port = 25100;
constexpr uint32_t lan_remote_port = 25170;

void set_status(MenuState *state, const char *status) {
    vortelan_gb_runtime_copy_text(state->status, sizeof state->status, status);
}

// value + direction, where stepping past one end lands on the other.
uint32_t step_wrapping(uint32_t value, int direction, uint32_t low, uint32_t high) {
    int64_t next = static_cast<int64_t>(value) + direction;
    if (next < low) {
        return high;
    }
    if (next > high) {
        return low;
    }
    return static_cast<uint32_t>(next);
}

// The two default ports follow the mode; a port the user typed stays as it is.
void switch_default_port(MenuState *state, uint32_t old_mode, uint32_t new_mode) {
    bool leaving = old_mode == MENU_MODE_LAN_REMOTE && new_mode != MENU_MODE_LAN_REMOTE;
    bool entering = old_mode != MENU_MODE_LAN_REMOTE && new_mode == MENU_MODE_LAN_REMOTE;
    uint32_t from = leaving ? lan_remote_port : default_port;
    uint32_t to = leaving ? default_port : lan_remote_port;
    char expected[menu_port_capacity];
    std::snprintf(expected, sizeof expected, "%u", from);
    if ((leaving || entering) && std::strcmp(state->port, expected) == 0) {
        std::snprintf(state->port, sizeof state->port, "%u", to);
    }
}

void cycle_mode(MenuState *state, int direction) {
    uint32_t old_mode = state->mode;
    uint32_t new_mode = step_wrapping(old_mode, direction, MENU_MODE_SELF, MENU_MODE_KEY_CONFIG);
    state->mode = static_cast<MenuMode>(new_mode);
    switch_default_port(state, old_mode, new_mode);
}

void cycle_speed(MenuState *state, int direction) {
    if (state->mode != MENU_MODE_SELF) {
        set_status(state, "SPEED SELF ONLY");
        return;
    }
    state->speed = step_wrapping(state->speed, direction, 1, menu_speed_max);
}

// Clamped, not wrapped: one minute per step.
void cycle_rtc_offset(MenuState *state, int direction) {
    if (state->mode != MENU_MODE_SELF) {
        set_status(state, "RTC OFFSET SELF ONLY");
        return;
    }
    if (direction > 0 && state->rtc_offset_minutes < menu_rtc_offset_limit) {
        ++state->rtc_offset_minutes;
    } else if (direction <= 0 && state->rtc_offset_minutes > -menu_rtc_offset_limit) {
        --state->rtc_offset_minutes;
    }
}

// Saving and applying the new scale is left to the end of the frame.
void cycle_display_scale(MenuState *state, int direction) {
    state->display_scale = step_wrapping(state->display_scale, direction, 0, display_scale_max);
    state->display_scale_changed = 1;
}

} // namespace

const char *vortelan_gb_runtime_menu_mode_name(uint32_t mode) {
    return mode <= MENU_MODE_KEY_CONFIG ? mode_names[mode] : mode_names[MENU_MODE_SELF];
}

char *vortelan_gb_runtime_menu_row_value(MenuState *state, uint32_t row) {
    switch (row) {
    case MENU_ROW_SLOT1_CART:
        return state->slot1_cart;
    case MENU_ROW_SLOT2_CART:
        return state->slot2_cart;
    case MENU_ROW_HOST:
        return state->host;
    case MENU_ROW_PORT:
        return state->port;
    default:
        return nullptr;
    }
}

size_t vortelan_gb_runtime_menu_row_value_capacity(uint32_t row) {
    switch (row) {
    case MENU_ROW_HOST:
        return menu_host_capacity;
    case MENU_ROW_PORT:
        return menu_port_capacity;
    default:
        return menu_file_name_capacity;
    }
}

void vortelan_gb_runtime_menu_append_text(char *text, size_t capacity, const char *addition) {
    size_t length = std::strlen(text);
    if (length + 1 >= capacity) {
        return;
    }
    vortelan_gb_runtime_copy_text(text + length, capacity - length, addition);
}

void vortelan_gb_runtime_menu_cycle_selected(MenuState *state, int direction) {
    switch (state->row) {
    case MENU_ROW_SLOT1_CART:
        vortelan_gb_runtime_choice_list_cycle(&state->roms, state->slot1_cart,
                                              sizeof state->slot1_cart, direction);
        break;
    case MENU_ROW_SLOT2_CART:
        vortelan_gb_runtime_choice_list_cycle_optional(&state->roms, state->slot2_cart,
                                                       sizeof state->slot2_cart, direction);
        break;
    case MENU_ROW_MODE:
        cycle_mode(state, direction);
        break;
    case MENU_ROW_SPEED:
        cycle_speed(state, direction);
        break;
    case MENU_ROW_DISCOVER:
        state->discover = !state->discover;
        break;
    case MENU_ROW_CLIENT_CART:
        state->client_cart = !state->client_cart;
        break;
    case MENU_ROW_RTC_OFFSET:
        cycle_rtc_offset(state, direction);
        break;
    case MENU_ROW_DISPLAY_SCALE:
        cycle_display_scale(state, direction);
        break;
    default: // START, HOST, PORT and unknown rows have nothing to cycle
        break;
    }
}

int vortelan_gb_runtime_menu_format_rtc_offset(int32_t minutes, char *buffer, size_t capacity) {
    char sign = minutes < 0 ? '-' : '+';
    int64_t magnitude = minutes < 0 ? -static_cast<int64_t>(minutes) : minutes;
    return std::snprintf(buffer, capacity, "%c%02lld:%02lld", sign,
                         static_cast<long long>(magnitude / 60),
                         static_cast<long long>(magnitude % 60));
}

bool vortelan_gb_runtime_menu_validate_launch_selection(MenuState *state) {
    if (!vortelan_gb_runtime_menu_rom_file_exists_in_roms(state->slot1_cart)) {
        set_status(state, "SLOT1 MUST BE A FILE IN ROMS/");
        return false;
    }
    if (state->mode == MENU_MODE_LAN_REMOTE || state->slot2_cart[0] == '\0') {
        return true;
    }
    if (!vortelan_gb_runtime_menu_rom_file_exists_in_roms(state->slot2_cart)) {
        set_status(state, "SLOT2 MUST BE A FILE IN ROMS/");
        return false;
    }
    if (std::strcmp(state->slot1_cart, state->slot2_cart) == 0) {
        set_status(state, "SLOT1 AND SLOT2 CART MUST DIFFER");
        return false;
    }
    return true;
}

void vortelan_gb_runtime_menu_set_default_bindings(MenuState *state) {
    vortelan_gb_runtime_key_config_slot1_default(&state->slot1_keys);
    vortelan_gb_runtime_key_config_slot2_default(&state->slot2_keys);
    state->fast_key = vortelan_gb_runtime_key_config_fast_default();
    state->screenshot_key = vortelan_gb_runtime_key_config_screenshot_default();
    state->escape_key = vortelan_gb_runtime_key_config_escape_default();
    state->turbo_hold_key = vortelan_gb_runtime_key_config_turbo_hold_default();
    state->reset_key = vortelan_gb_runtime_key_config_reset_default();
}
