#ifndef GB_RUNTIME_ASCII_H
#define GB_RUNTIME_ASCII_H

/* Letter-case-blind comparison of ASCII texts, independent of the C library's locale. */

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* True when the first length bytes of both texts agree with A-Z taken as a-z. */
bool vortelan_gb_runtime_ascii_equal_ignoring_case(const char *first, const char *second,
                                                   size_t length);

#ifdef __cplusplus
}
#endif

#endif
