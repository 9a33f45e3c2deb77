#include "runtime/launcher.h"
#include "tests/support/captured_stream.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Program {
    const char *name;
    const char *script_body; // nullptr: a file that is not executable
};

struct LaunchCase {
    const char *label;
    std::vector<Program> programs;
    const char *launched;
    int result;
    int error; // errno after a failure to start anything, else 0
    // The expected stderr, with "$" standing for the temporary directory.
    std::string lines;
};

std::string failed(int error) {
    return std::string(" failed: ") + std::strerror(error) + "\n";
}

std::string with_directory(const std::string &lines, const std::string &directory) {
    std::string text;
    for (char each : lines) {
        text += each == '$' ? directory : std::string(1, each);
    }
    return text;
}

class Launcher : public testing::TestWithParam<LaunchCase> {
  protected:
    void install(const Program &program) {
        std::string path = temp.file(program.name);
        gb_test::write_file(path, std::string("#!/bin/sh\n") +
                                      (program.script_body ? program.script_body : "exit 0\n"));
        std::filesystem::permissions(path, program.script_body
                                               ? std::filesystem::perms::owner_all
                                               : std::filesystem::perms::owner_read);
    }

    gb_test::TempDir temp;
};

TEST_P(Launcher, ReportsEveryAttemptAndOutcome) {
    const LaunchCase &tested = GetParam();
    for (const Program &program : tested.programs) {
        install(program);
    }
    std::string launched = temp.file(tested.launched);
    const char *argv[] = {launched.c_str(), nullptr};
    gb_test::CapturedStream errors(stderr);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(launched.c_str(), argv), tested.result);
    if (tested.error != 0) {
        EXPECT_EQ(errno, tested.error);
    }
    EXPECT_EQ(errors.text(), with_directory(tested.lines, temp.path().string()));
}

INSTANTIATE_TEST_SUITE_P(
    Spawn, Launcher,
    testing::Values(
        LaunchCase{"exe_exits_3_no_fallback",
                   {{"game.exe", "exit 3\n"}, {"game", "exit 0\n"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $/game.exe\nspawn: $/game.exe exited status=3\n"
                   "spawn: $/game.exe started and returned nonzero; not trying extensionless "
                   "fallback\n"},
        LaunchCase{"exe_beside_name_wins",
                   {{"game.exe", "exit 0\n"}, {"game", "exit 3\n"}},
                   "game",
                   0,
                   0,
                   "spawn: trying $/game.exe\nspawn: $/game.exe exited status=0\n"},
        LaunchCase{"fallback_to_name",
                   {{"game", "exit 0\n"}},
                   "game",
                   0,
                   0,
                   "spawn: trying $/game.exe\nspawn: $/game.exe" + failed(ENOENT) +
                       "spawn: trying $/game\nspawn: $/game exited status=0\n"},
        LaunchCase{"unstartable_exe_is_not_started",
                   {{"game.exe", nullptr}, {"game", "exit 3\n"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $/game.exe\nspawn: $/game.exe" + failed(EACCES) +
                       "spawn: trying $/game\nspawn: $/game exited status=3\n"},
        LaunchCase{"first_error_kept",
                   {{"game.exe", nullptr}},
                   "game",
                   -1,
                   EACCES,
                   "spawn: trying $/game.exe\nspawn: $/game.exe" + failed(EACCES) +
                       "spawn: trying $/game\nspawn: $/game" + failed(ENOENT)},
        LaunchCase{"exe_given_one_attempt",
                   {{"game.EXE", "exit 0\n"}},
                   "game.EXE",
                   0,
                   0,
                   "spawn: trying $/game.EXE\nspawn: $/game.EXE exited status=0\n"},
        LaunchCase{"exe_given_missing",
                   {{"game", "exit 0\n"}},
                   "game.Exe",
                   -1,
                   ENOENT,
                   "spawn: trying $/game.Exe\nspawn: $/game.Exe" + failed(ENOENT)},
        LaunchCase{"killed_by_signal",
                   {{"game.exe", "kill -9 $$\n"}, {"game", "exit 0\n"}},
                   "game",
                   -1,
                   0,
                   "spawn: trying $/game.exe\nspawn: $/game.exe exited status=137\n"
                   "spawn: $/game.exe started and returned nonzero; not trying extensionless "
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

TEST(LauncherPathLength, CandidateMustFitItsBuffer) {
    // 507 characters plus ".exe" and the terminator fill the 512 bytes exactly.
    std::string fits = "/" + std::string(100, 'd') + "/" + std::string(100, 'd') + "/" +
                       std::string(100, 'd') + "/" + std::string(100, 'd') + "/" +
                       std::string(102, 'n');
    ASSERT_EQ(fits.size(), 507u);
    const char *argv[] = {"x", nullptr};
    {
        gb_test::CapturedStream errors(stderr);
        EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(fits.c_str(), argv), -1);
        EXPECT_EQ(errors.text().rfind("spawn: trying " + fits + ".exe\n", 0), 0u);
    }
    std::string too_long = fits + "n";
    gb_test::CapturedStream errors(stderr);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(too_long.c_str(), argv), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(errors.text(), "");
}

TEST(LauncherPathLength, NullPathIsRefused) {
    const char *argv[] = {"x", nullptr};
    gb_test::CapturedStream errors(stderr);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(nullptr, argv), -1);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(errors.text(), "");
}

} // namespace
