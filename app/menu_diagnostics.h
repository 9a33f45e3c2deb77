#pragma once

#include "app/menu_state.h"

#include <SDL.h>

#include <cstdint>

// The menu's diagnostic lines on standard error, one flushed fprintf each, in the fixed
// wording that scripts and tests read.

// Label of a row, "UNKNOWN" outside 0..10.
const char *menu_row_name(uint32_t row);

// Name of an SDL event type for the "menu event:" lines; "SDL_EVENT" for the unnamed ones.
const char *sdl_event_name(uint32_t type);

// Name of a window event id; "OTHER" for 0 and for ids above 14.
const char *window_event_name(uint8_t id);

// "menu state: <tag> ..." with every setting the rows show.
void log_menu_state(const MenuState *state, const char *tag);

// "menu input: source=<source> ..." with the buttons an input stands for.
void log_menu_button_action(const MenuState *state, MenuButtons mask, const char *source);
