#pragma once

#include <windows.h>

// Input state of the saver window.
extern POINT lastCursorPos;
constexpr int mouseMoveThreshold = 4;
extern bool firstMouseMoveSeen;
extern bool closeArmed;

// The window class's procedure: cursor, system commands, monitor power.
LRESULT CALLBACK saverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The last stage: closing on input, the password check, the S key.
LRESULT defaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Non-zero when the saver may end (always, outside Windows 95/98/Me).
BOOL verifySaverPassword(HWND window);
