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

// A shell script with the behaviour as its body; without one, a file that may not be run.
void install_program(const TempDir &directory, const LaunchedProgram &program) {
    std::string path = directory.file(program.name);
    write_file(path,
               std::string("#!/bin/sh\n") + (program.behaviour ? program.behaviour : "exit 0\n"));
    std::filesystem::permissions(path, program.behaviour ? std::filesystem::perms::owner_all
                                                         : std::filesystem::perms::owner_read);
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
                   {{"game.exe", "exit 3\n"}, {"game", "exit 0\n"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=3\n"
                   "spawn: $game.exe started and returned nonzero; not trying extensionless "
                   "fallback\n"},
        LaunchCase{"exe_beside_name_wins",
                   {{"game.exe", "exit 0\n"}, {"game", "exit 3\n"}},
                   "game",
                   0,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=0\n"},
        LaunchCase{"fallback_to_name",
                   {{"game", "exit 0\n"}},
                   "game",
                   0,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe" + failed(ENOENT) +
                       "spawn: trying $game\nspawn: $game exited status=0\n"},
        LaunchCase{"unstartable_exe_is_not_started",
                   {{"game.exe", nullptr}, {"game", "exit 3\n"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe" + failed(EACCES) +
                       "spawn: trying $game\nspawn: $game exited status=3\n"},
        LaunchCase{"first_error_kept",
                   {{"game.exe", nullptr}},
                   "game",
                   -1,
                   EACCES,
                   "spawn: trying $game.exe\nspawn: $game.exe" + failed(EACCES) +
                       "spawn: trying $game\nspawn: $game" + failed(ENOENT)},
        LaunchCase{"exe_given_one_attempt",
                   {{"game.EXE", "exit 0\n"}},
                   "game.EXE",
                   0,
                   0,
                   "spawn: trying $game.EXE\nspawn: $game.EXE exited status=0\n"},
        LaunchCase{"exe_given_missing",
                   {{"game", "exit 0\n"}},
                   "game.Exe",
                   -1,
                   ENOENT,
                   "spawn: trying $game.Exe\nspawn: $game.Exe" + failed(ENOENT)},
        LaunchCase{"killed_by_signal",
                   {{"game.exe", "kill -9 $$\n"}, {"game", "exit 0\n"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $game.exe\nspawn: $game.exe exited status=137\n"
                   "spawn: $game.exe started and returned nonzero; not trying extensionless "
                   "fallback\n"}),
    [](const testing::TestParamInfo<LaunchCase> &tested) { return tested.param.label; });

TEST(LauncherArguments, ArePassedOnUnchanged) {
    gb_test::TempDir temp;
    std::string program = temp.file("show.exe");
    gb_test::write_file(program, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.args\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const char *argv[] = {"show", "one", "two words", "", nullptr};
    gb_test::CapturedStream errors(stderr);
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(temp.file("show").c_str(), argv), 0);
    EXPECT_EQ(gb_test::read_file(program + ".args"), "one|two words||");
}

} // namespace
