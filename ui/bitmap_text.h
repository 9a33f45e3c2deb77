#pragma once

#include <SDL.h>

#include <cstdint>

// Text on the 480x480 canvas in the built-in 5x7 font: each lit font pixel becomes one filled
// square of scale x scale logical pixels; the pen advances 6 x scale per character. Colours are
// packed 0xAABBGGRR (red in the low byte). The text must not be null.

void vortelan_gb_runtime_sdl_draw_text(SDL_Renderer *renderer, int x, int y, const char *text,
                                       int scale, uint32_t color);

// Draws at most max_width / (6 x scale) characters; a text that does not fit in fewer than
// that is cut and ends in '>' (a single-character room shows the first character alone).
void vortelan_gb_runtime_sdl_draw_text_fit(SDL_Renderer *renderer, int x, int y, const char *text,
                                           int scale, uint32_t color, int max_width);

// The same pair under the names the screenshot viewer uses.
void vortelan_gb_runtime_app_draw_text(SDL_Renderer *renderer, int x, int y, const char *text,
                                       int scale, uint32_t color);
void vortelan_gb_runtime_app_draw_text_fit(SDL_Renderer *renderer, int x, int y, const char *text,
                                           int scale, uint32_t color, int max_width);
