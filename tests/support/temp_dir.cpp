#include "tests/support/temp_dir.h"

#include "tests/support/test_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace gb_test {

namespace {

// The name depends only on the owning run, the test and how many directories the test made
// before, so that a copy of the run repeating the test finds the same directories.
std::filesystem::path name_for_current_test() {
    static PerTestCounter made;
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    std::string test_name =
        test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "";
    return std::filesystem::temp_directory_path() /
           ("gb_runtime_test_" + std::to_string(test_owner_id()) + "_" +
            std::to_string(std::hash<std::string>{}(test_name) % 1000000) + "_" +
            std::to_string(made.next()));
}

} // namespace

// A path that is not UTF-8 is taken byte for byte.
std::filesystem::path utf8_path(const std::string &path) {
    try {
        return std::filesystem::path(std::u8string(path.begin(), path.end()));
    } catch (const std::exception &) {
        return std::filesystem::path(path);
    }
}

TempDir::TempDir() : root(name_for_current_test()) {
    if (std::getenv(test_owner_variable) != nullptr && std::filesystem::is_directory(root)) {
        return;
    }
    // Left over from an earlier run whose process had the same id.
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    std::filesystem::create_directory(root);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

void write_file(const std::string &path, const std::string &contents) {
    std::ofstream out(utf8_path(path), std::ios::binary | std::ios::trunc);
    out << contents;
}

namespace {

std::string read_whole(const std::string &path, std::ios::openmode mode) {
    std::ifstream in(utf8_path(path), mode);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

} // namespace

std::string read_file(const std::string &path) {
    return read_whole(path, std::ios::in | std::ios::binary);
}

std::string read_text_file(const std::string &path) {
    return read_whole(path, std::ios::in);
}

} // namespace gb_test
