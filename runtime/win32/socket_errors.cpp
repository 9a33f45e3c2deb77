#include "runtime/socket.h"

#include <winsock2.h>

int vortelan_gb_runtime_socket_last_error(void) {
    return WSAGetLastError();
}

bool vortelan_gb_runtime_socket_error_would_block(int error) {
    return error == WSAEWOULDBLOCK;
}

// A non-blocking connect still under way reports WSAEWOULDBLOCK, and a second connect on it
// WSAEINVAL (older systems) or WSAEINPROGRESS.
bool vortelan_gb_runtime_socket_error_in_progress(int error) {
    return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS || error == WSAEINVAL;
}

bool vortelan_gb_runtime_socket_error_interrupted(int error) {
    return error == WSAEINTR;
}

bool vortelan_gb_runtime_socket_error_connection_lost(int error) {
    return error == WSAECONNABORTED || error == WSAECONNRESET || error == WSAESHUTDOWN;
}
