#include "ui/main_menu_screen.h"

#include "ui/bitmap_text.h"
#include "ui/display_scale.h"
#include "ui/key_config_overlay.h"
#include "ui/screen_style.h"

#include <cstdio>

namespace {

constexpr const char *row_labels[menu_row_count] = {
    "START", "SLOT1 CART", "SLOT2 CART",  "MODE",       "SPEED",        "DISCOVER",
    "HOST",  "PORT",       "CLIENT CART", "RTC OFFSET", "DISPLAY SCALE"};

constexpr int value_x = 184;
constexpr int value_right = 462;
// The one label longer than the value column allows; its value starts one character after it.
constexpr int display_scale_value_x = 212;
constexpr int help_x = 22;
constexpr int status_x = 318;
constexpr int status_y = 452;
constexpr int status_max_width = 140;

// START stands 14 pixels above where the regular pitch would put it.
int row_y(uint32_t row) {
    return row == MENU_ROW_START ? 72 : 86 + 28 * static_cast<int>(row);
}

int row_value_x(uint32_t row) {
    return row == MENU_ROW_DISPLAY_SCALE ? display_scale_value_x : value_x;
}

// The row values that are formatted rather than stored as text.
struct FormattedValues {
    char speed[16];
    char rtc_offset[32];
    char display_scale[16];
};

void format_values(const MenuState *state, FormattedValues *values) {
    std::snprintf(values->speed, sizeof values->speed, "x%u", state->speed);
    vortelan_gb_runtime_menu_format_rtc_offset(state->rtc_offset_minutes, values->rtc_offset,
                                               sizeof values->rtc_offset);
    vortelan_display_scale_format(state->display_scale, values->display_scale,
                                  sizeof values->display_scale);
}

const char *row_value(const MenuState *state, uint32_t row, const FormattedValues &values) {
    const bool self = state->mode == MENU_MODE_SELF;
    switch (row) {
    case MENU_ROW_START:
        return "PRESS A";
    case MENU_ROW_SLOT1_CART:
        return state->slot1_cart;
    case MENU_ROW_SLOT2_CART:
        return state->slot2_cart[0] != '\0' ? state->slot2_cart : "<CLIENT UPLOAD>";
    case MENU_ROW_MODE:
        return vortelan_gb_runtime_menu_mode_name(state->mode);
    case MENU_ROW_SPEED:
        return self ? values.speed : "SELF ONLY";
    case MENU_ROW_DISCOVER:
        return state->discover ? "AUTOMATIC" : "MANUAL";
    case MENU_ROW_HOST:
        return state->host;
    case MENU_ROW_PORT:
        return state->port;
    case MENU_ROW_CLIENT_CART:
        return state->client_cart ? "UPLOAD SLOT1" : "RECEIVE ONLY";
    case MENU_ROW_RTC_OFFSET:
        return self ? values.rtc_offset : "SELF ONLY";
    default:
        return values.display_scale;
    }
}

void draw_quit_dialog(SDL_Renderer *renderer, const MenuState *state) {
    screen_style::fill(renderer, 42, 154, 396, 170, screen_style::panel);
    vortelan_gb_runtime_sdl_draw_text(renderer, 78, 190, "QUIT KIVARO GBC?", 3,
                                      screen_style::title);
    screen_style::draw_yes_no(renderer, vortelan_gb_runtime_sdl_draw_text, state->quit_yes != 0,
                              274, screen_style::highlight);
    vortelan_gb_runtime_sdl_draw_text(renderer, 78, 302, "A ENTER SELECT", 1, screen_style::value);
}

} // namespace

void vortelan_gb_runtime_menu_draw(SDL_Renderer *renderer, const MenuState *state) {
    screen_style::clear(renderer);
    screen_style::draw_heading(renderer, "KIVARO GBC", 4);
    FormattedValues values;
    format_values(state, &values);
    for (uint32_t row = 0; row < menu_row_count; ++row) {
        const int y = row_y(row);
        screen_style::draw_row_label(renderer, y, y - 8, 28, row_labels[row], state->row == row);
        const int x = row_value_x(row);
        vortelan_gb_runtime_sdl_draw_text_fit(renderer, x, y, row_value(state, row, values),
                                              screen_style::row_text_scale, screen_style::value,
                                              value_right - x);
    }
    if (state->key_config_target != 0) {
        draw_key_config_capture_overlay(renderer, state);
    }
    if (state->quit_confirm) {
        draw_quit_dialog(renderer, state);
    }
    vortelan_gb_runtime_sdl_draw_text(renderer, help_x, 432, "ENTER SELECT  ARROWS MOVE CHANGE", 1,
                                      screen_style::dim);
    vortelan_gb_runtime_sdl_draw_text(renderer, help_x, 452, "F2 EDIT   ESC QUIT", 1,
                                      screen_style::dim);
    if (state->editing) {
        vortelan_gb_runtime_sdl_draw_text_fit(renderer, status_x, status_y, "EDITING TEXT", 1,
                                              screen_style::highlight, status_max_width);
    } else {
        vortelan_gb_runtime_sdl_draw_text_fit(renderer, status_x, status_y, state->status, 1,
                                              screen_style::dim, status_max_width);
    }
    SDL_RenderPresent(renderer);
}
