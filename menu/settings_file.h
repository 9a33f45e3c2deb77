#pragma once

#include "app/menu_state.h"

// The lasting settings: both slots' bindings, the five utility keys, the most recent slot 1
// cartridge and the display scale, as "key=value" lines.

// GB_RUNTIME_KEY_CONFIG when set and not empty, else "config/gb_runtime_keys.conf";
// resolved anew on every call.
const char *vortelan_gb_runtime_menu_config_path();

// Applies every valid line of the settings file to state; a missing file, unknown keys and
// bad values change nothing.
void vortelan_gb_runtime_menu_load_config_file(MenuState *state);

// Writes the whole file from state: 0, or -1 with the old file left as it was.
int vortelan_gb_runtime_menu_save_config_file(const MenuState *state);

// Rebuilds the seven key texts from the binding codes.
void vortelan_gb_runtime_menu_refresh_key_descriptions(MenuState *state);
