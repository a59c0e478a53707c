#include "host/frame_pacing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs idle passes of the given lengths and returns how many drew a frame.
int framesDrawn(FramePacer& pacer, const std::vector<float>& passes) {
    int frames = 0;
    for (float elapsed : passes)
        frames += paceFrame(pacer, elapsed) == PaceAction::Draw;
    return frames;
}

TEST(FramePacing, ThirtyFramesPerSecondOverThreeSeconds) {
    FramePacer pacer = makeFramePacer(30);
    EXPECT_FLOAT_EQ(pacer.framePeriod, 1.0f / 30);
    std::vector<float> passes(3000, 0.001f); // one pass per millisecond
    int frames = framesDrawn(pacer, passes);
    EXPECT_GE(frames, 89);
    EXPECT_LE(frames, 91);
}

TEST(FramePacing, WaitsBySleepingThenSpinsForTheLastMillisecond) {
    FramePacer pacer = makeFramePacer(100); // 10 ms
    EXPECT_EQ(paceFrame(pacer, 0.0f), PaceAction::Draw);
    EXPECT_EQ(paceFrame(pacer, 0.005f), PaceAction::Sleep); // 5 ms left
    EXPECT_EQ(paceFrame(pacer, 0.0045f), PaceAction::Spin); // 0.5 ms left
    EXPECT_EQ(paceFrame(pacer, 0.001f), PaceAction::Draw);
}

TEST(FramePacing, AStallIsMadeUpByBackToBackFrames) {
    FramePacer pacer = makeFramePacer(30);
    ASSERT_EQ(paceFrame(pacer, 0.0f), PaceAction::Draw);
    // Half a second lost: the next passes draw without waiting until the
    // credit is positive again (15 frames of 1/30 s).
    EXPECT_EQ(paceFrame(pacer, 0.5f), PaceAction::Draw);
    int backToBack = 1;
    while (paceFrame(pacer, 0.0f) == PaceAction::Draw)
        ++backToBack;
    EXPECT_GE(backToBack, 15);
    EXPECT_LE(backToBack, 16);
}

TEST(FramePacing, ADeficitOverAThousandSecondsIsForgotten) {
    FramePacer pacer = makeFramePacer(30);
    EXPECT_EQ(paceFrame(pacer, 2000.0f), PaceAction::Draw);
    EXPECT_FLOAT_EQ(pacer.creditSeconds, 1.0f / 30);
    EXPECT_EQ(paceFrame(pacer, 0.0f), PaceAction::Sleep);

    FramePacer slightly = makeFramePacer(30);
    paceFrame(slightly, 999.0f);
    EXPECT_LT(slightly.creditSeconds, -998.0f) << "below the limit the deficit is kept";
}

TEST(FramePacing, NoCapMeansNoPeriod) {
    FramePacer pacer = makeFramePacer(0);
    EXPECT_EQ(pacer.framePeriod, 0.0f);
}

} // namespace
