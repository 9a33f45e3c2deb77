#ifndef GB_RUNTIME_UDP_H
#define GB_RUNTIME_UDP_H

/* IPv4 UDP sockets for multicast messaging. Addresses are 4 bytes in network order. The
   caller holds a vortelan_gb_runtime_net_init reference while it uses these. */

#include "runtime/socket.h"

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* An IPv4 UDP socket with SO_REUSEADDR, so that a port can be shared with other software on
   the machine; the invalid value on failure. */
SocketHandle vortelan_gb_runtime_udp_open(void);
/* Also lets the socket share its port with other software that bound it with port reuse
   (as mDNS responders do), where the platform needs more than SO_REUSEADDR for that. */
void vortelan_gb_runtime_udp_share_port(SocketHandle handle);
/* 0 or -1. */
int vortelan_gb_runtime_udp_bind(SocketHandle handle, const uint8_t address[4], uint16_t port);

/* Multicast options; their outcome is not reported. */
void vortelan_gb_runtime_udp_set_multicast_ttl(SocketHandle handle, uint8_t ttl);
void vortelan_gb_runtime_udp_set_multicast_interface(SocketHandle handle,
                                                     const uint8_t local_address[4]);
void vortelan_gb_runtime_udp_join_group(SocketHandle handle, const uint8_t group[4],
                                        const uint8_t local_address[4]);

/* One datagram: the bytes sent or received, or -1. Received datagrams come from any sender
   and are cut to the buffer's size. */
int64_t vortelan_gb_runtime_udp_send_to(SocketHandle handle, const void *data, size_t size,
                                        const uint8_t address[4], uint16_t port);
int64_t vortelan_gb_runtime_udp_receive(SocketHandle handle, void *buffer, size_t size);

/* Waits until the socket is readable: 1 readable, 0 timed out, -1 on error (the reason in
   vortelan_gb_runtime_socket_last_error). */
int vortelan_gb_runtime_socket_wait_readable(SocketHandle handle, uint32_t milliseconds);

#ifdef __cplusplus
}
#endif

#endif
