#include "tests/menu/settings_save_fixture.h"
#include "tests/support/captured_stream.h"
#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using gb_test::default_file;
using gb_test::directory_entries;
using gb_test::SettingsSave;

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

// The file that a link leads to is replaced, with its permission bits; the link stays.
TEST_F(SettingsSave, ALinkStaysALink) {
    std::filesystem::create_directory(directory.file("real"));
    const std::string real = directory.file("real/keys.conf");
    gb_test::write_file(real, "# old\n");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink("real/keys.conf", path);
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(gb_test::read_file(real), default_file);
    struct stat status {};
    ASSERT_EQ(stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(directory_entries(directory.file("real")), std::vector<std::string>{"keys.conf"});
}

// A temporary of a process that still runs may be a save under way.
TEST_F(SettingsSave, ATemporaryOfARunningProcessIsLeftAlone) {
    const std::string running = "keys.conf." + std::to_string(getppid()) + ".tmp";
    gb_test::write_file(directory.file(running), "half");
    ASSERT_EQ(vortelan_gb_runtime_menu_save_config_file(&state), 0);
    EXPECT_EQ(directory_entries(directory.path()),
              (std::vector<std::string>{"keys.conf", running}));
}

// Without read permission the folder cannot be opened to sync it after the rename, yet the
// file is replaced: the save has happened and says so. Root may open any folder, so a root
// run saves as nobody.
TEST_F(SettingsSave, AFolderWithoutReadPermissionStillSaves) {
    const std::string folder = directory.file("unreadable");
    std::filesystem::create_directory(folder);
    use_path(folder + "/keys.conf");
    gb_test::write_file(path, "# old\n");
    const passwd *nobody = getpwnam("nobody");
    ASSERT_TRUE(geteuid() != 0 ||
                (nobody != nullptr && chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid) == 0));
    ASSERT_EQ(chmod(folder.c_str(), 0300), 0);
    int result = gb_test::run_in_child([&] {
        if (geteuid() == 0 && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) {
            return 90;
        }
        gb_test::CapturedStream errors(stderr);
        if (vortelan_gb_runtime_menu_save_config_file(&state) != 0) {
            return 1;
        }
        return errors.text() == "replace file: directory sync failed for '" + folder +
                                    "': " + std::strerror(EACCES) + "\n"
                   ? 0
                   : 2;
    });
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(gb_test::read_file(path), default_file);
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

// With the signal's own action, which would end the process; the save puts it back.
TEST_F(SettingsSaveFault, FileSizeLimit) {
    gb_test::write_file(path, old_contents);
    int result = gb_test::run_in_child([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{300, 300};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return not_set_up;
        }
        const int checked = save_and_check();
        return std::signal(SIGXFSZ, SIG_DFL) == SIG_DFL ? checked : 4;
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
