#include "app/menu_input.h"

#include "app/menu_diagnostics.h"
#include "input/event_matching.h"
#include "runtime/text.h"
#include "ui/key_config_screen.h"
#include "ui/screen_events.h"
#include "ui/screenshot_viewer.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr MenuButtons side_buttons = menu_button_left | menu_button_right;
constexpr size_t tag_capacity = 64;

void set_status(MenuState *state, const char *status) {
    vortelan_gb_runtime_copy_text(state->status, sizeof state->status, status);
}

void print_line(const char *line) {
    std::fputs(line, stderr);
    std::fflush(stderr);
}

// "after <device> <what>", the state line that follows each move and cycle.
void log_after(const MenuState *state, const char *device, const char *what) {
    char tag[tag_capacity];
    std::snprintf(tag, sizeof tag, "after %s %s", device, what);
    log_menu_state(state, tag);
}

// Both directions wrap over the eleven rows.
void move_cursor(MenuState *state, bool up, const char *device) {
    uint32_t step = up ? menu_row_count - 1 : 1;
    state->row = static_cast<MenuRow>((state->row + step) % menu_row_count);
    log_after(state, device, up ? "up" : "down");
}

void cycle_row(MenuState *state, int direction, const char *device) {
    vortelan_gb_runtime_menu_cycle_selected(state, direction);
    log_after(state, device, direction > 0 ? "right" : "left");
}

// Gameplay is started by the client program, never from here.
MenuInputResult activate_selected(MenuState *state, SDL_Renderer *renderer, SDL_Window *window) {
    log_menu_state(state, "activate selected");
    if (state->row != MENU_ROW_START) {
        std::fprintf(stderr, "menu action: activate non-start row, cycle selected row=%u(%s)\n",
                     static_cast<unsigned>(state->row), menu_row_name(state->row));
        std::fflush(stderr);
        vortelan_gb_runtime_menu_cycle_selected(state, 1);
        log_menu_state(state, "after non-start activate cycle");
        return MenuInputResult::keep_running;
    }
    if (state->mode == MENU_MODE_SCREENSHOT_VIEW) {
        print_line("menu action: open screenshot viewer\n");
        vortelan_gb_runtime_screenshot_viewer_run(renderer, window, &state->slot1_keys,
                                                  state->escape_key);
        set_status(state, "READY");
        return MenuInputResult::screen_closed;
    }
    if (state->mode == MENU_MODE_KEY_CONFIG) {
        print_line("menu action: open key config\n");
        vortelan_gb_runtime_key_config_menu_run(renderer, window, state);
        set_status(state, "READY");
        return MenuInputResult::screen_closed;
    }
    set_status(state, "START FROM VORTELAN CLIENT");
    log_menu_state(state, "standalone launch rejected");
    return MenuInputResult::keep_running;
}

// Browsing: the first of UP, DOWN, LEFT, RIGHT and A that the buttons hold.
MenuInputResult press_buttons(MenuState *state, MenuButtons mask, const char *device,
                              SDL_Renderer *renderer, SDL_Window *window) {
    if ((mask & menu_button_up) != 0) {
        move_cursor(state, true, device);
    } else if ((mask & menu_button_down) != 0) {
        move_cursor(state, false, device);
    } else if ((mask & menu_button_left) != 0) {
        cycle_row(state, -1, device);
    } else if ((mask & menu_button_right) != 0) {
        cycle_row(state, 1, device);
    } else if ((mask & menu_button_a) != 0) {
        return activate_selected(state, renderer, window);
    }
    return MenuInputResult::keep_running;
}

// A in the quit dialog: YES ends the menu, NO closes the dialog.
MenuInputResult answer_quit_dialog(MenuState *state, bool by_controller) {
    if (state->quit_yes != 0) {
        print_line(by_controller ? "menu quit: confirmed yes by controller, exiting menu loop\n"
                                 : "menu quit: confirmed yes, exiting menu loop\n");
        return MenuInputResult::leave_menu;
    }
    print_line(by_controller ? "menu quit: selected no by controller, close confirm\n"
                             : "menu quit: selected no, close confirm\n");
    state->quit_confirm = 0;
    return MenuInputResult::keep_running;
}

void toggle_quit_choice(MenuState *state) {
    state->quit_yes = state->quit_yes != 0 ? 0 : 1;
}

bool is_enter(SDL_Keycode key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER;
}

// The buttons a key stands for: its slot 1 binding, plus the fixed meaning of Return and
// keypad Enter (A) and of the side arrows.
MenuButtons key_buttons(const MenuState *state, SDL_Keycode key) {
    MenuButtons mask = vortelan_gb_runtime_key_config_button_for_key(&state->slot1_keys, key);
    if (is_enter(key)) {
        mask |= menu_button_a;
    } else if (key == SDLK_RIGHT) {
        mask |= menu_button_right;
    } else if (key == SDLK_LEFT) {
        mask |= menu_button_left;
    }
    return mask;
}

MenuInputResult quit_dialog_key(MenuState *state, SDL_Keycode key, bool escape_pressed) {
    MenuButtons mask = key_buttons(state, key);
    log_menu_button_action(state, mask, "keyboard quit confirm");
    if (escape_pressed || key == SDLK_ESCAPE) {
        print_line("menu quit: canceled by escape\n");
        state->quit_confirm = 0;
    } else if ((mask & side_buttons) != 0) {
        toggle_quit_choice(state);
    } else if ((mask & menu_button_a) != 0) {
        return answer_quit_dialog(state, false);
    }
    return MenuInputResult::keep_running;
}

