#pragma once

// The tests set and remove environment variables with the POSIX calls. Windows' C runtime
// has _wputenv_s instead, which also passes the change on to the system (for SDL and child
// processes); an empty value removes a variable there, as Windows has no empty variables.
// Names and values are UTF-8, as everywhere in the program.

#include <stdlib.h>

int setenv(const char *name, const char *value, int overwrite);
int unsetenv(const char *name);
