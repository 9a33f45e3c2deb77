#include "input/binding_lists.h"

#include "input/binding_names.h"
#include "runtime/text.h"

#include <SDL_keycode.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr SlotKeys slot1_defaults = {SDLK_RIGHT, SDLK_LEFT, SDLK_UP,     SDLK_DOWN,
                                     SDLK_z,     SDLK_x,    SDLK_RSHIFT, SDLK_RETURN};
constexpr SlotKeys slot2_defaults = {SDLK_d, SDLK_a, SDLK_w, SDLK_s,
                                     SDLK_g, SDLK_h, SDLK_r, SDLK_t};

// Each name is copied out of the shared ring before the next is made.
constexpr size_t described_name_capacity = 96;

// The next field of a comma-separated text, as the standard tokenizer splits it: a maximal
// run of characters other than ',', skipping empty ones. Terminates the field in place and
// leaves *cursor after it; null when no field is left.
char *next_field(char **cursor) {
    char *start = *cursor;
    while (*start == ',') {
        ++start;
    }
    if (*start == '\0') {
        *cursor = start;
        return nullptr;
    }
    char *end = start + std::strcspn(start, ",");
    *cursor = *end == ',' ? end + 1 : end;
    *end = '\0';
    return start;
}

} // namespace

void vortelan_gb_runtime_key_config_slot1_default(SlotKeys *keys) {
    if (keys != nullptr) {
        *keys = slot1_defaults;
    }
}

void vortelan_gb_runtime_key_config_slot2_default(SlotKeys *keys) {
    if (keys != nullptr) {
        *keys = slot2_defaults;
    }
}

BindingCode vortelan_gb_runtime_key_config_fast_default() {
    return SDLK_f;
}
BindingCode vortelan_gb_runtime_key_config_screenshot_default() {
    return SDLK_p;
}
BindingCode vortelan_gb_runtime_key_config_escape_default() {
    return SDLK_ESCAPE;
}
BindingCode vortelan_gb_runtime_key_config_turbo_hold_default() {
    return SDLK_b;
}
BindingCode vortelan_gb_runtime_key_config_reset_default() {
    return SDLK_o;
}

int vortelan_gb_runtime_key_config_parse(SlotKeys *keys, const char *text) {
    char work[slot_keys_text_limit];
    if (keys == nullptr || !vortelan_gb_runtime_copy_text(work, sizeof work, text)) {
        return -1;
    }
    SlotKeys codes{};
    size_t count = 0;
    char *cursor = work;
    while (char *field = next_field(&cursor)) {
        while (*field == ' ') { // spaces only: a tab stays and makes the name fail
            ++field;
        }
        if (count == slot_key_count) {
            return -1;
        }
        BindingCode code = vortelan_gb_runtime_key_config_key_from_name(field);
        if (code == 0) {
            return -1;
        }
        codes[count++] = code;
    }
    if (count != slot_key_count) {
        return -1;
    }
    *keys = codes;
    return 0;
}

int vortelan_gb_runtime_key_config_describe(const SlotKeys *keys, char *buffer, size_t capacity) {
    if (buffer == nullptr) {
        capacity = 0;
    }
    if (keys == nullptr) {
        if (capacity > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    char names[slot_key_count][described_name_capacity];
    for (size_t i = 0; i < slot_key_count; ++i) {
        const char *name = vortelan_gb_runtime_key_config_key_name((*keys)[i]);
        vortelan_gb_runtime_copy_text(names[i], described_name_capacity,
                                      name != nullptr ? name : "UNKNOWN");
    }
    return std::snprintf(buffer, capacity, "%s,%s,%s,%s,%s,%s,%s,%s", names[0], names[1], names[2],
                         names[3], names[4], names[5], names[6], names[7]);
}

MenuButtons vortelan_gb_runtime_key_config_button_for_key(const SlotKeys *keys,
                                                          BindingCode keycode) {
    if (keys == nullptr) {
        return 0;
    }
    for (size_t i = 0; i < slot_key_count; ++i) {
        if ((*keys)[i] == keycode) {
            return static_cast<MenuButtons>(1u << i);
        }
    }
    return 0;
}
