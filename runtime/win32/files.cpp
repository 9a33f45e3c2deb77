#include "runtime/files.h"

#include "runtime/win32/wide_path.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

// A C library mode is a few ASCII letters.
constexpr size_t mode_capacity = 16;

bool widen_mode(const char *mode, wchar_t (&wide)[mode_capacity]) {
    size_t at = 0;
    for (; mode[at] != '\0'; ++at) {
        if (at + 1 == mode_capacity || static_cast<unsigned char>(mode[at]) >= 0x80) {
            errno = EINVAL;
            return false;
        }
        wide[at] = static_cast<wchar_t>(mode[at]);
    }
    wide[at] = L'\0';
    return true;
}

// Writes a file's data through to the disk; Windows flushes only through a handle that may
// write.
bool flush_to_disk(const wchar_t *path) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool flushed = FlushFileBuffers(file) != 0;
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return flushed;
}

} // namespace

FILE *vortelan_gb_runtime_open_file(const char *path, const char *mode) {
    WidePath wide;
    wchar_t wide_mode[mode_capacity];
    if (mode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    if (!vortelan_gb_runtime_widen(path, &wide) || !widen_mode(mode, wide_mode)) {
        return nullptr;
    }
    return _wfopen(wide.text, wide_mode);
}

// Opening never waits here (a console or a pipe is only read later), so the open stream's
// type decides.
FILE *vortelan_gb_runtime_open_regular_file(const char *path, const char *mode) {
    if (mode == nullptr || (std::strcmp(mode, "r") != 0 && std::strcmp(mode, "rb") != 0 &&
                            std::strcmp(mode, "a") != 0 && std::strcmp(mode, "ab") != 0)) {
        errno = EINVAL;
        return nullptr;
    }
    FILE *file = vortelan_gb_runtime_open_file(path, mode);
    if (file == nullptr) {
        return nullptr;
    }
    struct _stat64 status {};
    if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
        std::fclose(file);
        errno = EINVAL;
        return nullptr;
    }
    return file;
}

int vortelan_gb_runtime_regular_file_status(const char *path, bool *regular) {
    WidePath wide;
    if (regular == nullptr) {
        errno = EINVAL;
        return -1;
    }
    if (!vortelan_gb_runtime_widen(path, &wide)) {
        return -1;
    }
    struct _stat64 status {};
    if (_wstat64(wide.text, &status) != 0) {
        return -1;
    }
    *regular = (status.st_mode & _S_IFMT) == _S_IFREG;
    return 0;
}

// The source's data goes to the disk before the move, and write-through makes the move return
// only once it is on the disk too, so that after a crash the destination holds either the old
// or the complete new file. Without MOVEFILE_COPY_ALLOWED a move to another volume fails
// instead of becoming a copy.
int vortelan_gb_runtime_replace_file(const char *source, const char *destination) {
    WidePath wide_source;
    WidePath wide_destination;
    if (!vortelan_gb_runtime_widen(source, &wide_source) ||
        !vortelan_gb_runtime_widen(destination, &wide_destination)) {
        return -1;
    }
    if (!flush_to_disk(wide_source.text) ||
        !MoveFileExW(wide_source.text, wide_destination.text,
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        vortelan_gb_runtime_errno_from_last_error();
        return -1;
    }
    return 0;
}

int vortelan_gb_runtime_unlink(const char *path) {
    WidePath wide;
    if (!vortelan_gb_runtime_widen(path, &wide)) {
        return -1;
    }
    return _wunlink(wide.text);
}

int vortelan_gb_runtime_getpid(void) {
    return _getpid();
}
