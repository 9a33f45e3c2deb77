#include "runtime/posix/socket_fd.h"

#include <sys/socket.h>

namespace {

constexpr size_t largest_transfer = 2147483647;

size_t capped(size_t size) {
    return size < largest_transfer ? size : largest_transfer;
}

} // namespace

int vortelan_gb_runtime_socket_close(SocketHandle handle) {
    return close(socket_fd(handle)) == 0 ? 0 : -1;
}

int vortelan_gb_runtime_socket_set_nonblocking(SocketHandle handle) {
    return set_blocking(socket_fd(handle), false);
}

int64_t vortelan_gb_runtime_socket_read(SocketHandle handle, void *buffer, size_t size) {
    ssize_t received = recv(socket_fd(handle), buffer, capped(size), 0);
    return received < 0 ? -1 : received;
}

// MSG_NOSIGNAL: a peer that has gone away makes the send fail with EPIPE instead of
// ending the whole process with SIGPIPE.
int64_t vortelan_gb_runtime_socket_write(SocketHandle handle, const void *data, size_t size) {
    ssize_t sent = send(socket_fd(handle), data, capped(size), MSG_NOSIGNAL);
    return sent < 0 ? -1 : sent;
}
