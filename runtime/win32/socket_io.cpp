#include "runtime/win32/socket_handle.h"

#include <climits>

namespace {

// Winsock counts bytes in an int.
int capped(size_t size) {
    return size < INT_MAX ? static_cast<int>(size) : INT_MAX;
}

} // namespace

int vortelan_gb_runtime_socket_close(SocketHandle handle) {
    return closesocket(socket_of(handle)) == 0 ? 0 : -1;
}

int vortelan_gb_runtime_socket_set_nonblocking(SocketHandle handle) {
    return set_blocking(socket_of(handle), false);
}

int64_t vortelan_gb_runtime_socket_read(SocketHandle handle, void *buffer, size_t size) {
    int received = recv(socket_of(handle), static_cast<char *>(buffer), capped(size), 0);
    return received < 0 ? -1 : received;
}

int64_t vortelan_gb_runtime_socket_write(SocketHandle handle, const void *data, size_t size) {
    int sent = send(socket_of(handle), static_cast<const char *>(data), capped(size), 0);
    return sent < 0 ? -1 : sent;
}
