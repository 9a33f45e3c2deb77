#include "runtime/clock.h"

#include <gtest/gtest.h>

namespace {

// The tick count moves in steps of the system timer: 1 ms on Linux, up to 16 ms on Windows.
#ifdef _WIN32
constexpr uint64_t tick_step_us = 16000;
#else
constexpr uint64_t tick_step_us = 0;
#endif

TEST(Clock, MovesForwardInWholeMillisecondsAcrossASleep) {
    uint64_t before = vortelan_gb_runtime_now_us();
    vortelan_gb_runtime_sleep_ms(20);
    uint64_t after = vortelan_gb_runtime_now_us();
    EXPECT_EQ(before % 1000u, 0u);
    EXPECT_EQ(after % 1000u, 0u);
    EXPECT_GE(after - before + tick_step_us, 20000u);
}

TEST(Clock, ConvertsLocalTime) {
    struct tm converted {};
    ASSERT_TRUE(vortelan_gb_runtime_localtime(86400 * 365, &converted));
    EXPECT_TRUE(converted.tm_year == 70 || converted.tm_year == 71);
    EXPECT_FALSE(vortelan_gb_runtime_localtime(0, nullptr));
}

} // namespace
