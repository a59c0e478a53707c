#pragma once

#include <cstdint>

// Position or normal: three single-precision components. Default
// construction leaves them unset.
struct Vector3 {
    float x;
    float y;
    float z;

    Vector3() = default;
    Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

    Vector3 subtract(const Vector3& other) const;
    Vector3 add(const Vector3& other) const;
};

// Texture coordinate.
struct Vector2 {
    float u;
    float v;
};

// One face: three positions in the owning object's vertex array, in the
// file's corner order.
struct tTriangle {
    uint32_t vertIndex[3];
};

Vector3 crossProduct(const Vector3& a, const Vector3& b);
float magnitude(const Vector3& v);
// Divides by the magnitude without any guard against a zero length.
Vector3 normalise(const Vector3& v);
Vector3 divideByScalar(const Vector3& v, float s);
