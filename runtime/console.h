#ifndef GB_RUNTIME_CONSOLE_H
#define GB_RUNTIME_CONSOLE_H

/* Output of a windowed program that was started from a console.
   Not thread safe: call once at start-up, before other threads use the standard streams. */

#include "runtime/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Sends standard output and error to the console of the program that started this one, each
   only where it is not already sent to a file or pipe. Nothing changes when there is no such
   console, or on systems where the streams are inherited anyway. The streams are the whole
   process's. */
VORTELAN_GB_RUNTIME_EXTERN void vortelan_gb_runtime_use_parent_console(void);

#ifdef __cplusplus
}
#endif

#endif
