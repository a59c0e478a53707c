#pragma once

#include <windows.h>

// Second stage of the saver window's messages: starts the scene on creation
// and tears it down on destruction, then passes every message on.
LRESULT saverMessageHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool initSaver(HWND window);
void shutdownSaver(HWND window);
