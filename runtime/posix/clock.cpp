#include "runtime/clock.h"

#include <cerrno>
#include <ctime>

uint64_t vortelan_gb_runtime_now_us(void) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    uint64_t milliseconds = static_cast<uint64_t>(now.tv_sec) * 1000u +
                            static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return milliseconds * 1000u;
}

void vortelan_gb_runtime_sleep_ms(uint32_t milliseconds) {
    timespec remaining{static_cast<time_t>(milliseconds / 1000u),
                       static_cast<long>(milliseconds % 1000u) * 1000000L};
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

bool vortelan_gb_runtime_localtime(int64_t seconds, struct tm *out) {
    if (out == nullptr) {
        return false;
    }
    time_t value = static_cast<time_t>(seconds);
    return localtime_r(&value, out) != nullptr;
}
