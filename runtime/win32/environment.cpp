#include "runtime/environment.h"

#include "runtime/text.h"
#include "runtime/win32/wide_path.h"

#include <windows.h>

// The process's own environment block, which the C library's narrow copy would give in the
// ANSI code page only.
bool vortelan_gb_runtime_environment_text(const char *name, char *buffer, size_t capacity) {
    vortelan_gb_runtime_copy_text(buffer, capacity, "");
    WidePath wide_name;
    WidePath value;
    if (!vortelan_gb_runtime_widen(name, &wide_name)) {
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    DWORD length =
        GetEnvironmentVariableW(wide_name.text, value.text, VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY);
    if (length == 0 && GetLastError() != ERROR_SUCCESS) {
        return false;
    }
    if (length >= VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY) {
        return false;
    }
    value.text[length] = L'\0';
    return vortelan_gb_runtime_narrow(value.text, buffer, capacity);
}
