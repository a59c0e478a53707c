#pragma once

// A real OpenGL context under Wine for texture tests: a small window of its
// own with a plain RGBA pixel format, current on this thread while the object
// lives.

#include <windows.h>

#include <vector>

class WglTestContext {
  public:
    // visible: shown and made the active window (for boxes owned by it).
    explicit WglTestContext(bool visible = false);
    ~WglTestContext();
    WglTestContext(const WglTestContext&) = delete;
    WglTestContext& operator=(const WglTestContext&) = delete;

    bool valid() const { return current_; }
    HWND window() const { return window_; }

  private:
    HWND window_ = nullptr;
    HDC deviceContext_ = nullptr;
    HGLRC renderContext_ = nullptr;
    bool current_ = false;
};

// Level 0 of a texture as red, green, blue bytes, rows unpadded, in the order
// they were uploaded (bottom row first); width and height 0 when it has no
// image. Leaves the texture bound.
struct TextureLevel {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};
TextureLevel readTextureLevelZero(unsigned int name);
