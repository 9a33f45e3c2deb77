#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gb_test {

// An RGB picture, one 0xRRGGBB value per pixel, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// What the draw function paints on a 480x480 canvas with the software renderer.
Picture render_canvas(const std::function<void(SDL_Renderer *)> &draw);

// How many pixels differ (all of them when the sizes differ).
size_t differing_pixels(const Picture &first, const Picture &second);

// An 8-bit RGB PNG file.
bool write_png(const std::string &path, const Picture &picture);

} // namespace gb_test
