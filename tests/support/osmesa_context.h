#pragma once

// Off-screen OpenGL for the pixel tests (OSMesa: RGBA, 24 depth bits).
//   OsMesaContext gl(800, 600);                // made current on construction
//   ASSERT_TRUE(gl.valid());
//   ... set up GL and draw ...
//   Rgba centre = gl.pixel(400, 300);          // x from the left, y from the TOP
//   PixelBox red = gl.boundingBox(isRed);      // or gl.boundingBox(Rgba{255, 0, 0, 255})

#include <GL/osmesa.h>

#include <cstdint>
#include <functional>
#include <vector>

struct Rgba {
    uint8_t r, g, b, a;
};

// Pixels in window coordinates, y counted from the top; empty when count is 0.
struct PixelBox {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive
    int count = 0;                                  // pixels that matched
    double centreX = 0, centreY = 0;                // mean position of the matches
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

using PixelTest = std::function<bool(Rgba)>;

class OsMesaContext {
  public:
    // accumBits 0 gives a context without an accumulation buffer.
    OsMesaContext(int width, int height, int accumBits = 16);
    ~OsMesaContext();
    OsMesaContext(const OsMesaContext&) = delete;
    OsMesaContext& operator=(const OsMesaContext&) = delete;

    bool valid() const { return context_ != nullptr && current_; }
    void makeCurrent();
    int width() const { return width_; }
    int height() const { return height_; }

    // Reads after glFinish(); x from the left, y from the top.
    Rgba pixel(int x, int y);
    float depth(int x, int y);   // window depth 0 (near) to 1 (far)
    std::vector<Rgba> picture(); // all pixels, top row first

    PixelBox boundingBox(const PixelTest& test);
    // Pixels within tolerance of the colour in each channel (alpha ignored).
    PixelBox boundingBox(Rgba colour, int tolerance = 2);

  private:
    Rgba storedPixel(int x, int y) const;

    OSMesaContext context_ = nullptr;
    std::vector<uint8_t> buffer_;
    int width_;
    int height_;
    bool current_ = false;
};

bool sameColour(Rgba a, Rgba b, int tolerance = 2);
