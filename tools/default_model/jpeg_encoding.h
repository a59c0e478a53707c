#pragma once

#include "tools/default_model/planet_picture.h"

#include <cstdint>
#include <vector>

// The picture as a baseline JPEG file of the given quality (libjpeg, integer
// DCT, optimised Huffman tables), so the bytes are the same on every run.
std::vector<uint8_t> encodeJpeg(const RgbPicture& picture, int quality);
