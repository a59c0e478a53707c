#pragma once

#include "formats/geometry/vectors.h"

#include <cstdint>
#include <vector>

// One mesh of a 3DS model. Counts are the file's; each array is owned by the
// object and holds as many entries as its count (until release).
struct t3DObject {
    int32_t vertexCount = 0;
    int32_t faceCount = 0;
    int32_t texCoordCount = 0;
    int32_t materialIndex = 0; // index in tModelData::materials
    bool hasTexture = false;   // a material group named a textured material
    char name[255] = {};
    std::vector<Vector3> vertices;
    std::vector<Vector3> normals;   // one per vertex, computed after the file is read
    std::vector<Vector2> texCoords; // one per vertex, indexed like the vertices
    std::vector<tTriangle> faces;
};

struct tMaterialInfo {
    char name[255] = {};
    char textureFile[255] = {}; // empty without a texture map
    uint8_t colour[3] = {};     // diffuse red, green, blue
};

// Everything one 3DS file holds for drawing. A count always equals the length
// of its array.
struct tModelData {
    int32_t objectCount = 0;
    int32_t materialCount = 0;
    std::vector<tMaterialInfo> materials;
    std::vector<t3DObject> objects;
};
