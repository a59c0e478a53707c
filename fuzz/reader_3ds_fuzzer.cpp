// libFuzzer target: the 3DS chunk walk over arbitrary bytes. Besides the
// sanitizers' checks it holds the reader's own promises: counts equal array
// lengths, one normal per vertex, texts terminated inside their buffers.

#include "common/message_box_record.h"
#include "formats/3ds/reader_3ds.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool terminated(const char* text, size_t size) {
    return std::memchr(text, '\0', size) != nullptr;
}

void checkModel(const tModelData& model) {
    require(model.objectCount == static_cast<int32_t>(model.objects.size()));
    require(model.materialCount == static_cast<int32_t>(model.materials.size()));
    for (const t3DObject& object : model.objects) {
        require(object.vertexCount == static_cast<int32_t>(object.vertices.size()));
        require(object.faceCount == static_cast<int32_t>(object.faces.size()));
        require(object.texCoordCount == static_cast<int32_t>(object.texCoords.size()));
        require(object.normals.size() == object.vertices.size());
        require(object.materialIndex >= 0 &&
                (object.materialIndex == 0 || object.materialIndex < model.materialCount));
        require(terminated(object.name, sizeof object.name));
    }
    for (const tMaterialInfo& material : model.materials) {
        require(terminated(material.name, sizeof material.name));
        require(terminated(material.textureFile, sizeof material.textureFile));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static uint8_t empty = 0;
    std::FILE* stream =
        fmemopen(size > 0 ? const_cast<uint8_t*>(data) : &empty, size > 0 ? size : 1, "rb");
    if (stream == nullptr)
        return 0;
    if (size == 0)
        std::fgetc(stream); // an empty file
    tModelData model;
    Reader3DS reader;
    reader.arrayBudget = size_t{256} << 20; // keeps each run fast and its memory in bounds
    bool imported = reader.importStream(model, stream, "fuzz.3ds");
    std::fclose(stream);
    if (!imported)
        require(model.objects.empty() && model.materials.empty());
    checkModel(model);
    clearRecordedMessageBoxes();
    return 0;
}
