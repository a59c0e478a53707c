#pragma once

#include <windows.h>

// The saver's one window and the configuration it was created in.
extern HWND saverWindow;
extern bool isPreview;
extern bool isWindowed;

// Full screen (no parent) or preview (inside parent); returns the exit code.
int runSaverWindow(HWND parent);
int runWindowedSaver();

using FrameTick = void (*)();

// The message loops: every waiting message is handled before the next frame.
// The paced loop draws no more often than frameRateLimit allows; the unpaced
// one draws on every idle pass. Both return the quit message's parameter.
int runPacedLoop(FrameTick tick);
int runUnpacedLoop(FrameTick tick);
