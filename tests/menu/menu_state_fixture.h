#pragma once

#include "app/menu_startup.h"
#include "app/menu_state.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace gb_test {

// The state as start-up builds it before the settings file is read: zero-filled, the
// defaults of every row and the factory bindings (texts not yet made).
inline void fill_start_state(MenuState *state) {
    std::memset(state, 0, sizeof *state);
    std::snprintf(state->host, sizeof state->host, "127.0.0.1");
    std::snprintf(state->port, sizeof state->port, "25100");
    std::snprintf(state->status, sizeof state->status, "READY");
    state->speed = 1;
    state->client_cart = 1;
    state->discover = 1;
    vortelan_gb_runtime_menu_set_default_bindings(state);
}

// Every field, so that a comparison also proves what a cycle left alone.
inline std::string state_summary(const MenuState &state) {
    std::string text = "roms";
    for (uint32_t index = 0; index < state.roms.count; ++index) {
        text += std::string(" ") + state.roms.names[index];
    }
    for (const char *field :
         {state.slot1_cart, state.slot2_cart, state.host, state.port, state.slot1_keys_text,
          state.slot2_keys_text, state.fast_key_text, state.screenshot_key_text,
          state.escape_key_text, state.turbo_hold_key_text, state.reset_key_text, state.status}) {
        text += std::string(" [") + field + "]";
    }
    for (const SlotKeys *keys : {&state.slot1_keys, &state.slot2_keys, &state.key_config_pending}) {
        for (BindingCode code : *keys) {
            text.append(" ").append(std::to_string(code));
        }
    }
    for (long long value : {static_cast<long long>(state.fast_key),
                            static_cast<long long>(state.screenshot_key),
                            static_cast<long long>(state.escape_key),
                            static_cast<long long>(state.turbo_hold_key),
                            static_cast<long long>(state.reset_key),
                            static_cast<long long>(state.rtc_offset_minutes),
                            static_cast<long long>(state.speed),
                            static_cast<long long>(state.display_scale),
                            static_cast<long long>(state.display_scale_changed),
                            static_cast<long long>(state.client_cart),
                            static_cast<long long>(state.discover),
                            static_cast<long long>(state.mode),
                            static_cast<long long>(state.row),
                            static_cast<long long>(state.editing),
                            static_cast<long long>(state.quit_confirm),
                            static_cast<long long>(state.quit_yes),
                            static_cast<long long>(state.key_config_target),
                            static_cast<long long>(state.key_config_step),
                            static_cast<long long>(state.key_config_wait_release),
                            static_cast<long long>(state.key_config_held_code)}) {
        text.append(" ").append(std::to_string(value));
    }
    return text;
}

} // namespace gb_test
