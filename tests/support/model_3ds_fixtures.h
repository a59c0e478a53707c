#pragma once

// 3DS files for tests, benchmarks and fuzz seeds, shaped like the files that
// 3D Studio writes (with the chunks the reader skips).

#include "formats/geometry/vectors.h"
#include "tests/support/chunk_writer_3ds.h"

#include <string>
#include <vector>

struct Mesh {
    std::vector<Vector3> vertices;
    std::vector<Vector2> texCoords; // one per vertex
    std::vector<tTriangle> faces;   // counter-clockwise seen from outside
};

// A UV sphere around the origin, y up: (rings + 1) x (segments + 1) vertices
// (the seam repeated for the texture; v = 1 at the top), two triangles per
// cell except one at each pole.
Mesh sphereMesh(int rings, int segments, float radius);

// The default model's sizes: 529 vertices and coordinates, 614 triangles
// (a 22 x 22 sphere whose last triangles, round the south pole, are left out).
Mesh defaultSizedMesh(float radius = 60.0f);

// A flat columns x rows grid in the plane z = 0 facing +z, with at most
// maxTriangles triangles.
Mesh gridMesh(int columns, int rows, int maxTriangles, float spacing = 1.0f);

struct MaterialSpec {
    std::string name;
    uint8_t red, green, blue;
    std::string textureFile; // empty: no texture map
};

Chunk vertexListChunk(const std::vector<Vector3>& vertices);
Chunk texCoordListChunk(const std::vector<Vector2>& texCoords);
// 0x4130: the material name and a face list naming every face.
Chunk materialGroupChunk(const std::string& material, size_t faceCount);
Chunk faceListChunk(const std::vector<tTriangle>& faces, std::vector<Chunk> subChunks);
// 0x4000 > 0x4100 > vertices, coordinates (when any), axes, faces with one
// material group (when material is not empty) and smoothing groups.
Chunk objectChunk(const std::string& name, const Mesh& mesh, const std::string& material);
// 0xAFFF with name, ambient, diffuse (0x0011 and 0x0012), specular and the
// other properties, and a texture map 0xA200 when textureFile is set.
Chunk materialChunk(const MaterialSpec& material);
MaterialSpec defaultMaterial(); // "01 - Default", 150/150/150, "QUENLOW.JPG"

// 0x4D4D > 0x0002 (version), 0x3D3D (0x3D3E meshVersion, then the given
// chunks), 0xB000.
Chunk modelFileChunk(std::vector<Chunk> editorChunks, uint32_t version = 3,
                     uint32_t meshVersion = 3);

// A file like "Quenlow.3DS": material "01 - Default" and object "Sphere01".
Bytes defaultShapedModel(uint32_t version = 3, uint32_t meshVersion = 3);

// Two objects of 65,000 vertices and 64,000 triangles, one textured material.
Bytes largeModel();
