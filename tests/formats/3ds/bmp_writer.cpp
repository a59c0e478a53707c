#include "tests/formats/3ds/bmp_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

size_t paddedRow(size_t bytes) {
    return (bytes + 3) & ~static_cast<size_t>(3);
}

// BITMAPFILEHEADER and BITMAPINFOHEADER (40 bytes, BI_RGB).
Bytes headers(int width, int height, int bitCount, uint32_t paletteEntries, size_t pixelBytes) {
    uint32_t offset = 14 + 40 + paletteEntries * 4;
    Bytes out{'B', 'M'};
    put32(out, static_cast<uint32_t>(offset + pixelBytes));
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<uint32_t>(bitCount));
    put32(out, 0); // BI_RGB
    put32(out, static_cast<uint32_t>(pixelBytes));
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, paletteEntries);
    put32(out, 0);
    return out;
}

const uint8_t* pixelAt(const RgbPicture& picture, int x, int bottomUpRow) {
    return &picture.rgb[(static_cast<size_t>(bottomUpRow) * picture.width + x) * 3];
}

} // namespace

RgbPicture patternPicture(int width, int height, bool grey) {
    RgbPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t red = static_cast<uint8_t>(17 + 31 * x + 7 * y);
            uint8_t green = grey ? red : static_cast<uint8_t>(200 - 37 * y + 3 * x);
            uint8_t blue = grey ? red : static_cast<uint8_t>(90 + 53 * x * y + 11 * x);
            picture.rgb.insert(picture.rgb.end(), {red, green, blue});
        }
    }
    return picture;
}

RgbPicture solidPicture(int width, int height, const uint8_t colour[3]) {
    RgbPicture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        picture.rgb.insert(picture.rgb.end(), colour, colour + 3);
    return picture;
}

Bytes bmp24(const RgbPicture& picture, bool topDown) {
    size_t row = paddedRow(static_cast<size_t>(picture.width) * 3);
    int storedHeight = topDown ? -picture.height : picture.height;
    Bytes out = headers(picture.width, storedHeight, 24, 0, row * picture.height);
    for (int stored = 0; stored < picture.height; ++stored) {
        int y = topDown ? picture.height - 1 - stored : stored;
        Bytes bytes;
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = pixelAt(picture, x, y);
            bytes.insert(bytes.end(), {p[2], p[1], p[0]});
        }
        bytes.resize(row, 0);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

Bytes bmp8Grey(const RgbPicture& picture) {
    size_t row = paddedRow(static_cast<size_t>(picture.width));
    Bytes out = headers(picture.width, picture.height, 8, 256, row * picture.height);
    for (uint32_t level = 0; level < 256; ++level)
        put32(out, level * 0x010101);
    for (int y = 0; y < picture.height; ++y) {
        Bytes bytes;
        for (int x = 0; x < picture.width; ++x)
            bytes.push_back(pixelAt(picture, x, y)[0]);
        bytes.resize(row, 0);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}
