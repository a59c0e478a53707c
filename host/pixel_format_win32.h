#pragma once

#include <windows.h>

// Sets the best-scoring OpenGL pixel format of the device context, or the
// system's match for a 24-bit double-buffered RGBA template when none qualifies.
void chooseBestPixelFormat(HDC deviceContext);
