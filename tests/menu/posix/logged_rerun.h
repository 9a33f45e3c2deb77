#pragma once

namespace gb_test {

// The run log's switch is fixed by the first question a process asks, so a test of the
// logged lines runs again in a fresh copy of the test program with logging switched on.

// True inside that fresh copy.
bool running_with_logging();

// Runs the current test again with logging on; the copy's exit code (0 when it passed).
int rerun_current_test_with_logging();

} // namespace gb_test
