#include "menu/choice_list.h"
#include "menu/rom_path.h"

#include "runtime/directory.h"
#include "runtime/log.h"
#include "runtime/text.h"

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

struct ScanTarget {
    ChoiceList *list;
    const char *const *suffixes;
    uint32_t suffix_count;
};

// A name with a control character is never offered: shown, logged or stored in the settings
// file, a line feed in it would start a line of its own.
void add_matching_entry(const char *name, void *context) {
    const auto *target = static_cast<const ScanTarget *>(context);
    if (name[0] != '.' && !vortelan_gb_runtime_has_control_characters(name) &&
        matches_any_suffix(name, target->suffixes, target->suffix_count)) {
        vortelan_gb_runtime_choice_list_add(target->list, name);
    }
}

} // namespace

// Only the entry names are looked at: a directory called x.gb is listed too, and the
// existence test rejects it when it is chosen.
void vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(ChoiceList *list, const char *directory,
                                                           const char *const *suffixes,
                                                           uint32_t suffix_count) {
    bool logging = vortelan_gb_runtime_log_enabled();
    ScanTarget target{list, suffixes, suffix_count};
    if (vortelan_gb_runtime_list_directory(directory, add_matching_entry, &target) != 0) {
        if (logging) {
            std::fprintf(stderr, "choice list: failed to open '%s': %s\n", directory,
                         std::strerror(errno));
            std::fflush(stderr);
        }
        return;
    }
    // Adding entries writes nothing, so both lines can follow the listing.
    if (logging) {
        std::fprintf(stderr, "choice list: scanning '%s'\n", directory);
        std::fprintf(stderr, "choice list: '%s' candidates=%u\n", directory, list->count);
        std::fflush(stderr);
    }
}
