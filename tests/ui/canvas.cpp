#include "tests/ui/canvas.h"

#include "ui/bitmap_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace gb_test {

Canvas::Canvas()
    : pixels(SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_RGBA32)),
      software_renderer(pixels != nullptr ? SDL_CreateSoftwareRenderer(pixels) : nullptr) {
    if (software_renderer == nullptr) {
        ADD_FAILURE() << "no software canvas: " << SDL_GetError();
    }
}

Canvas::~Canvas() {
    SDL_DestroyRenderer(software_renderer);
    SDL_FreeSurface(pixels);
}

uint32_t Canvas::at(int x, int y) const {
    const auto *row = static_cast<const uint8_t *>(pixels->pixels) + y * pixels->pitch;
    uint32_t value;
    std::memcpy(&value, row + x * 4, sizeof value);
    // RGBA32 stores red, green, blue, alpha in that byte order, which on a little-endian host
    // already reads as 0xAABBGGRR.
    return SDL_SwapLE32(value);
}

bool Canvas::same_pixels(const Canvas &other) const {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (at(x, y) != other.at(x, y)) {
                return false;
            }
        }
    }
    return true;
}

int Canvas::count(uint32_t color, int left, int top, int width, int height) const {
    int found = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            found += at(x, y) == color ? 1 : 0;
        }
    }
    return found;
}

void expect_golden(const Canvas &canvas, const std::string &name) {
    const std::string path = std::string(GB_RUNTIME_GOLDEN_DIR) + "/" + name + ".bmp";
    const char *update = std::getenv("GB_RUNTIME_UPDATE_GOLDEN");
    if (update != nullptr && std::strcmp(update, "1") == 0) {
        ASSERT_EQ(SDL_SaveBMP(canvas.surface(), path.c_str()), 0) << SDL_GetError();
        return;
    }
    SDL_Surface *loaded = SDL_LoadBMP(path.c_str());
    ASSERT_NE(loaded, nullptr) << path << ": " << SDL_GetError();
    SDL_Surface *golden = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(golden, nullptr) << SDL_GetError();
    ASSERT_EQ(golden->w, Canvas::size);
    ASSERT_EQ(golden->h, Canvas::size);
    int differing = 0;
    for (int y = 0; y < Canvas::size; ++y) {
        const auto *row = static_cast<const uint8_t *>(golden->pixels) + y * golden->pitch;
        for (int x = 0; x < Canvas::size; ++x) {
            uint32_t expected;
            std::memcpy(&expected, row + x * 4, sizeof expected);
            expected = SDL_SwapLE32(expected);
            if (canvas.at(x, y) != expected && differing++ == 0) {
                ADD_FAILURE() << name << ": first difference at (" << x << ", " << y << "): 0x"
                              << std::hex << canvas.at(x, y) << " instead of 0x" << expected;
            }
        }
    }
    SDL_FreeSurface(golden);
    EXPECT_EQ(differing, 0) << name << ": pixels differing from " << path;
}

void expect_region_shows(const Canvas &canvas, SDL_Rect region, const ShownText &shown,
                         uint32_t background) {
    Canvas reference;
    SDL_SetRenderDrawColor(reference.renderer(), static_cast<uint8_t>(background),
                           static_cast<uint8_t>(background >> 8),
                           static_cast<uint8_t>(background >> 16),
                           static_cast<uint8_t>(background >> 24));
    SDL_RenderClear(reference.renderer());
    vortelan_gb_runtime_sdl_draw_text(reference.renderer(), shown.x, shown.y, shown.text.c_str(),
                                      shown.scale, shown.color);
    int wrong = 0;
    for (int y = region.y; y < region.y + region.h; ++y) {
        for (int x = region.x; x < region.x + region.w; ++x) {
            if (canvas.at(x, y) != reference.at(x, y) && wrong++ == 0) {
                ADD_FAILURE() << "\"" << shown.text << "\": first wrong pixel at (" << x << ", "
                              << y << "): 0x" << std::hex << canvas.at(x, y) << " instead of 0x"
                              << reference.at(x, y);
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "\"" << shown.text << "\"";
}

void expect_only_text(const Canvas &canvas, const TextLine &line, uint32_t color,
                      uint32_t background) {
    std::vector<bool> lit(Canvas::size * Canvas::size, false);
    for (size_t cell = 0; cell < line.cells.size(); ++cell) {
        for (size_t row = 0; row < line.cells[cell].size(); ++row) {
            for (int column = 0; column < 5; ++column) {
                if ((line.cells[cell][row] & (0x10 >> column)) == 0) {
                    continue;
                }
                const int left = line.x + (static_cast<int>(cell) * 6 + column) * line.scale;
                const int top = line.y + static_cast<int>(row) * line.scale;
                for (int y = std::max(top, 0); y < std::min(top + line.scale, Canvas::size); ++y) {
                    for (int x = std::max(left, 0); x < std::min(left + line.scale, Canvas::size);
                         ++x) {
                        lit[y * Canvas::size + x] = true;
                    }
                }
            }
        }
    }
    int wrong = 0;
    for (int y = 0; y < Canvas::size; ++y) {
        for (int x = 0; x < Canvas::size; ++x) {
            const uint32_t expected = lit[y * Canvas::size + x] ? color : background;
            if (canvas.at(x, y) != expected && wrong++ == 0) {
                ADD_FAILURE() << "first wrong pixel at (" << x << ", " << y << "): 0x" << std::hex
                              << canvas.at(x, y) << " instead of 0x" << expected;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace gb_test
