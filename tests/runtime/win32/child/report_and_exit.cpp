// A program for the launcher tests: writes the arguments it received, each followed by "|",
// to "<its own path>.args" and exits with the status written in "<its own path>.status"
// (0 without that file), so that one copy of it can stand for any program.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

// Its own path is asked for in UTF-16, so that a copy in a folder of any name finds its files.
int main(int argc, char **argv) {
    wchar_t own_path[32768];
    DWORD length = GetModuleFileNameW(nullptr, own_path, sizeof own_path / sizeof own_path[0]);
    if (length == 0 || length == sizeof own_path / sizeof own_path[0]) {
        return 125;
    }
    std::string arguments;
    for (int index = 1; index < argc; ++index) {
        arguments += std::string(argv[index]) + "|";
    }
    std::FILE *record = _wfopen((std::wstring(own_path) + L".args").c_str(), L"wb");
    if (record == nullptr) {
        return 126;
    }
    std::fwrite(arguments.data(), 1, arguments.size(), record);
    std::fclose(record);

    unsigned long status = 0;
    if (std::FILE *wanted = _wfopen((std::wstring(own_path) + L".status").c_str(), L"r")) {
        char text[32] = {};
        std::fgets(text, sizeof text, wanted);
        std::fclose(wanted);
        // "-1" gives all bits set, as a program that ended with -1 would leave.
        status = std::strtoul(text, nullptr, 10);
    }
    ExitProcess(static_cast<UINT>(status));
}
