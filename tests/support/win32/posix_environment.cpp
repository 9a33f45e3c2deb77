#include "tests/support/win32/posix_environment.h"

#include <string>
#include <windows.h>

namespace {

std::wstring wide(const char *text) {
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring converted(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, converted.data(), length);
    converted.resize(converted.size() - 1);
    return converted;
}

} // namespace

int setenv(const char *name, const char *value, int overwrite) {
    if (overwrite == 0 && getenv(name) != nullptr) {
        return 0;
    }
    return _wputenv_s(wide(name).c_str(), wide(value).c_str()) == 0 ? 0 : -1;
}

int unsetenv(const char *name) {
    return _wputenv_s(wide(name).c_str(), L"") == 0 ? 0 : -1;
}
