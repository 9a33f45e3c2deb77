#include "runtime/process.h"

#include "runtime/win32/command_line.h"

#include <cerrno>
#include <direct.h>
#include <process.h>
#include <windows.h>

bool vortelan_gb_runtime_executable_path(char *buffer, size_t capacity) {
    if (buffer == nullptr || capacity == 0 || capacity > MAXDWORD) {
        return false;
    }
    // A path that fills the whole buffer has been cut.
    DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(capacity));
    return length > 0 && length < capacity;
}

int vortelan_gb_runtime_change_directory(const char *path) {
    return _chdir(path) == 0 ? 0 : -1;
}

int vortelan_gb_runtime_spawn_and_wait(const char *path, const char *const argv[],
                                       int32_t *status) {
    QuotedArguments quoted;
    if (!vortelan_gb_runtime_quote_arguments(argv, &quoted)) {
        errno = E2BIG;
        return -1;
    }
    // _spawnv answers -1 both for a program that could not be started and for one that exited
    // with -1; only the former sets errno.
    errno = 0;
    intptr_t result = _spawnv(_P_WAIT, path, quoted.pointers);
    if (result == -1 && errno != 0) {
        return -1;
    }
    *status = static_cast<int32_t>(result);
    return 0;
}
