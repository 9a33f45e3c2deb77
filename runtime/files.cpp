#include "runtime/files.h"

#include "runtime/directory.h"
#include "runtime/utf8.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t path_capacity = 1024;

// Parent directories get every permission bit; the process's umask narrows them as it
// does for any new directory.
constexpr unsigned int default_directory_mode = 0777;

} // namespace

// A name that is not valid UTF-8 names no file on any platform: Windows names are UTF-16, and
// the UTF-8 names of the rest are never made from stray bytes.
bool vortelan_gb_runtime_file_exists_regular(const char *path) {
    if (path == nullptr) {
        errno = EINVAL;
        return false;
    }
    if (!vortelan_gb_runtime_utf8_is_valid(path)) {
        errno = EILSEQ;
        return false;
    }
    bool regular = false;
    return vortelan_gb_runtime_regular_file_status(path, &regular) == 0 && regular;
}

bool vortelan_gb_runtime_paths_refer_to_same_regular_file(const char *first, const char *second) {
    if (first == nullptr || second == nullptr || *first == '\0' || *second == '\0') {
        return false;
    }
    if (!vortelan_gb_runtime_file_exists_regular(first) ||
        !vortelan_gb_runtime_file_exists_regular(second)) {
        return false;
    }
    char first_absolute[path_capacity];
    char second_absolute[path_capacity];
    if (!vortelan_gb_runtime_absolute_path(first_absolute, sizeof first_absolute, first) ||
        !vortelan_gb_runtime_absolute_path(second_absolute, sizeof second_absolute, second)) {
        return std::strcmp(first, second) == 0;
    }
    return vortelan_gb_runtime_absolute_paths_match(first_absolute, second_absolute);
}

int vortelan_gb_runtime_ensure_directory(const char *path, unsigned int mode) {
    if (path == nullptr || *path == '\0') {
        return 0;
    }
    if (vortelan_gb_runtime_make_directory(path, mode) == 0 || errno == EEXIST) {
        return 0;
    }
    return -1;
}

int vortelan_gb_runtime_ensure_parent_directories(const char *path) {
    if (path == nullptr) {
        return 0;
    }
    size_t length = strnlen(path, path_capacity);
    if (length >= path_capacity) {
        errno = ENAMETOOLONG;
        return -1;
    }
    char prefix[path_capacity];
    std::memcpy(prefix, path, length + 1);
    // A "/" in the first position is the root of an absolute path, which is never made.
    for (size_t at = 1; at < length; ++at) {
        if (prefix[at] != '/') {
            continue;
        }
        prefix[at] = '\0';
        int result = vortelan_gb_runtime_ensure_directory(prefix, default_directory_mode);
        prefix[at] = '/';
        if (result != 0) {
            return -1;
        }
    }
    return 0;
}
