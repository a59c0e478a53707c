#include "tests/support/chunk_writer_3ds.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

void append(Bytes& out, const Bytes& part) {
    out.insert(out.end(), part.begin(), part.end());
}

Chunk chunk(uint16_t id, Bytes data, std::vector<Chunk> children) {
    Chunk c;
    c.id = id;
    c.data = std::move(data);
    c.children = std::move(children);
    return c;
}

Chunk chunkWithLength(uint16_t id, uint32_t length, Bytes data, std::vector<Chunk> children) {
    Chunk c = chunk(id, std::move(data), std::move(children));
    c.declaredLength = length;
    return c;
}

Bytes chunkBytes(const Chunk& c) {
    Bytes body = c.data;
    for (const Chunk& child : c.children)
        append(body, chunkBytes(child));
    uint32_t length = c.declaredLength >= 0 ? static_cast<uint32_t>(c.declaredLength)
                                            : static_cast<uint32_t>(body.size() + 6);
    Bytes out = u16(c.id);
    append(out, u32(length));
    append(out, body);
    return out;
}

Bytes nestedChunks(uint16_t id, size_t depth, const Bytes& content, const Bytes& levelData) {
    Bytes out;
    size_t levelSize = 6 + levelData.size();
    out.reserve(depth * levelSize + content.size());
    for (size_t level = 0; level < depth; ++level) {
        append(out, u16(id));
        append(out, u32(static_cast<uint32_t>((depth - level) * levelSize + content.size())));
        append(out, levelData);
    }
    append(out, content);
    return out;
}

Bytes u16(uint16_t value) {
    return Bytes{static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
}

Bytes u32(uint32_t value) {
    return Bytes{static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                 static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

Bytes f32(std::initializer_list<float> values) {
    Bytes out;
    for (float value : values) {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        append(out, u32(bits));
    }
    return out;
}

Bytes text(const std::string& value) {
    Bytes out(value.begin(), value.end());
    out.push_back(0);
    return out;
}

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        append(out, part);
    return out;
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write test file " + path);
}
