#include "host/frame_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

namespace {

TEST(FrameTimer, MeasuresTheTimeSinceThePreviousCall) {
    FrameTimer timer;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const float first = timer.elapsed();
    EXPECT_GE(first, 0.019f);
    EXPECT_LT(first, 1.0f);
    const float second = timer.elapsed();
    EXPECT_LT(second, first) << "measured from the previous call, not from construction";
    EXPECT_EQ(timer.lastElapsed, second);
}

TEST(FrameTimer, ClockGoingBackwardsRepeatsThePreviousInterval) {
    FrameTimer timer;
    timer.lastElapsed = 0.25f;
    timer.lastCount = INT64_MAX;
    EXPECT_EQ(timer.elapsed(), 0.25f);

    timer.hasPerformanceCounter = 0;
    timer.lastMillis = UINT32_MAX; // the millisecond clock wrapped
    EXPECT_EQ(timer.elapsed(), 0.25f);
}

TEST(FrameTimer, MillisecondClockGivesWholeMilliseconds) {
    FrameTimer timer;
    timer.hasPerformanceCounter = 0;
    timer.elapsed();
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
    const float seconds = timer.elapsed();
    EXPECT_GE(seconds, 0.014f);
    EXPECT_NEAR(seconds * 1000, std::round(seconds * 1000), 1e-3);
}

} // namespace
