#include "host/frame_timer.h"

#include <windows.h>

#include <mmsystem.h>

bool readCounterFrequency(int64_t& countsPerSecond) {
    LARGE_INTEGER frequency{};
    BOOL ok = QueryPerformanceFrequency(&frequency);
    countsPerSecond = frequency.QuadPart;
    return ok != FALSE;
}

int64_t readCounter() {
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

uint32_t readMillisecondClock() {
    return timeGetTime();
}

void requestMillisecondTimerResolution() {
    timeBeginPeriod(1);
}
