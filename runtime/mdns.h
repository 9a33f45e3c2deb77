#ifndef GB_RUNTIME_MDNS_H
#define GB_RUNTIME_MDNS_H

/* Announcing a runtime instance on the local network and finding one, by multicast DNS on
   224.0.0.251 port 5353. Nothing answers questions on its own: a server is found only while
   it keeps announcing itself.
   Not thread safe: call from the thread that starts and stops the socket layer. */

#include "runtime/export.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Each call holds a socket library reference (the process-wide count of
   vortelan_gb_runtime_net_init) while it runs. */

/* Sends one announcement (PTR, SRV with the low 16 bits of port, A with the LAN address)
   out through the interface of the LAN address. 0 when the whole datagram was sent. */
VORTELAN_GB_RUNTIME_EXTERN int
vortelan_gb_runtime_mdns_advertise_named_once(const char *service_type, const char *instance_name,
                                              const char *host_name, int port);
/* As above for "_gb_runtime._tcp.local", instance "GB Runtime", host "gb_runtime.local". */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_mdns_advertise_once(int port);

/* Asks once for service_type and listens up to timeout_ms for one datagram that carries both
   a matching SRV record and an A record. 0 with the host's dotted address and the port
   filled in; -1 otherwise. */
VORTELAN_GB_RUNTIME_EXTERN int
vortelan_gb_runtime_mdns_discover_named(const char *service_type, char *host, size_t host_capacity,
                                        int32_t *port, uint32_t timeout_ms);
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_mdns_discover(char *host, size_t host_capacity,
                                                                 int32_t *port,
                                                                 uint32_t timeout_ms);

#ifdef __cplusplus
}
#endif

#endif
