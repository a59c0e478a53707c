#pragma once

#include "formats/geometry/vectors.h"

#include <cstddef>
#include <vector>

// Face normal of one triangle: (p0 - p2) x (p2 - p1), unnormalised (its
// length is twice the triangle's area). It points against the counter-
// clockwise front; computeVertexNormals turns the sum round.
Vector3 faceNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2);

// True when all three corners name a vertex of an array of vertexCount.
bool triangleInRange(const tTriangle& face, size_t vertexCount);

// Smooth per-vertex normals: each vertex gets the normalised, area-weighted
// sum of the face normals of the triangles that use it, pointing out of
// counter-clockwise fronts. A triangle that names a vertex more than once
// counts once for it. Sums are made in triangle order, in one pass over the
// triangles. Triangles naming a vertex outside the array are ignored; a
// vertex with no triangle, or whose sum is zero, gets (0, 0, 0).
std::vector<Vector3> computeVertexNormals(const Vector3* vertices, size_t vertexCount,
                                          const tTriangle* faces, size_t faceCount);
