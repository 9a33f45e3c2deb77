#pragma once

// The tests set and remove environment variables with the POSIX calls. Windows' C runtime
// has _putenv_s instead, which also passes the change on to the system (for SDL and child
// processes); an empty value removes a variable there, as Windows has no empty variables.

#include <stdlib.h>

inline int setenv(const char *name, const char *value, int overwrite) {
    if (overwrite == 0 && getenv(name) != nullptr) {
        return 0;
    }
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char *name) {
    return _putenv_s(name, "") == 0 ? 0 : -1;
}
