#pragma once

#include <vector>

// A decoded bitmap: width x height pixels of red, green, blue, bottom row
// first, rows unpadded.
struct BitmapImage {
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
    bool loaded = false; // pixels were delivered
};

// Decodes a Windows bitmap file with the system's bitmap loader (needs the
// current OpenGL context's device context). Builds without that loader
// deliver nothing.
BitmapImage loadBitmapFile(const char* path);
