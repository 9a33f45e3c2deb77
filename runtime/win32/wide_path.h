#ifndef GB_RUNTIME_WIN32_WIDE_PATH_H
#define GB_RUNTIME_WIN32_WIDE_PATH_H

/* Windows names files in UTF-16 and the rest of the program in UTF-8: every path is converted
   at the wide-character call, so that no name is narrowed to the ANSI code page, where the
   letters it lacks would become "?". */

#include <stdbool.h>
#include <stddef.h>

/* The longest path Windows accepts, in UTF-16 code units, with its terminator. */
#define VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY 32768

typedef struct WidePath {
    wchar_t text[VORTELAN_GB_RUNTIME_WIDE_PATH_CAPACITY];
} WidePath;

/* Converts a UTF-8 text. False with errno EINVAL (null), EILSEQ (not valid UTF-8) or
   ENAMETOOLONG (does not fit). */
bool vortelan_gb_runtime_widen(const char *text, WidePath *wide);

/* Converts a UTF-16 text into buffer. False with errno EILSEQ (an unpaired surrogate, which
   has no UTF-8 form) or ENAMETOOLONG (does not fit); the empty text is written then. */
bool vortelan_gb_runtime_narrow(const wchar_t *wide, char *buffer, size_t capacity);

/* Sets errno from the calling thread's last Windows error. */
void vortelan_gb_runtime_errno_from_last_error(void);

#endif
