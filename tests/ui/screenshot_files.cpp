#include "tests/ui/screenshot_files.h"

#include <gtest/gtest.h>

namespace gb_test {

void write_picture(const std::string &path, int width, int height,
                   const std::function<uint32_t(int x, int y)> &pick) {
    SDL_Surface *picture =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_NE(picture, nullptr) << SDL_GetError();
    for (int y = 0; y < height; ++y) {
        auto *row = static_cast<uint8_t *>(picture->pixels) + y * picture->pitch;
        for (int x = 0; x < width; ++x) {
            const uint32_t color = pick(x, y);
            row[x * 3] = static_cast<uint8_t>(color);
            row[x * 3 + 1] = static_cast<uint8_t>(color >> 8);
            row[x * 3 + 2] = static_cast<uint8_t>(color >> 16);
        }
    }
    EXPECT_EQ(SDL_SaveBMP(picture, path.c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(picture);
}

void write_plain_picture(const std::string &path) {
    write_picture(path, 16, 16, [](int, int) { return 0xFF3080C0u; });
}

} // namespace gb_test
