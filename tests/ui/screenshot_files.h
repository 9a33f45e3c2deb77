#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

namespace gb_test {

// Writes a 24-bit BMP with SDL_SaveBMP whose pixel (x, y) has the colour that pick gives,
// packed 0xAABBGGRR (alpha ignored).
void write_picture(const std::string &path, int width, int height,
                   const std::function<uint32_t(int x, int y)> &pick);

// A picture of one colour, for tests that do not look at the picture itself.
void write_plain_picture(const std::string &path);

} // namespace gb_test
