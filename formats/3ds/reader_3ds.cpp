#include "formats/3ds/reader_3ds.h"

#include "common/file_open.h"
#include "common/little_endian.h"
#include "common/message_box.h"
#include "common/trace.h"
#include "formats/geometry/vertex_normals.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

enum ChunkId : uint16_t {
    mainChunk = 0x4D4D,
    versionChunk = 0x0002,
    editorChunk = 0x3D3D,
    objectChunk = 0x4000,
    meshChunk = 0x4100,
    vertexChunk = 0x4110,
    faceChunk = 0x4120,
    faceMaterialChunk = 0x4130,
    texCoordChunk = 0x4140,
    materialChunk = 0xAFFF,
    materialNameChunk = 0xA000,
    diffuseChunk = 0xA020,
    textureMapChunk = 0xA200,
    mapFileChunk = 0xA300,
};

constexpr size_t textLength = 255; // name buffers, terminator included

uint32_t remainingOf(const tChunkHeader& chunk) {
    return chunk.length > chunk.consumed ? chunk.length - chunk.consumed : 0;
}

// Stores count bytes, least significant first, over the low bytes of value:
// what a little-endian read of a short payload into it leaves.
void replaceLowBytes(uint32_t& value, const unsigned char* bytes, uint32_t count) {
    for (uint32_t k = 0; k < count; ++k)
        value = (value & ~(0xFFu << (8 * k))) | static_cast<uint32_t>(bytes[k]) << (8 * k);
}

std::string withPath(const char* format, const char* path) {
    std::string text(std::strlen(format) + std::strlen(path), '\0');
    int length = std::snprintf(&text[0], text.size() + 1, format, path);
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

} // namespace

bool Reader3DS::importModel(tModelData& model, const char* path) {
    std::FILE* stream = openFileForReading(path);
    if (stream == nullptr) {
        traceFormat("Unable to find the file: %s!", path);
        return false;
    }
    bool result = importStream(model, stream, path);
    std::fclose(stream);
    return result;
}

bool Reader3DS::importStream(tModelData& model, std::FILE* stream, const char* path) {
    file = stream;
    ended = false;
    depth = 0;
    arrayBytes = 0;
    current = tChunkHeader();
    scratch = tChunkHeader();
    if (!readChunkHeader(current) || current.id != mainChunk) {
        showMessageBox(withPath("Unable to load PRIMARY chuck from file: %s!", path).c_str(),
                       "Error");
        file = nullptr;
        return false;
    }
    processChunk(model, current);
    for (t3DObject& object : model.objects)
        object.normals = computeVertexNormals(object.vertices.data(), object.vertices.size(),
                                              object.faces.data(), object.faces.size());
    file = nullptr;
    return true;
}

// Reading ---------------------------------------------------------------

size_t Reader3DS::readBytes(void* destination, size_t count) {
    if (ended || count == 0)
        return 0;
    size_t got = std::fread(destination, 1, count, file);
    if (got < count)
        ended = true;
    return got;
}

bool Reader3DS::readChunkHeader(tChunkHeader& header) {
    unsigned char bytes[6];
    size_t got = readBytes(bytes, sizeof bytes);
    header.consumed = static_cast<uint32_t>(got);
    if (got < sizeof bytes)
        return false;
    header.id = u16At(bytes);
    header.length = u32At(bytes + 2);
    return true;
}

bool Reader3DS::readU16(tChunkHeader& chunk, uint16_t& value) {
    unsigned char bytes[2];
    size_t got = readBytes(bytes, sizeof bytes);
    chunk.consumed += static_cast<uint32_t>(got);
    if (got < sizeof bytes)
        return false;
    value = u16At(bytes);
    return true;
}

// Reads one byte at a time up to and including the zero byte. Text beyond
// the buffer is consumed but not stored. Returns the bytes consumed.
uint32_t Reader3DS::readString(char* destination) {
    uint32_t consumed = 0;
    size_t stored = 0;
    while (!ended) {
        int c = std::fgetc(file);
        if (c == EOF) {
            ended = true;
            break;
        }
        ++consumed;
        if (c == 0)
            break;
        if (stored < textLength - 1)
            destination[stored++] = static_cast<char>(c);
    }
    destination[stored] = '\0';
    return consumed;
}

