#pragma once

#include "menu/settings_file.h"

#include "tests/menu/menu_state_fixture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace gb_test {

inline constexpr const char *path_variable = "GB_RUNTIME_KEY_CONFIG";

// What saving the start state writes.
inline const std::string default_file = "# VORTELAN EMULATOR GB Runtime settings\n"
                                        "slot1_keys=Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
                                        "slot2_keys=D,A,W,S,G,H,R,T\n"
                                        "fast_key=F\n"
                                        "screenshot_key=P\n"
                                        "escape_key=Escape\n"
                                        "turbo_hold_key=B\n"
                                        "reset_key=O\n"
                                        "recent_slot1_rom=slot1.gbc\n"
                                        "display_scale=AUTO\n";

// The settings file as its lines read back: it is written in text mode, with the
// platform's own line ends.
inline std::string read_settings(const std::string &path) {
    std::ifstream in(utf8_path(path));
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

inline std::vector<std::string> directory_entries(const std::filesystem::path &directory) {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The start state with its key texts, saved to a fresh directory named by the environment.
class SettingsSave : public testing::Test {
  protected:
    void SetUp() override {
        fill_start_state(&state);
        std::snprintf(state.slot1_cart, sizeof state.slot1_cart, "slot1.gbc");
        vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
        use_path(directory.file("keys.conf"));
    }
    void TearDown() override { unsetenv(path_variable); }

    void use_path(const std::string &settings_path) {
        path = settings_path;
        setenv(path_variable, path.c_str(), 1);
    }

    TempDir directory;
    std::string path;
    MenuState state;
};

} // namespace gb_test
