#pragma once

#include "app/menu_state.h"

#include <SDL.h>

#include <cstdint>

// The interactive life of the menu: each frame handles every pending event, saves and
// applies a changed display scale, redraws the whole menu when its picture would differ from
// the one shown (or the window lost it) and waits 16 ms. Ends after the
// frame in which the platform asked to quit or the quit dialog was confirmed, or after the
// first frame and smoke_draw_ms more milliseconds when that is not 0. current_factor is the
// window's scale factor, kept up to date.
void vortelan_gb_runtime_menu_main_loop(MenuState *state, SDL_Renderer *renderer,
                                        SDL_Window *window, int *current_factor,
                                        uint32_t smoke_draw_ms);
