#include "menu/settings_file.h"

#include "tests/menu/menu_state_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int unchanged = 0;

// A FIFO waits for a writer before it even opens, and /dev/zero never ends: as the settings
// path, each counts as a missing file. In a child that the clock kills, should it hang.
TEST(SettingsLoadPosix, OnlyARegularFileIsRead) {
    gb_test::TempDir directory;
    const std::string fifo = directory.file("keys.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &path : {fifo, std::string("/dev/zero")}) {
        const int result = gb_test::run_in_child([&] {
            alarm(10);
            setenv("GB_RUNTIME_KEY_CONFIG", path.c_str(), 1);
            MenuState state;
            gb_test::fill_start_state(&state);
            const std::string before = gb_test::state_summary(state);
            vortelan_gb_runtime_menu_load_config_file(&state);
            return gb_test::state_summary(state) == before ? unchanged : 1;
        });
        EXPECT_EQ(result, unchanged) << path;
    }
}

} // namespace
