#include "runtime/win32/wide_path.h"

#include "runtime/utf8.h"

#include <cerrno>
#include <climits>
#include <windows.h>

static_assert(sizeof(wchar_t) == 2, "Windows wide characters are UTF-16 code units");

namespace {

struct ErrorMapping {
    DWORD error;
    int number;
};

// The errors a file operation or a program start meets, as the C library would report them.
constexpr ErrorMapping error_mappings[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_BAD_NETPATH, ENOENT},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_SHARING_VIOLATION, EACCES},
    {ERROR_LOCK_VIOLATION, EACCES},
    {ERROR_WRITE_PROTECT, EACCES},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_NOT_SAME_DEVICE, EXDEV},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_INVALID_NAME, ENOENT},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_BAD_EXE_FORMAT, ENOEXEC},
    {ERROR_BAD_FORMAT, ENOEXEC},
};

} // namespace

bool vortelan_gb_runtime_widen(const char *text, WidePath *wide) {
    if (text == nullptr || wide == nullptr) {
        errno = EINVAL;
        return false;
    }
    // The converter's own rejection of malformed UTF-8 differs between system versions (and
    // Wine's lets stray bytes through), so the shared check decides first.
    if (!vortelan_gb_runtime_utf8_is_valid(text)) {
        errno = EILSEQ;
        return false;
    }
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide->text,
                            VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY) == 0) {
        errno = GetLastError() == ERROR_NO_UNICODE_TRANSLATION ? EILSEQ : ENAMETOOLONG;
        return false;
    }
    return true;
}

bool vortelan_gb_runtime_narrow(const wchar_t *wide, char *buffer, size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        errno = ENAMETOOLONG;
        return false;
    }
    int limit = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, -1, buffer, limit, nullptr,
                            nullptr) == 0) {
        errno = GetLastError() == ERROR_NO_UNICODE_TRANSLATION ? EILSEQ : ENAMETOOLONG;
        buffer[0] = '\0';
        return false;
    }
    return true;
}

void vortelan_gb_runtime_errno_from_last_error(void) {
    DWORD error = GetLastError();
    for (const ErrorMapping &mapping : error_mappings) {
        if (mapping.error == error) {
            errno = mapping.number;
            return;
        }
    }
    errno = EIO;
}
