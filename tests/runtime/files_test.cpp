#include "runtime/files.h"

#include "tests/runtime/files_fixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

using gb_test::FilesTest;
using gb_test::utf8_path;

// Letters beyond any one ANSI code page: Japanese and Cyrillic.
const std::string game_name = "\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0-\xd0\x81\xd0\xb6.gb";

TEST_F(FilesTest, ExistsOnlyForRegularFilesWithUtf8Names) {
    gb_test::write_file(at("caf\xc3\xa9.txt"), "x");
    gb_test::write_file(at(game_name), "x");
    gb_test::write_file(at("bad\xff.txt"), "x");
    fs::create_directory(at("dir"));
    EXPECT_TRUE(vortelan_gb_runtime_file_exists_regular(at("caf\xc3\xa9.txt").c_str()));
    EXPECT_TRUE(vortelan_gb_runtime_file_exists_regular(at(game_name).c_str()));
    EXPECT_FALSE(vortelan_gb_runtime_file_exists_regular(at("dir").c_str()));
    EXPECT_FALSE(vortelan_gb_runtime_file_exists_regular(at("missing").c_str()));
    errno = 0;
    EXPECT_FALSE(vortelan_gb_runtime_file_exists_regular(at("bad\xff.txt").c_str()));
    EXPECT_EQ(errno, EILSEQ);
    EXPECT_FALSE(vortelan_gb_runtime_file_exists_regular(nullptr));
    EXPECT_EQ(errno, EINVAL);
}

TEST_F(FilesTest, OpensOnlyRegularFilesForReading) {
    gb_test::write_file(at("caf\xc3\xa9.txt"), "x");
    fs::create_directory(at("dir"));
    std::FILE *file = vortelan_gb_runtime_open_regular_file(at("caf\xc3\xa9.txt").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fgetc(file), 'x');
    std::fclose(file);
    for (const std::string &other : {at("dir"), at("missing")}) {
        EXPECT_EQ(vortelan_gb_runtime_open_regular_file(other.c_str(), "r"), nullptr) << other;
    }
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_open_regular_file(at("caf\xc3\xa9.txt").c_str(), "r+"), nullptr);
    EXPECT_EQ(errno, EINVAL);
}

TEST_F(FilesTest, EnsureDirectoryAcceptsAnyExistingEntry) {
    gb_test::write_file(at("file"), "x");
    EXPECT_EQ(vortelan_gb_runtime_ensure_directory(at("made").c_str(), 0700), 0);
    EXPECT_EQ(vortelan_gb_runtime_ensure_directory(at(game_name).c_str(), 0700), 0);
    EXPECT_TRUE(fs::is_directory(utf8_path(at(game_name))));
    for (const std::string &existing : {at("made"), at(game_name), at("file"), std::string()}) {
        EXPECT_EQ(vortelan_gb_runtime_ensure_directory(existing.c_str(), 0755), 0) << existing;
    }
    EXPECT_EQ(vortelan_gb_runtime_ensure_directory(at("missing/made").c_str(), 0755), -1);
}

TEST_F(FilesTest, EnsureParentsMakesEveryDirectoryBeforeTheName) {
    for (const char *path : {"a/b/c.txt", "d/e/", "f.txt"}) {
        EXPECT_EQ(vortelan_gb_runtime_ensure_parent_directories(at(path).c_str()), 0) << path;
    }
    for (const char *made : {"a/b", "d/e"}) {
        EXPECT_TRUE(fs::is_directory(at(made))) << made;
    }
    EXPECT_FALSE(fs::exists(at("a/b/c.txt")));
    EXPECT_FALSE(fs::exists(at("f.txt")));
    gb_test::write_file(at("file"), "x");
    EXPECT_EQ(vortelan_gb_runtime_ensure_parent_directories(at("file/sub/x").c_str()), -1);
}

TEST_F(FilesTest, EnsureParentsTakesAtMost1023Characters) {
    std::string prefix = directory.path().string() + "/";
    std::string longest = prefix + std::string(1023 - prefix.size(), 'x');
    EXPECT_EQ(vortelan_gb_runtime_ensure_parent_directories(longest.c_str()), 0);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_ensure_parent_directories((longest + "x").c_str()), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
}

// Sizes around the copy block: an exact block is followed by one more, empty read.
TEST_F(FilesTest, CopiesEveryByteOverALongerFile) {
    for (size_t size : {0, 1, 8191, 8192, 8193, 20000}) {
        std::string contents;
        for (size_t i = 0; i < size; ++i) {
            contents += static_cast<char>(i * 7 % 251);
        }
        gb_test::write_file(at("source"), contents);
        gb_test::write_file(at(game_name), std::string(30000, 'o'));
        EXPECT_EQ(vortelan_gb_runtime_copy_file(at("source").c_str(), at(game_name).c_str()), 0);
        EXPECT_EQ(gb_test::read_file(at(game_name)), contents) << size;
    }
}

TEST_F(FilesTest, CopyFailsWithoutSourceOrDestinationDirectory) {
    gb_test::write_file(at("source"), "x");
    EXPECT_EQ(vortelan_gb_runtime_copy_file(at("missing").c_str(), at("copy").c_str()), -1);
    EXPECT_FALSE(fs::exists(at("copy")));
    EXPECT_EQ(vortelan_gb_runtime_copy_file(at("source").c_str(), at("no/copy").c_str()), -1);
}

TEST_F(FilesTest, ReplaceMovesSourceOverDestination) {
    const std::string source = at("new-" + game_name);
    const std::string destination = at(game_name);
    gb_test::write_file(source, "new contents");
    gb_test::write_file(destination, "old contents, longer");
    EXPECT_EQ(vortelan_gb_runtime_replace_file(source.c_str(), destination.c_str()), 0);
    EXPECT_EQ(gb_test::read_file(destination), "new contents");
    EXPECT_FALSE(fs::exists(utf8_path(source)));
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_replace_file(source.c_str(), destination.c_str()), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(gb_test::read_file(destination), "new contents");
}

TEST_F(FilesTest, UnlinkRemovesFilesOnly) {
    gb_test::write_file(at(game_name), "x");
    fs::create_directory(at("dir"));
    EXPECT_EQ(vortelan_gb_runtime_unlink(at(game_name).c_str()), 0);
    EXPECT_FALSE(fs::exists(utf8_path(at(game_name))));
    EXPECT_EQ(vortelan_gb_runtime_unlink(at("dir").c_str()), -1);
    EXPECT_TRUE(fs::is_directory(at("dir")));
}

} // namespace
