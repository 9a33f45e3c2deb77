#ifndef GB_RUNTIME_WIN32_NATIVE_SOCKET_H
#define GB_RUNTIME_WIN32_NATIVE_SOCKET_H

/* The socket vocabulary that the shared socket code is written in, for Winsock: a
   SocketHandle is a SOCKET here, and INVALID_SOCKET has all bits set, as the portable invalid
   handle does. */

#include "runtime/socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

using NativeSocket = SOCKET;
using TransferSize = int;
using SocketLength = int;
constexpr NativeSocket invalid_native_socket = INVALID_SOCKET;

// Winsock raises no signal for a lost peer.
constexpr int send_flags = 0;
// No SO_REUSEADDR on a listener: here it would let a second listener take the port while this
// one holds it, and Windows rebinds a port whose old connections linger without it. Without
// SO_EXCLUSIVEADDRUSE any other program could still take the port by asking to share it.
constexpr int listener_address_option = SO_EXCLUSIVEADDRUSE;

static_assert(sizeof(SOCKET) == sizeof(SocketHandle), "a SOCKET fits a SocketHandle");
static_assert(INVALID_SOCKET == VORTELAN_GB_RUNTIME_INVALID_SOCKET, "same invalid value");

// Winsock shares a UDP port through SO_REUSEADDR alone.
constexpr int port_sharing_option = SO_REUSEADDR;

inline NativeSocket native_socket(SocketHandle handle) {
    return static_cast<NativeSocket>(handle);
}

inline SocketHandle socket_handle(NativeSocket socket) {
    return static_cast<SocketHandle>(socket);
}

// Sockets are never inherited: a program started from here must not hold our ports open
// after we end. The flags are those that socket() gives, without inheritance.
inline NativeSocket open_native_socket(int family, int type, int protocol) {
    return WSASocketW(family, type, protocol, nullptr, 0,
                      WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
}

// An accepted socket does not take the listener's inheritance flag. Should a layered
// provider refuse to clear it, the connection is still worth taking.
inline NativeSocket accept_native_socket(NativeSocket listener) {
    NativeSocket socket = accept(listener, nullptr, nullptr);
    if (socket != INVALID_SOCKET) {
        SetHandleInformation(reinterpret_cast<HANDLE>(socket), HANDLE_FLAG_INHERIT, 0);
    }
    return socket;
}

// No signal interrupts a blocking connect here.
inline int connect_native_socket(NativeSocket socket, const sockaddr *address,
                                 SocketLength length) {
    return connect(socket, address, length);
}

inline int close_native_socket(NativeSocket socket) {
    return closesocket(socket);
}

// Closes a socket on a failure path, keeping the error of the failure for
// vortelan_gb_runtime_socket_last_error.
inline void close_keeping_error(NativeSocket socket) {
    int error = WSAGetLastError();
    closesocket(socket);
    WSASetLastError(error);
}

inline void report_invalid_argument() {
    WSASetLastError(WSAEINVAL);
}

inline int set_blocking(NativeSocket socket, bool blocking) {
    u_long nonblocking = blocking ? 0 : 1;
    return ioctlsocket(socket, FIONBIO, &nonblocking) == 0 ? 0 : -1;
}

// A datagram longer than the buffer fails with WSAEMSGSIZE here, yet its first bytes are in
// the buffer, as a POSIX receive would leave them.
inline bool receive_was_cut(void) {
    return WSAGetLastError() == WSAEMSGSIZE;
}

#endif
