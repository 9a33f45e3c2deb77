#pragma once

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace gb_test {

// Each file test works in a directory of its own.
class FilesTest : public testing::Test {
  protected:
    std::string at(const std::string &relative) const { return directory.file(relative); }
    TempDir directory;
};

} // namespace gb_test
