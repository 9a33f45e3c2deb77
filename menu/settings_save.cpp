#include "menu/settings_file.h"
#include "menu/settings_keys.h"

#include "input/binding_lists.h"
#include "runtime/file_replace.h"
#include "runtime/files.h"
#include "runtime/text.h"
#include "ui/display_scale.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t path_capacity = 512;
constexpr unsigned int directory_mode = 0755;
constexpr size_t scale_text_capacity = 16;

// Creates the one directory the file sits in; missing parents above it are not created.
int ensure_config_parent_directory(const char *path) {
    char directory[path_capacity];
    if (!vortelan_gb_runtime_copy_text(directory, sizeof directory, path)) {
        return -1;
    }
    char *slash = std::strrchr(directory, '/');
    if (slash == nullptr || slash == directory) {
        return 0;
    }
    *slash = '\0';
    return vortelan_gb_runtime_ensure_directory(directory, directory_mode);
}

// One "key=value" line. A value holding a control character (a line feed would start a line
// of its own, which the next start would read as a setting) is written empty, as not set.
bool write_line(std::FILE *file, const char *key, const char *value) {
    const char *kept = vortelan_gb_runtime_has_control_characters(value) ? "" : value;
    return std::fprintf(file, "%s=%s\n", key, kept) >= 0;
}

bool write_settings(std::FILE *file, const void *context) {
    const auto *state = static_cast<const MenuState *>(context);
    bool written = std::fprintf(file, "# VORTELAN EMULATOR GB Runtime settings\n") >= 0;
    // Made afresh from the codes: the 256-byte text shown on screen may be cut, and a cut
    // list would not read back.
    char list[slot_keys_text_limit];
    for (const SlotKeysSetting &setting : slot_keys_settings) {
        vortelan_gb_runtime_key_config_describe(&(state->*setting.codes), list, sizeof list);
        written = written && write_line(file, setting.key, list);
    }
    for (const SingleKeySetting &setting : single_key_settings) {
        written = written && write_line(file, setting.key, state->*setting.text);
    }
    char scale[scale_text_capacity];
    vortelan_display_scale_format(state->display_scale, scale, sizeof scale);
    written = written && write_line(file, recent_slot1_rom_key, state->slot1_cart) &&
              write_line(file, display_scale_key, scale);
    return written;
}

} // namespace

// Through a temporary that then replaces the file in one step, so that a failure part-way (a
// full disk, a crash) never leaves a shortened settings file and lost bindings.
int vortelan_gb_runtime_menu_save_config_file(const MenuState *state) {
    const char *path = vortelan_gb_runtime_menu_config_path();
    if (ensure_config_parent_directory(path) != 0) {
        return -1;
    }
    return vortelan_gb_runtime_write_file_replacing(path, write_settings, state);
}
