#include "tests/e2e/menu_package.h"

#include "runtime/local_address.h"

#include <filesystem>
#include <sstream>

namespace gb_test {

void MenuPackage::add(const std::string &relative, const std::string &contents) const {
    std::filesystem::path target = root.path() / relative;
    std::filesystem::create_directories(target.parent_path());
    write_file(target.string(), contents);
}

void MenuPackage::add_folder(const std::string &relative) const {
    std::filesystem::create_directories(root.path() / relative);
}

bool MenuPackage::exists(const std::string &relative) const {
    return std::filesystem::exists(root.path() / relative);
}

std::string MenuPackage::read(const std::string &relative) const {
    return read_text_file(file(relative));
}

std::vector<EnvChange> MenuPackage::environment(const std::vector<EnvChange> &changes) const {
    std::vector<EnvChange> result = {
        {"GB_RUNTIME_PACKAGE_ROOT", path()},
        {"GB_RUNTIME_KEY_CONFIG", std::nullopt},
        {"VORTELAN_EMULATOR_GB_RUNTIME_LOG_ENABLED", std::nullopt},
        {"VORTELAN_EMULATOR_GB_RUNTIME_LOG_STDIO_READY", std::nullopt},
        {"SDL_VIDEODRIVER", "dummy"},
        {"SDL_AUDIODRIVER", "dummy"},
    };
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}

Finished MenuPackage::run(const std::vector<std::string> &arguments,
                          const std::vector<EnvChange> &changes) const {
    return run_program(menu_program(), arguments, environment(changes));
}

const char *menu_program() {
    return GB_RUNTIME_MENU_PATH;
}

std::string local_host() {
    char host[128];
    return vortelan_gb_runtime_detect_local_ipv4(host, sizeof host) ? host : "127.0.0.1";
}

std::vector<std::string> split_lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace gb_test
