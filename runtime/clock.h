#ifndef GB_RUNTIME_CLOCK_H
#define GB_RUNTIME_CLOCK_H

/* Monotonic clock, sleeping and local time conversion.
   Thread safe: no state; any thread may call these. */

#include "runtime/export.h"

#include <stdbool.h>
#include <stdint.h>
#include <time.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Microseconds since system start, with the millisecond resolution of the platform's
   monotonic tick count. */
VORTELAN_GB_RUNTIME_EXTERN uint64_t vortelan_gb_runtime_now_us(void);

/* Suspends the calling thread. */
VORTELAN_GB_RUNTIME_EXTERN void vortelan_gb_runtime_sleep_ms(uint32_t milliseconds);

/* Converts seconds since 1970 to broken-down local time; true on success. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_localtime(int64_t seconds, struct tm *out);

#ifdef __cplusplus
}
#endif

#endif
