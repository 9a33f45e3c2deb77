#include "runtime/files.h"

#include "tests/runtime/files_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <io.h>
#include <string>
#include <windows.h>

#include <winternl.h>

namespace fs = std::filesystem;

namespace gb_test {

// The access the handle was granted decides: one that may append but not write elsewhere has
// each write put at the end. (Wine grants the access but does not append in one step, so
// counting lines of two writers would not show it there.)
bool writes_only_at_end(int descriptor) {
    PUBLIC_OBJECT_BASIC_INFORMATION information{};
    if (NtQueryObject(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)), ObjectBasicInformation,
                      &information, sizeof information, nullptr) != 0) {
        return false;
    }
    return (information.GrantedAccess & FILE_APPEND_DATA) != 0 &&
           (information.GrantedAccess & FILE_WRITE_DATA) == 0;
}

} // namespace gb_test

namespace {

using gb_test::FilesTest;

std::string upper_case(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::toupper(letter)); });
    return text;
}

struct SameFileCase {
    std::string first;
    std::string second;
    bool same;
};

// Windows names ignore letter case and take "\" and "/" alike, so every spelling that
// resolves to the same absolute path names the same file.
TEST_F(FilesTest, SameFileIgnoringCaseAndSeparators) {
    gb_test::write_file(at("File.txt"), "x");
    fs::create_directory(at("a"));
    gb_test::write_file(at("a/b.txt"), "y");
    // Japanese letters, which no ANSI code page of a Western system has.
    const std::string game = "\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0.gb";
    gb_test::write_file(at(game), "z");
    std::string absolute = fs::canonical(directory.path()).string();
    for (const SameFileCase &c : {
             SameFileCase{absolute + "\\File.txt", upper_case(absolute) + "/file.TXT", true},
             SameFileCase{absolute + "\\a\\..\\File.txt", absolute + "/./file.txt", true},
             SameFileCase{absolute + "\\a\\b.txt", upper_case(absolute) + "\\A/B.TXT", true},
             SameFileCase{absolute + "\\a\\..\\" + game, upper_case(absolute) + "/" + game, true},
             SameFileCase{absolute + "\\" + game, absolute + "\\File.txt", false},
             SameFileCase{absolute + "\\File.txt", absolute + "\\a\\b.txt", false},
             SameFileCase{absolute + "\\a", absolute + "\\a", false},
         }) {
        EXPECT_EQ(
            vortelan_gb_runtime_paths_refer_to_same_regular_file(c.first.c_str(), c.second.c_str()),
            c.same)
            << c.first << " ~ " << c.second;
    }
}

// Windows directories have no permission bits: even a mode of 0 gives a usable directory.
// A device opens at once but would be read from without end.
TEST_F(FilesTest, OpensNoDeviceAsARegularFile) {
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_open_regular_file("NUL", "r"), nullptr);
    EXPECT_EQ(errno, EINVAL);
}

TEST_F(FilesTest, EnsureDirectoryIgnoresTheMode) {
    EXPECT_EQ(vortelan_gb_runtime_ensure_directory(at("made").c_str(), 0), 0);
    gb_test::write_file(at("made/inside"), "x");
    EXPECT_EQ(gb_test::read_file(at("made/inside")), "x");
}

// A destination that another program holds open without letting it be deleted cannot be
// replaced: it stays as it was, and so does the source.
TEST_F(FilesTest, ReplaceLeavesADestinationInUseAlone) {
    gb_test::write_file(at("new"), "new contents");
    gb_test::write_file(at("old"), "old contents");
    HANDLE holder = CreateFileA(at("old").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(vortelan_gb_runtime_replace_file(at("new").c_str(), at("old").c_str()), -1);
    CloseHandle(holder);
    EXPECT_EQ(gb_test::read_file(at("old")), "old contents");
    EXPECT_EQ(gb_test::read_file(at("new")), "new contents");
    EXPECT_EQ(vortelan_gb_runtime_replace_file(at("new").c_str(), at("old").c_str()), 0);
    EXPECT_EQ(gb_test::read_file(at("old")), "new contents");
}

// The new data must reach the disk before it takes the old file's place. A holder that lets
// the source be renamed but not written keeps its data from being flushed, and so keeps the
// old file in place; whether the flush reaches the platter no test here can see.
TEST_F(FilesTest, ReplaceFlushesTheSourceBeforeTheMove) {
    gb_test::write_file(at("new"), "new contents");
    gb_test::write_file(at("old"), "old contents");
    HANDLE holder =
        CreateFileA(at("new").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_replace_file(at("new").c_str(), at("old").c_str()), -1);
    EXPECT_EQ(errno, EACCES);
    CloseHandle(holder);
    EXPECT_EQ(gb_test::read_file(at("old")), "old contents");
    EXPECT_EQ(gb_test::read_file(at("new")), "new contents");
}

TEST_F(FilesTest, ReplaceRefusesADirectoryAsDestination) {
    gb_test::write_file(at("new"), "new contents");
    fs::create_directory(at("old"));
    EXPECT_EQ(vortelan_gb_runtime_replace_file(at("new").c_str(), at("old").c_str()), -1);
    EXPECT_TRUE(fs::is_directory(at("old")));
    EXPECT_EQ(gb_test::read_file(at("new")), "new contents");
}

} // namespace
