#include "menu/settings_file.h"

#include "tests/menu/menu_state_fixture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <SDL_keycode.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr const char *path_variable = "GB_RUNTIME_KEY_CONFIG";

// Points the settings path into a fresh directory for each test.
class SettingsLoad : public testing::Test {
  protected:
    void SetUp() override {
        // Named in letters of no single ANSI code page, as a player's folder may be.
        path = directory.file("\xe8\xa8\xad\xe5\xae\x9a-\xd0\x81.conf");
        setenv(path_variable, path.c_str(), 1);
        gb_test::fill_start_state(&state);
    }
    void TearDown() override { unsetenv(path_variable); }

    // The state after loading contents over the start state.
    MenuState loaded(const std::string &contents) {
        gb_test::write_file(path, contents);
        MenuState result;
        gb_test::fill_start_state(&result);
        vortelan_gb_runtime_menu_load_config_file(&result);
        return result;
    }

    gb_test::TempDir directory;
    std::string path;
    MenuState state;
};

TEST_F(SettingsLoad, PathComesFromTheEnvironmentUnlessEmpty) {
    EXPECT_EQ(std::string(vortelan_gb_runtime_menu_config_path()), path);
    setenv(path_variable, "", 1);
    EXPECT_STREQ(vortelan_gb_runtime_menu_config_path(), "config/gb_runtime_keys.conf");
    unsetenv(path_variable);
    EXPECT_STREQ(vortelan_gb_runtime_menu_config_path(), "config/gb_runtime_keys.conf");
}

struct LoadCase {
    const char *name;
    std::string contents;
    std::function<void(MenuState &)> change; // from the start state
};

void none(MenuState &) {}

