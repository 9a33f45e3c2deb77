#include "runtime/console.h"

#include <cstdio>
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

// The C runtime reopens a stream the starter gave a descriptor (on the null device, say) and,
// in the system's own C runtimes, one it never gave any, as in a program started without
// standard handles; Wine's refuses the latter. The stream's standard descriptor is sent to the
// console too, for writers by descriptor and for the programs this one starts.
void reopen_on_console(std::FILE *stream, int standard_descriptor) {
    if (std::freopen("CONOUT$", "w", stream) == nullptr) {
        return;
    }
    int descriptor = _fileno(stream);
    if (descriptor != standard_descriptor) {
        _dup2(descriptor, standard_descriptor);
    }
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
        reopen_on_console(stdout, 1);
    }
    if (!errors_redirected) {
        reopen_on_console(stderr, 2);
        // Standard error writes each line at once, as it does on a console from the start.
        std::setvbuf(stderr, nullptr, _IONBF, 0);
    }
}
