#include "formats/geometry/vectors.h"

#include <cmath>

Vector3 Vector3::subtract(const Vector3& other) const {
    return Vector3(x - other.x, y - other.y, z - other.z);
}

Vector3 Vector3::add(const Vector3& other) const {
    return Vector3(x + other.x, y + other.y, z + other.z);
}

Vector3 crossProduct(const Vector3& a, const Vector3& b) {
    return Vector3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

float magnitude(const Vector3& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vector3 normalise(const Vector3& v) {
    float length = magnitude(v);
    return Vector3(v.x / length, v.y / length, v.z / length);
}

Vector3 divideByScalar(const Vector3& v, float s) {
    return Vector3(v.x / s, v.y / s, v.z / s);
}
