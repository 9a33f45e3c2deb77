#pragma once

#include "app/menu_state.h"

// The binding lines of the settings file in the order they are written: each key with the
// codes it sets when loaded and the text made from those codes for the screens.

struct SlotKeysSetting {
    const char *key;
    SlotKeys MenuState::*codes;
    char (MenuState::*text)[menu_keys_text_capacity];
};

struct SingleKeySetting {
    const char *key;
    BindingCode MenuState::*code;
    char (MenuState::*text)[menu_key_text_capacity];
};

inline constexpr SlotKeysSetting slot_keys_settings[] = {
    {"slot1_keys", &MenuState::slot1_keys, &MenuState::slot1_keys_text},
    {"slot2_keys", &MenuState::slot2_keys, &MenuState::slot2_keys_text},
};

inline constexpr SingleKeySetting single_key_settings[] = {
    {"fast_key", &MenuState::fast_key, &MenuState::fast_key_text},
    {"screenshot_key", &MenuState::screenshot_key, &MenuState::screenshot_key_text},
    {"escape_key", &MenuState::escape_key, &MenuState::escape_key_text},
    {"turbo_hold_key", &MenuState::turbo_hold_key, &MenuState::turbo_hold_key_text},
    {"reset_key", &MenuState::reset_key, &MenuState::reset_key_text},
};

inline constexpr char recent_slot1_rom_key[] = "recent_slot1_rom";
inline constexpr char display_scale_key[] = "display_scale";
