#pragma once

#include "app/menu_state.h"

#include <SDL.h>

// The panel that asks for the next input while a capture runs (key_config_target not 0). The
// key configuration screen draws it, and so does the main menu, over its rows.
void draw_key_config_capture_overlay(SDL_Renderer *renderer, const MenuState *state);
