#include "runtime/socket_library.h"

#include <winsock2.h>

int vortelan_gb_runtime_socket_library_start(void) {
    WSADATA details;
    if (WSAStartup(MAKEWORD(2, 2), &details) != 0) {
        return -1;
    }
    // A library that cannot offer 2.2 still counts as started and must be stopped.
    if (details.wVersion != MAKEWORD(2, 2)) {
        WSACleanup();
        return -1;
    }
    return 0;
}

void vortelan_gb_runtime_socket_library_stop(void) {
    WSACleanup();
}
