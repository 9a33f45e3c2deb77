#include "tests/ui/screenshot_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

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

namespace {

constexpr size_t refused_above = size_t{256} << 20;
SDL_malloc_func sdl_malloc = nullptr;
SDL_calloc_func sdl_calloc = nullptr;
SDL_realloc_func sdl_realloc = nullptr;
SDL_free_func sdl_free = nullptr;
size_t largest = 0;

bool record(size_t size) {
    largest = std::max(largest, size);
    return size <= refused_above;
}

void *recorded_malloc(size_t size) {
    return record(size) ? sdl_malloc(size) : nullptr;
}

void *recorded_calloc(size_t count, size_t size) {
    const bool overflows = count != 0 && size > SIZE_MAX / count;
    return record(overflows ? SIZE_MAX : count * size) ? sdl_calloc(count, size) : nullptr;
}

void *recorded_realloc(void *block, size_t size) {
    return record(size) ? sdl_realloc(block, size) : nullptr;
}

} // namespace

LargestSdlAllocation::LargestSdlAllocation() {
    SDL_GetMemoryFunctions(&sdl_malloc, &sdl_calloc, &sdl_realloc, &sdl_free);
    largest = 0;
    SDL_SetMemoryFunctions(recorded_malloc, recorded_calloc, recorded_realloc, sdl_free);
}

LargestSdlAllocation::~LargestSdlAllocation() {
    SDL_SetMemoryFunctions(sdl_malloc, sdl_calloc, sdl_realloc, sdl_free);
}

size_t LargestSdlAllocation::bytes() const {
    return largest;
}

} // namespace gb_test
