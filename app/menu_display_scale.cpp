#include "app/menu_display_scale.h"

#include "ui/display_scale.h"

namespace {

constexpr int canvas_size = 480;
constexpr size_t scale_text_capacity = 16;

} // namespace

int resolve_menu_display_scale(SDL_Window *window, int requested) {
    uint32_t setting = static_cast<uint32_t>(requested);
    int display = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
    SDL_Rect usable = {0, 0, canvas_size, canvas_size};
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        usable = {0, 0, canvas_size, canvas_size};
    }
    return vortelan_display_scale_resolve(setting, usable.w, usable.h, canvas_size, canvas_size);
}

void apply_menu_display_scale(SDL_Window *window, const MenuState *state, int *current_factor) {
    char text[scale_text_capacity];
    vortelan_display_scale_format(state->display_scale, text, sizeof text);
    SDL_setenv("VORTELAN_EMULATOR_DISPLAY_SCALE", text, 1);
    int factor = resolve_menu_display_scale(window, static_cast<int>(state->display_scale));
    if (factor == *current_factor) {
        return;
    }
    SDL_SetWindowSize(window, factor * canvas_size, factor * canvas_size);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    *current_factor = factor;
}
