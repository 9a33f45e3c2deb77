#pragma once

#include "runtime/socket.h"

#include <cstdint>
#include <vector>

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

// The platform's error number for an invalid argument.
extern const int invalid_argument_error;

// How many of the sockets a program started as the launcher starts programs finds open in
// itself; -1 when it could not be started.
int sockets_held_by_launched_program(const std::vector<SocketHandle> &handles);

} // namespace gb_test
