#include "runtime/socket_library.h"

// POSIX sockets need no library start; the reference count still runs above these.
int vortelan_gb_runtime_socket_library_start(void) {
    return 0;
}

void vortelan_gb_runtime_socket_library_stop(void) {}
