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

/* The selection alone, made while the addresses are walked: start it, offer it each address
   in adapter order until an offer answers false (a private address was chosen), then finish
   it. Addresses whose text does not fit the capacity with its terminator are passed over. */
typedef struct LocalIpv4Choice {
    char *output;
    size_t capacity;
    bool chosen;
    char fallback[32]; /* the first usable other address, while no private one is seen */
} LocalIpv4Choice;

/* Empties the output; a null output or a capacity of 0 is never written. */
void vortelan_gb_runtime_local_ipv4_start(LocalIpv4Choice *choice, char *output, size_t capacity);
/* A NetworkAddressVisitor over a LocalIpv4Choice: false once a private address is chosen. */
bool vortelan_gb_runtime_local_ipv4_offer(void *choice, const NetworkAdapter *adapter,
                                          const uint8_t address[4]);
/* True when an address was chosen and written: the private one, else the fallback. */
bool vortelan_gb_runtime_local_ipv4_finish(LocalIpv4Choice *choice);

#ifdef __cplusplus
}
#endif

#endif
