#ifndef GB_RUNTIME_LOCAL_ADDRESS_H
#define GB_RUNTIME_LOCAL_ADDRESS_H

/* The machine's own LAN address as dotted IPv4 text: a private address (10/8, 172.16/12,
   192.168/16) on an up adapter that is neither loopback nor tunnel, else the first other
   usable one.
   Not thread safe: call from the thread that starts and stops the socket layer. */

#include "runtime/export.h"

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Asks the platform for its adapters and selects from them, holding a socket library
   reference (the process-wide count of vortelan_gb_runtime_net_init) meanwhile. False, with an
   empty output, when there is none; a null buffer or a capacity of 0 writes nothing. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_detect_local_ipv4(char *output,
                                                                      size_t capacity);

#ifdef __cplusplus
}
#endif

#endif
