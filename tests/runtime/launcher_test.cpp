#include "runtime/launcher.h"
#include "tests/runtime/launch_case.h"
#include "tests/support/captured_stream.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace gb_test {

std::string failed(int error) {
    return std::string(" failed: ") + std::strerror(error) + "\n";
}

} // namespace gb_test

namespace {

using gb_test::LaunchCase;
using gb_test::Launcher;

std::string with_directory(const std::string &lines, const std::string &directory) {
    std::string text;
    for (char each : lines) {
        text += each == '$' ? directory : std::string(1, each);
    }
    return text;
}

TEST_P(Launcher, ReportsEveryAttemptAndOutcome) {
    const LaunchCase &tested = GetParam();
    for (const gb_test::LaunchedProgram &program : tested.programs) {
        gb_test::install_program(temp, program);
    }
    std::string launched = temp.file(tested.launched);
    const char *argv[] = {launched.c_str(), tested.argument, nullptr};
    gb_test::CapturedStream errors(stderr);
    errno = 0;
    EXPECT_EQ(vortelan_gb_runtime_execv_with_exe_fallback(launched.c_str(), argv), tested.result);
    if (tested.error != 0) {
        EXPECT_EQ(errno, tested.error);
    }
    EXPECT_EQ(errors.text(), with_directory(tested.lines, temp.file("")));
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
