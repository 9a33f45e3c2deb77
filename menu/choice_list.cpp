#include "menu/choice_list.h"

#include "runtime/text.h"

#include <cstring>

namespace {

int compare_choice(const char *left, const char *right) {
    return std::strcmp(left, right);
}

// Position of the name in the list, or count when it is not there.
uint32_t position_of(const ChoiceList *list, const char *name) {
    for (uint32_t index = 0; index < list->count; ++index) {
        if (std::strcmp(list->names[index], name) == 0) {
            return index;
        }
    }
    return list->count;
}

} // namespace

// A name its entry cannot hold whole is left out: cut, it would name a file that is not there.
void vortelan_gb_runtime_choice_list_add(ChoiceList *list, const char *name) {
    if (list->count >= choice_list_capacity || std::strlen(name) >= choice_name_capacity ||
        position_of(list, name) < list->count) {
        return;
    }
    vortelan_gb_runtime_copy_text(list->names[list->count], choice_name_capacity, name);
    ++list->count;
}

// Insertion sort in place: the list is at most 64 entries and must not allocate.
void vortelan_gb_runtime_choice_list_sort(ChoiceList *list) {
    char moving[choice_name_capacity];
    for (uint32_t index = 1; index < list->count; ++index) {
        uint32_t target = index;
        while (target > 0 && compare_choice(list->names[target - 1], list->names[index]) > 0) {
            --target;
        }
        if (target == index) {
            continue;
        }
        std::memcpy(moving, list->names[index], choice_name_capacity);
        std::memmove(list->names[target + 1], list->names[target],
                     (index - target) * choice_name_capacity);
        std::memcpy(list->names[target], moving, choice_name_capacity);
    }
}

uint32_t vortelan_gb_runtime_choice_list_find_index(const ChoiceList *list, const char *name) {
    uint32_t index = position_of(list, name);
    return index < list->count ? index : 0;
}

void vortelan_gb_runtime_choice_list_cycle(const ChoiceList *list, char *text, size_t capacity,
                                           int32_t direction) {
    uint32_t count = list->count;
    if (count == 0) {
        return;
    }
    uint32_t index = vortelan_gb_runtime_choice_list_find_index(list, text);
    uint32_t next = direction > 0 ? (index + 1) % count : (count + index - 1) % count;
    vortelan_gb_runtime_copy_text(text, capacity, list->names[next]);
}

void vortelan_gb_runtime_choice_list_cycle_optional(const ChoiceList *list, char *text,
                                                    size_t capacity, int32_t direction) {
    uint32_t count = list->count;
    uint32_t position = 0;
    if (text[0] != '\0') {
        uint32_t index = position_of(list, text);
        position = index < count ? index + 1 : 1;
    }
    uint32_t next = direction > 0 ? (position + 1) % (count + 1) : (position + count) % (count + 1);
    if (next == 0) {
        vortelan_gb_runtime_copy_text(text, capacity, "");
        return;
    }
    vortelan_gb_runtime_copy_text(text, capacity, list->names[next - 1]);
}

void vortelan_gb_runtime_choice_list_remove_at(ChoiceList *list, uint32_t index) {
    if (list == nullptr || index >= list->count) {
        return;
    }
    uint32_t last = list->count - 1;
    std::memmove(list->names[index], list->names[index + 1], (last - index) * choice_name_capacity);
    std::memset(list->names[last], 0, choice_name_capacity);
    list->count = last;
}
