#ifndef GB_RUNTIME_LOG_H
#define GB_RUNTIME_LOG_H

/* The optional run log: whether it is switched on, and sending standard output and error
   into it. Both answers are fixed by the first call of the process.
   Not thread safe: call from one thread at a time, at start-up before other threads run. */

#include "runtime/export.h"

#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Whether the run log is on: the environment variable
   VORTELAN_EMULATOR_GB_RUNTIME_LOG_ENABLED, else the "enabled" or "log" line of
   config/gb_runtime_log.conf. The answer is the whole process's, kept from the first call. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_log_enabled(void);

/* When the log is on, appends standard output and error to gb_runtime.log (unless
   VORTELAN_EMULATOR_GB_RUNTIME_LOG_STDIO_READY says they already go there) and writes the
   start banner with the process name ("process" for null). Acts on the first call only; the
   streams stay redirected for the whole process. */
VORTELAN_GB_RUNTIME_EXTERN void vortelan_gb_runtime_log_redirect_stdio(const char *process_name);

#ifdef __cplusplus
}
#endif

#endif
