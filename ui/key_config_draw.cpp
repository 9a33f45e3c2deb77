#include "ui/key_config_screen.h"

#include "runtime/text.h"
#include "ui/bitmap_text.h"
#include "ui/key_config_overlay.h"
#include "ui/screen_style.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int row_count = 5;
constexpr int line_x = 44;
constexpr int line_max_width = 410;
constexpr size_t line_capacity = 192;
constexpr size_t entry_capacity = 64;

struct RowLines {
    char lines[3][line_capacity];
};

// Lines longer than their 192 bytes are cut; the fit operation cuts them further on screen.
[[gnu::format(printf, 3, 4)]] void format_line(RowLines *row, int line, const char *format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(row->lines[line], line_capacity, format, arguments);
    va_end(arguments);
}

const char *or_unknown(const char *text) {
    return text[0] != '\0' ? text : "UNKNOWN";
}

// Splits a slot's binding text at its commas into the direction and the button line; names
// that are missing show as "UNKNOWN".
void format_slot_key_summary(const char *keys_text, RowLines *row) {
    char entries[slot_key_count][entry_capacity] = {};
    char work[menu_keys_text_capacity];
    vortelan_gb_runtime_copy_text(work, sizeof work, keys_text);
    char *position = nullptr;
    size_t count = 0;
    for (char *piece = strtok_r(work, ",", &position); piece != nullptr && count < slot_key_count;
         piece = strtok_r(nullptr, ",", &position)) {
        while (*piece == ' ') {
            ++piece;
        }
        vortelan_gb_runtime_copy_text(entries[count++], entry_capacity, piece);
    }
    format_line(row, 0, "RIGHT=[%s],LEFT=[%s],UP=[%s],DOWN=[%s]", or_unknown(entries[0]),
                or_unknown(entries[1]), or_unknown(entries[2]), or_unknown(entries[3]));
    format_line(row, 1, "A=[%s],B=[%s],SELECT=[%s],START=[%s]", or_unknown(entries[4]),
                or_unknown(entries[5]), or_unknown(entries[6]), or_unknown(entries[7]));
}

void format_utility_lines(const MenuState *state, RowLines *row) {
    format_line(row, 0, "FAST = [%s],SCREENSHOT = [%s]", or_unknown(state->fast_key_text),
                or_unknown(state->screenshot_key_text));
    format_line(row, 1, "ESCAPE = [%s],TURBO = [%s]", or_unknown(state->escape_key_text),
                or_unknown(state->turbo_hold_key_text));
    format_line(row, 2, "RESET = [%s]", or_unknown(state->reset_key_text));
}

void format_rows(const MenuState *state, RowLines rows[row_count]) {
    std::memset(rows, 0, sizeof(RowLines) * row_count);
    format_slot_key_summary(state->slot1_keys_text, &rows[0]);
    format_slot_key_summary(state->slot2_keys_text, &rows[1]);
    format_utility_lines(state, &rows[2]);
    vortelan_gb_runtime_copy_text(rows[3].lines[0], line_capacity, "DEFAULTS");
    vortelan_gb_runtime_copy_text(rows[4].lines[0], line_capacity, "RETURN MENU");
}

constexpr const char *row_labels[row_count] = {"SLOT 1 KEYS", "SLOT 2 KEYS", "UTIL KEYS",
                                               "RESET KEYS", "BACK"};

void draw_row(SDL_Renderer *renderer, int index, const RowLines &row, bool selected) {
    const int base = 116 + 68 * index;
    screen_style::draw_row_label(renderer, base - 40, base - 48, 62, row_labels[index], selected);
    // The third line ends one pixel above the next row's bar.
    const int line_y[3] = {base - 16, base, base + 13};
    for (int line = 0; line < 3; ++line) {
        if (line == 0 || row.lines[line][0] != '\0') {
            vortelan_gb_runtime_sdl_draw_text_fit(renderer, line_x, line_y[line], row.lines[line],
                                                  1, screen_style::value, line_max_width);
        }
    }
}

} // namespace

void vortelan_gb_runtime_menu_draw_key_config_menu(SDL_Renderer *renderer, const MenuState *state,
                                                   int cursor) {
    screen_style::clear(renderer);
    screen_style::draw_heading(renderer, "KEY CONFIG", 4);
    RowLines rows[row_count];
    format_rows(state, rows);
    for (int index = 0; index < row_count; ++index) {
        draw_row(renderer, index, rows[index], index == cursor);
    }
    if (state->key_config_target != 0) {
        draw_key_config_capture_overlay(renderer, state);
    }
    vortelan_gb_runtime_sdl_draw_text(renderer, 22, 432, "ENTER SELECT  ARROWS MOVE", 1,
                                      screen_style::dim);
    vortelan_gb_runtime_sdl_draw_text_fit(renderer, 252, 452, state->status, 1, screen_style::dim,
                                          206);
    vortelan_gb_runtime_sdl_draw_text(renderer, 22, 452, "ESC BACK", 1, screen_style::dim);
    SDL_RenderPresent(renderer);
}
