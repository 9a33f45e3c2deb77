#ifndef GB_RUNTIME_POSIX_NATIVE_SOCKET_H
#define GB_RUNTIME_POSIX_NATIVE_SOCKET_H

/* The socket vocabulary that the shared socket code is written in, for POSIX: a SocketHandle
   is a file descriptor here, and the invalid handle is -1. */

#include "runtime/socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

using NativeSocket = int;
using TransferSize = size_t;
using SocketLength = socklen_t;
constexpr NativeSocket invalid_native_socket = -1;
// A UDP port bound with SO_REUSEPORT is shared only with sockets that set it too.
constexpr int port_sharing_option = SO_REUSEPORT;

// MSG_NOSIGNAL: a peer that has gone away makes a send fail with EPIPE instead of ending the
// whole process with SIGPIPE.
constexpr int send_flags = MSG_NOSIGNAL;
// Lets a restarted host listen again at once on a port whose old connections still linger.
constexpr int listener_address_option = SO_REUSEADDR;

inline NativeSocket native_socket(SocketHandle handle) {
    return static_cast<NativeSocket>(handle);
}

inline SocketHandle socket_handle(NativeSocket socket) {
    return static_cast<SocketHandle>(static_cast<intptr_t>(socket));
}

// Sockets are never inherited: a program started from here must not hold our ports open
// after we end.
inline NativeSocket open_native_socket(int family, int type, int protocol) {
    return ::socket(family, type | SOCK_CLOEXEC, protocol);
}

inline NativeSocket accept_native_socket(NativeSocket listener) {
    return accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
}

// A blocking connect that goes on through signals: 0, or -1 with errno set.
int connect_native_socket(NativeSocket socket, const sockaddr *address, SocketLength length);

inline int close_native_socket(NativeSocket socket) {
    return close(socket);
}

// Closes a socket on a failure path, keeping the error number of the failure for
// vortelan_gb_runtime_socket_last_error.
inline void close_keeping_error(NativeSocket socket) {
    int error = errno;
    close(socket);
    errno = error;
}

inline void report_invalid_argument() {
    errno = EINVAL;
}

inline int set_blocking(NativeSocket socket, bool blocking) {
    int flags = fcntl(socket, F_GETFL);
    if (flags < 0) {
        return -1;
    }
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(socket, F_SETFL, flags) == 0 ? 0 : -1;
}

// A datagram longer than the buffer is cut to it without an error here.
inline bool receive_was_cut(void) {
    return false;
}

#endif
