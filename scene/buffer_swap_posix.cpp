#include "scene/buffer_swap.h"

#include "scene/gl.h"

// Off-screen rendering has no buffers to swap; the frame is complete once GL
// has finished it.
void swapFrameBuffers() {
    glFinish();
}
