#pragma once

#include <string>

// One frame of the saver, called by the frame loops: measures the time since
// the previous tick and draws a frame when the saver is ready, the monitor is
// on and no password dialog is open.
void saverTick();

// Clears, moves the scene object one step, draws it once or (blur on) as the
// accumulated trail of its last ten poses, keeps the frames-per-second figure,
// writes it in the top-left corner when shown, and presents the frame.
void drawFrame();

// The text a default-formatted output stream writes for the number: at most
// six significant digits, no trailing zeros, exponent form when very large or
// very small.
std::string numberToText(float value);

// Frame-rate state, one instance each for the life of the process.
extern float frameTime;     // seconds between the two latest ticks
extern float fpsTimeSum;    // frameTime summed over the frames since the last refresh
extern int fpsFrameCount;   // frames drawn since the last refresh, up to 20
extern std::string fpsText; // "FPS = " and the figure; empty until the first refresh
