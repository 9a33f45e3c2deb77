#pragma once

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace gb_test {

std::string working_directory();

// Sets the override for one test and puts back the working directory afterwards.
class PackageRootOverride : public testing::Test {
  protected:
    ~PackageRootOverride() override;
    std::string start = working_directory();
    TempDir temp;
};

struct ProgramRun {
    int exit_code;
    std::string output;
    std::string errors;
};

// The running test program.
std::filesystem::path this_program();

// Runs a test program for the tests that match filter (disabled ones included), from the file
// system's root and without GB_RUNTIME_PACKAGE_ROOT.
ProgramRun run_from_file_system_root(const std::filesystem::path &program,
                                     const std::string &filter);

} // namespace gb_test
