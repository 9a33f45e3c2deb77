#include "menu/settings_file.h"

#include "tests/menu/menu_state_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr const char *path_variable = "GB_RUNTIME_KEY_CONFIG";

const std::string default_file = "# VORTELAN EMULATOR GB Runtime settings\n"
                                 "slot1_keys=Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
                                 "slot2_keys=D,A,W,S,G,H,R,T\n"
                                 "fast_key=F\n"
                                 "screenshot_key=P\n"
                                 "escape_key=Escape\n"
                                 "turbo_hold_key=B\n"
                                 "reset_key=O\n"
                                 "recent_slot1_rom=slot1.gbc\n"
                                 "display_scale=AUTO\n";

std::vector<std::string> directory_entries(const std::filesystem::path &directory) {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SettingsSave : public testing::Test {
  protected:
    void SetUp() override {
        gb_test::fill_start_state(&state);
        std::snprintf(state.slot1_cart, sizeof state.slot1_cart, "slot1.gbc");
        vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
        use_path(directory.file("keys.conf"));
    }
    void TearDown() override { unsetenv(path_variable); }

    void use_path(const std::string &settings_path) {
        path = settings_path;
        setenv(path_variable, path.c_str(), 1);
    }

    gb_test::TempDir directory;
    std::string path;
    MenuState state;
};

TEST_F(SettingsSave, WritesTheTenLinesOfTheStartState) {
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(gb_test::read_file(path), default_file);
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
    EXPECT_EQ(gb_test::read_file(path), normalised);

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
        list += (list.empty() ? "" : ",") + ("PAD@" + identity + ":") + button;
    }
    gb_test::write_file(path, "slot1_keys=" + list + "\n");
    vortelan_gb_runtime_menu_load_config_file(&state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
    EXPECT_EQ(std::string(state.slot1_keys_text), list.substr(0, 255));

    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_NE(gb_test::read_file(path).find("\nslot1_keys=" + list + "\n"), std::string::npos);
    MenuState reloaded;
    gb_test::fill_start_state(&reloaded);
    vortelan_gb_runtime_menu_load_config_file(&reloaded);
    EXPECT_EQ(reloaded.slot1_keys, state.slot1_keys);
}

TEST_F(SettingsSave, CreatesOnlyTheDirectoryTheFileSitsIn) {
    use_path(directory.file("config/keys.conf"));
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(gb_test::read_file(path), default_file);

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

TEST_F(SettingsSave, PathsOf512BytesOrMoreFail) {
    std::string parent = directory.file(std::string(200, 'd'));
    std::filesystem::create_directory(parent);
    std::string prefix = parent + "/" + std::string(200, 'e') + "/";
    std::string longest = prefix + std::string(511 - prefix.size(), 'f');
    ASSERT_EQ(longest.size(), 511u);
    use_path(longest + "f");
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), -1);
    EXPECT_FALSE(std::filesystem::exists(prefix));
    use_path(longest);
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(gb_test::read_file(longest), default_file);
}

TEST_F(SettingsSave, ADirectoryInTheWayFailsAndLeavesNoTemporary) {
    std::filesystem::create_directory(path);
    EXPECT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), -1);
    EXPECT_EQ(directory_entries(directory.path()), std::vector<std::string>{"keys.conf"});
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

// The old file must survive a write that fails part-way. A long cartridge name makes the
// file large enough to hit the limit that each case sets up in a child process.
class SettingsSaveFault : public SettingsSave {
  protected:
    static constexpr int kept_intact = 0;
    static constexpr int not_set_up = 77;

    void SetUp() override {
        SettingsSave::SetUp();
        old_contents = default_file + "# the player's own file\n";
        std::snprintf(state.slot1_cart, sizeof state.slot1_cart, "%s.gb",
                      std::string(500, 'g').c_str());
    }

    // In the child: save, then check the result, the old file and that no temporary is left
    // beside the settings file and the given others.
    int save_and_check(std::vector<std::string> others = {}) {
        if (vortelan_gb_runtime_menu_save_config_file(&state) != -1) {
            return 1;
        }
        if (gb_test::read_file(path) != old_contents) {
            return 2;
        }
        others.push_back("keys.conf");
        std::sort(others.begin(), others.end());
        return directory_entries(std::filesystem::path(path).parent_path()) == others ? kept_intact
                                                                                      : 3;
    }

    std::string old_contents;
};

TEST_F(SettingsSaveFault, FileSizeLimit) {
    gb_test::write_file(path, old_contents);
    int result = gb_test::run_in_child([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{300, 300};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return not_set_up;
        }
        return save_and_check();
    });
    EXPECT_EQ(result, kept_intact);
    EXPECT_EQ(gb_test::read_file(path), old_contents);
}

// A small tmpfs, filled up, in a mount namespace of its own.
TEST_F(SettingsSaveFault, FullDisk) {
    std::filesystem::path mount_point = directory.path() / "small";
    std::filesystem::create_directory(mount_point);
    int result = gb_test::run_in_child([&] {
        if (unshare(CLONE_NEWNS) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            return not_set_up;
        }
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=16k") != 0) {
            return not_set_up;
        }
        use_path((mount_point / "keys.conf").string());
        gb_test::write_file(path, old_contents);
        {
            std::ofstream filler(mount_point / "filler", std::ios::binary);
            std::string block(512, 'x');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) &&
                   filler.flush()) {
            }
        }
        return save_and_check({"filler"});
    });
    if (result == not_set_up) {
        GTEST_SKIP() << "no mount namespace for a small tmpfs here";
    }
    EXPECT_EQ(result, kept_intact);
}

} // namespace
