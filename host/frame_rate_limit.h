#pragma once

#include <cstdint>

// Frames-per-second cap of the full-screen and preview loops; 0 = no cap.
// Read from the registry value "FrameRateLimit", which the program never writes.
extern uint32_t frameRateLimit;

void readFrameRateLimit();
