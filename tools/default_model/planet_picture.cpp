#include "tools/default_model/planet_picture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};

Colour mix(const Colour& a, const Colour& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double smoothstep(double edge0, double edge1, double x) {
    double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A value in [0, 1) for an integer lattice point and a seed.
double latticeValue(int x, int y, int z, uint32_t seed) {
    uint32_t h = seed;
    for (uint32_t part :
         {static_cast<uint32_t>(x), static_cast<uint32_t>(y), static_cast<uint32_t>(z)}) {
        h ^= part + 0x9E3779B9u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
    }
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.0;
}

// Smoothly interpolated value noise in three dimensions, in [0, 1).
double valueNoise(double x, double y, double z, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    double tx = x - fx, ty = y - fy, tz = z - fz;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    tz = tz * tz * (3 - 2 * tz);
    double corners[2][2][2];
    for (int dx = 0; dx < 2; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            for (int dz = 0; dz < 2; ++dz)
                corners[dx][dy][dz] = latticeValue(ix + dx, iy + dy, iz + dz, seed);
    double x00 = corners[0][0][0] + (corners[1][0][0] - corners[0][0][0]) * tx;
    double x10 = corners[0][1][0] + (corners[1][1][0] - corners[0][1][0]) * tx;
    double x01 = corners[0][0][1] + (corners[1][0][1] - corners[0][0][1]) * tx;
    double x11 = corners[0][1][1] + (corners[1][1][1] - corners[0][1][1]) * tx;
    double y0 = x00 + (x10 - x00) * ty, y1 = x01 + (x11 - x01) * ty;
    return y0 + (y1 - y0) * tz;
}

// Fractal sum of octaves, roughly in [0, 1).
double fractalNoise(double x, double y, double z, int octaves, uint32_t seed) {
    double sum = 0, amplitude = 0.5, total = 0, frequency = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * valueNoise(x * frequency, y * frequency, z * frequency, seed + octave);
        total += amplitude;
        amplitude *= 0.5;
        frequency *= 2.03;
    }
    return sum / total;
}

struct SurfacePoint {
    double x, y, z;  // on the unit sphere, z towards the north pole
    double latitude; // radians
};

double elevation(const SurfacePoint& p) {
    // Domain warping gives the continents ragged, flowing outlines.
    double wx = fractalNoise(p.x * 1.3 + 7.1, p.y * 1.3, p.z * 1.3, 3, 11) - 0.5;
    double wy = fractalNoise(p.x * 1.3, p.y * 1.3 + 3.7, p.z * 1.3, 3, 23) - 0.5;
    double wz = fractalNoise(p.x * 1.3, p.y * 1.3, p.z * 1.3 + 5.3, 3, 37) - 0.5;
    return fractalNoise(p.x * 1.6 + wx * 1.4, p.y * 1.6 + wy * 1.4, p.z * 1.6 + wz * 1.4, 7, 101);
}

Colour oceanColour(double depth) {
    const Colour shallow{38, 128, 178}, open{16, 62, 128}, deep{8, 28, 78};
    return depth < 0.06 ? mix(shallow, open, depth / 0.06) : mix(open, deep, (depth - 0.06) / 0.12);
}

Colour landColour(const SurfacePoint& p, double height) {
    const Colour beach{214, 198, 142}, grass{74, 142, 58}, forest{34, 96, 44},
        desert{204, 170, 104}, hills{124, 100, 66}, rock{136, 128, 120}, snow{244, 246, 250};
    double moisture = fractalNoise(p.x * 2.2 + 19, p.y * 2.2, p.z * 2.2, 5, 211);
    // Dry belts around 25 degrees north and south.
    double dryBelt = std::exp(-std::pow((std::fabs(p.latitude) - 0.44) / 0.16, 2));
    Colour low = mix(grass, forest, smoothstep(0.45, 0.62, moisture));
    low = mix(low, desert, smoothstep(0.55, 0.85, dryBelt * 0.8 + (0.5 - moisture) * 2.2 + 0.3));
    Colour c = mix(beach, low, smoothstep(0.0, 0.012, height));
    c = mix(c, hills, smoothstep(0.08, 0.16, height));
    c = mix(c, rock, smoothstep(0.15, 0.2, height));
    return mix(c, snow, smoothstep(0.2, 0.24, height));
}

Colour surfaceColour(const SurfacePoint& p) {
    const double seaLevel = 0.5;
    double height = elevation(p) - seaLevel;
    Colour c = height < 0 ? oceanColour(-height) : landColour(p, height);
    // Ice caps with ragged edges.
    double iceEdge = 1.26 + (fractalNoise(p.x * 4, p.y * 4, p.z * 4, 4, 307) - 0.5) * 0.35;
    c = mix(c, Colour{236, 242, 248},
            smoothstep(iceEdge - 0.03, iceEdge + 0.03, std::fabs(p.latitude)));
    // Clouds: swirled bands, thinner near the equator.
    double swirl = fractalNoise(p.x * 3 + 41, p.y * 3, p.z * 3, 3, 401);
    double clouds = fractalNoise(p.x * 2.6 + swirl * 1.6, p.y * 2.6 - swirl, p.z * 5.5, 6, 503);
    double cover = smoothstep(0.56, 0.72, clouds) * 0.8;
    return mix(c, Colour{250, 250, 252}, cover);
}

uint8_t channel(double value) {
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

} // namespace

RgbPicture planetPicture(int width, int height) {
    RgbPicture picture{width, height,
                       std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    for (int row = 0; row < height; ++row) {
        double latitude = PI / 2 - (row + 0.5) / height * PI;
        for (int column = 0; column < width; ++column) {
            double longitude = (column + 0.5) / width * 2 * PI;
            SurfacePoint p{std::cos(latitude) * std::cos(longitude),
                           std::cos(latitude) * std::sin(longitude), std::sin(latitude), latitude};
            Colour c = surfaceColour(p);
            uint8_t* out = &picture.pixels[(static_cast<size_t>(row) * width + column) * 3];
            out[0] = channel(c.r);
            out[1] = channel(c.g);
            out[2] = channel(c.b);
        }
    }
    return picture;
}
