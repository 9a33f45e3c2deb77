#pragma once

#include "input/binding_lists.h"

#include <SDL.h>

// Shows the BMP pictures in the directory "screenshot" one at a time, newest name last,
// steps through them and deletes the one shown after a YES. Blocks in SDL_WaitEvent and
// redraws only after an event it acted on or when the window's picture was lost; returns when
// the user leaves. slot_keys (may be null) are the menu's navigation bindings, escape_code the
// escape binding.
void vortelan_gb_runtime_screenshot_viewer_run(SDL_Renderer *renderer, SDL_Window *window,
                                               const SlotKeys *slot_keys, BindingCode escape_code);
