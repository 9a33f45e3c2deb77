#include "app/menu_startup.h"
#include "runtime/text.h"
#include "tests/e2e/menu_package.h"
#include "tests/e2e/virtual_display.h"
#include "ui/key_config_screen.h"
#include "ui/main_menu_screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

namespace {

using gb_test::Picture;
using gb_test::split_lines;

constexpr int wait_ms = 15000;
constexpr const char *window_title = "^VORTELAN EMULATOR - GB Runtime$";

// The menu program in a real X11 window on a private Xvfb screen, driven by xdotool key
// presses. GB_RUNTIME_README_SHOTS=<folder> also writes the README's pictures there.
class RealWindow : public testing::Test {
  protected:
    void SetUp() override {
        if (!display.problem().empty()) {
            GTEST_SKIP() << display.problem();
        }
        for (const char *name : {"block_drop.gb", "color_garden.gbc", "link_racer.gbc"}) {
            package.add(std::string("roms/") + name);
        }
        expected = start_up_state();
    }

    // The state the program builds, built here the same way in the same package.
    MenuState start_up_state() {
        MenuState state;
        std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(package.path());
        vortelan_gb_runtime_menu_init_state(&state);
        std::filesystem::current_path(here);
        return state;
    }

    void start_menu() {
        menu = std::make_unique<gb_test::ChildProgram>(
            gb_test::menu_program(), std::vector<std::string>{},
            package.environment({{"DISPLAY", display.name()},
                                 {"SDL_VIDEODRIVER", "x11"},
                                 // D-Bus and the GL driver keep memory past exit: only
                                 // their records are silenced, the menu's own are checked.
                                 {"LD_PRELOAD", GB_RUNTIME_WINDOW_PRELOAD},
                                 {"ASAN_OPTIONS", "verify_asan_link_order=0"},
                                 {"LSAN_OPTIONS", "suppressions=" GB_RUNTIME_THIRD_PARTY_LEAKS}}),
            "", errors_path);
        ASSERT_TRUE(gb_test::wait_until(
            [&] {
                window = display.xdotool({"search", "--name", window_title});
                return !window.empty();
            },
            wait_ms))
            << errors();
        window = split_lines(window).front();
        std::map<std::string, int> geometry;
        for (const std::string &line :
             split_lines(display.xdotool({"getwindowgeometry", "--shell", window}))) {
            size_t equals = line.find('=');
            geometry[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
        }
        left = geometry["X"];
        top = geometry["Y"];
        ASSERT_EQ(geometry["WIDTH"], 480);
        display.xdotool({"windowfocus", window});
    }

    void press(const std::vector<std::string> &keys) {
        std::vector<std::string> arguments = {"key", "--delay", "40"};
        arguments.insert(arguments.end(), keys.begin(), keys.end());
        display.xdotool(arguments);
    }

    std::string errors() const { return gb_test::read_file(errors_path); }

    void wait_for_line(const std::string &start) {
        ASSERT_TRUE(gb_test::wait_until(
            [&] {
                for (const std::string &line : split_lines(errors())) {
                    if (line.rfind(start, 0) == 0) {
                        return true;
                    }
                }
                return false;
            },
            wait_ms))
            << "no line " << start << " in\n"
            << errors();
    }

    // Waits until the window shows exactly the picture, then hands it to the README.
    void expect_window_shows(const Picture &picture, const char *readme_name = nullptr) {
        Picture shown;
        bool same = gb_test::wait_until(
            [&] {
                shown = display.capture(left, top, 480, 480);
                return gb_test::differing_pixels(shown, picture) == 0;
            },
            wait_ms);
        EXPECT_TRUE(same) << gb_test::differing_pixels(shown, picture) << " pixels differ";
        const char *folder = std::getenv("GB_RUNTIME_README_SHOTS");
        if (same && readme_name != nullptr && folder != nullptr) {
            EXPECT_TRUE(gb_test::write_png(std::string(folder) + "/" + readme_name, shown));
        }
    }

    void expect_menu(const MenuState &state, const char *readme_name = nullptr) {
        expect_window_shows(gb_test::render_canvas(
                                [&](SDL_Renderer *r) { vortelan_gb_runtime_menu_draw(r, &state); }),
                            readme_name);
    }

    // The menu's own lines, without the platform's window events.
    std::vector<std::string> menu_lines() const {
        std::vector<std::string> lines;
        for (const std::string &line : split_lines(errors())) {
            if (line.rfind("menu ", 0) == 0 && line.rfind("menu event:", 0) != 0) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    gb_test::VirtualDisplay display;
    gb_test::MenuPackage package;
    gb_test::TempDir output;
    std::string errors_path = output.file("stderr");
    std::unique_ptr<gb_test::ChildProgram> menu;
    std::string window;
    int left = 0;
    int top = 0;
    MenuState expected;
};

TEST_F(RealWindow, KeysPickAModeAndConfirmQuitting) {
    ASSERT_NO_FATAL_FAILURE(start_menu());
    expect_menu(expected, "main_menu.png");

    press({"Down", "Down", "Down", "Right"});
    wait_for_line("menu state: after keyboard right");
    expected.row = MENU_ROW_MODE;
    expected.mode = MENU_MODE_SERVER1;
    expect_menu(expected);

    press({"Escape", "Right", "Return"});
    ASSERT_EQ(menu->wait(wait_ms), 0) << errors();
    std::vector<std::string> wanted = {
        "menu state: initialized row=0(START)",
        "menu input: source=keyboard row=0(START) mode=SELF button_mask=0x08",
        "menu state: after keyboard down row=1(SLOT1 CART)",
        "menu input: source=keyboard row=1(SLOT1 CART) mode=SELF button_mask=0x08",
        "menu state: after keyboard down row=2(SLOT2 CART)",
        "menu input: source=keyboard row=2(SLOT2 CART) mode=SELF button_mask=0x08",
        "menu state: after keyboard down row=3(MODE)",
        "menu input: source=keyboard row=3(MODE) mode=SELF button_mask=0x01",
        "menu state: after keyboard right row=3(MODE) mode=SERVER1",
        "menu quit: open confirm by escape binding/key",
        "menu input: source=keyboard quit confirm row=3(MODE) mode=SERVER1 button_mask=0x01 "
        "editing=0 quit_confirm=1 quit_yes=0",
        "menu input: source=keyboard quit confirm row=3(MODE) mode=SERVER1 button_mask=0x90 "
        "editing=0 quit_confirm=1 quit_yes=1",
        "menu quit: confirmed yes, exiting menu loop",
        "menu state: menu loop exited row=3(MODE) mode=SERVER1 editing=0 quit_confirm=1 "
        "quit_yes=1",
        "menu exit: normal return without launching runtime",
    };
    std::vector<std::string> seen = menu_lines();
    ASSERT_EQ(seen.size(), wanted.size()) << errors();
    for (size_t i = 0; i < wanted.size(); ++i) {
        EXPECT_EQ(seen[i].rfind(wanted[i], 0), 0u) << seen[i];
    }
}

TEST_F(RealWindow, KeyConfigurationOpensInTheSameWindow) {
    ASSERT_NO_FATAL_FAILURE(start_menu());
    press({"Down", "Down", "Down", "Left", "Up", "Up", "Up", "Return"});
    wait_for_line("menu action: open key config");
    MenuState screen = expected;
    screen.mode = MENU_MODE_KEY_CONFIG;
    vortelan_gb_runtime_copy_text(screen.status, sizeof screen.status, "KEY CONFIG");
    expect_window_shows(gb_test::render_canvas([&](SDL_Renderer *r) {
                            vortelan_gb_runtime_menu_draw_key_config_menu(r, &screen, 0);
                        }),
                        "key_config.png");

    press({"Escape"});
    expected.mode = MENU_MODE_KEY_CONFIG;
    expect_menu(expected);
    press({"Escape", "Right", "Return"});
    EXPECT_EQ(menu->wait(wait_ms), 0) << errors();
}

} // namespace
