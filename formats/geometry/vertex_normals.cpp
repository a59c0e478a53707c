#include "formats/geometry/vertex_normals.h"

#include <cstdint>

Vector3 faceNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2) {
    Vector3 a = p0.subtract(p2);
    Vector3 b = p2.subtract(p1);
    return crossProduct(a, b);
}

bool triangleInRange(const tTriangle& face, size_t vertexCount) {
    return face.vertIndex[0] < vertexCount && face.vertIndex[1] < vertexCount &&
           face.vertIndex[2] < vertexCount;
}

namespace {

struct NormalSum {
    Vector3 sum{0.0f, 0.0f, 0.0f};
    uint32_t count = 0;
};

void addToVertex(NormalSum& entry, const Vector3& normal) {
    entry.sum = entry.sum.add(normal);
    entry.count += 1;
}

void addFace(std::vector<NormalSum>& sums, const tTriangle& face, const Vector3& normal) {
    uint32_t a = face.vertIndex[0];
    uint32_t b = face.vertIndex[1];
    uint32_t c = face.vertIndex[2];
    addToVertex(sums[a], normal);
    if (b != a)
        addToVertex(sums[b], normal);
    if (c != a && c != b)
        addToVertex(sums[c], normal);
}

Vector3 finishNormal(const NormalSum& entry) {
    if (entry.count == 0)
        return Vector3(0.0f, 0.0f, 0.0f);
    Vector3 average = divideByScalar(entry.sum, -static_cast<float>(entry.count));
    if (magnitude(average) == 0.0f)
        return Vector3(0.0f, 0.0f, 0.0f);
    return normalise(average);
}

} // namespace

std::vector<Vector3> computeVertexNormals(const Vector3* vertices, size_t vertexCount,
                                          const tTriangle* faces, size_t faceCount) {
    std::vector<NormalSum> sums(vertexCount);
    for (size_t j = 0; j < faceCount; ++j) {
        const tTriangle& face = faces[j];
        if (!triangleInRange(face, vertexCount))
            continue;
        Vector3 normal = faceNormal(vertices[face.vertIndex[0]], vertices[face.vertIndex[1]],
                                    vertices[face.vertIndex[2]]);
        addFace(sums, face, normal);
    }
    std::vector<Vector3> normals(vertexCount);
    for (size_t i = 0; i < vertexCount; ++i)
        normals[i] = finishNormal(sums[i]);
    return normals;
}
