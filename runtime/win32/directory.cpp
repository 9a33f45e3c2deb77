#include "runtime/directory.h"

#include "runtime/win32/wide_path.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <direct.h>
#include <io.h>

namespace {

char folded(char letter) {
    return letter == '\\' ? '/'
                          : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

// The search pattern for every entry of the directory: the directory and "\*".
bool entry_pattern(const char *path, WidePath *pattern) {
    if (!vortelan_gb_runtime_widen(path, pattern)) {
        return false;
    }
    size_t length = std::wcslen(pattern->text);
    if (length == 0) {
        errno = ENOENT;
        return false;
    }
    bool separated = pattern->text[length - 1] == L'/' || pattern->text[length - 1] == L'\\';
    const wchar_t *tail = separated ? L"*" : L"\\*";
    if (length + std::wcslen(tail) >= VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::wcscpy(pattern->text + length, tail);
    return true;
}

} // namespace

bool vortelan_gb_runtime_current_directory(char *buffer, size_t capacity) {
    WidePath wide;
    return buffer != nullptr && capacity > 0 &&
           _wgetcwd(wide.text, VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY) != nullptr &&
           vortelan_gb_runtime_narrow(wide.text, buffer, capacity);
}

// _wfullpath resolves "." and ".." by their text against the working directory of the path's
// drive.
bool vortelan_gb_runtime_absolute_path(char *destination, size_t capacity, const char *path) {
    WidePath wide;
    WidePath absolute;
    return destination != nullptr && capacity > 0 && vortelan_gb_runtime_widen(path, &wide) &&
           _wfullpath(absolute.text, wide.text, VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY) !=
               nullptr &&
           vortelan_gb_runtime_narrow(absolute.text, destination, capacity);
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

const char *vortelan_gb_runtime_path_last_component(const char *path) {
    const char *name = path;
    for (const char *at = path; *at != '\0'; ++at) {
        if (*at == '/' || *at == '\\' || *at == ':') {
            name = at + 1;
        }
    }
    return name;
}

int vortelan_gb_runtime_list_directory(const char *path, DirectoryEntryVisitor visit,
                                       void *context) {
    WidePath pattern;
    if (visit == nullptr) {
        errno = EINVAL;
        return -1;
    }
    if (!entry_pattern(path, &pattern)) {
        return -1;
    }
    _wfinddata64_t entry{};
    intptr_t search = _wfindfirst64(pattern.text, &entry);
    if (search == -1) {
        return -1;
    }
    // MAX_PATH UTF-16 units take at most three UTF-8 bytes each.
    char name[sizeof entry.name / sizeof entry.name[0] * 3];
    do {
        if (vortelan_gb_runtime_narrow(entry.name, name, sizeof name)) {
            visit(name, context);
        }
    } while (_wfindnext64(search, &entry) == 0);
    _findclose(search);
    return 0;
}

// Windows directories have no permission bits.
int vortelan_gb_runtime_make_directory(const char *path, unsigned int) {
    WidePath wide;
    return vortelan_gb_runtime_widen(path, &wide) ? _wmkdir(wide.text) : -1;
}
