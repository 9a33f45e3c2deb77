#pragma once

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gb_test {

// A program put into the test's directory before the launch: its name and what it does, in
// the platform's terms (the body of a shell script, or the status that a copy of a Windows
// program ends with, or a batch file's text). A null behaviour makes a file that cannot be
// started.
struct LaunchedProgram {
    const char *name;
    const char *behaviour;
};

struct LaunchCase {
    const char *label;
    std::vector<LaunchedProgram> programs;
    const char *launched;
    int result;
    int error; // errno after a failure to start anything, else 0
    // The expected stderr, with "$" standing for the temporary directory and a separator.
    std::string lines;
    const char *argument = nullptr; // given to the launched program, when there is one
};

// The end of a "failed" line for that error number.
std::string failed(int error);

void install_program(const TempDir &directory, const LaunchedProgram &program);

// Each platform instantiates this with the cases its way of starting programs gives.
class Launcher : public testing::TestWithParam<LaunchCase> {
  protected:
    TempDir temp;
};

} // namespace gb_test
