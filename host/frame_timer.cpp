#include "host/frame_timer.h"

FrameTimer::FrameTimer()
    : hasPerformanceCounter(0), secondsPerCount(0), lastCount(0), previousCount(0), lastMillis(0),
      previousMillis(0), lastElapsed(0) {
    int64_t frequency = 0;
    hasPerformanceCounter = readCounterFrequency(frequency) ? 1 : 0;
    secondsPerCount = frequency != 0 ? static_cast<float>(1.0 / static_cast<double>(frequency)) : 0;
    requestMillisecondTimerResolution();
    lastCount = readCounter();
    lastMillis = readMillisecondClock();
}

float FrameTimer::elapsed() {
    if (hasPerformanceCounter) {
        previousCount = lastCount;
        lastCount = readCounter();
        if (lastCount >= previousCount)
            lastElapsed = static_cast<float>(lastCount - previousCount) * secondsPerCount;
    } else {
        previousMillis = lastMillis;
        lastMillis = readMillisecondClock();
        if (lastMillis >= previousMillis)
            lastElapsed = static_cast<float>((lastMillis - previousMillis) * 0.001);
    }
    return lastElapsed;
}
