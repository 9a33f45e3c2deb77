#pragma once

#include "app/menu_state.h"

#include <SDL.h>

// The key configuration screen: both slots' bindings and the five utility keys, captured
// anew input by input or reset to their defaults.

// Runs the screen's own loop on the menu's renderer until the user goes back; the window is
// not used. Captured bindings are saved to the settings file as each sequence completes.
void vortelan_gb_runtime_key_config_menu_run(SDL_Renderer *renderer, SDL_Window *window,
                                             MenuState *state);

// Paints and presents one frame with the cursor (0..4) on its row.
void vortelan_gb_runtime_menu_draw_key_config_menu(SDL_Renderer *renderer, const MenuState *state,
                                                   int cursor);
