#ifndef GB_RUNTIME_ENVIRONMENT_H
#define GB_RUNTIME_ENVIRONMENT_H

/* Environment variables as UTF-8 texts, for values that name files. */

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the value of the variable; false, with the empty text written, when it is not set,
   has no UTF-8 form or does not fit. */
bool vortelan_gb_runtime_environment_text(const char *name, char *buffer, size_t capacity);

#ifdef __cplusplus
}
#endif

#endif
