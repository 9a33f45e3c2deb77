#pragma once

#include <cstddef>
#include <cstdint>

// A short, sorted, duplicate-free list of bare file names taken from one directory: the
// cartridges in roms, the pictures in screenshot. Embedded in its owner, never allocated;
// a zero-filled list is a valid empty list.
constexpr uint32_t choice_list_capacity = 64;
constexpr uint32_t choice_name_capacity = 512;

struct ChoiceList {
    char names[choice_list_capacity][choice_name_capacity];
    uint32_t count;
};

// Appends the name unless the list is full, already holds it, or the name is longer than
// an entry holds (511 bytes).
void vortelan_gb_runtime_choice_list_add(ChoiceList *list, const char *name);

// Adds every entry of the directory whose name ends in one of the suffixes (ASCII case
// ignored); names starting with "." are skipped. Keeps what the list already holds.
void vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(ChoiceList *list, const char *directory,
                                                           const char *const *suffixes,
                                                           uint32_t suffix_count);

// Byte-wise ascending order: upper case before lower case, no locale.
void vortelan_gb_runtime_choice_list_sort(ChoiceList *list);

// Index of the entry equal to the name; 0 also when there is none.
uint32_t vortelan_gb_runtime_choice_list_find_index(const ChoiceList *list, const char *name);

// Replaces text by the next (direction > 0) or previous entry, wrapping; a text not in the
// list counts as the first entry. An empty list leaves the text alone.
void vortelan_gb_runtime_choice_list_cycle(const ChoiceList *list, char *text, size_t capacity,
                                           int32_t direction);

// As above over the positions none (the empty text), entry 1 .. entry n; a text not in the
// list counts as entry 1.
void vortelan_gb_runtime_choice_list_cycle_optional(const ChoiceList *list, char *text,
                                                    size_t capacity, int32_t direction);

// Removes one entry, keeping the others in order; a missing list or a bad index is ignored.
void vortelan_gb_runtime_choice_list_remove_at(ChoiceList *list, uint32_t index);
