#pragma once

#include "app/menu_state.h"

#include <SDL.h>

// What keyboard, controller and joystick input does to the menu, in three layers: the escape
// binding, the fixed keys (arrows, Return, keypad Enter, Escape, F2, Backspace), then the
// slot 1 bindings as menu buttons. START in the screenshot or key configuration mode runs
// that screen on the renderer and window until it returns.

// What an input means for the loop around it.
enum class MenuInputResult {
    keep_running,
    screen_closed, // a sub-screen ran and drew over the menu, which must be drawn again
    leave_menu,    // YES confirmed in the quit dialog
};

MenuInputResult vortelan_gb_runtime_menu_handle_key_down(MenuState *state, const SDL_Event *event,
                                                         SDL_Renderer *renderer,
                                                         SDL_Window *window);

// Controller button and axis, joystick axis, hat and button events; ignored while editing.
MenuInputResult vortelan_gb_runtime_menu_handle_pad_event(MenuState *state, const SDL_Event *event,
                                                          SDL_Renderer *renderer,
                                                          SDL_Window *window);
