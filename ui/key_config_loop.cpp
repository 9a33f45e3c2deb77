#include "ui/key_config_screen.h"

#include "input/binding_lists.h"
#include "input/binding_names.h"
#include "input/binding_state.h"
#include "input/controllers.h"
#include "input/event_matching.h"
#include "menu/settings_file.h"
#include "runtime/text.h"
#include "ui/key_config_steps.h"
#include "ui/presented_frame.h"
#include "ui/screen_events.h"

#include <cstring>

namespace {

constexpr int row_count = 5;
constexpr int reset_row = 3;
constexpr int back_row = 4;
constexpr uint32_t frame_delay_ms = 16;
constexpr size_t a_entry = 4; // the SlotKeys entry of the A button

struct KeyConfigScreen {
    MenuState *state;
    int cursor;
    bool running;
};

void set_status(MenuState *state, const char *status) {
    vortelan_gb_runtime_copy_text(state->status, sizeof state->status, status);
}

void clear_capture(MenuState *state) {
    state->key_config_target = key_config_target_none;
    state->key_config_step = 0;
    state->key_config_wait_release = 0;
    state->key_config_held_code = 0;
}

bool is_arrow_key(BindingCode code) {
    return code == SDLK_RIGHT || code == SDLK_LEFT || code == SDLK_DOWN || code == SDLK_UP;
}

bool is_enter_key(BindingCode code) {
    return code == SDLK_RETURN || code == SDLK_KP_ENTER;
}

// A binding must read back from the name that the settings file stores, or the next start
// loses it, a slot's whole list at once: SDL names keys without a keycode (0) and some others
// with an empty text, the settings file blanks a name holding a control character, and a
// comma in a name splits a slot's list.
bool name_can_be_saved(BindingCode code, bool in_list) {
    char name[menu_key_text_capacity];
    vortelan_gb_runtime_copy_text(name, sizeof name, vortelan_gb_runtime_key_config_key_name(code));
    return name[0] != '\0' && !vortelan_gb_runtime_has_control_characters(name) &&
           !(in_list && std::strchr(name, ',') != nullptr) &&
           vortelan_gb_runtime_key_config_key_from_name(name) == code;
}

void start_selected_config(MenuState *state) {
    switch (state->row) {
    case 0:
        state->key_config_pending = state->slot1_keys;
        state->key_config_target = key_config_target_slot1;
        set_status(state, "CONFIG SLOT1");
        break;
    case 1:
        state->key_config_pending = state->slot2_keys;
        state->key_config_target = key_config_target_slot2;
        set_status(state, "CONFIG SLOT2");
        break;
    case 2:
        state->key_config_target = key_config_target_utility;
        set_status(state, "CONFIG UTILS");
        break;
    default:
        return;
    }
    state->key_config_step = 0;
    state->key_config_wait_release = 0;
    state->key_config_held_code = 0;
}

void finish_key_config(MenuState *state) {
    if (state->key_config_target == key_config_target_slot1) {
        state->slot1_keys = state->key_config_pending;
    } else if (state->key_config_target == key_config_target_slot2) {
        state->slot2_keys = state->key_config_pending;
    }
    vortelan_gb_runtime_menu_refresh_key_descriptions(state);
    clear_capture(state);
    set_status(state, vortelan_gb_runtime_menu_save_config_file(state) == 0
                          ? "KEY CONFIG SAVED"
                          : "KEY CONFIG SAVE FAILED");
}

// A slot keeps its old bindings; the pending ones are dropped.
void cancel_key_config(MenuState *state) {
    clear_capture(state);
    set_status(state, "KEY CONFIG CANCELED");
}

void reset_key_config_defaults(MenuState *state) {
    vortelan_gb_runtime_menu_set_default_bindings(state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(state);
    set_status(state, vortelan_gb_runtime_menu_save_config_file(state) == 0
                          ? "KEY CONFIG RESET"
                          : "KEY CONFIG RESET SAVE FAILED");
}

// Stores one captured input at the current step, unless the step refuses it: arrows cannot
// be buttons or utility keys, Enter cannot be a direction, and nothing that would not read
// back after a restart is taken.
void handle_key_config_press(MenuState *state, BindingCode code) {
    const uint32_t step = state->key_config_step;
    const bool utility = state->key_config_target == key_config_target_utility;
    if (!name_can_be_saved(code, !utility)) {
        set_status(state, "KEY NAME CANNOT BE SAVED");
        return;
    }
    if (utility) {
        if (is_arrow_key(code)) {
            set_status(state, "ARROWS ARE DIRECTION ONLY");
            return;
        }
        if (step < utility_capture::step_count) {
            state->*utility_capture::fields[step] = code;
        }
        if (++state->key_config_step >= utility_capture::step_count) {
            finish_key_config(state);
        }
        return;
    }
    if (step < slot_capture::first_direction_step && is_arrow_key(code)) {
        set_status(state, "ARROWS ARE DIRECTION ONLY");
        return;
    }
    if (step >= slot_capture::first_direction_step && is_enter_key(code)) {
        set_status(state, "ENTER CANNOT BE DIRECTION");
        return;
    }
    if (step < slot_capture::step_count) {
        state->key_config_pending[slot_capture::entries[step]] = code;
    }
    if (++state->key_config_step >= slot_capture::step_count) {
        finish_key_config(state);
    }
}

void move_cursor(KeyConfigScreen *screen, int step) {
    screen->cursor = (screen->cursor + step + row_count) % row_count;
}

void activate(KeyConfigScreen *screen) {
    if (screen->cursor == reset_row) {
        reset_key_config_defaults(screen->state);
    } else if (screen->cursor == back_row) {
        screen->running = false;
    } else {
        screen->state->row = static_cast<MenuRow>(screen->cursor);
        start_selected_config(screen->state);
    }
}

// The arrow keys always move the cursor, also when the slot 1 bindings put them elsewhere.
void navigate_with_key(KeyConfigScreen *screen, BindingCode key, bool back) {
    MenuButtons buttons =
        vortelan_gb_runtime_key_config_button_for_key(&screen->state->slot1_keys, key);
    if (is_enter_key(key)) {
        buttons |= menu_button_a;
    } else if (key == SDLK_UP || key == SDLK_DOWN) {
        if (back) {
            screen->running = false;
        } else {
            // A Down key bound to UP in the slot 1 bindings moves up.
            const bool down = key == SDLK_DOWN && !(buttons & menu_button_up);
            move_cursor(screen, down ? 1 : -1);
        }
        return;
    }
    if (back) {
        screen->running = false;
    } else if (buttons & menu_button_up) {
        move_cursor(screen, -1);
    } else if (buttons & menu_button_down) {
        move_cursor(screen, 1);
    } else if (buttons & menu_button_a) {
        activate(screen);
    }
}

void handle_key_down(KeyConfigScreen *screen, const SDL_Event *event) {
    MenuState *state = screen->state;
    const BindingCode key = event->key.keysym.sym;
    const bool back = event_presses_binding(state->escape_key, event) || key == SDLK_ESCAPE;
    if (state->key_config_target == key_config_target_none) {
        navigate_with_key(screen, key, back);
    } else if (state->key_config_target == key_config_target_utility || !back) {
        handle_key_config_press(state, key); // Escape and the escape binding are keys here
    } else {
        cancel_key_config(state);
    }
}

// A game controller reports one press twice, as a controller and as a joystick button. When
// the press that starts a capture is the first of the two, the second must not be captured.
void hold_activating_press(MenuState *state) {
    if (state->key_config_target != key_config_target_none) {
        state->key_config_wait_release = 1;
        state->key_config_held_code = state->slot1_keys[a_entry];
    }
}

void navigate_with_pad(KeyConfigScreen *screen, const SDL_Event *event) {
    bool is_press = false;
    const MenuButtons buttons = vortelan_gb_runtime_key_config_button_for_event(
        &screen->state->slot1_keys, event, &is_press);
    if (event_presses_binding(screen->state->escape_key, event)) {
        screen->running = false;
    } else if (buttons != 0 && is_press) {
        if (buttons & menu_button_up) {
            move_cursor(screen, -1);
        } else if (buttons & menu_button_down) {
            move_cursor(screen, 1);
        } else if (buttons & menu_button_a) {
            activate(screen);
            hold_activating_press(screen->state);
        }
    }
}

// A captured controller input must be let go before the next one counts, so that one press
// does not fill several steps.
void capture_from_pad(MenuState *state, const SDL_Event *event) {
    if (state->key_config_wait_release) {
        bool pressed = true;
        if (vortelan_gb_runtime_key_config_binding_matches_event(state->key_config_held_code, event,
                                                                 &pressed) &&
            !pressed) {
            state->key_config_wait_release = 0;
            state->key_config_held_code = 0;
        }
        return;
    }
    const BindingCode code = vortelan_gb_runtime_key_config_code_from_event(event);
    if (code != 0) {
        handle_key_config_press(state, code);
        state->key_config_wait_release = 1;
        state->key_config_held_code = code;
    }
}

// An unplugged device sends no release of what it held: once the held input is down on no
// open device, the wait is over.
void release_unheld_input(MenuState *state) {
    if (state->key_config_wait_release &&
        !vortelan_gb_runtime_key_config_binding_pressed(state->key_config_held_code)) {
        state->key_config_wait_release = 0;
        state->key_config_held_code = 0;
    }
}

void handle_event(KeyConfigScreen *screen, const SDL_Event *event) {
    if (event->type == SDL_QUIT) {
        screen->running = false;
    } else if (is_device_change_event(event)) {
        vortelan_gb_runtime_key_config_handle_device_event(event);
        release_unheld_input(screen->state);
    } else if (event->type == SDL_KEYDOWN && !event->key.repeat) {
        handle_key_down(screen, event);
    } else if (is_pad_input_event(event)) {
        if (screen->state->key_config_target == key_config_target_none) {
            navigate_with_pad(screen, event);
        } else {
            capture_from_pad(screen->state, event);
        }
    }
}

} // namespace

void vortelan_gb_runtime_key_config_menu_run(SDL_Renderer *renderer, SDL_Window *,
                                             MenuState *state) {
    const MenuRow menu_row = state->row;
    KeyConfigScreen screen = {state, 0, true};
    set_status(state, "KEY CONFIG");
    clear_capture(state);
    PresentedFrame presented;
    presented_frame_forget(&presented);
    while (screen.running) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event_needs_redraw(&event)) {
                presented_frame_forget(&presented);
            }
            handle_event(&screen, &event);
        }
        if (presented_frame_needs_drawing(&presented, state, screen.cursor)) {
            vortelan_gb_runtime_menu_draw_key_config_menu(renderer, state, screen.cursor);
        }
        SDL_Delay(frame_delay_ms);
    }
    clear_capture(state);
    // Utility keys captured before a quit request stay in effect; their texts must say so.
    vortelan_gb_runtime_menu_refresh_key_descriptions(state);
    state->row = menu_row;
    set_status(state, "READY");
}
