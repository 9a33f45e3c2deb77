#ifndef GB_RUNTIME_LOCAL_ADDRESS_CHOICE_H
#define GB_RUNTIME_LOCAL_ADDRESS_CHOICE_H

/* The selection of the LAN address alone, made while the adapters' addresses are walked: start
   it, offer it each address in adapter order until an offer answers false (a private address
   was chosen), then finish it. Addresses whose text does not fit the capacity with its
   terminator are passed over. */

#include "runtime/network_adapters.h"

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

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
