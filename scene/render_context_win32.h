#pragma once

#include <windows.h>

// The saver window's device context (its class gives it its own, valid for the
// whole run) and the OpenGL rendering context made current on it at start-up.
extern HDC deviceContext;
extern HGLRC renderContext;
