#pragma once

#include <cstdint>

// Frame pacing of the full-screen and preview loops. Frames are due every
// framePeriod seconds; the credit is the time left until the next one.
struct FramePacer {
    float creditSeconds;
    float framePeriod; // 0 when there is no cap
};

enum class PaceAction {
    Draw,  // draw a frame now
    Sleep, // more than a millisecond left: Sleep(1)
    Spin,  // less than a millisecond left: try again at once
};

// A pacer for a frames-per-second cap (0 = no cap).
FramePacer makeFramePacer(uint32_t frameRateLimit);

// One idle pass with a cap: takes the seconds since the previous pass and
// says what to do. A Draw also books the next frame's period.
PaceAction paceFrame(FramePacer& pacer, float elapsedSeconds);
