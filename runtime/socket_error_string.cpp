#include "runtime/socket.h"

#include <cstdio>

namespace {

char buffer[64];

} // namespace

const char *vortelan_gb_runtime_socket_error_string(int error) {
    std::snprintf(buffer, sizeof buffer, "WinSock error %d", error);
    return buffer;
}
