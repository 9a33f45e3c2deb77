#include "tests/menu/posix/logged_rerun.h"

#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace gb_test {

namespace {

constexpr const char *rerun_marker = "GB_RUNTIME_TEST_LOGGED_RERUN";

} // namespace

bool running_with_logging() {
    return std::getenv(rerun_marker) != nullptr;
}

int rerun_current_test_with_logging() {
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    return run_in_child([&] {
        setenv("VORTELAN_EMULATOR_GB_RUNTIME_LOG_ENABLED", "1", 1);
        setenv(rerun_marker, "1", 1);
        execl("/proc/self/exe", "logged_rerun", filter.c_str(), static_cast<char *>(nullptr));
        return 127;
    });
}

} // namespace gb_test
