#include "runtime/udp.h"

#include "native_socket.h"

#include <climits>
#include <poll.h>

// poll rather than select: a descriptor number beyond FD_SETSIZE stays safe.
int vortelan_gb_runtime_socket_wait_readable(SocketHandle handle, uint32_t milliseconds) {
    pollfd watched{};
    watched.fd = native_socket(handle);
    watched.events = POLLIN;
    int timeout = milliseconds > INT_MAX ? INT_MAX : static_cast<int>(milliseconds);
    int ready = poll(&watched, 1, timeout);
    return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
}
