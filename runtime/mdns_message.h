#ifndef GB_RUNTIME_MDNS_MESSAGE_H
#define GB_RUNTIME_MDNS_MESSAGE_H

/* Building and reading the DNS messages of LAN discovery: one announcement (PTR, SRV and A
   records), one question for a service type, and the examination of a received datagram.
   Pure functions over caller buffers; every read and write is bounds-checked. */

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Decoded names hold at most 255 characters and a terminator. */
#define VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY 256

/* Writes name as uncompressed labels at *offset and advances it. A trailing "." is allowed;
   an empty label, one over 63 bytes, or running out of capacity fails. */
bool vortelan_gb_runtime_mdns_append_dns_name(uint8_t *buffer, size_t capacity, size_t *offset,
                                              const char *name);

/* Reads the name at *offset, following at most 17 compression pointers, into output (labels
   joined by "."). *offset moves past the name's own bytes: past its zero byte, or past its
   first pointer. */
bool vortelan_gb_runtime_mdns_decode_dns_name(const uint8_t *message, size_t length, size_t *offset,
                                              char output[VORTELAN_GB_RUNTIME_DNS_NAME_CAPACITY]);

/* The announcement of a service instance: PTR from the service type to the instance, SRV
   with the low 16 bits of port and the host as target, A with the host's address. */
bool vortelan_gb_runtime_mdns_build_announcement(uint8_t *buffer, size_t capacity, size_t *length,
                                                 const char *service_type,
                                                 const char *instance_name, const char *host_name,
                                                 int port, const uint8_t address[4]);

/* One question for the PTR records of service_type, asking for multicast answers. */
bool vortelan_gb_runtime_mdns_build_question(uint8_t *buffer, size_t capacity, size_t *length,
                                             const char *service_type);

/* Looks through the records of one datagram for an SRV record of an instance of
   service_type (its port into *port) and an A record (dotted text into host). True once one
   datagram gave both; what matched before a false result stays in the outputs. */
bool vortelan_gb_runtime_mdns_examine_datagram(const uint8_t *datagram, size_t length,
                                               const char *service_type, char *host,
                                               size_t host_capacity, int32_t *port);

#ifdef __cplusplus
}
#endif

#endif
