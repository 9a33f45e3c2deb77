#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace gb_test {

// Runs body with its expectation failures collected instead of reported, writes them to
// standard error and gives the exit code of the child: 0 when there were none.
template <typename Body> int child_exit_code(Body &body) {
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        body();
    }
    for (int i = 0; i < failures.size(); ++i) {
        const ::testing::TestPartResult &failure = failures.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n",
                     failure.file_name() != nullptr ? failure.file_name() : "?",
                     failure.line_number(), failure.message());
    }
    return failures.size() == 0 ? 0 : 1;
}

// Runs body in a new run of this test program (gtest's "threadsafe" death-test style
// re-executes the binary for just this test), so process-wide tables such as
// binding_devices start empty whatever ran before in this process. The child's failures
// appear as the death test's message.
// Call it as the only statement of a test: the child runs the test again up to this point.
template <typename Body> void expect_in_fresh_process(Body body) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(child_exit_code(body)), ::testing::ExitedWithCode(0), "");
}

} // namespace gb_test
