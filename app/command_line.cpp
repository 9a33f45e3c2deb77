#include "app/command_line.h"

#include <cstdlib>
#include <cstring>

namespace {

// Base-10 unsigned reading as the C library does it (leading digits count, anything else
// reads as 0), held within 32 bits. The library would take "-5" as its wrapped-around
// value, weeks of a window that waits, so a minus sign makes the text not a number.
uint32_t read_milliseconds(const char *text) {
    const char *sign = text + std::strspn(text, " \t\n\v\f\r");
    if (*sign == '-') {
        return 0;
    }
    unsigned long long value = std::strtoull(sign, nullptr, 10);
    return value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
}

} // namespace

MenuCommandLine vortelan_gb_runtime_menu_parse_command_line(int argc, char **argv) {
    MenuCommandLine result = {MenuCommand::interactive, 0};
    if (argc < 2 || argv[1] == nullptr) {
        return result;
    }
    const char *first = argv[1];
    if (std::strcmp(first, "--help") == 0) {
        result.command = MenuCommand::help;
    } else if (std::strcmp(first, "--smoke-save-key-config") == 0) {
        result.command = MenuCommand::smoke_save_key_config;
    } else if (std::strcmp(first, "--smoke-test") == 0) {
        result.command = MenuCommand::smoke_test;
    } else if (std::strcmp(first, "--smoke-draw-ms") == 0 && argc >= 3 && argv[2] != nullptr) {
        result.smoke_draw_ms = read_milliseconds(argv[2]);
    }
    return result;
}
