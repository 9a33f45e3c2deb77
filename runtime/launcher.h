#ifndef GB_RUNTIME_LAUNCHER_H
#define GB_RUNTIME_LAUNCHER_H

/* Starts another program of the package and waits for it, trying the name with ".exe" first
   and the name as given only when that one could not be started. Every attempt and outcome
   is written to standard error as a "spawn:" line.
   Not thread safe: call from one thread at a time; it blocks that thread until the program ends. */

#include "runtime/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* argv ends with a null entry and is passed on unchanged. 0 when a program was started and
   exited with status 0; -1 otherwise, with errno set when nothing could be started. */
VORTELAN_GB_RUNTIME_EXTERN int
vortelan_gb_runtime_execv_with_exe_fallback(const char *path, const char *const argv[]);

#ifdef __cplusplus
}
#endif

#endif
