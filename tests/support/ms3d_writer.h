#pragma once

// A small writer of MS3D files for tests, benchmarks and fuzz seeds.
//   Ms3dFile file = ms3dQuad("skin.jpg");
//   file.version = 3;
//   writeBytes(path, ms3dBytes(file));

#include "tests/support/chunk_writer_3ds.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Ms3dVertexSpec {
    float x = 0, y = 0, z = 0;
    int8_t bone = -1;
};

struct Ms3dTriangleSpec {
    std::array<uint16_t, 3> vertices{};
    std::array<std::array<float, 3>, 3> normals{{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}};
    std::array<float, 3> s{};
    std::array<float, 3> t{}; // as stored: 0 is the picture's top line
};

struct Ms3dGroupSpec {
    std::string name;
    std::vector<uint16_t> triangles;
    int8_t material = -1;
};

struct Ms3dMaterialSpec {
    std::string name;
    std::array<float, 4> ambient{{0.2f, 0.2f, 0.2f, 1}};
    std::array<float, 4> diffuse{{0.8f, 0.8f, 0.8f, 1}};
    std::array<float, 4> specular{{0, 0, 0, 1}};
    std::array<float, 4> emissive{{0, 0, 0, 1}};
    float shininess = 0;
    std::string texture; // written into its 128-byte field, cut there
    std::string alphaMap;
};

struct Ms3dFile {
    std::string identifier = "MS3D000000"; // its first ten characters are written
    int32_t version = 4;
    std::vector<Ms3dVertexSpec> vertices;
    std::vector<Ms3dTriangleSpec> triangles;
    std::vector<Ms3dGroupSpec> groups;
    std::vector<Ms3dMaterialSpec> materials;
    Bytes trailing; // what a file may carry after the materials
};

Bytes ms3dBytes(const Ms3dFile& file);

// Byte offsets of the parts' counts in the file ms3dBytes writes, and of the
// end of the materials (where the trailing bytes begin).
struct Ms3dLayout {
    size_t vertexCount, triangleCount, groupCount, materialCount, end;
};
Ms3dLayout ms3dLayout(const Ms3dFile& file);

// A square of two triangles over x, y in [left, right] x [bottom, top] at z 0,
// facing +z, with s 0..1 from left to right and t as stored 0 at the top and
// 1 at the bottom, so the picture shows upright.
void addMs3dSquare(Ms3dFile& file, float left, float right, float bottom, float top,
                   int8_t material);

// One square over [-0.5, 0.5] in one group with one material naming texture.
Ms3dFile ms3dQuad(const std::string& texture);

// A flat grid of vertexCount vertices and triangleCount triangles in one
// group without a material.
Ms3dFile ms3dGrid(int vertexCount, int triangleCount);
