#include "formats/geometry/vertex_normals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

// The per-vertex scan over every triangle, step by step as the normals are
// defined: the reference that the one-pass sums must match bit for bit.
std::vector<Vector3> scanNormals(const std::vector<Vector3>& vertices,
                                 const std::vector<tTriangle>& faces) {
    std::vector<Vector3> faceNormals;
    for (const tTriangle& f : faces) {
        Vector3 a = vertices[f.vertIndex[0]].subtract(vertices[f.vertIndex[2]]);
        Vector3 b = vertices[f.vertIndex[2]].subtract(vertices[f.vertIndex[1]]);
        faceNormals.push_back(crossProduct(a, b));
    }
    std::vector<Vector3> normals;
    for (uint32_t i = 0; i < vertices.size(); ++i) {
        Vector3 sum(0, 0, 0);
        int count = 0;
        for (size_t j = 0; j < faces.size(); ++j) {
            const uint32_t* v = faces[j].vertIndex;
            if (v[0] == i || v[1] == i || v[2] == i) {
                sum = sum.add(faceNormals[j]);
                ++count;
            }
        }
        normals.push_back(normalise(divideByScalar(sum, -static_cast<float>(count))));
    }
    return normals;
}

std::vector<Vector3> normalsOf(const std::vector<Vector3>& vertices,
                               const std::vector<tTriangle>& faces) {
    return computeVertexNormals(vertices.data(), vertices.size(), faces.data(), faces.size());
}

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectNear(const Vector3& actual, float x, float y, float z) {
    EXPECT_NEAR(actual.x, x, 1e-6f);
    EXPECT_NEAR(actual.y, y, 1e-6f);
    EXPECT_NEAR(actual.z, z, 1e-6f);
}

TEST(VertexNormals, ASingleCounterClockwiseTriangleFacesPlusZ) {
    std::vector<Vector3> vertices{Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)};
    std::vector<Vector3> normals = normalsOf(vertices, {tTriangle{{0, 1, 2}}});
    ASSERT_EQ(normals.size(), 3u);
    for (const Vector3& n : normals) {
        EXPECT_EQ(n.x, 0.0f);
        EXPECT_EQ(n.y, 0.0f);
        EXPECT_EQ(n.z, 1.0f);
    }
}

// Vertex 0 is shared by a large triangle facing +z and a small one facing
// +x: the normal leans towards the large one by the ratio of their areas.
TEST(VertexNormals, SharedVerticesAreAreaWeighted) {
    std::vector<Vector3> vertices{Vector3(0, 0, 0), Vector3(4, 0, 0), Vector3(0, 4, 0),
                                  Vector3(0, 1, 0), Vector3(0, 0, 1)};
    std::vector<tTriangle> faces{tTriangle{{0, 1, 2}}, tTriangle{{0, 3, 4}}};
    std::vector<Vector3> normals = normalsOf(vertices, faces);
    // Areas 8 and 0.5: the sum is (1, 0, 16).
    float length = std::sqrt(1.0f + 256.0f);
    expectNear(normals[0], 1.0f / length, 0.0f, 16.0f / length);
    expectNear(normals[1], 0, 0, 1);
    expectNear(normals[3], 1, 0, 0);
}

// A triangle naming a vertex twice or with corners in a line adds nothing
// but still counts: the results stay those of the scan, bit for bit.
TEST(VertexNormals, DegenerateTrianglesCountLikeTheScan) {
    std::vector<Vector3> vertices{Vector3(0, 0, 0), Vector3(3, 0, 0), Vector3(0, 3, 0),
                                  Vector3(6, 0, 0), Vector3(1, 2, 0.5f)};
    std::vector<tTriangle> faces{tTriangle{{0, 1, 2}}, tTriangle{{0, 0, 1}}, tTriangle{{2, 4, 0}},
                                 tTriangle{{1, 3, 1}}, tTriangle{{4, 4, 4}}};
    std::vector<Vector3> expected = scanNormals(vertices, faces);
    std::vector<Vector3> normals = normalsOf(vertices, faces);
    for (size_t i : {0, 1, 2, 4}) {
        EXPECT_TRUE(sameBits(normals[i].x, expected[i].x)) << i;
        EXPECT_TRUE(sameBits(normals[i].y, expected[i].y)) << i;
        EXPECT_TRUE(sameBits(normals[i].z, expected[i].z)) << i;
    }
    // Vertex 3 lies only on a degenerate triangle: no direction at all.
    expectNear(normals[3], 0, 0, 0);
}

TEST(VertexNormals, OnePassEqualsTheScanOnARandomMeshBitForBit) {
    std::mt19937 random(20240607);
    std::uniform_real_distribution<float> coordinate(-100.0f, 100.0f);
    std::vector<Vector3> vertices(300);
    for (Vector3& v : vertices)
        v = Vector3(coordinate(random), coordinate(random), coordinate(random));
    std::uniform_int_distribution<uint32_t> vertex(0, 299);
    std::vector<tTriangle> faces(900);
    for (tTriangle& f : faces)
        f = tTriangle{{vertex(random), vertex(random), vertex(random)}};
    faces[10] = tTriangle{{5, 5, 9}};
    std::vector<Vector3> expected = scanNormals(vertices, faces);
    std::vector<Vector3> normals = normalsOf(vertices, faces);
    ASSERT_EQ(normals.size(), expected.size());
    int compared = 0;
    for (size_t i = 0; i < normals.size(); ++i) {
        if (std::isnan(expected[i].x))
            continue; // a vertex that no triangle uses
        ++compared;
        EXPECT_TRUE(sameBits(normals[i].x, expected[i].x)) << "vertex " << i;
        EXPECT_TRUE(sameBits(normals[i].y, expected[i].y)) << "vertex " << i;
        EXPECT_TRUE(sameBits(normals[i].z, expected[i].z)) << "vertex " << i;
    }
    EXPECT_GT(compared, 250);
}

// Where the scan would divide zero by zero, the normal is (0, 0, 0) rather
// than NaN: an unused vertex, a vertex whose face normals cancel, a vertex of
// an object without triangles.
TEST(VertexNormals, VerticesWithoutADirectionGetZero) {
    std::vector<Vector3> vertices{Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0),
                                  Vector3(5, 5, 5)};
    std::vector<tTriangle> faces{tTriangle{{0, 1, 2}}, tTriangle{{0, 2, 1}}};
    std::vector<Vector3> normals = normalsOf(vertices, faces);
    for (const Vector3& n : normals)
        expectNear(n, 0, 0, 0);
    std::vector<Vector3> none = normalsOf(vertices, {});
    ASSERT_EQ(none.size(), 4u);
    expectNear(none[3], 0, 0, 0);
}

TEST(VertexNormals, TrianglesNamingMissingVerticesAreLeftOut) {
    std::vector<Vector3> vertices{Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)};
    std::vector<tTriangle> faces{tTriangle{{0, 3, 1}}, tTriangle{{0, 1, 2}},
                                 tTriangle{{65535, 1, 2}}};
    std::vector<Vector3> normals = normalsOf(vertices, faces);
    for (const Vector3& n : normals)
        expectNear(n, 0, 0, 1);
}

} // namespace
