#include "tests/support/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>

namespace gb_test {

TempDir::TempDir() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        root = std::filesystem::temp_directory_path() /
               ("gb_runtime_test_" + std::to_string(random()));
        if (std::filesystem::create_directory(root)) {
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

void write_file(const std::string &path, const std::string &contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

} // namespace gb_test
