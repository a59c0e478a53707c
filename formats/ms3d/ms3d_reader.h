#pragma once

#include <cstddef>

class MS3DModel;

// Reads an MS3D file held in memory into an empty model: the header
// ("MS3D000000", version 3 or later), then vertices, triangles, groups and
// materials, each material's texture name resolved against modelPath.
// Whatever follows the materials is not read. Every count is checked against
// the bytes left before anything is allocated, and every vertex, triangle and
// material index against its array: a file that fails a check is rejected
// (false; the arrays read so far stay filled). A texture path too long to
// join leaves its material without a texture.
bool readMS3D(MS3DModel& model, const unsigned char* data, size_t size, const char* modelPath);
