#include "app/menu_display_scale.h"
#include "ui/display_scale.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char *scale_variable = "VORTELAN_EMULATOR_DISPLAY_SCALE";

// The dummy video driver has one display whose usable area is its whole 1024x768 mode.
class MenuWindowScale : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0) << SDL_GetError();
        window = SDL_CreateWindow("scale", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 480,
                                  SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        std::memset(&state, 0, sizeof state);
        unsetenv(scale_variable);
    }
    void TearDown() override {
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Read as SDL wrote it: on Windows SDL sets the process environment, not the C runtime's.
    std::string published() {
        const char *value = SDL_getenv(scale_variable);
        return value != nullptr ? value : "(unset)";
    }

    void expect_window(int side, int x, int y) {
        int width = 0, height = 0, at_x = 0, at_y = 0;
        SDL_GetWindowSize(window, &width, &height);
        SDL_GetWindowPosition(window, &at_x, &at_y);
        EXPECT_EQ(width, side);
        EXPECT_EQ(height, side);
        EXPECT_EQ(at_x, x);
        EXPECT_EQ(at_y, y);
    }

    SDL_Rect usable{};
    SDL_Window *window = nullptr;
    MenuState state;
};

TEST_F(MenuWindowScale, ResolvesAgainstTheWindowsDisplay) {
    ASSERT_EQ(usable.w, 1024);
    ASSERT_EQ(usable.h, 768);
    EXPECT_EQ(resolve_menu_display_scale(window, 0), 1);
    EXPECT_EQ(resolve_menu_display_scale(nullptr, 0), 1);
    EXPECT_EQ(resolve_menu_display_scale(window, 5), 5);
    EXPECT_EQ(resolve_menu_display_scale(nullptr, 7), 1);
    EXPECT_EQ(resolve_menu_display_scale(nullptr, -1), 1);
}

TEST_F(MenuWindowScale, ResizesAndCentresOnlyWhenTheFactorChanges) {
    int factor = 1;
    state.display_scale = 2;
    apply_menu_display_scale(window, &state, &factor);
    EXPECT_EQ(factor, 2);
    EXPECT_EQ(published(), "2");
    EXPECT_EQ(vortelan_display_scale_from_environment(scale_variable), 2u);
    expect_window(960, (1024 - 960) / 2, (768 - 960) / 2);

    // Same factor again: the variable is written anew, the window is not touched.
    SDL_SetWindowPosition(window, 5, 7);
    unsetenv(scale_variable);
    apply_menu_display_scale(window, &state, &factor);
    EXPECT_EQ(published(), "2");
    expect_window(960, 5, 7);

    state.display_scale = 0;
    apply_menu_display_scale(window, &state, &factor);
    EXPECT_EQ(factor, 1);
    EXPECT_EQ(published(), "AUTO");
    expect_window(480, (1024 - 480) / 2, (768 - 480) / 2);
}

} // namespace
