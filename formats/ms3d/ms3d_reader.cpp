#include "formats/ms3d/ms3d_reader.h"

#include "common/byte_cursor.h"
#include "common/trace.h"
#include "formats/ms3d/ms3d_model.h"
#include "formats/ms3d/ms3d_texture_path.h"

#include <cstring>

namespace {

constexpr char identifier[10] = {'M', 'S', '3', 'D', '0', '0', '0', '0', '0', '0'};
constexpr size_t headerSize = 14;
constexpr size_t vertexSize = 15;
constexpr size_t triangleSize = 70;
constexpr size_t groupHeadSize = 35; // flags, name, triangle count
constexpr size_t smallestGroupSize = groupHeadSize + 1;
constexpr size_t materialSize = 361;
constexpr size_t textureNameOffset = 105;
constexpr size_t textureNameField = 128;

void readFloats(const unsigned char* p, float* out, int count) {
    for (int i = 0; i < count; ++i)
        out[i] = floatAt(p + 4 * i);
}

// Reads a count and checks that that many records of at least recordSize
// bytes fit in what is left.
bool readCount(ByteCursor& in, size_t recordSize, const char* what, int& count) {
    uint16_t value = 0;
    if (!in.readU16(value) || !in.holds(value, recordSize)) {
        traceFormat("MS3D: file ends inside its %s", what);
        return false;
    }
    count = value;
    return true;
}

bool readHeader(ByteCursor& in) {
    const unsigned char* p = in.take(headerSize);
    return p != nullptr && std::memcmp(p, identifier, sizeof identifier) == 0 && i32At(p + 10) >= 3;
}

bool readVertices(ByteCursor& in, MS3DModel& model) {
    if (!readCount(in, vertexSize, "vertices", model.vertexCount))
        return false;
    model.vertices.resize(model.vertexCount);
    for (MS3DVertex& vertex : model.vertices) {
        const unsigned char* p = in.take(vertexSize);
        readFloats(p + 1, vertex.point, 3);
        vertex.boneIndex = static_cast<signed char>(p[13]);
    }
    return true;
}

bool readTriangle(const unsigned char* p, int vertexCount, MS3DTriangle& triangle) {
    readFloats(p + 8, &triangle.normals[0][0], 9);
    readFloats(p + 44, triangle.s, 3);
    readFloats(p + 56, triangle.t, 3);
    for (int corner = 0; corner < 3; ++corner) {
        triangle.t[corner] = 1.0f - triangle.t[corner];
        triangle.vertexIndices[corner] = u16At(p + 2 + 2 * corner);
        if (triangle.vertexIndices[corner] >= vertexCount) {
            traceFormat("MS3D: a triangle names vertex %d of %d", triangle.vertexIndices[corner],
                        vertexCount);
            return false;
        }
    }
    return true;
}

bool readTriangles(ByteCursor& in, MS3DModel& model) {
    if (!readCount(in, triangleSize, "triangles", model.triangleCount))
        return false;
    model.triangles.resize(model.triangleCount);
    for (MS3DTriangle& triangle : model.triangles)
        if (!readTriangle(in.take(triangleSize), model.vertexCount, triangle))
            return false;
    return true;
}

bool readGroup(ByteCursor& in, int triangleCount, MS3DGroup& group) {
    in.take(groupHeadSize - 2); // flags and name
    uint16_t count = 0;
    int8_t material = 0;
    if (!in.readU16(count) || !in.holds(count, 2) || in.remaining() - count * size_t{2} < 1) {
        trace("MS3D: file ends inside a group");
        return false;
    }
    group.triangleCount = count;
    group.triangleIndices.resize(count);
    for (int& index : group.triangleIndices) {
        index = u16At(in.take(2));
        if (index >= triangleCount) {
            traceFormat("MS3D: a group names triangle %d of %d", index, triangleCount);
            return false;
        }
    }
    in.readI8(material);
    group.materialIndex = material;
    return true;
}

bool readGroups(ByteCursor& in, MS3DModel& model) {
    if (!readCount(in, smallestGroupSize, "groups", model.groupCount))
        return false;
    model.groups.resize(model.groupCount);
    for (MS3DGroup& group : model.groups)
        if (!in.holds(1, smallestGroupSize) || !readGroup(in, model.triangleCount, group))
            return false;
    return true;
}

void readMaterial(const unsigned char* p, const char* modelPath, MS3DMaterial& material) {
    readFloats(p + 32, material.ambient, 4);
    readFloats(p + 48, material.diffuse, 4);
    readFloats(p + 64, material.specular, 4);
    readFloats(p + 80, material.emissive, 4);
    material.shininess = floatAt(p + 96);
    const char* name = reinterpret_cast<const char*>(p + textureNameOffset);
    const void* end = std::memchr(name, '\0', textureNameField);
    std::string stored(name,
                       end != nullptr ? static_cast<const char*>(end) - name : textureNameField);
    if (!resolveTexturePath(modelPath, stored, material.textureFile)) {
        traceFormat("MS3D: texture path too long, texture dropped: %s", stored.c_str());
        material.textureFile.clear();
    }
}

bool readMaterials(ByteCursor& in, MS3DModel& model, const char* modelPath) {
    if (!readCount(in, materialSize, "materials", model.materialCount))
        return false;
    model.materials.resize(model.materialCount);
    for (MS3DMaterial& material : model.materials)
        readMaterial(in.take(materialSize), modelPath, material);
    return true;
}

bool materialIndicesValid(const MS3DModel& model) {
    for (const MS3DGroup& group : model.groups) {
        if (group.materialIndex >= model.materialCount) {
            traceFormat("MS3D: a group names material %d of %d", group.materialIndex,
                        model.materialCount);
            return false;
        }
    }
    return true;
}

} // namespace

bool readMS3D(MS3DModel& model, const unsigned char* data, size_t size, const char* modelPath) {
    ByteCursor in(data, size);
    return readHeader(in) && readVertices(in, model) && readTriangles(in, model) &&
           readGroups(in, model) && readMaterials(in, model, modelPath) &&
           materialIndicesValid(model);
}
