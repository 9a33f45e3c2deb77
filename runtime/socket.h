#ifndef GB_RUNTIME_SOCKET_H
#define GB_RUNTIME_SOCKET_H

/* Portable socket layer for LAN play: reference-counted start of the platform socket
   library, TCP connect, listen and accept, raw reads and writes, and a vocabulary of error
   predicates so that callers never test platform error numbers themselves. No socket of this
   layer is inherited by a program the process starts.
   Not thread safe except where noted: use each socket from one thread at a time. */

#include "runtime/export.h"

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The platform's socket handle, held in a pointer-sized integer so that one type serves
   every platform; the invalid value has all bits set. */
typedef uintptr_t SocketHandle;
#define VORTELAN_GB_RUNTIME_INVALID_SOCKET ((SocketHandle)UINTPTR_MAX)

/* Takes a reference on the platform socket library, starting it on the first one. 0, or -1
   when it cannot be started. Every 0 is matched by one vortelan_gb_runtime_net_shutdown.
   The count of references is the whole process's, without a lock: take and give them back
   from one thread. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_net_init(void);
/* Gives a reference back, stopping the library with the last one; harmless without one. */
VORTELAN_GB_RUNTIME_EXTERN void vortelan_gb_runtime_net_shutdown(void);
/* The number of references currently taken. */
VORTELAN_GB_RUNTIME_EXTERN int32_t vortelan_gb_runtime_net_reference_count(void);

VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_socket_close(SocketHandle handle);
/* There is no way back to blocking mode. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_socket_set_nonblocking(SocketHandle handle);
/* One receive or send of at most 2147483647 bytes: the count moved, 0 when the peer closed
   (read), or -1 on error. */
VORTELAN_GB_RUNTIME_EXTERN int64_t vortelan_gb_runtime_socket_read(SocketHandle handle,
                                                                   void *buffer, size_t size);
VORTELAN_GB_RUNTIME_EXTERN int64_t vortelan_gb_runtime_socket_write(SocketHandle handle,
                                                                    const void *data, size_t size);

/* The platform's error number of the last failed socket operation, and its classes. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_socket_last_error(void);
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_socket_error_would_block(int error);
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_socket_error_in_progress(int error);
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_socket_error_interrupted(int error);
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_socket_error_connection_lost(int error);
/* "WinSock error <number>" in one process-wide buffer that the next call overwrites: call
   from one thread. */
VORTELAN_GB_RUNTIME_EXTERN const char *vortelan_gb_runtime_socket_error_string(int error);

/* The caller holds a net_init reference while it uses these. */
/* Tries every address of host in resolver order (IPv4 and IPv6); a blocking socket with
   TCP_NODELAY, or the invalid value. A port outside 1..65535 is refused at once as an
   invalid argument. */
VORTELAN_GB_RUNTIME_EXTERN SocketHandle vortelan_gb_runtime_tcp_connect(const char *host,
                                                                        uint32_t port);
/* Listens on 0.0.0.0 with SO_REUSEADDR; the invalid value on failure. */
VORTELAN_GB_RUNTIME_EXTERN SocketHandle vortelan_gb_runtime_tcp_listen_ipv4(uint16_t port,
                                                                            int backlog,
                                                                            bool nonblocking);
/* One connection, always in blocking mode; the invalid value on failure, including when a
   non-blocking listener has none waiting. */
VORTELAN_GB_RUNTIME_EXTERN SocketHandle vortelan_gb_runtime_tcp_accept(SocketHandle listener);

#ifdef __cplusplus
}
#endif

#endif
