#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gb_test {

// A 480x480 RGBA surface with a software renderer on it, the same canvas size the screens
// draw for, so tests can read back exactly which pixels a drawing call lit.
class Canvas {
  public:
    static constexpr int size = 480;

    Canvas();
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    SDL_Renderer *renderer() const { return software_renderer; }
    SDL_Surface *surface() const { return pixels; }

    // The pixel packed 0xAABBGGRR, like the colours the screens take.
    uint32_t at(int x, int y) const;
    bool same_pixels(const Canvas &other) const;
    // Pixels of exactly this colour inside the rectangle.
    int count(uint32_t color, int left, int top, int width, int height) const;

  private:
    SDL_Surface *pixels;
    SDL_Renderer *software_renderer;
};

// Packs red, green, blue and alpha the way the screens' colour arguments are packed.
constexpr uint32_t rgba(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 255) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
           static_cast<uint32_t>(blue) << 16 | static_cast<uint32_t>(alpha) << 24;
}

// The screens' palette, written out independently of the code under test.
namespace colors {
inline constexpr uint32_t background = rgba(20, 24, 28);
inline constexpr uint32_t title = 0xFFDCEEEE;
inline constexpr uint32_t dim = 0xFF827A70;
inline constexpr uint32_t label = 0xFFC4B4A0;
inline constexpr uint32_t highlight = 0xFF7EA256;
inline constexpr uint32_t value = 0xFFEEEEEE;
inline constexpr uint32_t bar = rgba(38, 72, 62);
inline constexpr uint32_t panel = rgba(8, 12, 16, 235);
inline constexpr uint32_t outline = rgba(86, 162, 126);
} // namespace colors

// Compares the canvas with tests/ui/golden/<name>.bmp pixel by pixel. With the environment
// variable GB_RUNTIME_UPDATE_GOLDEN=1 the frame is written there instead.
void expect_golden(const Canvas &canvas, const std::string &name);

// The lit squares of a line of text, cell by cell: each cell lists seven row bytes (bit 4 is the
// leftmost column). Every other pixel of the canvas must still hold the background.
struct TextLine {
    int x;
    int y;
    int scale;
    std::vector<std::vector<uint8_t>> cells;
};
void expect_only_text(const Canvas &canvas, const TextLine &line, uint32_t color,
                      uint32_t background);

// Expects the rectangle of the canvas to look exactly like the same rectangle of a canvas that
// holds nothing but the background and this text, drawn by the plain text operation.
struct ShownText {
    int x;
    int y;
    std::string text;
    int scale;
    uint32_t color;
};
void expect_region_shows(const Canvas &canvas, SDL_Rect region, const ShownText &shown,
                         uint32_t background);

// Names parameterised cases after their `label` field.
struct CaseLabel {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case> &case_info) const {
        return case_info.param.label;
    }
};

} // namespace gb_test
