// A program for the launcher tests: writes the arguments it received, each followed by "|",
// to "<its own path>.args" and exits with the status written in "<its own path>.status"
// (0 without that file), so that one copy of it can stand for any program.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

int main(int argc, char **argv) {
    char own_path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, own_path, sizeof own_path);
    if (length == 0 || length == sizeof own_path) {
        return 125;
    }
    std::string arguments;
    for (int index = 1; index < argc; ++index) {
        arguments += std::string(argv[index]) + "|";
    }
    std::FILE *record = std::fopen((std::string(own_path) + ".args").c_str(), "wb");
    if (record == nullptr) {
        return 126;
    }
    std::fwrite(arguments.data(), 1, arguments.size(), record);
    std::fclose(record);

    unsigned long status = 0;
    if (std::FILE *wanted = std::fopen((std::string(own_path) + ".status").c_str(), "r")) {
        char text[32] = {};
        std::fgets(text, sizeof text, wanted);
        std::fclose(wanted);
        // "-1" gives all bits set, as a program that ended with -1 would leave.
        status = std::strtoul(text, nullptr, 10);
    }
    ExitProcess(static_cast<UINT>(status));
}
