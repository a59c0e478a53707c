#pragma once

#include <cstdint>
#include <vector>

// What the choice of a pixel format looks at, copied from the platform's
// description of each format offered.
struct PixelFormatDescription {
    uint32_t flags;    // the platform's format flags (the bits below)
    uint8_t pixelType; // 0 = RGBA
    uint8_t colorBits;
    uint8_t depthBits;
    uint8_t accumBits; // total accumulation-buffer bits
};

constexpr uint32_t formatDoubleBuffer = 0x1;
constexpr uint32_t formatDrawToWindow = 0x4;
constexpr uint32_t formatSupportOpenGL = 0x20;
constexpr uint32_t formatGeneric = 0x40;              // the system's generic implementation
constexpr uint32_t formatGenericAccelerated = 0x1000; // generic with driver acceleration
constexpr uint8_t formatTypeRgba = 0;

// A double-buffered RGBA format that draws OpenGL to a window.
bool formatQualifies(const PixelFormatDescription& format);

// Score of a qualifying format: colour bits plus twice the depth bits, colour
// bits above 16 counting half, plus 2000 for a hardware driver's format or
// 1000 for an accelerated generic one.
int32_t pixelFormatScore(const PixelFormatDescription& format);

// The 1-based index of the best format of the list, or 0 when none qualifies
// with a score above 0 (the caller then falls back to the system's choice).
// The highest score wins, ties to the lower index. When the motion blur is
// wanted, a qualifying format with an accumulation buffer beats every one
// without, since the blur draws through that buffer.
int bestPixelFormatIndex(const std::vector<PixelFormatDescription>& formats, bool wantAccumulation);
