#include "host/frame_rate_limit.h"
#include "host/saver_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

// A tick that records when it ran and ends the loop after a while.
std::vector<double> tickTimes;
double runSeconds = 3.0;
int stallAtTick = -1;
LARGE_INTEGER frequency, started;

double secondsSinceStart() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - started.QuadPart) / frequency.QuadPart;
}

void countingTick() {
    tickTimes.push_back(secondsSinceStart());
    if (static_cast<int>(tickTimes.size()) == stallAtTick)
        Sleep(500);
    if (tickTimes.back() >= runSeconds)
        PostQuitMessage(7);
}

class FrameLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        tickTimes.clear();
        stallAtTick = -1;
        runSeconds = 3.0;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&started);
    }
    void TearDown() override { frameRateLimit = 0; }
};

TEST_F(FrameLoop, ACapOfThirtyDrawsAboutThirtyFramesASecond) {
    frameRateLimit = 30;
    EXPECT_EQ(runPacedLoop(countingTick), 7);
    double perSecond = tickTimes.size() / tickTimes.back();
    EXPECT_NEAR(perSecond, 30.0, 3.0);
}

TEST_F(FrameLoop, WithoutACapEveryIdlePassDraws) {
    runSeconds = 0.5;
    frameRateLimit = 0;
    runPacedLoop(countingTick);
    EXPECT_GT(tickTimes.size() / tickTimes.back(), 300.0);
    tickTimes.clear();
    QueryPerformanceCounter(&started);
    frameRateLimit = 30; // the windowed loop ignores the cap
    runUnpacedLoop(countingTick);
    EXPECT_GT(tickTimes.size() / tickTimes.back(), 300.0);
}

TEST_F(FrameLoop, AStallIsMadeUpByBackToBackFrames) {
    frameRateLimit = 30;
    runSeconds = 1.5;
    stallAtTick = 10;
    runPacedLoop(countingTick);
    ASSERT_GT(tickTimes.size(), 30u);
    // The 15 frames lost in the half-second stall follow at once.
    double burst = tickTimes[10 + 14] - tickTimes[10];
    EXPECT_LT(burst, 0.1);
    double perSecond = tickTimes.size() / tickTimes.back();
    EXPECT_NEAR(perSecond, 30.0, 3.0) << "the average rate is kept";
}

// Every waiting message is handled before the next frame.
int handled = 0;
LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP)
        ++handled;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND probeWindow = nullptr;
bool messageWasHandledFirst = true;
void postingTick() {
    if (static_cast<int>(tickTimes.size()) != handled)
        messageWasHandledFirst = false;
    tickTimes.push_back(0);
    PostMessageA(probeWindow, WM_APP, 0, 0);
    if (tickTimes.size() == 50)
        PostQuitMessage(0);
}

TEST_F(FrameLoop, APendingMessageIsHandledBeforeTheNextFrame) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = countingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuenlowLoopProbe";
    RegisterClassA(&windowClass);
    probeWindow = CreateWindowExA(0, "QuenlowLoopProbe", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_NE(probeWindow, nullptr);
    handled = 0;
    frameRateLimit = 0;
    runPacedLoop(postingTick);
    EXPECT_TRUE(messageWasHandledFirst);
    handled = 0;
    tickTimes.clear();
    runUnpacedLoop(postingTick);
    EXPECT_TRUE(messageWasHandledFirst);
    DestroyWindow(probeWindow);
}

} // namespace
