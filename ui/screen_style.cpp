#include "ui/screen_style.h"

#include "ui/bitmap_text.h"

namespace screen_style {

namespace {

constexpr int heading_y = 20;
constexpr int version_y = 26;
constexpr int left_margin = 22;
constexpr int version_x = 330;
constexpr int bar_left = 14;
constexpr int bar_width = 452;
constexpr int marker_x = 24;
constexpr int label_x = 44;
constexpr int choice_y = 254;
constexpr int yes_x = 112;
constexpr int choice_scale = 3;

void set_color(SDL_Renderer *renderer, uint32_t color) {
    SDL_SetRenderDrawColor(renderer, static_cast<uint8_t>(color), static_cast<uint8_t>(color >> 8),
                           static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 24));
}

} // namespace

void clear(SDL_Renderer *renderer) {
    set_color(renderer, background);
    SDL_RenderClear(renderer);
}

void fill(SDL_Renderer *renderer, int left, int top, int width, int height, uint32_t color) {
    set_color(renderer, color);
    const SDL_Rect area = {left, top, width, height};
    SDL_RenderFillRect(renderer, &area);
}

void draw_heading(SDL_Renderer *renderer, const char *title_text, int title_scale) {
    vortelan_gb_runtime_sdl_draw_text(renderer, left_margin, heading_y, title_text, title_scale,
                                      title);
    vortelan_gb_runtime_sdl_draw_text(renderer, version_x, version_y, "VER 1.1", 2, dim);
}

void draw_row_label(SDL_Renderer *renderer, int y, int bar_top, int bar_height, const char *text,
                    bool selected) {
    if (selected) {
        fill(renderer, bar_left, bar_top, bar_width, bar_height, selected_bar);
        vortelan_gb_runtime_sdl_draw_text(renderer, marker_x, y, ">", row_text_scale, highlight);
    }
    vortelan_gb_runtime_sdl_draw_text(renderer, label_x, y, text, row_text_scale,
                                      selected ? highlight : label);
}

void draw_yes_no(SDL_Renderer *renderer, DrawTextFunction draw_text, bool yes_selected, int no_x,
                 uint32_t selected_color) {
    draw_text(renderer, yes_x, choice_y, yes_selected ? "> YES" : "  YES", choice_scale,
              yes_selected ? selected_color : label);
    draw_text(renderer, no_x, choice_y, yes_selected ? "  NO" : "> NO", choice_scale,
              yes_selected ? label : selected_color);
}

} // namespace screen_style
