#ifndef GB_RUNTIME_NETWORK_ADAPTERS_H
#define GB_RUNTIME_NETWORK_ADAPTERS_H

/* The platform's list of network adapters that carry IPv4 unicast addresses, in the
   platform's order, with what LAN address selection needs to know about each. */

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VORTELAN_GB_RUNTIME_MAX_ADAPTERS 64
#define VORTELAN_GB_RUNTIME_MAX_ADAPTER_ADDRESSES 8
#define VORTELAN_GB_RUNTIME_ADAPTER_NAME_CAPACITY 40

typedef struct NetworkAdapter {
    char name[VORTELAN_GB_RUNTIME_ADAPTER_NAME_CAPACITY];
    bool up; /* operational state up: enabled and connected */
    bool loopback;
    bool tunnel;
    uint32_t address_count;
    uint8_t addresses[VORTELAN_GB_RUNTIME_MAX_ADAPTER_ADDRESSES][4]; /* network order */
} NetworkAdapter;

typedef struct NetworkAdapterList {
    uint32_t count;
    NetworkAdapter adapters[VORTELAN_GB_RUNTIME_MAX_ADAPTERS];
} NetworkAdapterList;

/* Fills the list; adapters and addresses beyond the capacities are left out. False when the
   platform cannot give the list. */
bool vortelan_gb_runtime_list_network_adapters(NetworkAdapterList *list);

#ifdef __cplusplus
}
#endif

#endif
