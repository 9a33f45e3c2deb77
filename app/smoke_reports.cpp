#include "app/smoke_reports.h"

#include "menu/settings_file.h"

#include <cstdio>

namespace {

void print_key_report(const MenuState *state) {
    std::printf("  slot1 keys: %s\n", state->slot1_keys_text);
    std::printf("  slot2 keys: %s\n", state->slot2_keys_text);
    std::printf("  client keys: uses slot1 keys\n");
    std::printf("  fast key: %s\n", state->fast_key_text);
    std::printf("  screenshot key: %s\n", state->screenshot_key_text);
    std::printf("  escape key: %s\n", state->escape_key_text);
    std::printf("  turbo hold key: %s\n", state->turbo_hold_key_text);
    std::printf("  reset key: %s\n", state->reset_key_text);
    std::printf("  display scale: %u (0=auto)\n", static_cast<unsigned>(state->display_scale));
}

} // namespace

int vortelan_gb_runtime_menu_print_help(const char *program) {
    std::printf("Usage: %s [--smoke-test] [--smoke-save-key-config] [--smoke-draw-ms N]\n",
                program);
    std::printf("VORTELAN EMULATOR GB Runtime diagnostics menu. Gameplay starts through Vortelan "
                "Client.\n");
    std::fflush(stdout);
    return 0;
}

int vortelan_gb_runtime_menu_smoke_test(const MenuState *state) {
    std::printf("Kivaro GBC menu smoke test\n");
    std::printf("  version: %s\n", "1.1");
    std::printf("  key config file: %s\n", vortelan_gb_runtime_menu_config_path());
    std::printf("  rom candidates: %u\n", static_cast<unsigned>(state->roms.count));
    std::printf("  save policy: server-authoritative session files\n");
    std::printf("  slot1 cart filename: %s\n", state->slot1_cart);
    std::printf("  slot2 cart filename: %s\n", state->slot2_cart);
    std::printf("  mode: %s\n", vortelan_gb_runtime_menu_mode_name(state->mode));
    std::printf("  host: %s\n", state->host);
    std::printf("  port: %s\n", state->port);
    std::printf("  discover: %s\n", state->discover != 0 ? "automatic" : "manual");
    std::printf("  client slot2 paths: %s\n", state->client_cart != 0 ? "on" : "off");
    std::printf("  speed: x%u (self only)\n", static_cast<unsigned>(state->speed));
    std::printf("  rtc offset minutes: %+d (self only)\n",
                static_cast<int>(state->rtc_offset_minutes));
    print_key_report(state);
    std::fflush(stdout);
    return state->roms.count == 0 ? 1 : 0;
}

int vortelan_gb_runtime_menu_smoke_save_key_config(const MenuState *state) {
    if (vortelan_gb_runtime_menu_save_config_file(state) != 0) {
        std::fprintf(stderr, "failed to write key config: %s\n",
                     vortelan_gb_runtime_menu_config_path());
        std::fflush(stderr);
        return 1;
    }
    std::printf("VORTELAN EMULATOR GB Runtime key config smoke save\n");
    std::printf("  key config file: %s\n", vortelan_gb_runtime_menu_config_path());
    print_key_report(state);
    std::fflush(stdout);
    return 0;
}
