#pragma once

#include "app/menu_state.h"
#include "tests/ui/canvas.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace gb_test {

// SDL with video (dummy driver), events, joysticks and game controllers, as the menu runs
// its screens, and a canvas to draw on; closes the devices the registry opened and shuts SDL
// down afterwards.
class ScreenTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<Canvas> canvas;
};

// The menu's state as start-up leaves it with no settings file and no cartridges, with the
// loopback host so that frames do not depend on the machine.
void fill_menu_state(MenuState *state);

// Queues events the way SDL delivers them, for a loop to find.
void push_key(SDL_Keycode key, bool repeat = false);
void push_quit();
// Every key press of the list in order.
void push_keys(std::initializer_list<SDL_Keycode> keys);

// Runs in another working directory, and sets an environment variable, until destroyed.
class ScopedWorkingDirectory {
  public:
    explicit ScopedWorkingDirectory(const std::filesystem::path &directory);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory &) = delete;
    ScopedWorkingDirectory &operator=(const ScopedWorkingDirectory &) = delete;

  private:
    std::filesystem::path previous;
};

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char *name, const std::string &value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

  private:
    std::string variable;
};

} // namespace gb_test
