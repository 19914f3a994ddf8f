// Tests of the monotonic clock that timers and waits measure with.
#include <gtest/gtest.h>

#include <time.h>

#include <cstdint>

#include "platform/kovclock.h"

TEST(Clock, MonotonicMilliseconds)
{
    int64_t a = Kov_Clock_Ms();
    int64_t b = Kov_Clock_Ms();
    EXPECT_LE(a, b);
}

// A wait of 50 ms is 50 ms on the clock, also while the process uses no processor time.
TEST(Clock, CountsMillisecondsWhileTheProcessSleeps)
{
    const int64_t a = Kov_Clock_Ms();
    const timespec pause = {0, 50 * 1000 * 1000};
    nanosleep(&pause, nullptr);
    const int64_t b = Kov_Clock_Ms();
    EXPECT_GE(b - a, 50);
    EXPECT_LT(b - a, 5000);
}
