#include "host/saver_window_win32.h"

#include "host/frame_pacing.h"
#include "host/frame_rate_limit.h"
#include "host/frame_timer.h"
#include "host/input_state.h"
#include "host/instance_handle_win32.h"
#include "host/message_chain_win32.h"
#include "scene/frame_rendering.h"

HWND saverWindow = nullptr;
bool isPreview = false;
bool isWindowed = false;

namespace {

constexpr const char* className = "WindowsScreenSaverClass";
constexpr const char* fullScreenTitle = "Screensaver";

struct WindowConfiguration {
    DWORD extendedStyle;
    DWORD style;
    int x, y, width, height;
    const char* title;
    HWND parent;
};

bool registerSaverClass(HCURSOR cursor) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = saverWindowProc;
    windowClass.hInstance = instanceHandle;
    // The resources hold the program's icon as group 500.
    windowClass.hIcon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(500));
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

HWND createSaverWindow(const WindowConfiguration& c) {
    return CreateWindowExA(c.extendedStyle, className, c.title, c.style, c.x, c.y, c.width,
                           c.height, c.parent, nullptr, instanceHandle, nullptr);
}

WindowConfiguration previewConfiguration(HWND parent) {
    RECT client = {};
    GetClientRect(parent, &client);
    return {0, 0x52000000, 0, 0, client.right, client.bottom, "Screensaver Preview", parent};
}

WindowConfiguration fullScreenConfiguration() {
    return {WS_EX_TOPMOST,
            0x96000000,
            GetSystemMetrics(SM_XVIRTUALSCREEN),
            GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN),
            GetSystemMetrics(SM_CYVIRTUALSCREEN),
            fullScreenTitle,
            nullptr};
}

// Brings a running full-screen saver to the front; true when there is one.
bool activateRunningSaver() {
    HWND running = FindWindowA(className, fullScreenTitle);
    if (running == nullptr || !IsWindow(running))
        return false;
    SetForegroundWindow(running);
    return true;
}

bool messageWaiting() {
    MSG message;
    return PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) != 0;
}

// Takes one message; false when it is the quit message (its code in exitCode).
bool dispatchOneMessage(int& exitCode) {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) == 0) {
        exitCode = static_cast<int>(message.wParam);
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

void pacedIdlePass(FramePacer& pacer, FrameTimer& timer, FrameTick tick) {
    if (monitorOff)
        Sleep(1);
    if (frameRateLimit == 0) {
        tick();
        Sleep(0);
        return;
    }
    switch (paceFrame(pacer, timer.elapsed())) {
    case PaceAction::Draw:
        tick();
        break;
    case PaceAction::Sleep:
        Sleep(1);
        break;
    case PaceAction::Spin:
        break;
    }
}

} // namespace

int runPacedLoop(FrameTick tick) {
    FramePacer pacer = makeFramePacer(frameRateLimit);
    FrameTimer timer;
    int exitCode = 0;
    do {
        while (!messageWaiting())
            pacedIdlePass(pacer, timer, tick);
    } while (dispatchOneMessage(exitCode));
    return exitCode;
}

int runUnpacedLoop(FrameTick tick) {
    int exitCode = 0;
    do {
        while (!messageWaiting()) {
            tick();
            Sleep(0);
        }
    } while (dispatchOneMessage(exitCode));
    return exitCode;
}

int runSaverWindow(HWND parent) {
    WindowConfiguration configuration;
    if (parent != nullptr) {
        configuration = previewConfiguration(parent);
        isPreview = true;
    } else {
        configuration = fullScreenConfiguration();
        if (activateRunningSaver())
            return 0;
    }
    if (registerSaverClass(nullptr))
        saverWindow = createSaverWindow(configuration);
    // Without a window nothing can be drawn or closed: end as a failure.
    if (saverWindow == nullptr)
        return 1;
    if (!isPreview)
        SetForegroundWindow(saverWindow);
    return runPacedLoop(saverTick);
}

int runWindowedSaver() {
    isWindowed = true;
    if (registerSaverClass(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))))
        saverWindow =
            createSaverWindow({0, 0x90CF0000, 100, 100, 512, 480, "Windowed Screensaver", nullptr});
    if (saverWindow == nullptr)
        return 1;
    return runUnpacedLoop(saverTick);
}
