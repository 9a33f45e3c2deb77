#include "runtime/directory.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Drops the last component of an absolute path held in out; the root stays.
void remove_last_component(char *out, size_t *length) {
    const char *slash = std::strrchr(out, '/');
    *length = slash == out ? 1 : static_cast<size_t>(slash - out);
    out[*length] = '\0';
}

// Adds the components of text to the absolute path in out, skipping empty and "."
// components and letting ".." climb one level. False when the result does not fit.
bool append_components(char *out, size_t capacity, size_t *length, const char *text) {
    for (;;) {
        text += std::strspn(text, "/");
        size_t component = std::strcspn(text, "/");
        if (component == 0) {
            return true;
        }
        if (component == 2 && text[0] == '.' && text[1] == '.') {
            remove_last_component(out, length);
        } else if (component != 1 || text[0] != '.') {
            size_t separator = *length > 1 ? 1 : 0;
            if (*length + separator + component >= capacity) {
                return false;
            }
            if (separator != 0) {
                out[(*length)++] = '/';
            }
            std::memcpy(out + *length, text, component);
            *length += component;
            out[*length] = '\0';
        }
        text += component;
    }
}

} // namespace

bool vortelan_gb_runtime_current_directory(char *buffer, size_t capacity) {
    return buffer != nullptr && capacity > 0 && getcwd(buffer, capacity) != nullptr;
}

bool vortelan_gb_runtime_absolute_path(char *destination, size_t capacity, const char *path) {
    if (destination == nullptr || capacity < 2 || path == nullptr) {
        return false;
    }
    std::memcpy(destination, "/", 2);
    size_t length = 1;
    if (path[0] != '/') {
        char directory[4096];
        if (!vortelan_gb_runtime_current_directory(directory, sizeof directory) ||
            !append_components(destination, capacity, &length, directory)) {
            return false;
        }
    }
    return append_components(destination, capacity, &length, path);
}

// Names are case-sensitive here and "\" is an ordinary character, so only the exact
// spelling names the same entry.
bool vortelan_gb_runtime_absolute_paths_match(const char *first, const char *second) {
    return std::strcmp(first, second) == 0;
}

const char *vortelan_gb_runtime_path_last_component(const char *path) {
    const char *slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

int vortelan_gb_runtime_make_directory(const char *path, unsigned int mode) {
    return mkdir(path, static_cast<mode_t>(mode));
}

int vortelan_gb_runtime_list_directory(const char *path, DirectoryEntryVisitor visit,
                                       void *context) {
    if (path == nullptr || visit == nullptr) {
        errno = EINVAL;
        return -1;
    }
    DIR *handle = opendir(path);
    if (handle == nullptr) {
        return -1;
    }
    while (const dirent *entry = readdir(handle)) {
        visit(entry->d_name, context);
    }
    closedir(handle);
    return 0;
}
