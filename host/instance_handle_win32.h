#pragma once

#include <windows.h>

// The module instance kept by WinMain: window class, dialogs, resources.
extern HINSTANCE instanceHandle;
