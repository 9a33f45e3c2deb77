#include "ui/screenshot_viewer.h"

#include "input/controllers.h"
#include "input/event_matching.h"
#include "runtime/files.h"
#include "runtime/text.h"
#include "ui/screen_events.h"
#include "ui/screenshot_view.h"

#include <cstring>

namespace {

constexpr MenuButtons direction_buttons =
    menu_button_right | menu_button_left | menu_button_up | menu_button_down;

enum class Outcome { ignore, redraw, leave };

struct Input {
    const SDL_Event *event;
    const SlotKeys *slot_keys;
    bool escape; // the escape binding is pressed by this event
};

void set_message(ScreenshotView *view, const char *message) {
    vortelan_gb_runtime_copy_text(view->message, sizeof view->message, message);
}

void open_screenshot_list(ScreenshotView *view) {
    std::memset(view, 0, sizeof *view);
    const char *const suffixes[] = {".bmp"};
    vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(&view->shots, "screenshot", suffixes, 1);
    vortelan_gb_runtime_choice_list_sort(&view->shots);
    view->index = view->shots.count > 0 ? view->shots.count - 1 : 0;
    set_message(view, "SCREENSHOT/ STORES SELF MODE CAPTURES");
}

Outcome step(ScreenshotView *view, int direction) {
    const uint32_t count = view->shots.count;
    view->index = (view->index + (direction > 0 ? 1 : count - 1)) % count;
    return Outcome::redraw;
}

Outcome open_dialog(ScreenshotView *view) {
    view->dialog_open = true;
    view->yes_selected = false;
    set_message(view, "CONFIRM DELETE");
    return Outcome::redraw;
}

Outcome toggle_choice(ScreenshotView *view) {
    view->yes_selected = !view->yes_selected;
    return Outcome::redraw;
}

Outcome cancel_delete(ScreenshotView *view) {
    view->dialog_open = false;
    set_message(view, "DELETE CANCELED");
    return Outcome::redraw;
}

Outcome perform_choice(ScreenshotView *view) {
    if (!view->yes_selected) {
        return cancel_delete(view);
    }
    view->dialog_open = false;
    char path[512];
    if (!screenshot_path(view->shots.names[view->index], path, sizeof path) ||
        vortelan_gb_runtime_unlink(path) != 0) {
        set_message(view, "DELETE FAILED");
        return Outcome::redraw;
    }
    vortelan_gb_runtime_choice_list_remove_at(&view->shots, view->index);
    if (view->index >= view->shots.count) {
        view->index = view->shots.count > 0 ? view->shots.count - 1 : 0;
    }
    set_message(view, "DELETED");
    return Outcome::redraw;
}

// Escape without anything to cancel leaves.
Outcome escape(ScreenshotView *view) {
    return view->dialog_open && view->shots.count > 0 ? cancel_delete(view) : Outcome::leave;
}

Outcome dialog_key(ScreenshotView *view, const Input &input, SDL_Keycode key, MenuButtons buttons) {
    if (input.escape) {
        return cancel_delete(view);
    }
    if (key == SDLK_RIGHT || key == SDLK_LEFT || key == SDLK_DOWN || key == SDLK_UP ||
        (buttons & direction_buttons)) {
        return toggle_choice(view);
    }
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER || (buttons & menu_button_a)) {
        return perform_choice(view);
    }
    return Outcome::redraw;
}

Outcome browse_key(ScreenshotView *view, const Input &input, SDL_Keycode key, MenuButtons buttons) {
    if (input.escape || key == SDLK_RETURN || key == SDLK_KP_ENTER || (buttons & menu_button_a)) {
        return Outcome::leave;
    }
    if (key == SDLK_DELETE || key == SDLK_BACKSPACE || key == SDLK_d) {
        return open_dialog(view);
    }
    // The arrow keys themselves win over whatever pad buttons the slot 1 bindings give them.
    if (key == SDLK_LEFT || key == SDLK_UP) {
        return step(view, -1);
    }
    if (buttons & (menu_button_left | menu_button_up)) {
        return step(view, -1);
    }
    if (key == SDLK_RIGHT || key == SDLK_DOWN) {
        return step(view, 1);
    }
    if (buttons & (menu_button_right | menu_button_down)) {
        return step(view, 1);
    }
    return Outcome::ignore;
}

