#include "tests/ui/screen_fixture.h"

#include "input/controllers.h"
#include "menu/settings_file.h"
#include "tests/menu/menu_state_fixture.h"
#include "tests/support/key_event.h"

#include <cstdlib>

namespace gb_test {

void ScreenTest::SetUp() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    canvas = std::make_unique<Canvas>();
}

void ScreenTest::TearDown() {
    canvas.reset();
    vortelan_gb_runtime_key_config_close_game_controllers();
    SDL_Quit();
}

void fill_menu_state(MenuState *state) {
    fill_start_state(state);
    std::snprintf(state->slot1_cart, sizeof state->slot1_cart, "slot1.gbc");
    vortelan_gb_runtime_menu_refresh_key_descriptions(state);
}

void push_key(SDL_Keycode key, bool repeat) {
    SDL_Event event = key_event(SDL_KEYDOWN, key, repeat);
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

void push_keys(std::initializer_list<SDL_Keycode> keys) {
    for (SDL_Keycode key : keys) {
        push_key(key);
    }
}

void push_quit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::filesystem::path &directory)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::filesystem::current_path(previous);
}

ScopedEnvironment::ScopedEnvironment(const char *name, const std::string &value) : variable(name) {
    setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    unsetenv(variable.c_str());
}

} // namespace gb_test
