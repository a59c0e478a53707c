#include "formats/ms3d/ms3d_model.h"

#include "common/file_open.h"
#include "common/trace.h"
#include "formats/ms3d/ms3d_reader.h"

#include <cstdio>

namespace {

// No model needs more: the format's counts allow about 1 MB of vertices,
// 5 MB of triangles and groups of 128 KiB each. Bytes past this are not read
// (a model that reaches into them is rejected as cut short).
constexpr long maxFileBytes = 1L << 30;

// The file's bytes, at most maxFileBytes of them; false when it cannot be
// opened or read.
bool readModelFile(const char* path, std::vector<unsigned char>& bytes) {
    std::FILE* inputFile = openFileForReading(path);
    if (inputFile == nullptr)
        return false;
    long size = -1;
    if (std::fseek(inputFile, 0, SEEK_END) == 0)
        size = std::ftell(inputFile);
    bool read = size >= 0 && std::fseek(inputFile, 0, SEEK_SET) == 0;
    if (read) {
        if (size > maxFileBytes)
            trace("MS3D: file larger than 1 GiB, only its start is read");
        bytes.resize(static_cast<size_t>(size < maxFileBytes ? size : maxFileBytes));
        read = std::fread(bytes.data(), 1, bytes.size(), inputFile) == bytes.size();
    }
    std::fclose(inputFile);
    return read;
}

} // namespace

MS3DModel::~MS3DModel() {
    for (MS3DGroup& group : groups)
        std::vector<int>().swap(group.triangleIndices);
    for (MS3DMaterial& material : materials)
        std::string().swap(material.textureFile);
    std::vector<MS3DGroup>().swap(groups);
    std::vector<MS3DMaterial>().swap(materials);
    std::vector<MS3DTriangle>().swap(triangles);
    std::vector<MS3DVertex>().swap(vertices);
    groupCount = materialCount = triangleCount = vertexCount = 0;
}

bool MS3DModel::load(const char* path) {
    std::vector<unsigned char> file;
    if (!readModelFile(path, file) || !readMS3D(*this, file.data(), file.size(), path))
        return false;
    loadTextures();
    return true;
}
