#include "scene/buffer_swap.h"

#include "scene/render_context_win32.h"

void swapFrameBuffers() {
    wglSwapLayerBuffers(deviceContext, WGL_SWAP_MAIN_PLANE);
}
