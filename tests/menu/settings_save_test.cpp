#include "tests/menu/settings_save_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using gb_test::default_file;
using gb_test::directory_entries;
using gb_test::read_settings;
using gb_test::SettingsSave;

TEST_F(SettingsSave, WritesTheTenLinesOfTheStartState) {
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(read_settings(path), default_file);
    EXPECT_EQ(directory_entries(directory.path()), std::vector<std::string>{"keys.conf"});
}

TEST_F(SettingsSave, LoadThenSaveNormalisesTheFile) {
    gb_test::write_file(path, "# mine\r\ndisplay_scale = 3\r\nunknown=1\nreset_key=Nope\n"
                              "fast_key=Q\nrecent_slot1_rom=Game.gb\n\nslot2_keys=PAD_A,PAD_B,"
                              "PAD_X,PAD_Y,JOY_BUTTON_1,JOY_AXIS_2_NEG,JOY_HAT_0_DOWN,PAD_LX_POS\n"
                              "fast_key=J\n");
    vortelan_gb_runtime_menu_load_config_file(&state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    const std::string normalised =
        "# VORTELAN EMULATOR GB Runtime settings\n"
        "slot1_keys=Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
        "slot2_keys=PAD_A,PAD_B,PAD_X,PAD_Y,JOY_BUTTON_1,JOY_AXIS_2_NEG,JOY_HAT_0_DOWN,"
        "PAD_LX_POS\n"
        "fast_key=J\nscreenshot_key=P\nescape_key=Escape\nturbo_hold_key=B\nreset_key=O\n"
        "recent_slot1_rom=Game.gb\ndisplay_scale=3\n";
    EXPECT_EQ(read_settings(path), normalised);

    MenuState reloaded;
    gb_test::fill_start_state(&reloaded);
    vortelan_gb_runtime_menu_load_config_file(&reloaded);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&reloaded);
    EXPECT_EQ(gb_test::state_summary(reloaded), gb_test::state_summary(state));
}

// Eight long device names do not fit the 256-byte text on screen; the file still gets the
// whole list, so the bindings come back on the next start.
TEST_F(SettingsSave, LongDeviceListsSurviveAReload) {
    std::string identity(39, 'i');
    std::string list;
    for (const char *button : {"DPAD_RIGHT", "DPAD_LEFT", "DPAD_UP", "DPAD_DOWN", "LSHOULDER",
                               "RSHOULDER", "BACK", "START"}) {
        list.append(list.empty() ? "" : ",").append("PAD@" + identity + ":").append(button);
    }
    gb_test::write_file(path, "slot1_keys=" + list + "\n");
    vortelan_gb_runtime_menu_load_config_file(&state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
    EXPECT_EQ(std::string(state.slot1_keys_text), list.substr(0, 255));

    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_NE(read_settings(path).find("\nslot1_keys=" + list + "\n"), std::string::npos);
    MenuState reloaded;
    gb_test::fill_start_state(&reloaded);
    vortelan_gb_runtime_menu_load_config_file(&reloaded);
    EXPECT_EQ(reloaded.slot1_keys, state.slot1_keys);
}

// The longest cartridge text F2 takes makes a line longer than any other but one.
TEST_F(SettingsSave, TheLongestCartridgeTextReadsBack) {
    const std::string name = std::string(508, 'a') + ".gb";
    std::snprintf(state.slot1_cart, sizeof state.slot1_cart, "%s", name.c_str());
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    MenuState reloaded;
    gb_test::fill_start_state(&reloaded);
    vortelan_gb_runtime_menu_load_config_file(&reloaded);
    EXPECT_EQ(std::string(reloaded.slot1_cart), name);
}

// A line feed in a value would become a setting line of its own at the next start.
TEST_F(SettingsSave, ValuesWithControlCharactersAreWrittenEmpty) {
    std::snprintf(state.slot1_cart, sizeof state.slot1_cart, "a\nescape_key=Q\n.gb");
    std::snprintf(state.fast_key_text, sizeof state.fast_key_text, "F\x7f");
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    std::string expected = default_file;
    expected.replace(expected.find("fast_key=F"), 10, "fast_key=");
    expected.replace(expected.find("=slot1.gbc"), 10, "=");
    EXPECT_EQ(read_settings(path), expected);
}

// A save that was killed leaves its temporary; once its process is gone, the next save
// removes it, and only it.
TEST_F(SettingsSave, TemporariesOfProcessesThatAreGoneAreRemoved) {
    for (const char *name : {"keys.conf.2147483646.tmp", "keys.conf.x.tmp", "keys.conf.tmp",
                             "keys.conf.2147483646.tmp.old", "other.conf.2147483646.tmp"}) {
        gb_test::write_file(directory.file(name), "half");
    }
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(
        directory_entries(directory.path()),
        (std::vector<std::string>{"keys.conf", "keys.conf.2147483646.tmp.old", "keys.conf.tmp",
                                  "keys.conf.x.tmp", "other.conf.2147483646.tmp"}));
}

TEST_F(SettingsSave, CreatesOnlyTheDirectoryTheFileSitsIn) {
    use_path(directory.file("config/keys.conf"));
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(read_settings(path), default_file);
    // A folder in letters of no single ANSI code page, as a player's may be.
    use_path(directory.file("\xe8\xa8\xad\xe5\xae\x9a-\xd0\x81/keys.conf"));
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(read_settings(path), default_file);

    use_path(directory.file("a/b/keys.conf"));
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), -1);
    EXPECT_FALSE(std::filesystem::exists(directory.path() / "a"));
}

TEST_F(SettingsSave, PathWithoutDirectoryIsWrittenWhereWeAre) {
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());
    use_path("settings.conf");
    int result = vortelan_gb_runtime_menu_save_config_file(&state);
    std::filesystem::current_path(previous);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(directory_entries(directory.path()), std::vector<std::string>{"settings.conf"});
}

TEST_F(SettingsSave, ADirectoryInTheWayFailsAndLeavesNoTemporary) {
    std::filesystem::create_directory(path);
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), -1);
    EXPECT_EQ(directory_entries(directory.path()), std::vector<std::string>{"keys.conf"});
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

} // namespace
