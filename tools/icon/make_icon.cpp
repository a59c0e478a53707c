// Writes the program's icon: a lit, textured-looking sphere in 16, 32, 48 and
// 64 pixel sizes, as 32-bit images with alpha in one .ico file.
//
//   make_icon OUT.ico

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Pixel {
    uint8_t b, g, r, a;
};

void put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Coverage of a pixel by the disc, from 4 x 4 samples, and the sphere's
// colour at the pixel centre: a warm band pattern lit from the upper left.
Pixel spherePixel(int px, int py, int size) {
    const double radius = size * 0.46, centre = size * 0.5;
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            double dx = px + (sx + 0.5) / 4 - centre, dy = py + (sy + 0.5) / 4 - centre;
            inside += dx * dx + dy * dy <= radius * radius;
        }
    if (inside == 0)
        return {0, 0, 0, 0};
    double x = (px + 0.5 - centre) / radius, y = (py + 0.5 - centre) / radius;
    double z = std::sqrt(std::max(0.0, 1 - x * x - y * y));
    double light = std::max(0.0, -0.45 * x - 0.55 * y + 0.70 * z);
    double latitude = std::asin(std::clamp(y, -1.0, 1.0));
    double band = 0.5 + 0.5 * std::sin(latitude * 7.0 + std::atan2(x, z) * 2.0);
    double r = 0.95 * band + 0.10 * (1 - band), g = 0.55 * band + 0.35 * (1 - band),
           b = 0.15 * band + 0.85 * (1 - band);
    double shade = 0.25 + 0.75 * light, highlight = std::pow(light, 24) * 0.8;
    auto channel = [&](double c) {
        return static_cast<uint8_t>(std::lround(std::clamp(c * shade + highlight, 0.0, 1.0) * 255));
    };
    return {channel(b), channel(g), channel(r), static_cast<uint8_t>(inside * 255 / 16)};
}

// One icon image: BITMAPINFOHEADER (double height), bottom-up BGRA rows and
// an all-zero AND mask (alpha decides).
std::vector<uint8_t> iconImage(int size) {
    std::vector<uint8_t> out;
    put32(out, 40);
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            Pixel p = spherePixel(x, y, size);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    int maskRow = ((size + 31) / 32) * 4;
    out.insert(out.end(), static_cast<size_t>(maskRow * size), 0);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUT.ico\n");
        return 2;
    }
    const int sizes[] = {16, 32, 48, 64};
    std::vector<std::vector<uint8_t>> images;
    for (int size : sizes)
        images.push_back(iconImage(size));
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 4);
    uint32_t offset = 6 + 16 * 4;
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(sizes[i]));
        out.push_back(static_cast<uint8_t>(sizes[i]));
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr || std::fwrite(out.data(), 1, out.size(), file) != out.size()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fclose(file);
    return 0;
}
