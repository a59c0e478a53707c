#include "formats/3ds/bitmap_file.h"

#include "common/trace.h"
#include "formats/texture/texture_size_limit.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// Rows of 24-bit pixels as GetDIBits delivers them: padded to 4 bytes.
size_t paddedRowBytes(int width) {
    return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
}

// Copies bottom-up padded BGR rows into unpadded RGB rows.
void unpadRows(const unsigned char* source, int width, int height, unsigned char* destination) {
    size_t sourceRow = paddedRowBytes(width);
    size_t destinationRow = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = source + y * sourceRow;
        unsigned char* out = destination + y * destinationRow;
        for (int x = 0; x < width; ++x) {
            out[x * 3] = in[x * 3 + 2];
            out[x * 3 + 1] = in[x * 3 + 1];
            out[x * 3 + 2] = in[x * 3];
        }
    }
}

// Width and height of the bitmap (height positive: rows bottom-up).
bool bitmapSize(HDC deviceContext, HBITMAP bitmap, int& width, int& height) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biBitCount = 0;
    if (GetDIBits(deviceContext, bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS) == 0)
        return false;
    width = info.bmiHeader.biWidth;
    height = std::abs(info.bmiHeader.biHeight);
    return textureSizeAcceptable(width, height);
}

bool readPixels(HDC deviceContext, HBITMAP bitmap, BitmapImage& image) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<unsigned char> padded(paddedRowBytes(image.width) * image.height);
    if (GetDIBits(deviceContext, bitmap, 0, image.height, padded.data(), &info, DIB_RGB_COLORS) ==
        0)
        return false;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height * 3);
    unpadRows(padded.data(), image.width, image.height, image.pixels.data());
    return true;
}

} // namespace

BitmapImage loadBitmapFile(const char* path) {
    BitmapImage image;
    HDC deviceContext = wglGetCurrentDC();
    HANDLE handle =
        LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    HBITMAP bitmap = static_cast<HBITMAP>(handle);
    if (bitmap == nullptr) {
        traceFormat("Bitmap loader could not read %s", path);
        return image;
    }
    if (bitmapSize(deviceContext, bitmap, image.width, image.height))
        image.loaded = readPixels(deviceContext, bitmap, image);
    else
        trace("Bitmap size not usable as a texture");
    DeleteObject(bitmap);
    if (!image.loaded) {
        image.pixels.clear();
        image.width = 0;
        image.height = 0;
    }
    return image;
}
