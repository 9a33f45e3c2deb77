#ifndef GB_RUNTIME_SOCKET_LIBRARY_H
#define GB_RUNTIME_SOCKET_LIBRARY_H

/* Start and stop of the platform socket library. Called only by the reference count of
   vortelan_gb_runtime_net_init and vortelan_gb_runtime_net_shutdown. */

#ifdef __cplusplus
extern "C" {
#endif

/* 0, or -1 when the library cannot be started. */
int vortelan_gb_runtime_socket_library_start(void);
void vortelan_gb_runtime_socket_library_stop(void);

#ifdef __cplusplus
}
#endif

#endif
