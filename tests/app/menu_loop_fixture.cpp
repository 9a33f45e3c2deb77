#include "tests/app/menu_loop_fixture.h"

#include "app/main_loop.h"
#include "app/menu_startup.h"
#include "input/binding_code.h"
#include "input/binding_lists.h"
#include "menu/choice_list.h"
#include "menu/settings_file.h"
#include "runtime/text.h"
#include "tests/support/captured_stream.h"
#include "tests/support/key_event.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <thread>

namespace gb_test {

void MenuLoop::SetUp() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("GB_RUNTIME_KEY_CONFIG", settings_path().c_str(), 1);
    ASSERT_EQ(
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0)
        << SDL_GetError();
    window = SDL_CreateWindow("menu", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 480,
                              SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    SDL_RenderSetLogicalSize(renderer, 480, 480);
    // Only the events a test pushes.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    reset_state();
}

void MenuLoop::TearDown() {
    SDL_StopTextInput();
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
    SDL_Quit();
    unsetenv("GB_RUNTIME_KEY_CONFIG");
}

void MenuLoop::reset_state() {
    std::memset(&state, 0, sizeof state);
    for (const char *name : {"a.gb", "b.gbc", "c.gb"}) {
        vortelan_gb_runtime_choice_list_add(&state.roms, name);
    }
    vortelan_gb_runtime_copy_text(state.slot1_cart, sizeof state.slot1_cart, "a.gb");
    vortelan_gb_runtime_copy_text(state.host, sizeof state.host, "10.0.0.5");
    vortelan_gb_runtime_copy_text(state.port, sizeof state.port, "25100");
    vortelan_gb_runtime_copy_text(state.status, sizeof state.status, "READY");
    state.client_cart = 1;
    state.discover = 1;
    state.speed = 1;
    vortelan_gb_runtime_menu_set_default_bindings(&state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
}

void MenuLoop::push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

void MenuLoop::key(SDL_Keycode code, bool repeat) {
    push(key_event(SDL_KEYDOWN, code, repeat));
}

void MenuLoop::text(const char *typed) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    vortelan_gb_runtime_copy_text(event.text.text, sizeof event.text.text, typed);
    push(event);
}

void MenuLoop::controller_button(SDL_GameControllerButton button, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    event.cbutton.which = 7;
    event.cbutton.button = static_cast<Uint8>(button);
    event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    push(event);
}

void MenuLoop::joystick_axis(Uint8 axis, Sint16 value) {
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.which = 7;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    push(event);
}

void MenuLoop::bind_controller() {
    const SDL_GameControllerButton buttons[slot_key_count] = {
        SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
        SDL_CONTROLLER_BUTTON_DPAD_UP,    SDL_CONTROLLER_BUTTON_DPAD_DOWN,
        SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,
        SDL_CONTROLLER_BUTTON_BACK,       SDL_CONTROLLER_BUTTON_START,
    };
    for (size_t i = 0; i < slot_key_count; ++i) {
        state.slot1_keys[i] = vortelan_gb_runtime_key_config_code_from_controller_button(
            static_cast<uint32_t>(buttons[i]));
    }
    state.escape_key =
        vortelan_gb_runtime_key_config_code_from_controller_button(SDL_CONTROLLER_BUTTON_Y);
}

namespace {

int files_in(const std::filesystem::path &folder) {
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<int>(std::distance(begin(entries), end(entries)));
}

// Waits until the folder holds more than count files, at most for the time given.
void wait_for_more_files(const std::filesystem::path &folder, int count,
                         std::chrono::milliseconds most) {
    const auto until = std::chrono::steady_clock::now() + most;
    while (files_in(folder) <= count && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

struct PushedBatches {
    std::filesystem::path frames;
    const std::vector<std::vector<SDL_Event>> *batches;
};

// An SDL thread rather than a plain one: SDL frees what it keeps per thread when its own
// threads end.
int push_batches(void *data) {
    using std::chrono::milliseconds;
    const PushedBatches *pushed = static_cast<const PushedBatches *>(data);
    wait_for_more_files(pushed->frames, 0, milliseconds(5000));
    for (const std::vector<SDL_Event> &batch : *pushed->batches) {
        const int before = files_in(pushed->frames);
        for (SDL_Event event : batch) {
            SDL_PushEvent(&event);
        }
        wait_for_more_files(pushed->frames, before, milliseconds(300));
        // Further passes, which must present nothing.
        std::this_thread::sleep_for(milliseconds(100));
    }
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

} // namespace

int MenuLoop::count_presents(const std::vector<std::vector<SDL_Event>> &batches,
                             const std::function<void()> &run) {
    const TempDir frames;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(frames.path());
    setenv("SDL_VIDEO_DUMMY_SAVE_FRAMES", "1", 1);
    PushedBatches pushed = {frames.path(), &batches};
    SDL_Thread *pusher = SDL_CreateThread(push_batches, "push batches", &pushed);
    if (pusher != nullptr) {
        run();
        SDL_WaitThread(pusher, nullptr);
    } else {
        ADD_FAILURE() << SDL_GetError();
    }
    unsetenv("SDL_VIDEO_DUMMY_SAVE_FRAMES");
    std::filesystem::current_path(previous);
    return files_in(frames.path());
}

std::string MenuLoop::run(uint32_t smoke_draw_ms) {
    CapturedStream captured(stderr);
    vortelan_gb_runtime_menu_main_loop(&state, renderer, window, &factor, smoke_draw_ms);
    return captured.text();
}

std::string MenuLoop::run_one_frame() {
    return run(1);
}

std::string MenuLoop::run_until_exit() {
    return run(0);
}

std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> lines_starting(const std::string &text, const std::string &prefix) {
    std::vector<std::string> found;
    for (const std::string &line : lines_of(text)) {
        if (line.rfind(prefix, 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

} // namespace gb_test