// Escape closes text editing first; only from browsing does it open the quit dialog, which
// always starts on NO.
void escape_outside_dialog(MenuState *state) {
    if (state->editing != 0) {
        std::fprintf(stderr, "menu edit: escape closes editing row=%u(%s)\n",
                     static_cast<unsigned>(state->row), menu_row_name(state->row));
        std::fflush(stderr);
        state->editing = 0;
        SDL_StopTextInput();
        return;
    }
    print_line("menu quit: open confirm by escape binding/key\n");
    state->quit_confirm = 1;
    state->quit_yes = 0;
}

// Backspace takes away the last character whole, so typed UTF-8 never ends half cut.
void erase_last_character(char *text) {
    size_t length = std::strlen(text);
    if (length == 0) {
        return;
    }
    size_t start = length - 1;
    constexpr size_t longest_tail = 3;
    while (start > 0 && length - 1 - start < longest_tail &&
           (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0xC0) {
        start = length - 1;
    }
    text[start] = '\0';
}

// Characters arrive as text input events; Return ends editing, keypad Enter does not.
void editing_key(MenuState *state, SDL_Keycode key) {
    if (key == SDLK_RETURN) {
        state->editing = 0;
        SDL_StopTextInput();
    } else if (key == SDLK_BACKSPACE) {
        char *text = vortelan_gb_runtime_menu_row_value(state, state->row);
        if (text != nullptr) {
            erase_last_character(text);
        }
    }
}

void start_editing(MenuState *state) {
    if (vortelan_gb_runtime_menu_row_value(state, state->row) == nullptr) {
        set_status(state, "F2 EDITS CART HOST PORT");
        return;
    }
    state->editing = 1;
    SDL_StartTextInput();
}

MenuInputResult browsing_key(MenuState *state, SDL_Keycode key, SDL_Renderer *renderer,
                             SDL_Window *window) {
    MenuButtons bound = vortelan_gb_runtime_key_config_button_for_key(&state->slot1_keys, key);
    if (key == SDLK_DOWN) {
        log_menu_button_action(state, bound | menu_button_down, "keyboard");
        move_cursor(state, (bound & menu_button_up) != 0, "keyboard");
        return MenuInputResult::keep_running;
    }
    if (key == SDLK_UP) {
        log_menu_button_action(state, bound | menu_button_up, "keyboard");
        move_cursor(state, true, "keyboard");
        return MenuInputResult::keep_running;
    }
    MenuButtons mask = key_buttons(state, key);
    if (mask == 0) {
        return MenuInputResult::keep_running;
    }
    log_menu_button_action(state, mask, "keyboard");
    return press_buttons(state, mask, "keyboard", renderer, window);
}

// Held keys repeat only where one press per step would be tedious: the RTC offset.
void repeated_key(MenuState *state, SDL_Keycode key) {
    if (state->editing != 0 || state->quit_confirm != 0 || state->row != MENU_ROW_RTC_OFFSET) {
        return;
    }
    if (key == SDLK_RIGHT) {
        vortelan_gb_runtime_menu_cycle_selected(state, 1);
    } else if (key == SDLK_LEFT) {
        vortelan_gb_runtime_menu_cycle_selected(state, -1);
    }
}

} // namespace

MenuInputResult vortelan_gb_runtime_menu_handle_key_down(MenuState *state, const SDL_Event *event,
                                                         SDL_Renderer *renderer,
                                                         SDL_Window *window) {
    SDL_Keycode key = event->key.keysym.sym;
    if (event->key.repeat != 0) {
        repeated_key(state, key);
        return MenuInputResult::keep_running;
    }
    bool escape_pressed = event_presses_binding(state->escape_key, event);
    if (state->quit_confirm != 0) {
        return quit_dialog_key(state, key, escape_pressed);
    }
    if (escape_pressed || key == SDLK_ESCAPE) {
        escape_outside_dialog(state);
    } else if (state->editing != 0) {
        editing_key(state, key);
    } else if (key == SDLK_F2) {
        start_editing(state);
    } else {
        return browsing_key(state, key, renderer, window);
    }
    return MenuInputResult::keep_running;
}

MenuInputResult vortelan_gb_runtime_menu_handle_pad_event(MenuState *state, const SDL_Event *event,
                                                          SDL_Renderer *renderer,
                                                          SDL_Window *window) {
    if (state->editing != 0) {
        return MenuInputResult::keep_running;
    }
    bool is_press = false;
    MenuButtons mask =
        vortelan_gb_runtime_key_config_button_for_event(&state->slot1_keys, event, &is_press);
    if (event_presses_binding(state->escape_key, event)) {
        if (state->quit_confirm != 0) {
            std::fprintf(stderr, "menu quit: canceled by controller escape binding event=%s\n",
                         sdl_event_name(event->type));
            state->quit_confirm = 0;
        } else {
            std::fprintf(stderr, "menu quit: open confirm by controller escape binding event=%s\n",
                         sdl_event_name(event->type));
            state->quit_confirm = 1;
            state->quit_yes = 0;
        }
        std::fflush(stderr);
        return MenuInputResult::keep_running;
    }
    if (mask == 0 || !is_press) {
        return MenuInputResult::keep_running;
    }
    log_menu_button_action(state, mask, "controller/joystick");
    if (state->quit_confirm == 0) {
        return press_buttons(state, mask, "controller", renderer, window);
    }
    if ((mask & side_buttons) != 0) {
        toggle_quit_choice(state);
        log_menu_state(state, "after controller quit confirm toggle");
    } else if ((mask & menu_button_a) != 0) {
        return answer_quit_dialog(state, true);
    }
    return MenuInputResult::keep_running;
}
