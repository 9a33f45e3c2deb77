#include "runtime/socket.h"

#include <cerrno>

// Each class holds the errno values that mean what the class names; EAGAIN and EWOULDBLOCK
// may be the same number or not, depending on the system.

int vortelan_gb_runtime_socket_last_error(void) {
    return errno;
}

bool vortelan_gb_runtime_socket_error_would_block(int error) {
    return error == EWOULDBLOCK || error == EAGAIN;
}

// EALREADY is what a second connect on a socket still connecting reports.
bool vortelan_gb_runtime_socket_error_in_progress(int error) {
    return vortelan_gb_runtime_socket_error_would_block(error) || error == EINPROGRESS ||
           error == EALREADY;
}

bool vortelan_gb_runtime_socket_error_interrupted(int error) {
    return error == EINTR;
}

// EPIPE is how a send after the connection was shut down is reported.
bool vortelan_gb_runtime_socket_error_connection_lost(int error) {
    return error == ECONNABORTED || error == ECONNRESET || error == ESHUTDOWN || error == EPIPE;
}
