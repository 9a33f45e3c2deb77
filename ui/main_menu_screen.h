#pragma once

#include "app/menu_state.h"

#include <SDL.h>

// Paints and presents one whole frame of the main menu from state, which it only reads:
// title, the eleven rows with the selected one highlighted, the capture overlay or the quit
// dialog when they are up, the help lines and the status line.
void vortelan_gb_runtime_menu_draw(SDL_Renderer *renderer, const MenuState *state);
