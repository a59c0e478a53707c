#pragma once

// JPEG files for tests, made with libjpeg's compressor.

#include <cstdint>
#include <string>
#include <vector>

// samples: rows top first, components (3 = RGB, 1 = grey) per pixel.
std::vector<uint8_t> encodeJpeg(int width, int height, int components,
                                const std::vector<uint8_t>& samples, int quality = 95);

// A picture of one colour.
std::vector<uint8_t> solidJpeg(int width, int height, uint8_t red, uint8_t green, uint8_t blue);

// Three vertical bands of a third of the width each, red, green and blue, at
// quality 100. With a width whose rows are not a multiple of 4 bytes (33
// pixels, for instance) it shows rows read with the wrong alignment: the
// bands slant and change colour.
std::vector<uint8_t> threeBandJpeg(int width, int height);