Outcome key_down(ScreenshotView *view, const Input &input) {
    const SDL_Keycode key = input.event->key.keysym.sym;
    const MenuButtons buttons =
        input.slot_keys != nullptr
            ? vortelan_gb_runtime_key_config_button_for_key(input.slot_keys, key)
            : 0;
    if (key == SDLK_ESCAPE) {
        return escape(view);
    }
    if (view->shots.count == 0) {
        return Outcome::leave;
    }
    return view->dialog_open ? dialog_key(view, input, key, buttons)
                             : browse_key(view, input, key, buttons);
}

Outcome pad_press(ScreenshotView *view, const Input &input, MenuButtons buttons) {
    if (view->shots.count == 0) {
        return Outcome::leave;
    }
    if (view->dialog_open) {
        if (input.escape) {
            return cancel_delete(view);
        }
        if (buttons & direction_buttons) {
            return toggle_choice(view);
        }
        return buttons & menu_button_a ? perform_choice(view) : Outcome::redraw;
    }
    if (input.escape || (buttons & menu_button_a)) {
        return Outcome::leave;
    }
    if (buttons & (menu_button_left | menu_button_up)) {
        return step(view, -1);
    }
    if (buttons & (menu_button_right | menu_button_down)) {
        return step(view, 1);
    }
    return Outcome::ignore;
}

// The window comes back to the front whenever it is shown again; text input typed for the
// menu's editing must not run behind the viewer.
void bring_window_forward(SDL_Window *window, const SDL_Event *event) {
    const uint8_t change = event->window.event;
    if (change == SDL_WINDOWEVENT_SHOWN || change == SDL_WINDOWEVENT_RESTORED ||
        change == SDL_WINDOWEVENT_FOCUS_GAINED) {
        SDL_RaiseWindow(window);
        SDL_StopTextInput();
    }
}

Outcome handle_event(ScreenshotView *view, SDL_Window *window, const Input &input) {
    const SDL_Event *event = input.event;
    if (event->type == SDL_QUIT) {
        return Outcome::leave;
    }
    if (event->type == SDL_WINDOWEVENT) {
        bring_window_forward(window, event);
    }
    if (is_device_change_event(event)) {
        vortelan_gb_runtime_key_config_handle_device_event(event);
        return Outcome::ignore;
    }
    if (event->type == SDL_KEYDOWN) {
        return event->key.repeat ? Outcome::ignore : key_down(view, input);
    }
    if (is_pad_input_event(event) && input.slot_keys != nullptr) {
        bool is_press = false;
        const MenuButtons buttons =
            vortelan_gb_runtime_key_config_button_for_event(input.slot_keys, event, &is_press);
        if (buttons != 0 && is_press) {
            return pad_press(view, input, buttons);
        }
    }
    if (input.escape) {
        return escape(view);
    }
    // Uncovered, restored or shown again: the window holds no picture until it is drawn anew.
    return window_picture_lost(event) ? Outcome::redraw : Outcome::ignore;
}

} // namespace

void vortelan_gb_runtime_screenshot_viewer_run(SDL_Renderer *renderer, SDL_Window *window,
                                               const SlotKeys *slot_keys, BindingCode escape_code) {
    ScreenshotView view;
    open_screenshot_list(&view);
    draw_screenshot_view(renderer, &view);
    for (;;) {
        SDL_Event event;
        if (!SDL_WaitEvent(&event)) {
            draw_screenshot_view(renderer, &view);
            continue;
        }
        bool pressed = false;
        const Input input = {
            &event, slot_keys,
            vortelan_gb_runtime_key_config_binding_matches_event(escape_code, &event, &pressed) &&
                pressed};
        const Outcome outcome = handle_event(&view, window, input);
        if (outcome == Outcome::leave) {
            return;
        }
        if (outcome == Outcome::redraw) {
            draw_screenshot_view(renderer, &view);
        }
    }
}
