// Writes the banner of the configuration and About dialogs: 282 x 78 pixels,
// 24 bits per pixel, an uncompressed BMP. A night-blue gradient with a lit,
// banded sphere on the left (the look of the program's icon), the product
// name in a bold face with a soft shadow, an accent line and a subtitle.
//
//   make_banner BOLD.ttf REGULAR.ttf OUT.bmp
//
// Debian's DejaVu Sans Bold and DejaVu Sans are the faces the build uses.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int width = 282;
constexpr int height = 78;

struct Colour {
    double r, g, b; // 0 to 1
};

// Coverage of one text run, 0 to 1 per pixel, the size of the banner.
using Coverage = std::vector<double>;

struct Image {
    std::vector<Colour> pixels = std::vector<Colour>(width * height);
    Colour& at(int x, int y) { return pixels[y * width + x]; }
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Deep blue at the top left to a lighter steel blue at the bottom right, with
// a warm glow behind the sphere.
void paintBackground(Image& image) {
    const Colour top{0.04, 0.07, 0.20}, bottom{0.10, 0.30, 0.52}, glow{0.95, 0.55, 0.18};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double t = std::clamp(0.75 * y / (height - 1) + 0.25 * x / (width - 1), 0.0, 1.0);
            Colour c = mix(top, bottom, t * t * (3 - 2 * t));
            double dx = (x - 40.0) / 60.0, dy = (y - 39.0) / 45.0;
            double g = std::exp(-(dx * dx + dy * dy) * 2.2) * 0.22;
            image.at(x, y) = mix(c, glow, g);
        }
}

// The sphere of the icon: warm bands lit from the upper left, anti-aliased
// with 4 x 4 samples per pixel.
void paintSphere(Image& image, double centreX, double centreY, double radius) {
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    double dx = px + (sx + 0.5) / 4 - centreX, dy = py + (sy + 0.5) / 4 - centreY;
                    inside += dx * dx + dy * dy <= radius * radius;
                }
            if (inside == 0)
                continue;
            double x = (px + 0.5 - centreX) / radius, y = (py + 0.5 - centreY) / radius;
            double z = std::sqrt(std::max(0.0, 1 - x * x - y * y));
            double light = std::max(0.0, -0.45 * x - 0.55 * y + 0.70 * z);
            double latitude = std::asin(std::clamp(y, -1.0, 1.0));
            double band = 0.5 + 0.5 * std::sin(latitude * 7.0 + std::atan2(x, z) * 2.0);
            Colour base = mix({0.10, 0.35, 0.85}, {0.95, 0.55, 0.15}, band);
            double shade = 0.25 + 0.75 * light, highlight = std::pow(light, 24) * 0.8;
            Colour lit{std::min(1.0, base.r * shade + highlight),
                       std::min(1.0, base.g * shade + highlight),
                       std::min(1.0, base.b * shade + highlight)};
            image.at(px, py) = mix(image.at(px, py), lit, inside / 16.0);
        }
}

// Pixel width of the text at the face's current size, kerning included.
int measure(FT_Face face, const std::string& text) {
    FT_Pos pen = 0;
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (previous != 0 && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0)
            pen += face->glyph->advance.x;
        previous = glyph;
    }
    return static_cast<int>((pen + 63) >> 6);
}

// Renders the text with its baseline at y, starting at x.
Coverage render(FT_Face face, const std::string& text, int x, int baseline) {
    Coverage coverage(width * height, 0.0);
    FT_Pos pen = static_cast<FT_Pos>(x) << 6;
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (previous != 0 && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        previous = glyph;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        int left = static_cast<int>((pen + 32) >> 6) + slot->bitmap_left;
        int top = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                int px = left + static_cast<int>(column), py = top + static_cast<int>(row);
                if (px < 0 || py < 0 || px >= width || py >= height)
                    continue;
                double a = bitmap.buffer[row * bitmap.pitch + column] / 255.0;
                double& cell = coverage[py * width + px];
                cell = std::min(1.0, cell + a);
            }
        pen += slot->advance.x;
    }
    return coverage;
}

// A 3 x 3 box blur, moved by (dx, dy): the text's soft shadow.
Coverage shadowOf(const Coverage& coverage, int dx, int dy) {
    Coverage shadow(width * height, 0.0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sum = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) {
                    int sx = x - dx + i, sy = y - dy + j;
                    if (sx >= 0 && sy >= 0 && sx < width && sy < height)
                        sum += coverage[sy * width + sx];
                }
            shadow[y * width + x] = sum / 9;
        }
    return shadow;
}

