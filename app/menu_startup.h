#pragma once

#include "app/menu_state.h"

// Builds the menu's state for this run from nothing: zero-filled, then the network and play
// defaults, the default bindings, the settings file, the key texts and the cartridge list.
// Every source that fails falls back (loopback host, defaults, "NO ROMS FOUND IN ROMS/").
void vortelan_gb_runtime_menu_init_state(MenuState *state);
