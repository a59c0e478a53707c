// libFuzzer target: the MS3D reader over arbitrary bytes. Besides the
// sanitizers' checks it holds the reader's own promises: counts equal array
// lengths, and an accepted model names only vertices, triangles and
// materials that exist, with texture paths that fit a 260-byte buffer.

#include "formats/ms3d/ms3d_model.h"
#include "formats/ms3d/ms3d_reader.h"

#include <cstdint>

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void checkCounts(const MS3DModel& model) {
    require(model.vertexCount == static_cast<int>(model.vertices.size()));
    require(model.triangleCount == static_cast<int>(model.triangles.size()));
    require(model.groupCount == static_cast<int>(model.groups.size()));
    require(model.materialCount == static_cast<int>(model.materials.size()));
    for (const MS3DGroup& group : model.groups)
        require(group.triangleCount == static_cast<int>(group.triangleIndices.size()));
}

void checkIndices(const MS3DModel& model) {
    for (const MS3DTriangle& triangle : model.triangles)
        for (int vertex : triangle.vertexIndices)
            require(vertex >= 0 && vertex < model.vertexCount);
    for (const MS3DGroup& group : model.groups) {
        require(group.materialIndex < model.materialCount);
        for (int triangle : group.triangleIndices)
            require(triangle >= 0 && triangle < model.triangleCount);
    }
    for (const MS3DMaterial& material : model.materials)
        require(material.textureFile.size() <= 259 && material.texture == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MS3DModel model;
    bool accepted = readMS3D(model, data, size, "C:\\models\\fuzz.ms3d");
    checkCounts(model);
    if (accepted)
        checkIndices(model);
    return 0;
}