// Paints the coverage in a colour that runs from `top` to `bottom` between
// the rows y0 and y1.
void paint(Image& image, const Coverage& coverage, Colour top, Colour bottom, int y0, int y1,
           double opacity) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double a = coverage[y * width + x] * opacity;
            if (a <= 0)
                continue;
            double t = std::clamp(static_cast<double>(y - y0) / (y1 - y0), 0.0, 1.0);
            image.at(x, y) = mix(image.at(x, y), mix(top, bottom, t), a);
        }
}

// A one-pixel accent line that fades out towards the right.
void paintAccent(Image& image, int x0, int x1, int y) {
    const Colour accent{0.98, 0.62, 0.20};
    for (int x = x0; x <= x1; ++x) {
        double t = static_cast<double>(x - x0) / (x1 - x0);
        image.at(x, y) = mix(image.at(x, y), accent, 0.9 * (1 - t) * (1 - t));
    }
}

void put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// BITMAPFILEHEADER, BITMAPINFOHEADER, then bottom-up BGR rows padded to 4 bytes.
std::vector<uint8_t> encodeBmp(const Image& image) {
    const uint32_t rowSize = (width * 3 + 3) & ~3u, imageSize = rowSize * height;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 14 + 40 + imageSize);
    put32(out, 0);
    put32(out, 14 + 40);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    auto channel = [](double c) {
        return static_cast<uint8_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255));
    };
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Colour& c = image.pixels[y * width + x];
            out.insert(out.end(), {channel(c.b), channel(c.g), channel(c.r)});
        }
        out.insert(out.end(), rowSize - width * 3, 0);
    }
    return out;
}

// The largest pixel size, at most `largest`, at which the text fits the width.
void fitText(FT_Face face, const std::string& text, int available, int largest) {
    for (int size = largest; size > 6; --size) {
        FT_Set_Pixel_Sizes(face, 0, size);
        if (measure(face, text) <= available)
            return;
    }
}

bool drawBanner(const char* boldPath, const char* regularPath, Image& image) {
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "make_banner: FreeType could not be initialised\n");
        return false;
    }
    FT_Face bold = nullptr, regular = nullptr;
    if (FT_New_Face(library, boldPath, 0, &bold) != 0 ||
        FT_New_Face(library, regularPath, 0, &regular) != 0) {
        std::fprintf(stderr,
                     "make_banner: cannot open the faces %s and %s; install fonts-dejavu-core "
                     "or name other TrueType files\n",
                     boldPath, regularPath);
        FT_Done_FreeType(library);
        return false;
    }
    const int textLeft = 86, textRight = 274;
    paintBackground(image);
    paintSphere(image, 43.5, 39.5, 29.0);

    const std::string title = "QuenlowSaver";
    fitText(bold, title, textRight - textLeft, 30);
    Coverage titleCoverage = render(bold, title, textLeft, 42);
    paint(image, shadowOf(titleCoverage, 1, 2), {0, 0, 0}, {0, 0, 0}, 0, 1, 0.6);
    paint(image, titleCoverage, {1.0, 1.0, 1.0}, {1.0, 0.86, 0.62}, 20, 42, 1.0);

    paintAccent(image, textLeft, textRight, 49);

    const std::string subtitle = "3D model screen saver";
    FT_Set_Pixel_Sizes(regular, 0, 12);
    paint(image, render(regular, subtitle, textLeft + 1, 64), {0.72, 0.82, 0.95},
          {0.72, 0.82, 0.95}, 0, 1, 1.0);

    FT_Done_Face(bold);
    FT_Done_Face(regular);
    FT_Done_FreeType(library);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_banner BOLD.ttf REGULAR.ttf OUT.bmp\n");
        return 2;
    }
    Image image;
    if (!drawBanner(argv[1], argv[2], image))
        return 1;
    std::vector<uint8_t> bytes = encodeBmp(image);
    std::FILE* file = std::fopen(argv[3], "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::fprintf(stderr, "make_banner: cannot write %s; check that its folder exists\n",
                     argv[3]);
        if (file != nullptr)
            std::fclose(file);
        return 1;
    }
    std::fclose(file);
    std::printf("make_banner: wrote %s (%d x %d, 24 bits)\n", argv[3], width, height);
    return 0;
}
