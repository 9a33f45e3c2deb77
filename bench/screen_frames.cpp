// One whole frame of each screen on the software renderer, against clearing the canvas alone.

#include "app/menu_startup.h"
#include "bench/software_canvas.h"
#include "runtime/files.h"
#include "ui/key_config_screen.h"
#include "ui/main_menu_screen.h"
#include "ui/screenshot_view.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

// A 480x480 RGBA canvas like the screens draw on, in a scratch working directory with one
// 160x144 screenshot, and the menu's state as start-up builds it there.
struct ScreenBench {
    SoftwareCanvas canvas;
    SDL_Renderer *renderer = canvas.renderer;
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path scratch;
    MenuState state;

    ScreenBench() {
        scratch = std::filesystem::temp_directory_path() /
                  ("gb_screen_bench_" + std::to_string(vortelan_gb_runtime_getpid()));
        std::filesystem::create_directory(scratch);
        std::filesystem::current_path(scratch);
        std::filesystem::create_directory("screenshot");
        SDL_Surface *picture =
            SDL_CreateRGBSurfaceWithFormat(0, 160, 144, 24, SDL_PIXELFORMAT_RGB24);
        SDL_FillRect(picture, nullptr, 0x406080);
        SDL_SaveBMP(picture, "screenshot/shot.bmp");
        SDL_FreeSurface(picture);
        vortelan_gb_runtime_menu_init_state(&state);
    }
    ~ScreenBench() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(scratch);
    }
};

void BM_ClearFrame(benchmark::State &run) {
    ScreenBench bench;
    for (auto _ : run) {
        bench.canvas.clear();
    }
}
BENCHMARK(BM_ClearFrame);

void BM_MainMenuFrame(benchmark::State &run) {
    ScreenBench bench;
    bench.state.quit_confirm = static_cast<uint8_t>(run.range(0));
    for (auto _ : run) {
        vortelan_gb_runtime_menu_draw(bench.renderer, &bench.state);
    }
}
BENCHMARK(BM_MainMenuFrame)->ArgName("quit_dialog")->Arg(0)->Arg(1);

void BM_KeyConfigFrame(benchmark::State &run) {
    ScreenBench bench;
    bench.state.key_config_target = static_cast<uint32_t>(run.range(0));
    for (auto _ : run) {
        vortelan_gb_runtime_menu_draw_key_config_menu(bench.renderer, &bench.state, 0);
    }
}
BENCHMARK(BM_KeyConfigFrame)->ArgName("capturing")->Arg(0)->Arg(1);

void BM_ScreenshotViewerFrame(benchmark::State &run) {
    ScreenBench bench;
    ScreenshotView view;
    std::memset(&view, 0, sizeof view);
    if (run.range(0) != 0) {
        std::strcpy(view.shots.names[0], "shot.bmp");
        view.shots.count = 1;
    }
    for (auto _ : run) {
        draw_screenshot_view(bench.renderer, &view);
    }
}
BENCHMARK(BM_ScreenshotViewerFrame)->ArgName("pictures")->Arg(0)->Arg(1);

} // namespace
