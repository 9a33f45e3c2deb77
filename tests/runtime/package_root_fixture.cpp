#include "tests/runtime/package_root_fixture.h"

#include <cstdlib>

namespace gb_test {

std::string working_directory() {
    std::error_code failed;
    std::filesystem::path directory = std::filesystem::current_path(failed);
    std::u8string text = directory.u8string();
    return failed ? "" : std::string(text.begin(), text.end());
}

PackageRootOverride::~PackageRootOverride() {
    unsetenv("GB_RUNTIME_PACKAGE_ROOT");
    std::error_code failed;
    std::filesystem::current_path(start, failed);
    EXPECT_FALSE(failed) << start;
}

} // namespace gb_test
