#pragma once

#include <cstdint>
#include <cstring>

// Little-endian values of the model files, read byte by byte so that neither
// the host's byte order nor the alignment of p matters.

inline uint16_t u16At(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t u32At(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline int32_t i32At(const unsigned char* p) {
    uint32_t bits = u32At(p);
    int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A 32-bit IEEE float.
inline float floatAt(const unsigned char* p) {
    uint32_t bits = u32At(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
