#ifndef GB_RUNTIME_WIN32_SOCKET_HANDLE_H
#define GB_RUNTIME_WIN32_SOCKET_HANDLE_H

/* A SocketHandle is a Winsock SOCKET here; INVALID_SOCKET has all bits set, as the portable
   invalid handle does. */

#include "runtime/socket.h"

#include <winsock2.h>

static_assert(sizeof(SOCKET) == sizeof(SocketHandle), "a SOCKET fits a SocketHandle");
static_assert(INVALID_SOCKET == VORTELAN_GB_RUNTIME_INVALID_SOCKET, "same invalid value");

inline SOCKET socket_of(SocketHandle handle) {
    return static_cast<SOCKET>(handle);
}

inline SocketHandle socket_handle(SOCKET socket) {
    return static_cast<SocketHandle>(socket);
}

// Closes a socket on a failure path, keeping the error of the failure for
// vortelan_gb_runtime_socket_last_error.
inline void close_keeping_error(SOCKET socket) {
    int error = WSAGetLastError();
    closesocket(socket);
    WSASetLastError(error);
}

inline int set_blocking(SOCKET socket, bool blocking) {
    u_long nonblocking = blocking ? 0 : 1;
    return ioctlsocket(socket, FIONBIO, &nonblocking) == 0 ? 0 : -1;
}

#endif
