#include "formats/3ds/model_3ds.h"

#include "common/trace.h"
#include "formats/3ds/material_texture.h"

#include <vector>

Model3DS::Model3DS() : textures() {}

bool Model3DS::load(const char* path) {
    bool imported = reader.importModel(data, path);
    for (int i = 0; i < data.materialCount; ++i) {
        const tMaterialInfo& material = data.materials[i];
        if (material.textureFile[0] == '\0')
            continue;
        if (i >= textureSlots) {
            traceFormat("3DS: No texture slot for material %d, texture dropped", i);
            continue;
        }
        loadMaterialTexture(textures, material.textureFile, i, path);
    }
    return imported;
}

namespace {

template <typename T> void freeArray(std::vector<T>& array) {
    std::vector<T>().swap(array);
}

} // namespace

void Model3DS::release() {
    for (t3DObject& object : data.objects) {
        freeArray(object.faces);
        freeArray(object.normals);
        freeArray(object.vertices);
        freeArray(object.texCoords);
    }
}
