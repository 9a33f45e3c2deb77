#include "runtime/launcher.h"
#include "tests/runtime/launch_case.h"
#include "tests/support/captured_stream.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace gb_test {

// A copy of a real Windows program (tests/runtime/win32/child) that ends with the status
// given as behaviour; a batch file with the behaviour as its text; without behaviour, a file
// that is no program.
void install_program(const TempDir &directory, const LaunchedProgram &program) {
    std::string path = directory.file(program.name);
    if (program.behaviour == nullptr) {
        write_file(path, "not a program\n");
        return;
    }
    if (path.ends_with(".bat")) {
        write_file(path, program.behaviour);
        return;
    }
    std::filesystem::copy_file(GB_RUNTIME_TEST_CHILD, utf8_path(path));
    write_file(path + ".status", program.behaviour);
}

} // namespace gb_test

namespace {

using gb_test::failed;
using gb_test::LaunchCase;
using gb_test::Launcher;

INSTANTIATE_TEST_SUITE_P(
    Spawn, Launcher,
    testing::Values(
        LaunchCase{"exe_exits_3_no_fallback",
                   {{"game.exe", "3"}, {"game.com", "0"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=3\n"
                   "spawn: $game.exe started and returned nonzero; not trying extensionless "
                   "fallback\n"},
        LaunchCase{"exe_wins",
                   {{"game.exe", "0"}, {"game.com", "3"}},
                   "game",
                   0,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=0\n"},
        // The fallback starts the name as it is, not one with an extension added.
        LaunchCase{"fallback_runs_the_name_as_given",
                   {{"game", "0"}, {"game.com", "3"}},
                   "game",
                   0,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe" + failed(ENOENT) +
                       "spawn: trying $game\nspawn: $game exited status=0\n"},
        // cmd.exe would run what follows the "&" as a second command. A script is not started
        // when named either, and the error of the first attempt is the one kept.
        LaunchCase{"batch_file_never_started",
                   {{"run.bat", "@exit 5\r\n"}},
                   "run",
                   -1,
                   ENOENT,
                   "spawn: trying $run.exe\nspawn: $run.exe" + failed(ENOENT) +
                       "spawn: trying $run\nspawn: $run" + failed(ENOENT),
                   "Tom&echo:INJECTED.gb"},
        LaunchCase{"batch_file_named_never_started",
                   {{"run.bat", "@exit 5\r\n"}},
                   "run.BAT",
                   -1,
                   ENOENT,
                   "spawn: trying $run.BAT.exe\nspawn: $run.BAT.exe" + failed(ENOENT) +
                       "spawn: trying $run.BAT\nspawn: $run.BAT" + failed(ENOEXEC)},
        // A name in letters of no ANSI code page, started by its UTF-8 name.
        LaunchCase{"name_in_japanese",
                   {{"\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0.exe", "4"}},
                   "\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0",
                   -1,
                   0,
                   "spawn: trying $\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0.exe\n"
                   "spawn: $\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0.exe exited status=4\n"
                   "spawn: $\xe3\x82\xb2\xe3\x83\xbc\xe3\x83\xa0.exe started and returned "
                   "nonzero; not trying extensionless fallback\n"},
        LaunchCase{"exe_given_one_attempt",
                   {{"game.EXE", "0"}},
                   "game.EXE",
                   0,
                   0,
                   "spawn: trying $game.EXE\nspawn: $game.EXE exited status=0\n"},
        LaunchCase{"exe_given_missing",
                   {{"game", "0"}},
                   "game.Exe",
                   -1,
                   ENOENT,
                   "spawn: trying $game.Exe\nspawn: $game.Exe" + failed(ENOENT)},
        // A program that ends with -1 was started all the same.
        LaunchCase{"exits_with_minus_one",
                   {{"game.exe", "-1"}, {"game.com", "0"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=-1\n"
                   "spawn: $game.exe started and returned nonzero; not trying extensionless "
                   "fallback\n"},
        // An access violation ends a Windows program with status 0xC0000005.
        LaunchCase{"ended_by_exception",
                   {{"game.exe", "3221225477"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=-1073741819\n"
                   "spawn: $game.exe started and returned nonzero; not trying extensionless "
                   "fallback\n"}),
    [](const testing::TestParamInfo<LaunchCase> &tested) { return tested.param.label; });

// The C runtimes disagree on the error number of a file that is no program (ENOEXEC on
// Windows, EINVAL under Wine), so only the outcome is compared here.
TEST(LauncherUnstartable, IsTriedUnderBothNamesAndNeverCountsAsStarted) {
    gb_test::TempDir temp;
    gb_test::install_program(temp, {"game.exe", nullptr});
    std::string launched = temp.file("game");
    const char *argv[] = {launched.c_str(), nullptr};
    gb_test::CapturedStream errors(stderr);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(launched.c_str(), argv), -1);
    EXPECT_NE(errno, 0);
    std::string lines = errors.text();
    EXPECT_EQ(
        lines.rfind("spawn: trying " + launched + ".exe\nspawn: " + launched + ".exe failed: ", 0),
        0u)
        << lines;
    EXPECT_NE(lines.find("spawn: trying " + launched + "\nspawn: " + launched + " failed: "),
              std::string::npos)
        << lines;
    EXPECT_EQ(lines.find("exited"), std::string::npos) << lines;
}

// A Windows program gets one command line that its C runtime splits again: blanks, quotes
// and backslashes must come through as they were given.
TEST(LauncherArguments, ArePassedOnUnchanged) {
    gb_test::TempDir temp;
    std::string program = temp.file("show.exe");
    std::filesystem::copy_file(GB_RUNTIME_TEST_CHILD, program);
    const char *argv[] = {"show",       "one",        "two words", "",          "say \"hi\"",
                          "trailing\\", "back\\\\\"", "tab\there", "C:\\dir\\", nullptr};
    gb_test::CapturedStream errors(stderr);
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(temp.file("show").c_str(), argv), 0);
    EXPECT_EQ(gb_test::read_file(program + ".args"),
              "one|two words||say \"hi\"|trailing\\|back\\\\\"|tab\there|C:\\dir\\|");
}

} // namespace
