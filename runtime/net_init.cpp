#include "runtime/socket.h"
#include "runtime/socket_library.h"

namespace {

int32_t winsock_init_count = 0;

} // namespace

int vortelan_gb_runtime_net_init(void) {
    if (winsock_init_count == 0) {
        if (vortelan_gb_runtime_socket_library_start() != 0) {
            return -1;
        }
        winsock_init_count = 1;
        return 0;
    }
    ++winsock_init_count;
    return 0;
}

void vortelan_gb_runtime_net_shutdown(void) {
    if (winsock_init_count == 0) {
        return;
    }
    --winsock_init_count;
    if (winsock_init_count == 0) {
        vortelan_gb_runtime_socket_library_stop();
    }
}

int32_t vortelan_gb_runtime_net_reference_count(void) {
    return winsock_init_count;
}
