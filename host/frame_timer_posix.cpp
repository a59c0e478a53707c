#include "host/frame_timer.h"

#include <time.h>

// The monotonic clock stands in for both the high-resolution counter (in
// nanoseconds) and the millisecond clock.
namespace {
int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}
} // namespace

bool readCounterFrequency(int64_t& countsPerSecond) {
    countsPerSecond = 1000000000;
    return true;
}

int64_t readCounter() {
    return monotonicNanoseconds();
}

uint32_t readMillisecondClock() {
    return static_cast<uint32_t>(monotonicNanoseconds() / 1000000);
}

void requestMillisecondTimerResolution() {}
