#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The default model as a version-3 3DS file: one UV sphere "Sphere01" with a
// texture coordinate per vertex, whose one material "01 - Default" (diffuse
// 150, 150, 150) maps the texture `textureName`.

struct SphereShape {
    double radius;
    int segments; // around the Z axis
    int rings;    // from the south pole to the north pole
};

std::vector<uint8_t> sphereModel3ds(const SphereShape& shape, const std::string& textureName);
