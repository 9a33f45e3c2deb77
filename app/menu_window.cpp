#include "app/menu_window.h"

#include "app/main_loop.h"
#include "app/menu_diagnostics.h"
#include "app/menu_display_scale.h"
#include "input/controllers.h"

#include <SDL.h>

#include <cstdio>

namespace {

constexpr int canvas_size = 480;
constexpr const char *window_title = "VORTELAN EMULATOR - GB Runtime";

int report_sdl_failure(const char *what) {
    std::fprintf(stderr, "%s failed: %s\n", what, SDL_GetError());
    std::fflush(stderr);
    return 1;
}

void open_controllers() {
    int count = vortelan_gb_runtime_key_config_open_game_controllers();
    if (count > 0) {
        std::printf("  game controllers: %d\n", count);
        std::fflush(stdout);
    }
}

// Without a usable accelerated driver the software renderer draws the same frames.
SDL_Renderer *create_renderer(SDL_Window *window) {
    SDL_Renderer *renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    return renderer;
}

void shut_down(MenuState *state, SDL_Renderer *renderer, SDL_Window *window) {
    log_menu_state(state, "menu loop exited");
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    std::fprintf(stderr, "menu exit: normal return without launching runtime\n");
    std::fflush(stderr);
}

} // namespace

int vortelan_gb_runtime_menu_run_window(MenuState *state, uint32_t smoke_draw_ms) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS) !=
        0) {
        return report_sdl_failure("SDL_Init");
    }
    open_controllers();

    int factor = resolve_menu_display_scale(nullptr, static_cast<int>(state->display_scale));
    SDL_Window *window = SDL_CreateWindow(
        window_title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, canvas_size * factor,
        canvas_size * factor, SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) {
        int code = report_sdl_failure("SDL_CreateWindow");
        SDL_Quit();
        return code;
    }
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);

    SDL_Renderer *renderer = create_renderer(window);
    if (renderer == nullptr) {
        int code = report_sdl_failure("SDL_CreateRenderer");
        SDL_DestroyWindow(window);
        SDL_Quit();
        return code;
    }
    if (SDL_RenderSetLogicalSize(renderer, canvas_size, canvas_size) != 0) {
        int code = report_sdl_failure("SDL_RenderSetLogicalSize");
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_Quit();
        return code;
    }
    // Only whole multiples of the canvas, so every font pixel stays a sharp square.
    SDL_RenderSetIntegerScale(renderer, SDL_TRUE);
    apply_menu_display_scale(window, state, &factor);

    vortelan_gb_runtime_menu_main_loop(state, renderer, window, &factor, smoke_draw_ms);
    shut_down(state, renderer, window);
    return 0;
}
