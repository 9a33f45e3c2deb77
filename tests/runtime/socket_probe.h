#pragma once

#include "runtime/socket.h"

#include <cstdint>

namespace gb_test {

// What the socket tests look at from outside the socket layer, in the platform's own calls.

// The local port a socket is bound to.
uint16_t port_of(SocketHandle handle);

// Whether a read on a connected socket without pending data would wait for data.
bool is_blocking(SocketHandle handle);

// Makes closing the socket reset the connection instead of ending it in order.
void reset_on_close(SocketHandle handle);

// Whether a TCP socket that asks to share addresses (SO_REUSEADDR) can bind the port on every
// interface.
bool can_bind_sharing_address(uint16_t port);

} // namespace gb_test
