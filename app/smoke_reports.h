#pragma once

#include "app/menu_state.h"

// The answers of the command-line modes that open no window. Each returns the exit code.

// The usage line with the program's path, then the one-line description.
int vortelan_gb_runtime_menu_print_help(const char *program);

// The resolved configuration and the key report; 1 when roms holds no cartridge.
int vortelan_gb_runtime_menu_smoke_test(const MenuState *state);

// Writes the settings file from the state as loaded (so it comes out normalised) and prints
// the key report; 1 with "failed to write key config: <path>" when it cannot be written.
int vortelan_gb_runtime_menu_smoke_save_key_config(const MenuState *state);
