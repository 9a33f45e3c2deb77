#include "menu/choice_list.h"
#include "menu/rom_path.h"

#include "runtime/log.h"

#include <dirent.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool matches_any_suffix(const char *name, const char *const *suffixes, uint32_t suffix_count) {
    for (uint32_t index = 0; index < suffix_count; ++index) {
        if (vortelan_gb_runtime_menu_has_suffix(name, suffixes[index])) {
            return true;
        }
    }
    return false;
}

} // namespace

// Only the entry names are looked at: a directory called x.gb is listed too, and the
// existence test rejects it when it is chosen.
void vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(ChoiceList *list, const char *directory,
                                                           const char *const *suffixes,
                                                           uint32_t suffix_count) {
    bool logging = vortelan_gb_runtime_log_enabled();
    DIR *handle = opendir(directory);
    if (handle == nullptr) {
        if (logging) {
            std::fprintf(stderr, "choice list: failed to open '%s': %s\n", directory,
                         std::strerror(errno));
            std::fflush(stderr);
        }
        return;
    }
    if (logging) {
        std::fprintf(stderr, "choice list: scanning '%s'\n", directory);
        std::fflush(stderr);
    }
    while (const dirent *entry = readdir(handle)) {
        if (entry->d_name[0] != '.' && matches_any_suffix(entry->d_name, suffixes, suffix_count)) {
            vortelan_gb_runtime_choice_list_add(list, entry->d_name);
        }
    }
    closedir(handle);
    if (logging) {
        std::fprintf(stderr, "choice list: '%s' candidates=%u\n", directory, list->count);
        std::fflush(stderr);
    }
}
