#pragma once

#include "formats/3ds/model_data.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

// A chunk's header and how many of its bytes (header included) were read.
struct tChunkHeader {
    uint16_t id = 0;
    uint32_t length = 0;
    uint32_t consumed = 0;
};

// Reads a 3DS file's chunk tree into tModelData and computes the vertex
// normals. Lengths are trusted only as far as the bytes actually read: the
// end of the file ends the import (keeping what was read), no chunk gives up
// more than its declared length, and nesting is bounded.
class Reader3DS {
  public:
    // False when the file cannot be opened or does not start with the main
    // chunk (the latter with an error box).
    bool importModel(tModelData& model, const char* path);

    // The same walk over an open stream, which the caller closes. path is
    // only used in messages.
    bool importStream(tModelData& model, std::FILE* stream, const char* path);

    // Container chunks nested deeper than this are skipped whole.
    static constexpr int maxNesting = 32;

    // Bytes of vertex, normal, texture-coordinate and face arrays that one
    // import may allocate. Counts are taken from the file even where its
    // payload is shorter, so a small file could otherwise ask for gigabytes;
    // an array that would pass the budget ends the import instead.
    size_t arrayBudget = size_t{1} << 30;

  private:
    bool readChunkHeader(tChunkHeader& header);
    uint32_t readString(char* destination);
    void processChunk(tModelData& model, tChunkHeader& parent);
    void processObjectChunk(tModelData& model, t3DObject& object, tChunkHeader& parent);
    void processMaterialChunk(tModelData& model, tChunkHeader& parent);

    void readVersion(tChunkHeader& chunk, uint32_t& version);
    void readMeshVersion(tChunkHeader& chunk, uint32_t& version);
    void readObject(tModelData& model, tChunkHeader& chunk);
    void readMaterial(tModelData& model, tChunkHeader& chunk);
    void readVertices(t3DObject& object, tChunkHeader& chunk);
    void readFaces(t3DObject& object, tChunkHeader& chunk);
    void readObjectMaterial(const tModelData& model, t3DObject& object, tChunkHeader& chunk);
    void readTexCoords(t3DObject& object, tChunkHeader& chunk);
    void readColour(tMaterialInfo& material, tChunkHeader& chunk);
    void readText(char* destination, tChunkHeader& chunk);

    size_t readBytes(void* destination, size_t count);
    bool readU16(tChunkHeader& chunk, uint16_t& value);
    void readPayload(tChunkHeader& chunk, void* destination, size_t capacity);
    void skip(tChunkHeader& chunk, uint32_t count);
    void skipRest(tChunkHeader& chunk);
    bool enterNested(tChunkHeader& chunk);
    template <typename ReadChild> void walkChildren(tChunkHeader& parent, ReadChild readChild);
    bool takeFromBudget(size_t bytes);

    std::FILE* file = nullptr;
    tChunkHeader current;
    tChunkHeader scratch;
    bool ended = false; // a read came up short: the file is used up
    int depth = 0;
    size_t arrayBytes = 0; // allocated by this import so far
};
