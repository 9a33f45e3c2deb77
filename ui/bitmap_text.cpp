#include "ui/bitmap_text.h"

#include "ui/bitmap_font.h"

#include <cstring>

namespace {

// The longest text the fit operation shows, plus its terminator.
constexpr size_t fit_buffer_size = 256;

void set_packed_color(SDL_Renderer *renderer, uint32_t color) {
    SDL_SetRenderDrawColor(renderer, static_cast<uint8_t>(color), static_cast<uint8_t>(color >> 8),
                           static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 24));
}

// The squares of one call, handed to SDL in runs rather than one fill each; the order and the
// pixels are the same as filling them one by one.
struct SquareBatch {
    static constexpr int capacity = 128;
    SDL_Renderer *renderer;
    SDL_Rect squares[capacity];
    int count = 0;

    explicit SquareBatch(SDL_Renderer *target) : renderer(target) {}

    void add(int left, int top, int scale) {
        squares[count++] = {left, top, scale, scale};
        if (count == capacity) {
            flush();
        }
    }
    void flush() {
        if (count > 0) {
            SDL_RenderFillRects(renderer, squares, count);
            count = 0;
        }
    }
};

void add_glyph(SquareBatch &batch, int pen, int y, const uint8_t *glyph, int scale) {
    for (int row = 0; row < font_glyph_rows; ++row) {
        for (int column = 0; column < font_glyph_columns; ++column) {
            if (glyph[row] & (0x10 >> column)) {
                batch.add(pen + column * scale, y + row * scale, scale);
            }
        }
    }
}

} // namespace

void vortelan_gb_runtime_sdl_draw_text(SDL_Renderer *renderer, int x, int y, const char *text,
                                       int scale, uint32_t color) {
    set_packed_color(renderer, color);
    SquareBatch batch(renderer);
    int pen = x;
    for (const char *cursor = text; *cursor != '\0'; ++cursor) {
        add_glyph(batch, pen, y,
                  vortelan_gb_runtime_font_glyph(static_cast<unsigned char>(*cursor)), scale);
        pen += font_cell_columns * scale;
    }
    batch.flush();
}

void vortelan_gb_runtime_sdl_draw_text_fit(SDL_Renderer *renderer, int x, int y, const char *text,
                                           int scale, uint32_t color, int max_width) {
    if (max_width <= 0 || scale <= 0) {
        return;
    }
    // Dividing in two steps gives the same quotient without overflowing 6 x scale.
    const size_t capacity = static_cast<size_t>(max_width / font_cell_columns / scale);
    if (capacity == 0) {
        return;
    }
    if (std::strlen(text) < capacity) {
        vortelan_gb_runtime_sdl_draw_text(renderer, x, y, text, scale, color);
        return;
    }
    const size_t keep = capacity < fit_buffer_size - 1 ? capacity : fit_buffer_size - 1;
    char shown[fit_buffer_size];
    if (keep == 1) {
        shown[0] = text[0];
    } else {
        std::memcpy(shown, text, keep - 1);
        shown[keep - 1] = '>';
    }
    shown[keep] = '\0';
    vortelan_gb_runtime_sdl_draw_text(renderer, x, y, shown, scale, color);
}

void vortelan_gb_runtime_app_draw_text(SDL_Renderer *renderer, int x, int y, const char *text,
                                       int scale, uint32_t color) {
    vortelan_gb_runtime_sdl_draw_text(renderer, x, y, text, scale, color);
}

void vortelan_gb_runtime_app_draw_text_fit(SDL_Renderer *renderer, int x, int y, const char *text,
                                           int scale, uint32_t color, int max_width) {
    vortelan_gb_runtime_sdl_draw_text_fit(renderer, x, y, text, scale, color, max_width);
}
