#include "tools/quenlow_model/offscreen_gl.h"

#include "scene/gl.h"

OffscreenGl::OffscreenGl(int width, int height)
    : buffer(static_cast<size_t>(width) * height * 4), width(width), height(height) {
    context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    current = context != nullptr &&
              OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, width, height);
}

OffscreenGl::~OffscreenGl() {
    if (context == nullptr)
        return;
    if (current)
        glFinish(); // llvmpipe must not be torn down with drawing pending
    OSMesaDestroyContext(context);
}

// OSMesa's buffer holds the bottom row first.
std::vector<uint8_t> OffscreenGl::rgbPicture() {
    glFinish();
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* row = &buffer[static_cast<size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x)
            rgb.insert(rgb.end(), row + x * 4, row + x * 4 + 3);
    }
    return rgb;
}
