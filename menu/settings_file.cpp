#include "menu/settings_file.h"
#include "menu/settings_keys.h"

#include "input/binding_names.h"
#include "runtime/environment.h"
#include "runtime/text.h"

namespace {

// The moved path as UTF-8, refilled on every call. Far longer than any path the settings can
// be saved to (512 bytes), so that only an absurd value counts as unset.
char moved_config_path[4096];

} // namespace

const char *vortelan_gb_runtime_menu_config_path() {
    bool moved = vortelan_gb_runtime_environment_text("GB_RUNTIME_KEY_CONFIG", moved_config_path,
                                                      sizeof moved_config_path);
    return moved && moved_config_path[0] != '\0' ? moved_config_path
                                                 : "config/gb_runtime_keys.conf";
}

void vortelan_gb_runtime_menu_refresh_key_descriptions(MenuState *state) {
    for (const SlotKeysSetting &setting : slot_keys_settings) {
        vortelan_gb_runtime_key_config_describe(&(state->*setting.codes), state->*setting.text,
                                                sizeof(state->*setting.text));
    }
    for (const SingleKeySetting &setting : single_key_settings) {
        vortelan_gb_runtime_copy_text(
            state->*setting.text, sizeof(state->*setting.text),
            vortelan_gb_runtime_key_config_key_name(state->*setting.code));
    }
}
