#pragma once

// Presents the frame just drawn: swaps the saver window's buffers on Windows,
// finishes the off-screen frame elsewhere. The result is not examined.
void swapFrameBuffers();
