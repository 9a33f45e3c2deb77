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

// Whether every write through the descriptor is put at its file's end by the system, wherever
// the file position stands, so that processes appending together never write over each other.
bool writes_only_at_end(int descriptor);

} // namespace gb_test
