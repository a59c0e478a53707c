#include "host/frame_pacing.h"

FramePacer makeFramePacer(uint32_t frameRateLimit) {
    FramePacer pacer{0.0f, 0.0f};
    if (frameRateLimit != 0)
        pacer.framePeriod = static_cast<float>(1.0 / static_cast<double>(frameRateLimit));
    return pacer;
}

PaceAction paceFrame(FramePacer& pacer, float elapsedSeconds) {
    pacer.creditSeconds = pacer.creditSeconds - elapsedSeconds;
    // A deficit this large (a long suspend) is forgotten instead of drawn.
    if (pacer.creditSeconds < -1000.0f)
        pacer.creditSeconds = 0.0f;
    if (pacer.creditSeconds > 0.0f)
        return pacer.creditSeconds > 0.001f ? PaceAction::Sleep : PaceAction::Spin;
    pacer.creditSeconds = pacer.creditSeconds + pacer.framePeriod;
    return PaceAction::Draw;
}
