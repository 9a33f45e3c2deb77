#include "runtime/append_stream.h"

#include "runtime/win32/wide_path.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// The C runtime's append mode moves to the end and then writes, so two processes may write at
// the same place. A handle that may append but not write elsewhere has each write put whole at
// the end by the system; it takes the place of the stream's own handle, behind the same
// descriptor, so the stream keeps its buffer and mode.
void vortelan_gb_runtime_append_whole_writes(FILE *stream, const char *path) {
    WidePath wide;
    if (!vortelan_gb_runtime_widen(path, &wide)) {
        return;
    }
    HANDLE file =
        CreateFileW(wide.text, FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    int appending = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_TEXT);
    if (appending < 0) {
        CloseHandle(file);
        return;
    }
    std::fflush(stream);
    _dup2(appending, _fileno(stream));
    _close(appending);
}
