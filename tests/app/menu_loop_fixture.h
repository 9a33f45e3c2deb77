#pragma once

#include "app/menu_state.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

namespace gb_test {

// The menu's main loop on a hidden window with the software renderer (dummy video driver):
// tests push events, run the loop and read the state and the diagnostic lines it wrote. The
// settings file is moved into a temporary folder.
class MenuLoop : public testing::Test {
  public:
    void SetUp() override;
    void TearDown() override;

    // A state as start-up leaves it, with three cartridges and a fixed host.
    void reset_state();

    void key(SDL_Keycode key, bool repeat = false);
    void text(const char *typed);
    void controller_button(SDL_GameControllerButton button, bool down = true);
    void push(SDL_Event event);
    void joystick_axis(Uint8 axis, Sint16 value);

    // One frame (the loop's smoke draw mode with 1 ms); returns standard error.
    std::string run_one_frame();
    // Frames until the loop ends by itself; returns standard error.
    std::string run_until_exit();

    // Runs a screen's loop (run) while another thread pushes each batch of events once the
    // frame before it was presented, or 300 ms later when none was, and finally a quit
    // request. Returns the number of frames presented, as the dummy video driver counts them:
    // it saves each presented frame as a picture in the working folder.
    int count_presents(const std::vector<std::vector<SDL_Event>> &batches,
                       const std::function<void()> &run);

    // Slot 1 navigation on a controller's buttons, escape on its Y button.
    void bind_controller();

    std::string settings_path() const { return folder.file("keys.conf"); }

    TempDir folder;
    SDL_Window *window = nullptr;
    SDL_Renderer *renderer = nullptr;
    int factor = 1;
    MenuState state;

  private:
    std::string run(uint32_t smoke_draw_ms);
};

std::vector<std::string> lines_of(const std::string &text);

// The lines of text that start with prefix, in order.
std::vector<std::string> lines_starting(const std::string &text, const std::string &prefix);

} // namespace gb_test
