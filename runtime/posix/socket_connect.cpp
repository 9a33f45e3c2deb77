#include "native_socket.h"

#include <poll.h>

namespace {

// Waits, however many signals arrive, until the connection attempt has its outcome.
bool wait_writable(NativeSocket socket) {
    pollfd watched{};
    watched.fd = socket;
    watched.events = POLLOUT;
    int ready = 0;
    do {
        ready = poll(&watched, 1, -1);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

} // namespace

// A signal ends only the wait of a blocking connect, not the attempt, which the system
// carries on to success, refusal or its own time-out. Calling connect again could not tell
// these apart, so the outcome is read from the socket.
int connect_native_socket(NativeSocket socket, const sockaddr *address, SocketLength length) {
    if (connect(socket, address, length) == 0) {
        return 0;
    }
    if (errno != EINTR || !wait_writable(socket)) {
        return -1;
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
        return -1;
    }
    errno = error;
    return error == 0 ? 0 : -1;
}
