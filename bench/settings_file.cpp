// Loading and saving the settings file, against baselines measured in the same run: reading
// the same file line by line with nothing applied, and writing the same bytes in place
// without the temporary file and the sync to disk that the save adds for safety.

#include "menu/settings_file.h"
#include "tests/menu/menu_state_fixture.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A file as players keep it: every binding line, with device bindings in slot 2.
const char *const settings_text =
    "# VORTELAN EMULATOR GB Runtime settings\n"
    "slot1_keys=Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
    "slot2_keys=PAD@0123456789abcdef-0:DPAD_RIGHT,PAD@0123456789abcdef-0:DPAD_LEFT,"
    "PAD@0123456789abcdef-0:DPAD_UP,PAD@0123456789abcdef-0:DPAD_DOWN,PAD@0123456789abcdef-0:A,"
    "PAD@0123456789abcdef-0:B,PAD@0123456789abcdef-0:BACK,PAD@0123456789abcdef-0:START\n"
    "fast_key=F\nscreenshot_key=P\nescape_key=Escape\nturbo_hold_key=B\nreset_key=O\n"
    "recent_slot1_rom=Some Cartridge.gbc\ndisplay_scale=3\n";

// One settings file in a scratch directory, named by GB_RUNTIME_KEY_CONFIG while it lives.
class SettingsFixture {
  public:
    explicit SettingsFixture(const char *root) {
        directory = std::filesystem::path(root) / ("bench_settings_" + std::to_string(getpid()));
        std::filesystem::create_directories(directory);
        path = (directory / "keys.conf").string();
        std::FILE *file = std::fopen(path.c_str(), "w");
        std::fputs(settings_text, file);
        std::fclose(file);
        setenv("GB_RUNTIME_KEY_CONFIG", path.c_str(), 1);
        gb_test::fill_start_state(&start);
    }
    ~SettingsFixture() {
        unsetenv("GB_RUNTIME_KEY_CONFIG");
        std::filesystem::remove_all(directory);
    }

    std::filesystem::path directory;
    std::string path;
    MenuState start;
};

void BM_Baseline_ReadLines(benchmark::State &state) {
    SettingsFixture fixture("/tmp");
    char line[512];
    for (auto _ : state) {
        std::FILE *file = std::fopen(fixture.path.c_str(), "r");
        while (std::fgets(line, sizeof line, file) != nullptr) {
            benchmark::DoNotOptimize(line);
        }
        std::fclose(file);
    }
}
BENCHMARK(BM_Baseline_ReadLines);

void BM_Load(benchmark::State &state) {
    SettingsFixture fixture("/tmp");
    MenuState menu;
    for (auto _ : state) {
        menu = fixture.start;
        vortelan_gb_runtime_menu_load_config_file(&menu);
        vortelan_gb_runtime_menu_refresh_key_descriptions(&menu);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Load);

void BM_Baseline_WriteInPlace(benchmark::State &state, const char *root) {
    SettingsFixture fixture(root);
    for (auto _ : state) {
        std::FILE *file = std::fopen(fixture.path.c_str(), "w");
        std::fputs(settings_text, file);
        std::fclose(file);
    }
}
BENCHMARK_CAPTURE(BM_Baseline_WriteInPlace, disk, "/tmp");
BENCHMARK_CAPTURE(BM_Baseline_WriteInPlace, memory, "/dev/shm");

void BM_Save(benchmark::State &state, const char *root) {
    SettingsFixture fixture(root);
    MenuState menu = fixture.start;
    vortelan_gb_runtime_menu_load_config_file(&menu);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&menu);
    for (auto _ : state) {
        if (vortelan_gb_runtime_menu_save_config_file(&menu) != 0) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_Save, disk, "/tmp");
BENCHMARK_CAPTURE(BM_Save, memory, "/dev/shm");

} // namespace
