#include "runtime/process.h"

#include "runtime/ascii.h"
#include "runtime/win32/command_line.h"
#include "runtime/win32/wide_path.h"

#include <cerrno>
#include <cstring>
#include <direct.h>
#include <io.h>
#include <windows.h>

namespace {

// The quoted arguments as the one UTF-16 command line a program receives.
struct WideCommandLine {
    wchar_t text[VORTELAN_GB_RUNTIME_COMMAND_LINE_CAPACITY];
};

// Each UTF-8 byte becomes at most one UTF-16 unit, so what fitted the narrow command line fits
// here too; the terminators between the arguments become the blanks they stand for.
bool widen_command_line(const QuotedArguments &quoted, WideCommandLine *wide) {
    size_t length = 0;
    for (const char *const *argument = quoted.pointers; *argument != nullptr; ++argument) {
        length = static_cast<size_t>(*argument - quoted.text) + std::strlen(*argument) + 1;
    }
    if (length == 0) {
        wide->text[0] = L'\0';
        return true;
    }
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, quoted.text, static_cast<int>(length),
                            wide->text, VORTELAN_GB_RUNTIME_COMMAND_LINE_CAPACITY) == 0) {
        errno = EILSEQ;
        return false;
    }
    for (wchar_t *at = wide->text; at < wide->text + length - 1; ++at) {
        if (*at == L'\0') {
            *at = L' ';
        }
    }
    return true;
}

// Windows starts a batch or command script through cmd.exe, which reads the command line again
// as commands: an argument such as "Tom&echo:x.gb" would run a second one. So no script is
// started, and its name is judged as Windows judges it, without trailing dots and blanks.
bool names_command_script(const char *path) {
    size_t length = std::strlen(path);
    while (length > 0 && (path[length - 1] == '.' || path[length - 1] == ' ')) {
        --length;
    }
    if (length < 4) {
        return false;
    }
    const char *extension = path + length - 4;
    return vortelan_gb_runtime_ascii_equal_ignoring_case(extension, ".bat", 4) ||
           vortelan_gb_runtime_ascii_equal_ignoring_case(extension, ".cmd", 4);
}

// A descriptor with no handle behind it (-1, or -2 in a program without a console) hands none.
HANDLE handle_of_descriptor(int descriptor) {
    intptr_t handle = _get_osfhandle(descriptor);
    return handle < 0 ? nullptr : reinterpret_cast<HANDLE>(handle);
}

} // namespace

// The path is asked for in UTF-16 and must fit the caller's buffer as UTF-8; one that does not
// may have been cut.
bool vortelan_gb_runtime_executable_path(char *buffer, size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return false;
    }
    WidePath wide;
    DWORD length = GetModuleFileNameW(nullptr, wide.text, VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY);
    return length > 0 && length < VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY &&
           vortelan_gb_runtime_narrow(wide.text, buffer, capacity);
}

int vortelan_gb_runtime_change_directory(const char *path) {
    WidePath wide;
    return vortelan_gb_runtime_widen(path, &wide) && _wchdir(wide.text) == 0 ? 0 : -1;
}

// The program is started by its exact name: with the name given apart from the command line,
// Windows neither searches a path nor tries extensions. The child gets this process's
// standard descriptors (the log, when it is on), as the C runtime's own start would give them.
int vortelan_gb_runtime_spawn_and_wait(const char *path, const char *const argv[],
                                       int32_t *status) {
    QuotedArguments quoted;
    WideCommandLine command_line;
    WidePath wide_path;
    if (!vortelan_gb_runtime_widen(path, &wide_path)) {
        return -1;
    }
    if (names_command_script(path)) {
        errno = ENOEXEC;
        return -1;
    }
    if (!vortelan_gb_runtime_quote_arguments(argv, &quoted)) {
        errno = E2BIG;
        return -1;
    }
    if (!widen_command_line(quoted, &command_line)) {
        return -1;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = handle_of_descriptor(0);
    startup.hStdOutput = handle_of_descriptor(1);
    startup.hStdError = handle_of_descriptor(2);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(wide_path.text, command_line.text, nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &started)) {
        vortelan_gb_runtime_errno_from_last_error();
        return -1;
    }
    CloseHandle(started.hThread);
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD exit_code = 0;
    GetExitCodeProcess(started.hProcess, &exit_code);
    CloseHandle(started.hProcess);
    *status = static_cast<int32_t>(exit_code);
    return 0;
}

// A process that may not be opened is still there; an ended one keeps its id only as long as
// someone holds it open, and then reports its exit code.
bool vortelan_gb_runtime_process_exists(int process_id) {
    if (process_id <= 0) {
        return false;
    }
    HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process_id));
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD exit_code = 0;
    const bool running = GetExitCodeProcess(process, &exit_code) && exit_code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}
