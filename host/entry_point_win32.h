#pragma once

#include <windows.h>

// The run modes that the command line selects.
INT_PTR runConfigDialog(HWND owner);
int runPreview(const char* text);
void changeSaverPassword(HWND owner);

// Starts the mode that the command-line tail names; returns the exit code.
int runCommandLine(const char* tail);
