#include "app/main_loop.h"

#include "app/menu_diagnostics.h"
#include "app/menu_display_scale.h"
#include "app/menu_input.h"
#include "input/controllers.h"
#include "menu/settings_file.h"
#include "runtime/text.h"
#include "ui/main_menu_screen.h"
#include "ui/presented_frame.h"
#include "ui/screen_events.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr Uint32 frame_delay_ms = 16;

void log_window_event(const SDL_WindowEvent &window) {
    std::fprintf(stderr, "menu event: %s %s window=%u data1=%d data2=%d\n",
                 sdl_event_name(window.type), window_event_name(window.event),
                 static_cast<unsigned>(window.windowID), static_cast<int>(window.data1),
                 static_cast<int>(window.data2));
    std::fflush(stderr);
}

void report_quit(const SDL_Event &quit) {
    std::fprintf(stderr, "menu event: %s received, exiting menu loop\n", sdl_event_name(quit.type));
    std::fflush(stderr);
}

void type_text(MenuState *state, const char *text) {
    char *value = vortelan_gb_runtime_menu_row_value(state, state->row);
    if (state->editing != 0 && value != nullptr) {
        vortelan_gb_runtime_menu_append_text(
            value, vortelan_gb_runtime_menu_row_value_capacity(state->row), text);
    }
}

MenuInputResult handle_event(MenuState *state, const SDL_Event *event, SDL_Renderer *renderer,
                             SDL_Window *window) {
    switch (event->type) {
    case SDL_QUIT:
        report_quit(*event);
        return MenuInputResult::leave_menu;
    case SDL_WINDOWEVENT:
        log_window_event(event->window);
        return MenuInputResult::keep_running;
    case SDL_TEXTINPUT:
        type_text(state, event->text.text);
        return MenuInputResult::keep_running;
    case SDL_KEYDOWN:
        return vortelan_gb_runtime_menu_handle_key_down(state, event, renderer, window);
    default:
        break;
    }
    if (is_device_change_event(event)) {
        std::fprintf(stderr, "menu event: %s device changed\n", sdl_event_name(event->type));
        std::fflush(stderr);
        vortelan_gb_runtime_key_config_handle_device_event(event);
    } else if (is_pad_input_event(event)) {
        return vortelan_gb_runtime_menu_handle_pad_event(state, event, renderer, window);
    }
    return MenuInputResult::keep_running;
}

// Once per frame however often the row was cycled; the window follows even when the
// settings file could not be written.
void save_and_apply_scale(MenuState *state, SDL_Window *window, int *current_factor) {
    const char *status = vortelan_gb_runtime_menu_save_config_file(state) == 0
                             ? "DISPLAY SCALE SAVED"
                             : "DISPLAY SCALE SAVE FAILED";
    vortelan_gb_runtime_copy_text(state->status, sizeof state->status, status);
    apply_menu_display_scale(window, state, current_factor);
    state->display_scale_changed = 0;
}

// The smoke draw's wait still ends at the platform's quit request (a closed window, SIGTERM),
// as the interactive loop would; the other events wait in the queue.
void wait_out_smoke_draw(uint32_t smoke_draw_ms) {
    const Uint64 end = SDL_GetTicks64() + smoke_draw_ms;
    for (;;) {
        SDL_PumpEvents();
        SDL_Event quit;
        if (SDL_PeepEvents(&quit, 1, SDL_GETEVENT, SDL_QUIT, SDL_QUIT) == 1) {
            report_quit(quit);
            return;
        }
        const Uint64 now = SDL_GetTicks64();
        if (now >= end) {
            return;
        }
        SDL_Delay(static_cast<Uint32>(std::min<Uint64>(end - now, frame_delay_ms)));
    }
}

} // namespace

void vortelan_gb_runtime_menu_main_loop(MenuState *state, SDL_Renderer *renderer,
                                        SDL_Window *window, int *current_factor,
                                        uint32_t smoke_draw_ms) {
    PresentedFrame presented;
    presented_frame_forget(&presented);
    bool keep_running = true;
    while (keep_running) {
        SDL_Event event;
        while (keep_running && SDL_PollEvent(&event) != 0) {
            const MenuInputResult result = handle_event(state, &event, renderer, window);
            if (result == MenuInputResult::screen_closed || event_needs_redraw(&event)) {
                presented_frame_forget(&presented);
            }
            keep_running = result != MenuInputResult::leave_menu;
        }
        if (state->display_scale_changed != 0) {
            save_and_apply_scale(state, window, current_factor);
        }
        if (presented_frame_needs_drawing(&presented, state, 0)) {
            vortelan_gb_runtime_menu_draw(renderer, state);
        }
        if (smoke_draw_ms != 0) {
            wait_out_smoke_draw(smoke_draw_ms);
            return;
        }
        SDL_Delay(frame_delay_ms);
    }
}
