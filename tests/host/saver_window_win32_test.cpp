#include "host/instance_handle_win32.h"
#include "host/message_chain_win32.h"
#include "host/saver_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace {

// What another thread saw of the saver window while its loop ran.
struct Observed {
    HCURSOR cursor = nullptr;
    RECT rect = {};
    LONG exStyle = 0;
    bool found = false;
};

// Runs a mode in this process and closes its window from a second thread
// after a second, the way input would. Each test runs in its own process,
// since a process registers the saver class once.
Observed runAndClose(const char* title, int (*run)(), int& exitCode) {
    instanceHandle = GetModuleHandleA(nullptr);
    Observed seen;
    std::thread closer([&] {
        Sleep(1000);
        HWND window = FindWindowA("WindowsScreenSaverClass", title);
        if (window == nullptr)
            return;
        seen.found = true;
        seen.cursor = reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR));
        GetWindowRect(window, &seen.rect);
        seen.exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        closeArmed = true;
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    exitCode = run();
    closer.join();
    return seen;
}

TEST(SaverWindowInProcess, TheWindowedModeHasTheArrowCursor) {
    int exitCode = -2;
    Observed seen = runAndClose("Windowed Screensaver", runWindowedSaver, exitCode);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(seen.cursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_EQ(seen.rect.left, 100);
    EXPECT_EQ(seen.rect.top, 100);
    EXPECT_EQ(seen.rect.right - seen.rect.left, 512);
    EXPECT_EQ(seen.rect.bottom - seen.rect.top, 480);
    EXPECT_TRUE(isWindowed);
}

TEST(SaverWindowInProcess, TheFullScreenModeHasNoCursorAndStaysOnTop) {
    int exitCode = -2;
    Observed seen = runAndClose(
        "Screensaver", [] { return runSaverWindow(nullptr); }, exitCode);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(seen.cursor, nullptr);
    EXPECT_NE(seen.exStyle & WS_EX_TOPMOST, 0);
    EXPECT_EQ(seen.rect.right - seen.rect.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(seen.rect.bottom - seen.rect.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

} // namespace
