#include "tests/support/osmesa_context.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

OsMesaContext::OsMesaContext(int width, int height, int accumBits)
    : buffer_(static_cast<size_t>(width) * height * 4), width_(width), height_(height) {
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, accumBits, nullptr);
    makeCurrent();
}

// Drawing still queued when the context goes (textured triangles, for
// instance) is finished first: llvmpipe crashed destroying a context with
// pending work. Only the current context can have any; making another one
// current flushes the old.
OsMesaContext::~OsMesaContext() {
    if (context_ == nullptr)
        return;
    if (OSMesaGetCurrentContext() == context_)
        glFinish();
    OSMesaDestroyContext(context_);
}

void OsMesaContext::makeCurrent() {
    current_ = context_ != nullptr &&
               OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_);
}

// OSMesa's buffer holds the bottom row first.
Rgba OsMesaContext::storedPixel(int x, int y) const {
    const uint8_t* p = &buffer_[(static_cast<size_t>(height_ - 1 - y) * width_ + x) * 4];
    return Rgba{p[0], p[1], p[2], p[3]};
}

Rgba OsMesaContext::pixel(int x, int y) {
    glFinish();
    return storedPixel(x, y);
}

float OsMesaContext::depth(int x, int y) {
    GLfloat value = 0;
    glReadPixels(x, height_ - 1 - y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &value);
    return value;
}

std::vector<Rgba> OsMesaContext::picture() {
    glFinish();
    std::vector<Rgba> pixels;
    pixels.reserve(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            pixels.push_back(storedPixel(x, y));
    return pixels;
}

PixelBox OsMesaContext::boundingBox(const PixelTest& test) {
    const std::vector<Rgba> pixels = picture();
    PixelBox box;
    box.left = width_;
    box.top = height_;
    double sumX = 0, sumY = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!test(pixels[static_cast<size_t>(y) * width_ + x]))
                continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
            sumX += x;
            sumY += y;
            ++box.count;
        }
    }
    if (box.count == 0)
        return PixelBox{};
    box.centreX = sumX / box.count;
    box.centreY = sumY / box.count;
    return box;
}

PixelBox OsMesaContext::boundingBox(Rgba colour, int tolerance) {
    return boundingBox([=](Rgba p) { return sameColour(p, colour, tolerance); });
}

bool sameColour(Rgba a, Rgba b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}
