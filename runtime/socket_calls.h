#ifndef GB_RUNTIME_SOCKET_CALLS_H
#define GB_RUNTIME_SOCKET_CALLS_H

/* Helpers of the shared socket code over the platform's socket vocabulary. */

#include "native_socket.h"

#include <cstddef>

// One transfer moves at most this many bytes: Winsock counts them in an int.
constexpr size_t largest_transfer = 2147483647;

inline TransferSize capped_transfer(size_t size) {
    return static_cast<TransferSize>(size < largest_transfer ? size : largest_transfer);
}

// Winsock takes option values as char pointers; POSIX takes any pointer.
template <typename Value>
void set_option(NativeSocket socket, int level, int name, const Value &value) {
    setsockopt(socket, level, name, reinterpret_cast<const char *>(&value), sizeof value);
}

#endif
