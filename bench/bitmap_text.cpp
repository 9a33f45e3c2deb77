// The text renderer alone on the software renderer, against clearing the same canvas.

#include "ui/bitmap_text.h"
#include "bench/software_canvas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr const char *forty_capitals = "THE QUICK BROWN FOX JUMPS OVER LAZY DOGS";

void BM_ClearCanvas(benchmark::State &state) {
    SoftwareCanvas canvas;
    for (auto _ : state) {
        canvas.clear();
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
