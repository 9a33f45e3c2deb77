#include "runtime/files.h"

#include "runtime/utf8.h"

#include <cerrno>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

// The longest path Windows accepts, in UTF-16 code units, and its terminator.
constexpr int wide_path_capacity = 32768;

} // namespace

// Windows file names are UTF-16: the UTF-8 path is converted, and a path that is not
// valid UTF-8 names no file at all.
bool vortelan_gb_runtime_file_exists_regular(const char *path) {
    if (path == nullptr) {
        errno = EINVAL;
        return false;
    }
    // The converter's own rejection of malformed UTF-8 differs between system versions (and
    // Wine's lets stray bytes through), so the shared check decides first.
    if (!vortelan_gb_runtime_utf8_is_valid(path)) {
        errno = EILSEQ;
        return false;
    }
    static_assert(sizeof(wchar_t) == 2, "Windows wide characters are UTF-16 code units");
    wchar_t wide[wide_path_capacity];
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide, wide_path_capacity) ==
        0) {
        errno = GetLastError() == ERROR_NO_UNICODE_TRANSLATION ? EILSEQ : ENAMETOOLONG;
        return false;
    }
    struct _stat64 status {};
    return _wstat64(wide, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
}

// Write-through: the move returns only once it is on the disk. Without MOVEFILE_COPY_ALLOWED
// a move to another volume fails instead of becoming a copy.
int vortelan_gb_runtime_replace_file(const char *source, const char *destination) {
    if (source == nullptr || destination == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return MoveFileExA(source, destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : -1;
}

int vortelan_gb_runtime_unlink(const char *path) {
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return _unlink(path);
}

int vortelan_gb_runtime_getpid(void) {
    return _getpid();
}
