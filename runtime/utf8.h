#ifndef GB_RUNTIME_UTF8_H
#define GB_RUNTIME_UTF8_H

/* UTF-8 well-formedness, for paths that the platform takes as UTF-8. */

#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

/* True when the NUL-terminated text is well-formed UTF-8: no overlong forms, surrogates,
   values beyond U+10FFFF, stray or missing continuation bytes. */
bool vortelan_gb_runtime_utf8_is_valid(const char *text);

#ifdef __cplusplus
}
#endif

#endif
