#ifndef GB_RUNTIME_POSIX_SOCKET_FD_H
#define GB_RUNTIME_POSIX_SOCKET_FD_H

/* A SocketHandle is a file descriptor here; the invalid handle is -1. */

#include "runtime/socket.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

inline int socket_fd(SocketHandle handle) {
    return static_cast<int>(handle);
}

inline SocketHandle socket_handle(int fd) {
    return static_cast<SocketHandle>(static_cast<intptr_t>(fd));
}

// Closes a socket on a failure path, keeping the error number of the failure for
// vortelan_gb_runtime_socket_last_error.
inline void close_keeping_error(int fd) {
    int error = errno;
    close(fd);
    errno = error;
}

inline int set_blocking(int fd, bool blocking) {
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0) {
        return -1;
    }
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(fd, F_SETFL, flags) == 0 ? 0 : -1;
}

#endif
