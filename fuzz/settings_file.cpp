// Any bytes as the settings file, loaded over the start state. Afterwards every invariant of
// the menu state holds, and saving and loading again gives the same state, except for the
// bindings whose saved text the file's own rules cannot read back.

#include "menu/settings_file.h"
#include "app/menu_state.h"
#include "fuzz/round_trip.h"
#include "input/binding_lists.h"
#include "input/binding_names.h"
#include "menu/rom_path.h"
#include "runtime/text.h"
#include "tests/menu/menu_state_fixture.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// Several pieces of the longest line, so that cut lines are exercised.
constexpr size_t longest_input = 4096;

// In memory where possible: every save syncs the file to its disk.
char scratch_directory[] = "/dev/shm/fuzz_settings_XXXXXX";
std::string input_path;
MenuState start_state;

void remove_scratch() {
    unlink(input_path.c_str());
    rmdir(scratch_directory);
}

[[noreturn]] void report(const char *what, const std::string &detail) {
    std::fprintf(stderr, "settings_file: %s: %s\n", what, detail.c_str());
    std::abort();
}

bool terminated(const char *text, size_t capacity) {
    return std::memchr(text, '\0', capacity) != nullptr;
}

void check_invariants(const MenuState &state) {
    for (size_t index = 0; index < state.roms.count; ++index) {
        if (!terminated(state.roms.names[index], choice_name_capacity)) {
            report("unterminated cartridge", "");
        }
    }
    if (!terminated(state.slot1_cart, sizeof state.slot1_cart) ||
        !terminated(state.slot2_cart, sizeof state.slot2_cart) ||
        !terminated(state.host, sizeof state.host) || !terminated(state.port, sizeof state.port) ||
        !terminated(state.slot1_keys_text, sizeof state.slot1_keys_text) ||
        !terminated(state.slot2_keys_text, sizeof state.slot2_keys_text) ||
        !terminated(state.fast_key_text, sizeof state.fast_key_text) ||
        !terminated(state.screenshot_key_text, sizeof state.screenshot_key_text) ||
        !terminated(state.escape_key_text, sizeof state.escape_key_text) ||
        !terminated(state.turbo_hold_key_text, sizeof state.turbo_hold_key_text) ||
        !terminated(state.reset_key_text, sizeof state.reset_key_text) ||
        !terminated(state.status, sizeof state.status)) {
        report("unterminated text", gb_test::state_summary(state));
    }
    if (state.roms.count > choice_list_capacity || state.display_scale > 6 || state.speed < 1 ||
        state.speed > 4 || state.mode > MENU_MODE_KEY_CONFIG || state.row >= menu_row_count ||
        state.rtc_offset_minutes < -1440 || state.rtc_offset_minutes > 1440) {
        report("value out of range", gb_test::state_summary(state));
    }
    if (state.slot1_cart[0] != '\0' &&
        !vortelan_gb_runtime_menu_rom_filename_valid(state.slot1_cart)) {
        report("slot 1 cartridge is not a bare cartridge name", state.slot1_cart);
    }
}

// A name the settings line cannot carry back: one with a control character is written empty,
// and SDL reads its name of an upper-case letter keycode as the lower-case letter.
bool name_cannot_read_back(BindingCode code) {
    return vortelan_gb_runtime_has_control_characters(
               vortelan_gb_runtime_key_config_key_name(code)) ||
           is_upper_case_letter_keycode(code);
}

// A list also holding the comma key: its bare comma splits the list when it is read.
bool list_cannot_read_back(const SlotKeys &keys) {
    for (BindingCode code : keys) {
        if (code == ',' || name_cannot_read_back(code)) {
            return true;
        }
    }
    return false;
}

// Copies the fields the file carries from loaded over reloaded where they cannot read back
// (a cartridge name with a control character is written empty, like such a key name), so
// that a plain comparison checks all the others.
void forgive_unreadable(const MenuState &loaded, MenuState *reloaded) {
    if (list_cannot_read_back(loaded.slot1_keys)) {
        reloaded->slot1_keys = loaded.slot1_keys;
        std::memcpy(reloaded->slot1_keys_text, loaded.slot1_keys_text,
                    sizeof loaded.slot1_keys_text);
    }
    if (list_cannot_read_back(loaded.slot2_keys)) {
        reloaded->slot2_keys = loaded.slot2_keys;
        std::memcpy(reloaded->slot2_keys_text, loaded.slot2_keys_text,
                    sizeof loaded.slot2_keys_text);
    }
    if (vortelan_gb_runtime_has_control_characters(loaded.slot1_cart)) {
        std::memcpy(reloaded->slot1_cart, loaded.slot1_cart, sizeof loaded.slot1_cart);
    }
    struct Single {
        BindingCode MenuState::*code;
        char (MenuState::*text)[menu_key_text_capacity];
    };
    for (const Single &single :
         {Single{&MenuState::fast_key, &MenuState::fast_key_text},
          Single{&MenuState::screenshot_key, &MenuState::screenshot_key_text},
          Single{&MenuState::escape_key, &MenuState::escape_key_text},
          Single{&MenuState::turbo_hold_key, &MenuState::turbo_hold_key_text},
          Single{&MenuState::reset_key, &MenuState::reset_key_text}}) {
        if (name_cannot_read_back(loaded.*single.code)) {
            reloaded->*single.code = loaded.*single.code;
            std::memcpy(reloaded->*single.text, loaded.*single.text, menu_key_text_capacity);
        }
    }
}

MenuState load_from(const char *path) {
    setenv("GB_RUNTIME_KEY_CONFIG", path, 1);
    MenuState state = start_state;
    vortelan_gb_runtime_menu_load_config_file(&state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(&state);
    return state;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    if (mkdtemp(scratch_directory) == nullptr) {
        std::snprintf(scratch_directory, sizeof scratch_directory, "/tmp/fuzz_settings_XXXXXX");
        if (mkdtemp(scratch_directory) == nullptr) {
            report("no scratch directory", scratch_directory);
        }
    }
    input_path = std::string(scratch_directory) + "/input.conf";
    std::atexit(remove_scratch);
    gb_test::fill_start_state(&start_state);
    std::snprintf(start_state.slot1_cart, sizeof start_state.slot1_cart, "slot1.gbc");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size > longest_input) {
        return 0;
    }
    std::FILE *input = std::fopen(input_path.c_str(), "wb");
    if (input == nullptr || std::fwrite(data, 1, size, input) != size || std::fclose(input) != 0) {
        report("cannot write the input", input_path);
    }
    MenuState loaded = load_from(input_path.c_str());
    check_invariants(loaded);

    if (vortelan_gb_runtime_menu_save_config_file(&loaded) != 0) {
        report("save failed", input_path);
    }
    MenuState reloaded = load_from(input_path.c_str());
    check_invariants(reloaded);
    forgive_unreadable(loaded, &reloaded);
    std::string before = gb_test::state_summary(loaded);
    std::string after = gb_test::state_summary(reloaded);
    if (before != after) {
        report("save and reload changed the state", before + "\n   became " + after);
    }
    return 0;
}