std::string repeated(const std::string &text, size_t count) {
    std::string result;
    for (size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

using namespace std::string_literals;

const std::string long_comment = "#" + std::string(599, 'c') + "\n";

const LoadCase load_cases[] = {
    {"blanks around the equals sign and a carriage return", "\t display_scale = 3 \r\n",
     [](MenuState &s) { s.display_scale = 3; }},
    {"bad scales are ignored",
     "display_scale=4\ndisplay_scale=7\ndisplay_scale=0\n"
     "display_scale=2x\ndisplay_scale=Auto\n",
     [](MenuState &s) { s.display_scale = 4; }},
    {"auto", "display_scale=4\ndisplay_scale=auto\n", none},
    {"a bad key name keeps the earlier value, a later valid one wins",
     "fast_key=NoSuchKey\nfast_key=G\nfast_key=\nfast_key=H\nfast_key=Nope\n",
     [](MenuState &s) { s.fast_key = SDLK_h; }},
    {"keys are case-sensitive", "Fast_key=G\nFAST_KEY=G\nfast_key =G\n",
     [](MenuState &s) { s.fast_key = SDLK_g; }},
    {"every single key",
     "screenshot_key=F12\nescape_key=PAD_START\nturbo_hold_key=JOY_HAT_1_LEFT\n"
     "reset_key=RIGHTSHIFT\n",
     [](MenuState &s) {
         s.screenshot_key = SDLK_F12;
         s.escape_key = -100006;
         s.turbo_hold_key = -106007;
         s.reset_key = SDLK_RSHIFT;
     }},
    {"a binding list is taken whole or not at all",
     "slot1_keys=D,A,W,S,G,H,R,T\nslot1_keys=D,A,W\nslot2_keys=Up,Down,Left,Right,Z,X,Q,"
     "NoSuchKey\nslot2_keys = PAD_A,,PAD_B, x,y,z,1,2,3 \n",
     [](MenuState &s) {
         s.slot1_keys = {SDLK_d, SDLK_a, SDLK_w, SDLK_s, SDLK_g, SDLK_h, SDLK_r, SDLK_t};
         s.slot2_keys = {-100000, -100001, SDLK_x, SDLK_y, SDLK_z, SDLK_1, SDLK_2, SDLK_3};
     }},
    {"cartridge names",
     "recent_slot1_rom=Game.GBC\nrecent_slot1_rom=../x.gb\n"
     "recent_slot1_rom=roms/x.gb\nrecent_slot1_rom=x.zip\nrecent_slot1_rom=\n",
     [](MenuState &s) { std::snprintf(s.slot1_cart, sizeof s.slot1_cart, "Game.GBC"); }},
    {"a cartridge name keeps its inner blanks", "recent_slot1_rom =  My Game.gb  \n",
     [](MenuState &s) { std::snprintf(s.slot1_cart, sizeof s.slot1_cart, "My Game.gb"); }},
    {"comments, blank lines, unknown keys and lines without equals",
     "# display_scale=5\n\n   \n  # display_scale=5\nunknown=1\ndisplay_scale 5\n=5\n"
     "host=10.0.0.1\nport=1\nspeed=3\n",
     none},
    {"the value runs from the first equals sign", "recent_slot1_rom==x.gb\nfast_key==\n",
     [](MenuState &s) {
         std::snprintf(s.slot1_cart, sizeof s.slot1_cart, "=x.gb");
         s.fast_key = SDLK_EQUALS;
     }},
    {"a line longer than the reader's 2047 bytes is passed over whole, its rest is no setting",
     long_comment + "#" + std::string(2046, 'c') + "display_scale=6\ndisplay_scale=5\n",
     [](MenuState &s) { s.display_scale = 5; }},
    {"a cartridge line past 511 bytes is one line",
     "recent_slot1_rom=" + std::string(494, 'a') + "escape_key=F1\n", none},
    {"a NUL byte ends the line's text", "display_scale=2\0junk\ndisplay_scale\0=3\n"s,
     [](MenuState &s) { s.display_scale = 2; }},
    {"no newline at the end", "display_scale=1", [](MenuState &s) { s.display_scale = 1; }},
    {"binary bytes", "\xff\xfe=\x01\x00\x80=\x1a\ndisplay_scale=\xff\n"s, none},
    // Lines end in CR LF, which every C library counts the same in text mode.
    {"a line that starts within the first 64 KiB", repeated("\r\n", 32767) + "display_scale=3\r\n",
     [](MenuState &s) { s.display_scale = 3; }},
    {"nothing after the first 64 KiB", repeated("\r\n", 32768) + "display_scale=3\r\n", none},
};

TEST_F(SettingsLoad, ReadingRules) {
    for (const LoadCase &c : load_cases) {
        MenuState expected;
        gb_test::fill_start_state(&expected);
        c.change(expected);
        EXPECT_EQ(gb_test::state_summary(loaded(c.contents)), gb_test::state_summary(expected))
            << c.name;
    }
}

TEST_F(SettingsLoad, MissingFileOrDirectoryChangesNothing) {
    MenuState expected = state;
    vortelan_gb_runtime_menu_load_config_file(&state);
    EXPECT_EQ(gb_test::state_summary(state), gb_test::state_summary(expected));
    std::filesystem::create_directory(path);
    vortelan_gb_runtime_menu_load_config_file(&state);
    EXPECT_EQ(gb_test::state_summary(state), gb_test::state_summary(expected));
}

TEST_F(SettingsLoad, KeyTextsComeFromTheCodes) {
    vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
    EXPECT_STREQ(state.slot1_keys_text, "Right,Left,Up,Down,Z,X,RSHIFT,RETURN");
    EXPECT_STREQ(state.slot2_keys_text, "D,A,W,S,G,H,R,T");
    EXPECT_STREQ(state.fast_key_text, "F");
    EXPECT_STREQ(state.screenshot_key_text, "P");
    EXPECT_STREQ(state.escape_key_text, "Escape");
    EXPECT_STREQ(state.turbo_hold_key_text, "B");
    EXPECT_STREQ(state.reset_key_text, "O");
}

} // namespace
