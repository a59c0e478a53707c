#pragma once

#include <cstdint>
#include <vector>

// The default model's texture: a made-up planet (oceans, continents, ice caps
// and clouds) in the equirectangular projection a UV sphere uses: columns run
// once around the sphere from longitude 0, the top row is the north pole.

struct RgbPicture {
    int width;
    int height;
    std::vector<uint8_t> pixels; // rows top first, three bytes red, green, blue
};

RgbPicture planetPicture(int width, int height);