void Reader3DS::skip(tChunkHeader& chunk, uint32_t count) {
    unsigned char discard[4096];
    while (count > 0 && !ended) {
        size_t part = std::min<size_t>(count, sizeof discard);
        size_t got = readBytes(discard, part);
        chunk.consumed += static_cast<uint32_t>(got);
        count -= static_cast<uint32_t>(got);
    }
}

void Reader3DS::skipRest(tChunkHeader& chunk) {
    skip(chunk, remainingOf(chunk));
}

// Reads the chunk's remaining payload into a destination of capacity bytes;
// what does not fit is skipped.
void Reader3DS::readPayload(tChunkHeader& chunk, void* destination, size_t capacity) {
    uint32_t remaining = remainingOf(chunk);
    size_t part = std::min<size_t>(remaining, capacity);
    chunk.consumed += static_cast<uint32_t>(readBytes(destination, part));
    skipRest(chunk);
}

bool Reader3DS::enterNested(tChunkHeader& chunk) {
    if (depth < maxNesting)
        return true;
    trace("3DS: Chunks nested too deeply, skipping");
    skipRest(chunk);
    return false;
}

bool Reader3DS::takeFromBudget(size_t bytes) {
    if (bytes > arrayBudget - arrayBytes) {
        trace("3DS: Model arrays too large, import ended");
        ended = true;
        return false;
    }
    arrayBytes += bytes;
    return true;
}

// Walks ------------------------------------------------------------------

// Reads the sub-chunks of parent one after the other until its length is used
// up, the file ends or the import is ended; nesting is bounded.
template <typename ReadChild>
void Reader3DS::walkChildren(tChunkHeader& parent, ReadChild readChild) {
    if (!enterNested(parent))
        return;
    ++depth;
    tChunkHeader child;
    while (!ended && parent.consumed < parent.length) {
        if (!readChunkHeader(child))
            break;
        readChild(child);
        parent.consumed += child.consumed;
    }
    --depth;
}

void Reader3DS::processChunk(tModelData& model, tChunkHeader& parent) {
    uint32_t version = 0;
    walkChildren(parent, [&](tChunkHeader& child) {
        switch (child.id) {
        case versionChunk:
            readVersion(child, version);
            break;
        case editorChunk:
            readMeshVersion(child, version);
            processChunk(model, child);
            break;
        case objectChunk:
            readObject(model, child);
            break;
        case materialChunk:
            readMaterial(model, child);
            break;
        default:
            skipRest(child);
            break;
        }
    });
}

void Reader3DS::processObjectChunk(tModelData& model, t3DObject& object, tChunkHeader& parent) {
    walkChildren(parent, [&](tChunkHeader& child) {
        switch (child.id) {
        case meshChunk:
            processObjectChunk(model, object, child);
            break;
        case vertexChunk:
            readVertices(object, child);
            break;
        case faceChunk:
            readFaces(object, child);
            break;
        case faceMaterialChunk:
            readObjectMaterial(model, object, child);
            break;
        case texCoordChunk:
            readTexCoords(object, child);
            break;
        default:
            skipRest(child);
            break;
        }
    });
}

void Reader3DS::processMaterialChunk(tModelData& model, tChunkHeader& parent) {
    walkChildren(parent, [&](tChunkHeader& child) {
        tMaterialInfo& material = model.materials.back();
        switch (child.id) {
        case materialNameChunk:
            readText(material.name, child);
            break;
        case diffuseChunk:
            readColour(material, child);
            break;
        case textureMapChunk:
            processMaterialChunk(model, child);
            break;
        case mapFileChunk:
            readText(material.textureFile, child);
            break;
        default:
            skipRest(child);
            break;
        }
    });
}

// Payloads ---------------------------------------------------------------

// The payload's bytes replace the low bytes of the walk's version number, as
// a little-endian read of up to four bytes; more is skipped.
void Reader3DS::readVersion(tChunkHeader& chunk, uint32_t& version) {
    unsigned char bytes[4];
    uint32_t before = chunk.consumed;
    readPayload(chunk, bytes, sizeof bytes);
    uint32_t got = std::min<uint32_t>(chunk.consumed - before, sizeof bytes);
    replaceLowBytes(version, bytes, got);
    if (version > 3)
        showMessageBox("This 3DS file is over version 3 so it may load incorrectly", "Warning");
}

