#include "scene/render_context_win32.h"

HDC deviceContext = nullptr;
HGLRC renderContext = nullptr;
