#ifndef GB_RUNTIME_TEXT_H
#define GB_RUNTIME_TEXT_H

/* Bounded text copies, path joining and splitting, and range-checked number parsing.
   Pure functions: no state, no platform calls.
   Thread safe: any thread may call these. */

#include "runtime/export.h"

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Copies source into destination. True when the whole text fit; otherwise the first
   capacity - 1 bytes and a terminator are written and the result is false. A capacity of 0
   or a null pointer writes nothing and gives false. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_copy_text(char *destination, size_t capacity,
                                                              const char *source);

/* Writes directory + "/" + name (no "/" added when the directory is empty or already ends
   in one). False, with nothing written, when the result does not fit. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_join_path(char *destination, size_t capacity,
                                                              const char *directory,
                                                              const char *name);

/* Splits at the last "/": "a/b/c.txt" gives "a/b" and "c.txt", "c.txt" gives "." and
   "c.txt". Each part is cut to its buffer and terminated; a zero capacity skips it. */
VORTELAN_GB_RUNTIME_EXTERN void vortelan_gb_runtime_split_path(const char *path, char *directory,
                                                               size_t directory_capacity,
                                                               char *name, size_t name_capacity);

/* True when the text holds a control character: a byte below 0x20 (line feed, tab, ...)
   or 0x7F. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_has_control_characters(const char *text);

/* Whole decimal numbers within inclusive bounds: 0 and the value stored through out, or -1
   with out untouched (empty text, trailing characters, out of range). */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_parse_uint_range(const char *text,
                                                                    uint32_t minimum,
                                                                    uint32_t maximum,
                                                                    uint32_t *out);
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_parse_int_range(const char *text,
                                                                   int32_t minimum, int32_t maximum,
                                                                   int32_t *out);

#ifdef __cplusplus
}
#endif

#endif
