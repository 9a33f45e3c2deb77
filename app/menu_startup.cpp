#include "app/menu_startup.h"

#include "menu/choice_list.h"
#include "menu/rom_path.h"
#include "menu/settings_file.h"
#include "runtime/local_address.h"
#include "runtime/text.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned default_port = 25100;
constexpr const char *cartridge_suffixes[] = {".gb", ".gbc"};
constexpr uint32_t cartridge_suffix_count = 2;

void set_text(char *field, size_t capacity, const char *text) {
    vortelan_gb_runtime_copy_text(field, capacity, text);
}

void set_play_defaults(MenuState *state) {
    if (!vortelan_gb_runtime_detect_local_ipv4(state->host, sizeof state->host)) {
        set_text(state->host, sizeof state->host, "127.0.0.1");
    }
    std::snprintf(state->port, sizeof state->port, "%u", default_port);
    state->client_cart = 1;
    state->discover = 1;
    set_text(state->status, sizeof state->status, "READY");
    state->speed = 1;
}

// The remembered slot 1 cartridge stays only while it is still in roms.
void settle_cartridges(MenuState *state) {
    vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(&state->roms, "roms", cartridge_suffixes,
                                                          cartridge_suffix_count);
    vortelan_gb_runtime_choice_list_sort(&state->roms);
    state->slot2_cart[0] = '\0';
    if (state->roms.count == 0) {
        set_text(state->slot1_cart, sizeof state->slot1_cart, "slot1.gbc");
        set_text(state->status, sizeof state->status, "NO ROMS FOUND IN ROMS/");
        return;
    }
    if (!vortelan_gb_runtime_menu_rom_file_exists_in_roms(state->slot1_cart)) {
        set_text(state->slot1_cart, sizeof state->slot1_cart, state->roms.names[0]);
    }
}

} // namespace

void vortelan_gb_runtime_menu_init_state(MenuState *state) {
    std::memset(state, 0, sizeof *state);
    set_play_defaults(state);
    vortelan_gb_runtime_menu_set_default_bindings(state);
    vortelan_gb_runtime_menu_load_config_file(state);
    vortelan_gb_runtime_menu_refresh_key_descriptions(state);
    settle_cartridges(state);
}
