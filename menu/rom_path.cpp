#include "menu/rom_path.h"

#include "runtime/files.h"
#include "runtime/log.h"
#include "runtime/text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr char roms_prefix[] = "roms/";
constexpr size_t rom_path_capacity = 512;

char lower_ascii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ends_with_ignoring_case(const char *name, size_t length, const char *suffix) {
    size_t suffix_length = std::strlen(suffix);
    if (length < suffix_length) {
        return false;
    }
    const char *tail = name + length - suffix_length;
    for (size_t at = 0; at < suffix_length; ++at) {
        if (lower_ascii(tail[at]) != lower_ascii(suffix[at])) {
            return false;
        }
    }
    return true;
}

// Builds "roms/" + name and checks it is a regular file, with the logged reasons when not.
bool locate_rom(const char *name, char (&path)[rom_path_capacity]) {
    if (!vortelan_gb_runtime_menu_rom_filename_valid(name) ||
        !vortelan_gb_runtime_join_path(path, sizeof path, roms_prefix, name)) {
        return false;
    }
    bool regular = false;
    if (vortelan_gb_runtime_regular_file_status(path, &regular) != 0) {
        if (vortelan_gb_runtime_log_enabled()) {
            std::fprintf(stderr, "rom path: stat failed for '%s': %s\n", path,
                         std::strerror(errno));
            std::fflush(stderr);
        }
        return false;
    }
    if (!regular) {
        if (vortelan_gb_runtime_log_enabled()) {
            std::fprintf(stderr, "rom path: '%s' is not a regular file\n", path);
            std::fflush(stderr);
        }
        return false;
    }
    return true;
}

} // namespace

bool vortelan_gb_runtime_menu_has_suffix(const char *name, const char *suffix) {
    return ends_with_ignoring_case(name, std::strlen(name), suffix);
}

char *vortelan_gb_runtime_menu_basename_no_ext(const char *path, char *output, size_t capacity) {
    const char *slash = std::strrchr(path, '/');
    vortelan_gb_runtime_copy_text(output, capacity, slash != nullptr ? slash + 1 : path);
    if (capacity > 0) {
        char *dot = std::strrchr(output, '.');
        if (dot != nullptr) {
            *dot = '\0';
        }
    }
    return output;
}

bool vortelan_gb_runtime_menu_rom_filename_valid(const char *name) {
    if (name == nullptr || name[0] == '\0' || std::strcmp(name, ".") == 0 ||
        std::strcmp(name, "..") == 0 || std::strpbrk(name, "/\\") != nullptr) {
        return false;
    }
    size_t length = std::strlen(name);
    if (length < 3) {
        return false;
    }
    return ends_with_ignoring_case(name, length, ".gb") ||
           (length > 3 && ends_with_ignoring_case(name, length, ".gbc"));
}

bool vortelan_gb_runtime_menu_rom_file_exists_in_roms(const char *name) {
    char path[rom_path_capacity];
    return locate_rom(name, path);
}

bool vortelan_gb_runtime_menu_rom_path_from_filename(const char *name, char *output,
                                                     size_t capacity) {
    char path[rom_path_capacity];
    if (!locate_rom(name, path)) {
        return false;
    }
    if (!vortelan_gb_runtime_copy_text(output, capacity, path)) {
        vortelan_gb_runtime_copy_text(output, capacity, "");
        return false;
    }
    return true;
}
