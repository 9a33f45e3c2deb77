#include "menu/rom_path.h"
#include "menu/settings_file.h"
#include "menu/settings_keys.h"

#include "input/binding_lists.h"
#include "input/binding_names.h"
#include "runtime/files.h"
#include "runtime/text.h"
#include "ui/display_scale.h"

#include <cstdio>
#include <cstring>

namespace {

// Every line the save writes fits whole: the longest are a slot's binding list and the
// cartridge name, each after its key and "=".
constexpr size_t line_capacity = 2048;
static_assert(sizeof "slot1_keys=" - 1 + slot_keys_text_limit <= line_capacity);
static_assert(sizeof recent_slot1_rom_key + menu_file_name_capacity <= line_capacity);
// Far above any settings file the menu writes: what a path names beyond that (a growing or
// enormous file) is not read on.
constexpr long read_limit = 64 * 1024;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_trailing_blank(char c) {
    return is_blank(c) || c == '\r' || c == '\n';
}

size_t trim_line(char *text) {
    size_t start = 0;
    while (is_blank(text[start])) {
        ++start;
    }
    size_t end = std::strlen(text);
    while (end > start && is_trailing_blank(text[end - 1])) {
        --end;
    }
    size_t length = end - start;
    std::memmove(text, text + start, length);
    text[length] = '\0';
    return length;
}

// Reads the next line whole, to its line feed. A longer line than the buffer holds (only a hand
// edit makes one) comes back empty: it is passed over whole, so no piece of it is ever taken for
// a setting. False once the file has nothing left.
bool read_line(std::FILE *file, char (&line)[line_capacity]) {
    size_t length = 0;
    long passed = 0;
    int c = std::getc(file);
    if (c == EOF) {
        return false;
    }
    for (; c != EOF && c != '\n' && passed < read_limit; c = std::getc(file), ++passed) {
        if (length + 1 < line_capacity) {
            line[length++] = static_cast<char>(c);
        }
    }
    line[passed < static_cast<long>(line_capacity) ? length : 0] = '\0';
    return true;
}

void apply_setting(MenuState *state, const char *key, const char *value) {
    for (const SlotKeysSetting &setting : slot_keys_settings) {
        if (std::strcmp(key, setting.key) == 0) {
            // A list that does not parse leaves the codes untouched.
            vortelan_gb_runtime_key_config_parse(&(state->*setting.codes), value);
            return;
        }
    }
    for (const SingleKeySetting &setting : single_key_settings) {
        if (std::strcmp(key, setting.key) == 0) {
            BindingCode code = vortelan_gb_runtime_key_config_key_from_name(value);
            if (code != 0) {
                state->*setting.code = code;
            }
            return;
        }
    }
    if (std::strcmp(key, recent_slot1_rom_key) == 0) {
        // Whether the file is still in roms is settled at start-up, after the scan.
        if (vortelan_gb_runtime_menu_rom_filename_valid(value)) {
            vortelan_gb_runtime_copy_text(state->slot1_cart, sizeof state->slot1_cart, value);
        }
    } else if (std::strcmp(key, display_scale_key) == 0) {
        vortelan_display_scale_parse(value, &state->display_scale);
    }
}

} // namespace

void vortelan_gb_runtime_menu_load_config_file(MenuState *state) {
    // Only a regular file: a FIFO or a device would hold up start-up, maybe forever.
    std::FILE *file =
        vortelan_gb_runtime_open_regular_file(vortelan_gb_runtime_menu_config_path(), "r");
    if (file == nullptr) {
        return;
    }
    char line[line_capacity];
    while (std::ftell(file) < read_limit && read_line(file, line)) {
        if (trim_line(line) == 0 || line[0] == '#') {
            continue;
        }
        char *equals = std::strchr(line, '=');
        if (equals == nullptr) {
            continue;
        }
        *equals = '\0';
        char *value = equals + 1;
        trim_line(line);
        trim_line(value);
        apply_setting(state, line, value);
    }
    std::fclose(file);
}
