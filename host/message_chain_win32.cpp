#include "host/message_chain_win32.h"

#include "host/input_state.h"
#include "host/library_function_win32.h"
#include "host/saver_window_win32.h"
#include "host/windows_version_win32.h"
#include "scene/saver_lifecycle_win32.h"

#include <cstdlib>

POINT lastCursorPos = {0, 0};
bool firstMouseMoveSeen = false;
bool closeArmed = false;

namespace {

constexpr WPARAM scScreenSave = 0xF140;
constexpr WPARAM scNextWindow = 0xF040;
constexpr WPARAM scPrevWindow = 0xF050;
constexpr WPARAM scMonitorPower = 0xF170;
constexpr WPARAM keyS = 0x53;

void requestClose(HWND window) {
    if (isWindowed)
        return;
    closeArmed = true;
    PostMessageA(window, WM_CLOSE, 0, 0);
}

LRESULT handleClose(HWND window) {
    monitorOff = false;
    // A second request while the password dialog is open starts no second check.
    if (!closeArmed || passwordDialogActive)
        return 0;
    if (!verifySaverPassword(window)) {
        GetCursorPos(&lastCursorPos);
        return 0;
    }
    return DefWindowProcA(window, WM_CLOSE, 0, 0);
}

void handleMouseMove(HWND window) {
    if (!firstMouseMoveSeen)
        firstMouseMoveSeen = true;
    else
        closeArmed = true;
    POINT p;
    GetCursorPos(&p);
    int moved = std::abs(lastCursorPos.x - p.x) + std::abs(lastCursorPos.y - p.y);
    if (moved > mouseMoveThreshold && !isWindowed)
        PostMessageA(window, WM_CLOSE, 0, 0);
    else
        lastCursorPos = p;
}

// Returns true when the system command is swallowed.
bool handleSystemCommand(WPARAM command, LPARAM power) {
    if (command == scScreenSave || command == scNextWindow || command == scPrevWindow)
        return true;
    if (command == scMonitorPower && (power == 1 || power == 2) && !isWindowed)
        monitorOff = true;
    return false;
}

} // namespace

LRESULT CALLBACK saverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        GetCursorPos(&lastCursorPos);
        if (!isPreview)
            SetCursor(nullptr);
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    case WM_SYSCOMMAND:
        if (!isPreview && handleSystemCommand(wParam, lParam))
            return 0;
        break;
    default:
        break;
    }
    return saverMessageHook(window, message, wParam, lParam);
}

LRESULT defaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isPreview)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_CLOSE)
        return handleClose(window);
    if (passwordDialogActive)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != 0)
            SetCursor(nullptr);
        break;
    case WM_ACTIVATEAPP:
        if (wParam == 0)
            requestClose(window);
        break;
    case WM_SETCURSOR:
        if (!isWindowed)
            SetCursor(nullptr);
        return 1;
    case WM_KEYDOWN:
        if (wParam == keyS)
            showFps = !showFps;
        else
            requestClose(window);
        break;
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        requestClose(window);
        break;
    case WM_MOUSEMOVE:
        handleMouseMove(window);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL verifySaverPassword(HWND window) {
    if (!isWindows9x())
        return 1;
    HMODULE library = LoadLibraryA("PASSWORD.CPL");
    if (library == nullptr)
        return 1;
    using VerifyFunction = BOOL(WINAPI*)(HWND);
    auto verify = libraryFunction<VerifyFunction>(library, "VerifyScreenSavePwd");
    if (verify == nullptr) {
        FreeLibrary(library);
        return 1;
    }
    UINT scratch = 0;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &scratch, 0);
    passwordDialogActive = true;
    BOOL result = verify(window);
    passwordDialogActive = false;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &scratch, 0);
    FreeLibrary(library);
    return result;
}
