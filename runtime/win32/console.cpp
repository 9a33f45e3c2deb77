#include "runtime/console.h"

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// A stream the starter sent to a file or a pipe keeps going there.
bool is_redirected(DWORD stream) {
    HANDLE handle = GetStdHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

// The system's C library refuses to reopen a standard stream that it never opened, as in a
// program started without standard handles; a stream opened on the console then takes the
// standard stream's place.
void reopen_on_console(std::FILE *stream) {
    if (std::freopen("CONOUT$", "w", stream) != nullptr) {
        return;
    }
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) {
        return;
    }
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(console), _O_WRONLY | _O_TEXT);
    std::FILE *opened = descriptor >= 0 ? _fdopen(descriptor, "w") : nullptr;
    if (opened == nullptr) {
        CloseHandle(console);
        return;
    }
    *stream = *opened;
}

} // namespace

// A desktop program gets no console of its own, so what it prints from a command prompt is
// lost unless it joins the prompt's console. Joining never opens a window: a program started
// by a double-click has no parent console to join.
void vortelan_gb_runtime_use_parent_console(void) {
    bool output_redirected = is_redirected(STD_OUTPUT_HANDLE);
    bool errors_redirected = is_redirected(STD_ERROR_HANDLE);
    if (output_redirected && errors_redirected) {
        return;
    }
    // Refused with ERROR_ACCESS_DENIED when the process has a console already (Wine gives its
    // desktop programs the starter's), which serves as well.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) {
        return;
    }
    if (!output_redirected) {
        reopen_on_console(stdout);
    }
    if (!errors_redirected) {
        reopen_on_console(stderr);
        // Standard error writes each line at once, as it does on a console from the start.
        std::setvbuf(stderr, nullptr, _IONBF, 0);
    }
}
