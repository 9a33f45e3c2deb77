#pragma once

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gb_test {

// Cartridge paths are relative to the working directory (the package root): each test runs
// in a fresh one holding an empty roms directory.
class PackageRootTest : public testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::create_directory(root.path() / "roms");
        std::filesystem::current_path(root.path());
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    TempDir root;

  private:
    std::filesystem::path previous;
};

} // namespace gb_test
