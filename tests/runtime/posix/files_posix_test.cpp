#include "runtime/file_replace.h"
#include "runtime/files.h"

#include "tests/runtime/files_fixture.h"
#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace gb_test {

bool writes_only_at_end(int descriptor) {
    int flags = fcntl(descriptor, F_GETFL);
    return flags != -1 && (flags & O_APPEND) != 0;
}

} // namespace gb_test

namespace {

using gb_test::FilesTest;

constexpr int cannot_mount = 77;

// Runs body in a child that has its own mount namespace with a small tmpfs on mount_point,
// so a full or foreign file system can be had without touching the machine's mounts.
int on_private_tmpfs(const fs::path &mount_point, const std::function<int()> &body) {
    return gb_test::run_in_child([&] {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0) {
            return cannot_mount;
        }
        return body();
    });
}

constexpr const char *no_private_tmpfs =
    "needs a tmpfs in a private mount namespace (unshare + mount, as root)";

struct SameFileCase {
    const char *first;
    const char *second;
    bool same;
};

// Names here are case-sensitive and "\" is part of a name, so differently cased or
// backslashed spellings are other files; only spellings that resolve to the same absolute
// text name the same file.
TEST_F(FilesTest, SameFileByAbsolutePathText) {
    for (const char *name : {"File.txt", "file.txt", "a\\b.txt", "a/b.txt"}) {
        fs::create_directories(fs::path(at(name)).parent_path());
        gb_test::write_file(at(name), name);
    }
    fs::create_symlink(at("File.txt"), at("link.txt"));
    std::string relative = fs::relative(directory.path()).string() + "/";
    std::string absolute = fs::canonical(directory.path()).string() + "/";
    for (const SameFileCase &c : {
             SameFileCase{"File.txt", "File.txt", true},
             SameFileCase{"a/../File.txt", "./a//..//File.txt", true},
             SameFileCase{"File.txt", "file.txt", false},
             SameFileCase{"a\\b.txt", "a/b.txt", false},
             SameFileCase{"link.txt", "File.txt", false},
             SameFileCase{"a", "a", false},
             SameFileCase{"missing", "missing", false},
         }) {
        std::string first = absolute + c.first;
        std::string second = relative + c.second;
        EXPECT_EQ(
            vortelan_gb_runtime_paths_refer_to_same_regular_file(first.c_str(), second.c_str()),
            c.same)
            << c.first << " ~ " << c.second;
    }
    EXPECT_FALSE(vortelan_gb_runtime_paths_refer_to_same_regular_file("", ""));
}

TEST_F(FilesTest, EnsureDirectoryGivesTheNewDirectoryItsMode) {
    EXPECT_EQ(vortelan_gb_runtime_ensure_directory(at("made").c_str(), 0700), 0);
    EXPECT_EQ(fs::status(at("made")).permissions(), fs::perms::owner_all);
}

// Data that fits the stream's buffer reaches the device only when it is flushed at close.
TEST_F(FilesTest, CopyReportsAFullDevice) {
    for (size_t size : {100, 8192 + 100}) {
        gb_test::write_file(at("source"), std::string(size, 's'));
        EXPECT_EQ(vortelan_gb_runtime_copy_file(at("source").c_str(), "/dev/full"), -1) << size;
    }
}

TEST_F(FilesTest, CopyReportsAFullFileSystem) {
    gb_test::write_file(at("source"), std::string(100, 's'));
    fs::create_directory(at("small"));
    int code = on_private_tmpfs(at("small"), [&] {
        gb_test::write_file(at("small/filler"), std::string(1 << 20, 'f'));
        int result = vortelan_gb_runtime_copy_file(at("source").c_str(), at("small/copy").c_str());
        return result == -1 ? 0 : 1;
    });
    if (code == cannot_mount) {
        GTEST_SKIP() << no_private_tmpfs;
    }
    EXPECT_EQ(code, 0);
}

TEST_F(FilesTest, ReplaceRefusesToCrossFileSystems) {
    gb_test::write_file(at("new"), "new contents");
    fs::create_directory(at("other"));
    int code = on_private_tmpfs(at("other"), [&] {
        gb_test::write_file(at("other/old"), "old contents");
        errno = 0;
        int result = vortelan_gb_runtime_replace_file(at("new").c_str(), at("other/old").c_str());
        bool untouched = gb_test::read_file(at("other/old")) == "old contents";
        return result == -1 && errno == EXDEV && untouched ? 0 : 1;
    });
    if (code == cannot_mount) {
        GTEST_SKIP() << no_private_tmpfs;
    }
    EXPECT_EQ(code, 0);
    EXPECT_EQ(gb_test::read_file(at("new")), "new contents");
}

// A name in the root folder has "/" as its folder, not the working directory.
TEST_F(FilesTest, ARelativeLinkInTheRootLeadsIntoTheRoot) {
    fs::create_symlink("target", at("name"));
    const std::string root = directory.path().string();
    int code = gb_test::run_in_child([&] {
        if (chroot(root.c_str()) != 0 &&
            (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || chroot(root.c_str()) != 0)) {
            return cannot_mount;
        }
        char target[64];
        bool found = vortelan_gb_runtime_link_target("/name", target, sizeof target);
        return found && std::strcmp(target, "/target") == 0 ? 0 : 1;
    });
    if (code == cannot_mount) {
        GTEST_SKIP() << "needs chroot (as root or in a user namespace)";
    }
    EXPECT_EQ(code, 0);
}

} // namespace
