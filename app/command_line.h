#pragma once

#include <cstdint>

// What the process was asked to do. Only the first argument selects; --smoke-draw-ms also
// reads the second.
enum class MenuCommand {
    interactive,
    help,
    smoke_save_key_config,
    smoke_test,
};

struct MenuCommandLine {
    MenuCommand command;
    // --smoke-draw-ms N: leave the loop after the first frame and N more milliseconds;
    // 0 (also for text that is not a number) is a normal run.
    uint32_t smoke_draw_ms;
};

MenuCommandLine vortelan_gb_runtime_menu_parse_command_line(int argc, char **argv);