// The first sub-chunk of the editor chunk holds the mesh version, read whole
// whatever its id and not checked.
void Reader3DS::readMeshVersion(tChunkHeader& chunk, uint32_t& version) {
    if (!readChunkHeader(scratch)) {
        chunk.consumed += scratch.consumed;
        return;
    }
    unsigned char bytes[4];
    uint32_t before = scratch.consumed;
    readPayload(scratch, bytes, sizeof bytes);
    uint32_t got = std::min<uint32_t>(scratch.consumed - before, sizeof bytes);
    replaceLowBytes(version, bytes, got);
    chunk.consumed += scratch.consumed;
}

void Reader3DS::readObject(tModelData& model, tChunkHeader& chunk) {
    model.objects.emplace_back();
    model.objectCount += 1;
    t3DObject& object = model.objects.back();
    chunk.consumed += readString(object.name);
    processObjectChunk(model, object, chunk);
}

void Reader3DS::readMaterial(tModelData& model, tChunkHeader& chunk) {
    model.materials.emplace_back();
    model.materialCount += 1;
    processMaterialChunk(model, chunk);
}

void Reader3DS::readVertices(t3DObject& object, tChunkHeader& chunk) {
    uint16_t count = 0;
    if (!readU16(chunk, count) || !takeFromBudget(count * 2 * sizeof(Vector3)))
        return;
    std::vector<unsigned char> raw(static_cast<size_t>(count) * 12, 0);
    readPayload(chunk, raw.data(), raw.size());
    object.vertexCount = count;
    object.vertices.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* p = raw.data() + i * 12;
        object.vertices[i] = Vector3(floatAt(p), floatAt(p + 4), floatAt(p + 8));
    }
}

// Reads the triangle list only: the chunk's sub-chunks (material groups,
// smoothing groups) are then met by the enclosing walk.
void Reader3DS::readFaces(t3DObject& object, tChunkHeader& chunk) {
    uint16_t count = 0;
    if (!readU16(chunk, count) || !takeFromBudget(count * sizeof(tTriangle)))
        return;
    std::vector<unsigned char> raw(static_cast<size_t>(count) * 8, 0);
    chunk.consumed += static_cast<uint32_t>(readBytes(raw.data(), raw.size()));
    object.faceCount = count;
    object.faces.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* p = raw.data() + i * 8;
        object.faces[i] = tTriangle{{u16At(p), u16At(p + 2), u16At(p + 4)}};
    }
}

// A material group: the first material of exactly this name becomes the
// object's. hasTexture is never cleared by a later group.
void Reader3DS::readObjectMaterial(const tModelData& model, t3DObject& object,
                                   tChunkHeader& chunk) {
    char name[textLength];
    chunk.consumed += readString(name);
    for (size_t i = 0; i < model.materials.size(); ++i) {
        const tMaterialInfo& material = model.materials[i];
        if (std::strcmp(material.name, name) != 0)
            continue;
        object.materialIndex = static_cast<int32_t>(i);
        if (material.textureFile[0] != '\0')
            object.hasTexture = true;
        break;
    }
    skipRest(chunk);
}

void Reader3DS::readTexCoords(t3DObject& object, tChunkHeader& chunk) {
    uint16_t count = 0;
    if (!readU16(chunk, count) || !takeFromBudget(count * sizeof(Vector2)))
        return;
    std::vector<unsigned char> raw(static_cast<size_t>(count) * 8, 0);
    readPayload(chunk, raw.data(), raw.size());
    object.texCoordCount = count;
    object.texCoords.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* p = raw.data() + i * 8;
        object.texCoords[i] = Vector2{floatAt(p), floatAt(p + 4)};
    }
}

// The diffuse colour is the first three bytes of the first sub-chunk,
// whatever its kind; further sub-chunks are met by the enclosing walk.
void Reader3DS::readColour(tMaterialInfo& material, tChunkHeader& chunk) {
    if (readChunkHeader(scratch))
        readPayload(scratch, material.colour, sizeof material.colour);
    chunk.consumed += scratch.consumed;
}

// A zero-terminated text filling the chunk's payload, cut to the buffer.
void Reader3DS::readText(char* destination, tChunkHeader& chunk) {
    readPayload(chunk, destination, textLength);
    destination[textLength - 1] = '\0';
}
