#pragma once

#include <GL/osmesa.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// An off-screen OpenGL context (OSMesa: RGBA with a 24-bit depth buffer),
// current from construction to destruction.
class OffscreenGl {
  public:
    OffscreenGl(int width, int height);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    bool valid() const { return current; }

    // The picture after glFinish: RGB, top row first.
    std::vector<uint8_t> rgbPicture();

  private:
    OSMesaContext context = nullptr;
    std::vector<uint8_t> buffer;
    int width;
    int height;
    bool current = false;
};
