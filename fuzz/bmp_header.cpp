// Any bytes as a screenshot file. The header check must agree with SDL's own decoder: a
// picture the check lets through decodes within the viewer's bounds or not at all, and a
// picture it refuses does not decode within them. SDL may set aside at most 4 MiB here, so
// that a huge claim fails quickly instead of being decoded; the bounds hold either way.

#include "ui/bmp_header.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr size_t largest_sdl_block = size_t{4} << 20;
constexpr int64_t longest_side = 16384;
constexpr int64_t largest_drawn_bytes = int64_t{64} << 20;

void *limited_malloc(size_t size) {
    return size <= largest_sdl_block ? std::malloc(size) : nullptr;
}

void *limited_calloc(size_t count, size_t size) {
    return count == 0 || size <= largest_sdl_block / count ? std::calloc(count, size) : nullptr;
}

void *limited_realloc(void *block, size_t size) {
    return size <= largest_sdl_block ? std::realloc(block, size) : nullptr;
}

bool within_bounds(const SDL_Surface &picture) {
    return picture.w > 0 && picture.h > 0 && picture.w <= longest_side &&
           picture.h <= longest_side && int64_t{picture.w} * picture.h * 4 <= largest_drawn_bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    SDL_SetMemoryFunctions(limited_malloc, limited_calloc, limited_realloc, std::free);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const bool fits = bmp_header_fits_bounds(data, size, size);
    SDL_Surface *picture = SDL_LoadBMP_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1);
    if (picture == nullptr) {
        return 0;
    }
    const bool decoded_within = within_bounds(*picture);
    const int width = picture->w;
    const int height = picture->h;
    SDL_FreeSurface(picture);
    if (fits != decoded_within) {
        std::fprintf(stderr, "bmp_header: check says %s, SDL decoded %dx%d\n",
                     fits ? "fits" : "refused", width, height);
        std::abort();
    }
    return 0;
}
