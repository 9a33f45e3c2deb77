#include "runtime/package_root.h"

#include "runtime/ascii.h"
#include "runtime/environment.h"
#include "runtime/process.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t executable_path_capacity = 1024;
constexpr char build_directory_name[] = "build";
constexpr size_t no_separator = static_cast<size_t>(-1);

// The later of "/" and "\\" among the first length characters.
size_t last_separator(const char *path, size_t length) {
    for (size_t at = length; at > 0; --at) {
        if (path[at - 1] == '/' || path[at - 1] == '\\') {
            return at - 1;
        }
    }
    return no_separator;
}

bool is_build_directory(const char *name) {
    size_t length = sizeof build_directory_name - 1;
    return std::strlen(name) == length &&
           vortelan_gb_runtime_ascii_equal_ignoring_case(name, build_directory_name, length);
}

bool is_drive_letter(char letter) {
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

// Whether the text before the separator is all there is of a root: nothing ("/") or a drive
// letter and colon ("C:\\"). "C:" alone would name the drive's current folder, not its root.
bool is_root_separator(const char *path, size_t separator) {
    return separator == 0 || (separator == 2 && path[1] == ':' && is_drive_letter(path[0]));
}

// A cut at a root's separator keeps it, so that an executable in a root directory yields the
// root and not an empty path or a bare drive.
void cut_at(char *path, size_t separator) {
    path[is_root_separator(path, separator) ? separator + 1 : separator] = '\0';
}

int report_change(const char *format, const char *directory) {
    int result = vortelan_gb_runtime_change_directory(directory);
    int error = errno;
    std::fprintf(stderr, format, directory, result);
    std::fflush(stderr);
    errno = error;
    return result;
}

} // namespace

int vortelan_gb_runtime_package_root_from_executable_path(char *path) {
    size_t separator = last_separator(path, std::strlen(path));
    if (separator == no_separator) {
        errno = EINVAL;
        return -1;
    }
    cut_at(path, separator);
    size_t parent_separator = last_separator(path, std::strlen(path));
    if (parent_separator != no_separator && is_build_directory(path + parent_separator + 1)) {
        cut_at(path, parent_separator);
    }
    return 0;
}

int vortelan_gb_runtime_chdir_to_package_root(void) {
    char override_root[executable_path_capacity];
    if (vortelan_gb_runtime_environment_text("GB_RUNTIME_PACKAGE_ROOT", override_root,
                                             sizeof override_root) &&
        override_root[0] != '\0') {
        return report_change("cwd: package root override '%s' result=%d\n", override_root);
    }
    char path[executable_path_capacity];
    if (!vortelan_gb_runtime_executable_path(path, sizeof path)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    if (vortelan_gb_runtime_package_root_from_executable_path(path) != 0) {
        return -1;
    }
    return report_change("cwd: package root '%s' result=%d\n", path);
}
