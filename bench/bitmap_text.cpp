// The text renderer alone on the software renderer, against clearing the same canvas.

#include "ui/bitmap_text.h"

#include <benchmark/benchmark.h>

namespace {

// A 480x480 RGBA canvas like the screens draw on.
struct SoftwareCanvas {
    SDL_Surface *surface = SDL_CreateRGBSurfaceWithFormat(0, 480, 480, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer *renderer = SDL_CreateSoftwareRenderer(surface);
    ~SoftwareCanvas() {
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
};

constexpr const char *forty_capitals = "THE QUICK BROWN FOX JUMPS OVER LAZY DOGS";

void BM_ClearCanvas(benchmark::State &state) {
    SoftwareCanvas canvas;
    for (auto _ : state) {
        SDL_SetRenderDrawColor(canvas.renderer, 20, 24, 28, 255);
        SDL_RenderClear(canvas.renderer);
        SDL_RenderFlush(canvas.renderer);
    }
}
BENCHMARK(BM_ClearCanvas);

void BM_DrawFortyCharacterLine(benchmark::State &state) {
    SoftwareCanvas canvas;
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        vortelan_gb_runtime_sdl_draw_text(canvas.renderer, 0, 100, forty_capitals, scale,
                                          0xFFEEEEEE);
        SDL_RenderFlush(canvas.renderer);
    }
}
BENCHMARK(BM_DrawFortyCharacterLine)->Arg(1)->Arg(2);

} // namespace
