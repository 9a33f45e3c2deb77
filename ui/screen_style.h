#pragma once

#include <SDL.h>

#include <cstdint>

// The palette and the few drawing steps that the main menu, the key configuration screen and
// the screenshot viewer share. Colours are packed 0xAABBGGRR like the text colours.
namespace screen_style {

inline constexpr uint32_t background = 0xFF1C1814;   // 20, 24, 28
inline constexpr uint32_t title = 0xFFDCEEEE;        // title, dialog heading
inline constexpr uint32_t dim = 0xFF827A70;          // version, help lines, status
inline constexpr uint32_t label = 0xFFC4B4A0;        // unselected rows and choices
inline constexpr uint32_t highlight = 0xFF7EA256;    // selected rows and choices, marker
inline constexpr uint32_t value = 0xFFEEEEEE;        // row values, dialog hints
inline constexpr uint32_t selected_bar = 0xFF3E4826; // 38, 72, 62
inline constexpr uint32_t panel = 0xEB100C08;        // 8, 12, 16, alpha 235

// The rows and dialogs all draw their labels at this size.
inline constexpr int row_text_scale = 2;

void clear(SDL_Renderer *renderer);
void fill(SDL_Renderer *renderer, int left, int top, int width, int height, uint32_t color);

// The screen title at the top left, and the version beside it.
void draw_heading(SDL_Renderer *renderer, const char *title_text, int title_scale);

// The bar, ">" marker and label of a selected or unselected row whose text stands at y.
void draw_row_label(SDL_Renderer *renderer, int y, int bar_top, int bar_height, const char *text,
                    bool selected);

// A text drawing operation: the renderer pair or the application pair.
using DrawTextFunction = void (*)(SDL_Renderer *, int, int, const char *, int, uint32_t);

// "> YES" / "  NO" (or the other way round) on the line y 254 of a dialog.
void draw_yes_no(SDL_Renderer *renderer, DrawTextFunction draw_text, bool yes_selected, int no_x,
                 uint32_t selected_color);

} // namespace screen_style
