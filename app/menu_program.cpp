#include "app/menu_program.h"

#include "app/command_line.h"
#include "app/menu_diagnostics.h"
#include "app/menu_startup.h"
#include "app/menu_window.h"
#include "app/smoke_reports.h"
#include "runtime/console.h"
#include "runtime/log.h"
#include "runtime/package_root.h"

int vortelan_gb_runtime_menu_main(int argc, char **argv) {
    // The modes that answer on the command line are read before anything is written, so that
    // their lines, the "cwd:" line included, reach the console they were started from.
    MenuCommandLine command_line = vortelan_gb_runtime_menu_parse_command_line(argc, argv);
    if (command_line.command != MenuCommand::interactive) {
        vortelan_gb_runtime_use_parent_console();
    }
    // Every relative path (config, roms, screenshot, the log) is taken from the package root,
    // and the log must land there too. A failed change leaves the starting directory.
    vortelan_gb_runtime_chdir_to_package_root();
    vortelan_gb_runtime_log_redirect_stdio("menu");

    MenuState state;
    vortelan_gb_runtime_menu_init_state(&state);
    log_menu_state(&state, "initialized");

    switch (command_line.command) {
    case MenuCommand::help:
        return vortelan_gb_runtime_menu_print_help(argv[0]);
    case MenuCommand::smoke_save_key_config:
        return vortelan_gb_runtime_menu_smoke_save_key_config(&state);
    case MenuCommand::smoke_test:
        return vortelan_gb_runtime_menu_smoke_test(&state);
    case MenuCommand::interactive:
        break;
    }
    return vortelan_gb_runtime_menu_run_window(&state, command_line.smoke_draw_ms);
}
