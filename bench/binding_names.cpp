// Name and list conversions of bindings, against baselines measured in the same
// run: SDL's own key-name functions (what the keyboard half costs anyway) and the bounded
// copy that parse starts with.

#include "input/binding_names.h"
#include "input/binding_devices.h"
#include "input/binding_lists.h"
#include "runtime/text.h"

#include <SDL_keyboard.h>
#include <SDL_keycode.h>
#include <benchmark/benchmark.h>

#include <cstddef>

namespace {

constexpr const char *device_a = "0123456789abcdef-0";
constexpr const char *device_b = "fedcba9876543210-1";

// A mix of every group: keys named by SDL and by us, unscoped and device-scoped inputs.
// Device-scoped codes use slots 0 and 1, given in this order by slots_ready().
constexpr BindingCode code_mix[] = {
    SDLK_RIGHT, 'z',     SDLK_RSHIFT, SDLK_RETURN, SDLK_KP_ENTER, -100000,  -101000,  -102005,
    -103005,    -105003, -106009,     -2001011,    -2003000,      -2014012, -2016003, -2017007,
};
constexpr const char *name_mix[] = {
    "Right",
    "Z",
    "RSHIFT",
    "RETURN",
    "Keypad Enter",
    "PAD_A",
    "PAD_LX_POS",
    "PAD_RT_NEG",
    "JOY_BUTTON_5",
    "JOY_AXIS_3_NEG",
    "JOY_HAT_2_RIGHT",
    "PAD@0123456789abcdef-0:DPAD_UP",
    "PAD@0123456789abcdef-0:LX-",
    "JOY@fedcba9876543210-1:B12",
    "JOY@fedcba9876543210-1:A3-",
    "JOY@fedcba9876543210-1:H1LEFT",
};
constexpr const char *sdl_name_mix[] = {"Right", "Z", "Right Shift", "Return", "Keypad Enter"};
constexpr SDL_Keycode sdl_code_mix[] = {SDLK_RIGHT, 'z', SDLK_RSHIFT, SDLK_RETURN, SDLK_KP_ENTER};

constexpr const char *slot1_text = "Right,Left,Up,Down,Z,X,RSHIFT,RETURN";
constexpr const char *scoped_text =
    "PAD@0123456789abcdef-0:DPAD_RIGHT,PAD@0123456789abcdef-0:DPAD_LEFT,"
    "PAD@0123456789abcdef-0:LY-,PAD@0123456789abcdef-0:LY+,JOY@fedcba9876543210-1:B0,"
    "JOY@fedcba9876543210-1:A2-,JOY@fedcba9876543210-1:H0DOWN,PAD_START";

void slots_ready() {
    binding_device_slot(device_a);
    binding_device_slot(device_b);
}

template <typename T, size_t N> constexpr size_t count_of(const T (&)[N]) {
    return N;
}

void BM_Baseline_SdlGetKeyName(benchmark::State &state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SDL_GetKeyName(sdl_code_mix[i++ % count_of(sdl_code_mix)]));
    }
}
BENCHMARK(BM_Baseline_SdlGetKeyName);

void BM_KeyName_Mix(benchmark::State &state) {
    slots_ready();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vortelan_gb_runtime_key_config_key_name(code_mix[i++ % count_of(code_mix)]));
    }
}
BENCHMARK(BM_KeyName_Mix);

void BM_Baseline_SdlGetKeyFromName(benchmark::State &state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SDL_GetKeyFromName(sdl_name_mix[i++ % count_of(sdl_name_mix)]));
    }
}
BENCHMARK(BM_Baseline_SdlGetKeyFromName);

void BM_KeyFromName_Mix(benchmark::State &state) {
    slots_ready();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vortelan_gb_runtime_key_config_key_from_name(name_mix[i++ % count_of(name_mix)]));
    }
}
BENCHMARK(BM_KeyFromName_Mix);

void BM_Baseline_CopyListText(benchmark::State &state) {
    char work[slot_keys_text_limit];
    for (auto _ : state) {
        benchmark::DoNotOptimize(vortelan_gb_runtime_copy_text(work, sizeof work, slot1_text));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Baseline_CopyListText);

void parse(benchmark::State &state, const char *text) {
    slots_ready();
    SlotKeys keys{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(vortelan_gb_runtime_key_config_parse(&keys, text));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(parse, slot1_defaults, slot1_text);
BENCHMARK_CAPTURE(parse, device_scoped, scoped_text);

void describe(benchmark::State &state, const char *text) {
    slots_ready();
    SlotKeys keys{};
    if (vortelan_gb_runtime_key_config_parse(&keys, text) != 0) {
        state.SkipWithError("list does not parse");
        return;
    }
    char buffer[256];
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vortelan_gb_runtime_key_config_describe(&keys, buffer, sizeof buffer));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(describe, slot1_defaults, slot1_text);
BENCHMARK_CAPTURE(describe, device_scoped, scoped_text);

} // namespace
