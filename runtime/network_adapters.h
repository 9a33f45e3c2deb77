#ifndef GB_RUNTIME_NETWORK_ADAPTERS_H
#define GB_RUNTIME_NETWORK_ADAPTERS_H

/* The platform's network adapters that carry IPv4 unicast addresses, walked address by
   address in the platform's order, with what LAN address selection needs to know about the
   adapter of each. Nothing is copied into a table, so no adapter or address is left out. */

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct NetworkAdapter {
    const char *name; /* valid during the visit only */
    bool up;          /* operational state up: enabled and connected */
    bool loopback;
    bool tunnel;
} NetworkAdapter;

/* Called once for each IPv4 address (4 bytes, network order) with its adapter; returning
   false ends the walk. */
typedef bool (*NetworkAddressVisitor)(void *context, const NetworkAdapter *adapter,
                                      const uint8_t address[4]);

/* Visits every IPv4 address of every adapter. False when the platform cannot give the
   adapters; true otherwise, also when the visitor ended the walk. */
bool vortelan_gb_runtime_walk_network_adapters(NetworkAddressVisitor visit, void *context);

#ifdef __cplusplus
}
#endif

#endif
