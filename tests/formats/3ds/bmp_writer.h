#pragma once

// Windows bitmap files for tests, written byte by byte.

#include <cstdint>
#include <vector>

// A picture as the bitmap loader delivers it: red, green, blue, bottom row
// first, rows unpadded.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

// A picture in which every pixel differs from its neighbours in each channel
// (grey: red = green = blue, still different per pixel).
RgbPicture patternPicture(int width, int height, bool grey = false);

// A picture of one colour (red, green, blue).
RgbPicture solidPicture(int width, int height, const uint8_t colour[3]);

// 24 bits per pixel, rows padded to 4 bytes; stored bottom row first, or top
// row first (negative height) when topDown.
std::vector<uint8_t> bmp24(const RgbPicture& picture, bool topDown = false);

// 8 bits per pixel with a palette of 256 greys (index = grey level); the
// picture's red values are the levels.
std::vector<uint8_t> bmp8Grey(const RgbPicture& picture);
