#include "runtime/directory.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <direct.h>

namespace {

int clamped_int(size_t capacity) {
    return capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
}

char folded(char letter) {
    return letter == '\\' ? '/'
                          : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

} // namespace

bool vortelan_gb_runtime_current_directory(char *buffer, size_t capacity) {
    return buffer != nullptr && capacity > 0 && _getcwd(buffer, clamped_int(capacity)) != nullptr;
}

// _fullpath resolves "." and ".." by their text against the working directory of the path's
// drive, and fails when the result does not fit.
bool vortelan_gb_runtime_absolute_path(char *destination, size_t capacity, const char *path) {
    return destination != nullptr && capacity > 0 && path != nullptr &&
           _fullpath(destination, path, capacity) != nullptr;
}

// Windows names are case-insensitive, and "\\" and "/" both separate.
bool vortelan_gb_runtime_absolute_paths_match(const char *first, const char *second) {
    for (;; ++first, ++second) {
        if (folded(*first) != folded(*second)) {
            return false;
        }
        if (*first == '\0') {
            return true;
        }
    }
}

// Windows directories have no permission bits.
int vortelan_gb_runtime_make_directory(const char *path, unsigned int) {
    return _mkdir(path);
}
