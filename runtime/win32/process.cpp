#include "runtime/process.h"

#include "runtime/win32/command_line.h"
#include "runtime/win32/wide_path.h"

#include <cerrno>
#include <cwchar>
#include <direct.h>
#include <process.h>
#include <windows.h>

namespace {

// The quoted arguments in UTF-16, for the wide-character start of a program.
struct WideArguments {
    wchar_t text[VORTELAN_GB_RUNTIME_COMMAND_LINE_CAPACITY];
    const wchar_t *pointers[VORTELAN_GB_RUNTIME_MAX_ARGUMENTS + 1];
};

// Each UTF-8 argument takes no more UTF-16 units than it has bytes, so what fitted the narrow
// command line fits here too.
bool widen_arguments(const QuotedArguments &quoted, WideArguments *wide) {
    size_t used = 0;
    size_t count = 0;
    for (; quoted.pointers[count] != nullptr; ++count) {
        int capacity = static_cast<int>(VORTELAN_GB_RUNTIME_COMMAND_LINE_CAPACITY - used);
        int written = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, quoted.pointers[count], -1,
                                          wide->text + used, capacity);
        if (written == 0) {
            errno = EILSEQ;
            return false;
        }
        wide->pointers[count] = wide->text + used;
        used += static_cast<size_t>(written);
    }
    wide->pointers[count] = nullptr;
    return true;
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

int vortelan_gb_runtime_spawn_and_wait(const char *path, const char *const argv[],
                                       int32_t *status) {
    QuotedArguments quoted;
    WideArguments wide_arguments;
    WidePath wide_path;
    if (!vortelan_gb_runtime_widen(path, &wide_path)) {
        return -1;
    }
    if (!vortelan_gb_runtime_quote_arguments(argv, &quoted)) {
        errno = E2BIG;
        return -1;
    }
    if (!widen_arguments(quoted, &wide_arguments)) {
        return -1;
    }
    // _wspawnv answers -1 both for a program that could not be started and for one that
    // exited with -1; only the former sets errno.
    errno = 0;
    intptr_t result = _wspawnv(_P_WAIT, wide_path.text, wide_arguments.pointers);
    if (result == -1 && errno != 0) {
        return -1;
    }
    *status = static_cast<int32_t>(result);
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
