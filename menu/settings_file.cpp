#include "menu/settings_file.h"
#include "menu/settings_keys.h"

#include "input/binding_names.h"
#include "runtime/text.h"

#include <cstdlib>

const char *vortelan_gb_runtime_menu_config_path() {
    const char *moved = std::getenv("GB_RUNTIME_KEY_CONFIG");
    return moved != nullptr && moved[0] != '\0' ? moved : "config/gb_runtime_keys.conf";
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
