#pragma once

// Largest picture taken as a texture, checked before any pixel memory is
// allocated: at most 16384 pixels on a side and 64 Mi pixels in all
// (a 192 MiB RGB buffer).
constexpr long long maxTextureSide = 16384;
constexpr long long maxTexturePixels = 8192LL * 8192LL;

inline bool textureSizeAcceptable(long long width, long long height) {
    return width > 0 && height > 0 && width <= maxTextureSide && height <= maxTextureSide &&
           width * height <= maxTexturePixels;
}
