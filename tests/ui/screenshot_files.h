#pragma once

#include <SDL.h>

#include <cstddef>
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

// Records the largest block that SDL asks its allocator for while this lives. SDL's own
// functions serve the requests, except that blocks above 256 MiB are refused outright.
class LargestSdlAllocation {
  public:
    LargestSdlAllocation();
    ~LargestSdlAllocation();
    LargestSdlAllocation(const LargestSdlAllocation &) = delete;
    LargestSdlAllocation &operator=(const LargestSdlAllocation &) = delete;
    size_t bytes() const;
};

} // namespace gb_test
