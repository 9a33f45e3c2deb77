#ifndef GB_RUNTIME_APPEND_STREAM_H
#define GB_RUNTIME_APPEND_STREAM_H

/* A file that several processes append to at once, as the run log is. */

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Makes each write of stream, already opened on path for appending, land whole at the file's
   end, also between processes that append to it at the same time. A stream whose file cannot
   be opened so stays as it was. */
void vortelan_gb_runtime_append_whole_writes(FILE *stream, const char *path);

#ifdef __cplusplus
}
#endif

#endif
