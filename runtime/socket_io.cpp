#include "runtime/socket_calls.h"

int vortelan_gb_runtime_socket_close(SocketHandle handle) {
    return close_native_socket(native_socket(handle)) == 0 ? 0 : -1;
}

int vortelan_gb_runtime_socket_set_nonblocking(SocketHandle handle) {
    return set_blocking(native_socket(handle), false);
}

int64_t vortelan_gb_runtime_socket_read(SocketHandle handle, void *buffer, size_t size) {
    int64_t received =
        recv(native_socket(handle), static_cast<char *>(buffer), capped_transfer(size), 0);
    return received < 0 ? -1 : received;
}

int64_t vortelan_gb_runtime_socket_write(SocketHandle handle, const void *data, size_t size) {
    int64_t sent = send(native_socket(handle), static_cast<const char *>(data),
                        capped_transfer(size), send_flags);
    return sent < 0 ? -1 : sent;
}
