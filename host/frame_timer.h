#pragma once

#include <cstdint>

// Interval timer: elapsed() returns the seconds between it and the previous
// call (or the construction), from the high-resolution counter when there is
// one and from the millisecond clock otherwise. A clock that went backwards
// repeats the previous interval.
struct FrameTimer {
    FrameTimer();
    float elapsed();

    int32_t hasPerformanceCounter; // 32-bit truth value
    float secondsPerCount;
    int64_t lastCount;
    int64_t previousCount;
    uint32_t lastMillis;
    uint32_t previousMillis;
    float lastElapsed; // seconds
};

// The clocks behind FrameTimer, one implementation per platform.
bool readCounterFrequency(int64_t& countsPerSecond); // false: no high-resolution counter
int64_t readCounter();
uint32_t readMillisecondClock();
void requestMillisecondTimerResolution(); // never ended by a matching call
