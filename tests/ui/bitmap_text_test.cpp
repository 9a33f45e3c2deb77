#include "ui/bitmap_text.h"

#include "tests/ui/canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using gb_test::Canvas;
using gb_test::rgba;
using gb_test::TextLine;

constexpr uint32_t background = rgba(1, 2, 3);
constexpr uint32_t ink = 0xFFDCEEEE; // red and green 0xEE, blue 0xDC

using Rows = std::vector<uint8_t>;
const Rows glyph_a = {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11};
const Rows glyph_b = {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E};
const Rows glyph_c = {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E};
const Rows glyph_0 = {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E};
const Rows glyph_1 = {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E};
const Rows glyph_5 = {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E};
const Rows glyph_unknown = {0x1F, 0x11, 0x05, 0x02, 0x04, 0x00, 0x04};
const Rows glyph_blank = {};

void clear(const Canvas &canvas) {
    SDL_SetRenderDrawColor(canvas.renderer(), 1, 2, 3, 255);
    SDL_RenderClear(canvas.renderer());
}

struct GlyphCase {
    const char *label;
    std::string text;
    TextLine expected;
};

void PrintTo(const GlyphCase &c, std::ostream *out) {
    *out << c.label;
}

class DrawText : public testing::TestWithParam<GlyphCase> {};

TEST_P(DrawText, LightsExactlyTheGlyphSquares) {
    const GlyphCase &c = GetParam();
    Canvas canvas;
    clear(canvas);
    vortelan_gb_runtime_sdl_draw_text(canvas.renderer(), c.expected.x, c.expected.y, c.text.c_str(),
                                      c.expected.scale, ink);
    gb_test::expect_only_text(canvas, c.expected, ink, background);
}

INSTANTIATE_TEST_SUITE_P(
    Glyphs, DrawText,
    testing::Values(
        GlyphCase{"capitals", "ABC", {4, 5, 1, {glyph_a, glyph_b, glyph_c}}},
        GlyphCase{"lower_case_folds", "abc", {4, 5, 1, {glyph_a, glyph_b, glyph_c}}},
        GlyphCase{"space_advances", "A B", {30, 40, 3, {glyph_a, glyph_blank, glyph_b}}},
        GlyphCase{"percent_has_no_shape", "50%", {0, 0, 2, {glyph_5, glyph_0, glyph_unknown}}},
        GlyphCase{"at_sign_has_no_shape", "@", {7, 7, 1, {glyph_unknown}}},
        GlyphCase{
            "line_feed_stays_on_line", "A\nB", {10, 10, 2, {glyph_a, glyph_unknown, glyph_b}}},
        GlyphCase{"control_byte", std::string(1, '\x01'), {0, 0, 1, {glyph_unknown}}},
        GlyphCase{
            "above_underscore", "`{~\x7F\x80\xFF", {0, 0, 1, std::vector<Rows>(6, glyph_unknown)}},
        GlyphCase{"digit_one_scale_two", "1", {10, 20, 2, {glyph_1}}},
        GlyphCase{"empty", "", {0, 0, 1, {}}},
        GlyphCase{"clipped_by_canvas", "AB", {474, 476, 2, {glyph_a, glyph_b}}}),
    gb_test::CaseLabel());

TEST(DrawText, SetsTheUnpackedColourEvenForEmptyText) {
    Canvas canvas;
    vortelan_gb_runtime_sdl_draw_text(canvas.renderer(), 0, 0, "", 1, 0x80563412);
    uint8_t r = 0, g = 0, b = 0, a = 0;
    SDL_GetRenderDrawColor(canvas.renderer(), &r, &g, &b, &a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{0x12, 0x34, 0x56, 0x80}));
}

struct FitCase {
    const char *label;
    std::string text;
    int x;
    int scale;
    int max_width;
    std::string shown; // what the plain operation must draw instead; empty draws nothing
};

std::string letters(size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        text += static_cast<char>('A' + i % 26);
    }
    return text;
}

void PrintTo(const FitCase &c, std::ostream *out) {
    *out << c.label;
}

class DrawTextFit : public testing::TestWithParam<FitCase> {};

TEST_P(DrawTextFit, DrawsTheCutText) {
    const FitCase &c = GetParam();
    Canvas fitted;
    Canvas reference;
    clear(fitted);
    clear(reference);
    vortelan_gb_runtime_sdl_draw_text_fit(fitted.renderer(), c.x, 30, c.text.c_str(), c.scale, ink,
                                          c.max_width);
    vortelan_gb_runtime_sdl_draw_text(reference.renderer(), c.x, 30, c.shown.c_str(), c.scale, ink);
    EXPECT_TRUE(fitted.same_pixels(reference));
}

// Texts of 250 characters and more are drawn far to the left so that the cut end is on canvas.
INSTANTIATE_TEST_SUITE_P(
    Widths, DrawTextFit,
    testing::Values(
        FitCase{"shorter_than_room", "012345678", 0, 1, 60, "012345678"},
        FitCase{"exactly_room_is_cut", "0123456789", 0, 1, 60, "012345678>"},
        FitCase{"room_for_one", "ABC", 0, 2, 12, "A"},
        FitCase{"room_for_one_empty_text", "", 0, 2, 12, ""},
        FitCase{"room_for_two", "ABC", 0, 2, 24, "A>"}, FitCase{"no_room", "ABC", 0, 1, 5, ""},
        FitCase{"zero_width", "ABC", 0, 1, 0, ""}, FitCase{"negative_width", "ABC", 0, 1, -60, ""},
        FitCase{"zero_scale", "ABC", 0, 0, 60, ""}, FitCase{"negative_scale", "ABC", 0, -1, 60, ""},
        FitCase{"huge_scale", "ABC", 0, INT_MAX / 2, INT_MAX, ""},
        FitCase{"capped_at_255", letters(300), -1500, 1, 1800, letters(254) + ">"},
        FitCase{"long_text_fits", letters(299), -1500, 1, 1800, letters(299)}),
    gb_test::CaseLabel());

TEST(DrawTextFit, LeavesTheColourAloneWithoutRoom) {
    Canvas canvas;
    SDL_SetRenderDrawColor(canvas.renderer(), 9, 8, 7, 6);
    vortelan_gb_runtime_sdl_draw_text_fit(canvas.renderer(), 0, 0, "ABC", 1, ink, 5);
    uint8_t r = 0, g = 0, b = 0, a = 0;
    SDL_GetRenderDrawColor(canvas.renderer(), &r, &g, &b, &a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{9, 8, 7, 6}));
}

TEST(AppDrawText, DrawsLikeTheRendererPair) {
    Canvas app;
    Canvas sdl;
    vortelan_gb_runtime_app_draw_text(app.renderer(), 3, 4, "AB?", 2, ink);
    vortelan_gb_runtime_app_draw_text_fit(app.renderer(), 3, 40, "0123456789", 1, ink, 60);
    vortelan_gb_runtime_sdl_draw_text(sdl.renderer(), 3, 4, "AB?", 2, ink);
    vortelan_gb_runtime_sdl_draw_text(sdl.renderer(), 3, 40, "012345678>", 1, ink);
    EXPECT_TRUE(app.same_pixels(sdl));
}

} // namespace
