#pragma once

#include "app/menu_state.h"

#include <SDL.h>

// The menu window's scale factor (1..6) for a display-scale setting: a fixed setting as it
// is, automatic from the usable area of the window's display (display 0 without a window).
int resolve_menu_display_scale(SDL_Window *window, int requested);

// Publishes the setting in VORTELAN_EMULATOR_DISPLAY_SCALE on every call, and resizes and
// re-centres the window when the resolved factor differs from *current_factor.
void apply_menu_display_scale(SDL_Window *window, const MenuState *state, int *current_factor);
