#pragma once

#include <cstdint>

// The one built-in font: 5x7 upper-case glyphs, one byte per pixel row, top row first. Bit 4
// (0x10) is the leftmost column and bit 0 the rightmost; the upper three bits are unused.
inline constexpr int font_glyph_rows = 7;
inline constexpr int font_glyph_columns = 5;
// The pen moves one column further than the glyph, which leaves a blank column between letters.
inline constexpr int font_cell_columns = 6;

// The rows to draw for one byte of text: lower case folds to capitals, the space is blank, and
// every byte without a shape (control bytes, a few punctuation marks, 0x60 and up) gets the
// box-and-question-mark fallback. Never null.
const uint8_t *vortelan_gb_runtime_font_glyph(unsigned char byte);
