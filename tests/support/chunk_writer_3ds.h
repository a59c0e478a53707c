#pragma once

// A small writer of 3DS chunk trees for test files.
//   Bytes file = chunkBytes(chunk(0x4D4D, {}, {chunk(0x0002, u32(3))}));

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A chunk: its own data, then its sub-chunks. The length field covers both
// and the header unless declaredLength is set (to write a wrong one).
struct Chunk {
    uint16_t id = 0;
    Bytes data;
    std::vector<Chunk> children;
    int64_t declaredLength = -1;
};

Chunk chunk(uint16_t id, Bytes data = {}, std::vector<Chunk> children = {});
Chunk chunkWithLength(uint16_t id, uint32_t length, Bytes data = {},
                      std::vector<Chunk> children = {});
Bytes chunkBytes(const Chunk& c);

// depth chunks of the same id, each holding levelData and then the next one,
// the innermost holding content; written without recursion.
Bytes nestedChunks(uint16_t id, size_t depth, const Bytes& content, const Bytes& levelData = {});

Bytes u16(uint16_t value);
Bytes u32(uint32_t value);
Bytes f32(std::initializer_list<float> values);
Bytes text(const std::string& value); // with its terminating zero
Bytes cat(std::initializer_list<Bytes> parts);
void append(Bytes& out, const Bytes& part);

void writeBytes(const std::string& path, const Bytes& bytes);
