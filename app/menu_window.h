#pragma once

#include "app/menu_state.h"

#include <cstdint>

// Opens SDL, the controllers, the window (sized from the display scale) and its renderer
// (accelerated, else software), runs the main loop and shuts everything down again.
// 0 after the loop, 1 when SDL, the window or the renderer cannot be set up.
int vortelan_gb_runtime_menu_run_window(MenuState *state, uint32_t smoke_draw_ms);
