#include "runtime/clock.h"

#include <ctime>
#include <windows.h>

uint64_t vortelan_gb_runtime_now_us(void) {
    return GetTickCount64() * 1000u;
}

// Sleep takes INFINITE (all bits set) as "never wake up"; the longest finite sleep is one
// millisecond shorter.
void vortelan_gb_runtime_sleep_ms(uint32_t milliseconds) {
    Sleep(milliseconds == INFINITE ? INFINITE - 1 : milliseconds);
}

bool vortelan_gb_runtime_localtime(int64_t seconds, struct tm *out) {
    if (out == nullptr) {
        return false;
    }
    time_t value = static_cast<time_t>(seconds);
    return localtime_s(out, &value) == 0;
}
