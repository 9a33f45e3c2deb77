#ifndef GB_RUNTIME_LOCAL_ADDRESS_H
#define GB_RUNTIME_LOCAL_ADDRESS_H

/* The machine's own LAN address as dotted IPv4 text: a private address (10/8, 172.16/12,
   192.168/16) on an up adapter that is neither loopback nor tunnel, else the first other
   usable one. */

#include "runtime/network_adapters.h"

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Asks the platform for its adapters and selects from them. False, with an empty output,
   when there is none; a null buffer or a capacity of 0 writes nothing. */
bool vortelan_gb_runtime_detect_local_ipv4(char *output, size_t capacity);

/* The selection alone, over a given adapter list. Addresses whose text does not fit the
   capacity with its terminator are passed over. */
bool vortelan_gb_runtime_select_local_ipv4(const NetworkAdapterList *adapters, char *output,
                                           size_t capacity);

#ifdef __cplusplus
}
#endif

#endif
