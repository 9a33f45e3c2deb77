#include "runtime/udp.h"

#include "native_socket.h"

namespace {

constexpr uint32_t milliseconds_per_second = 1000;

} // namespace

// A Winsock descriptor set lists sockets rather than numbering them, so select is safe
// whatever the handle's value.
int vortelan_gb_runtime_socket_wait_readable(SocketHandle handle, uint32_t milliseconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(native_socket(handle), &readable);
    timeval timeout{static_cast<long>(milliseconds / milliseconds_per_second),
                    static_cast<long>(milliseconds % milliseconds_per_second * 1000u)};
    int ready = select(0, &readable, nullptr, nullptr, &timeout);
    return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
}
