#include "ui/key_config_overlay.h"

#include "ui/bitmap_text.h"
#include "ui/key_config_steps.h"
#include "ui/screen_style.h"

#include <cstdio>

namespace {

constexpr int text_x = 78;

// The prompt of the step waiting for input; empty for a step outside the sequence.
void format_prompt(const MenuState *state, char *prompt, size_t capacity) {
    prompt[0] = '\0';
    const uint32_t step = state->key_config_step;
    if (state->key_config_target == key_config_target_utility) {
        if (step < utility_capture::step_count) {
            std::snprintf(prompt, capacity, "%s", utility_capture::prompts[step]);
        }
    } else if (step < slot_capture::step_count) {
        std::snprintf(prompt, capacity, "PRESS %s", slot_capture::names[step]);
    }
}

} // namespace

void draw_key_config_capture_overlay(SDL_Renderer *renderer, const MenuState *state) {
    screen_style::fill(renderer, 42, 150, 396, 190, screen_style::panel);
    vortelan_gb_runtime_sdl_draw_text(renderer, text_x, 184, "KEY CONFIG", 4, screen_style::title);
    char prompt[64];
    format_prompt(state, prompt, sizeof prompt);
    vortelan_gb_runtime_sdl_draw_text(renderer, text_x, 254, prompt, 3, screen_style::highlight);
    vortelan_gb_runtime_sdl_draw_text(renderer, text_x, 310, "ESC CANCELS", 2, screen_style::dim);
}
