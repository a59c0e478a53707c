#include "content/zip_memory_source.h"

#include <cstring>

namespace {

struct MemoryBlock {
    const uint8_t* data;
    uint64_t length;
    uint64_t position;
};

uint32_t readMemory(void* state, void* buffer, uint32_t size) {
    auto* block = static_cast<MemoryBlock*>(state);
    if (block->position >= block->length)
        return 0;
    uint64_t available = block->length - block->position;
    uint32_t count = size < available ? size : static_cast<uint32_t>(available);
    std::memcpy(buffer, block->data + block->position, count);
    block->position += count;
    return count;
}

uint64_t tellMemory(void* state) {
    return static_cast<MemoryBlock*>(state)->position;
}

// Positions beyond the end are allowed (reads there deliver nothing);
// positions before the start are not.
bool seekMemory(void* state, int64_t offset, int origin) {
    auto* block = static_cast<MemoryBlock*>(state);
    uint64_t from = origin == 0 ? 0 : origin == 1 ? block->position : block->length;
    if (origin < 0 || origin > 2)
        return false;
    if (offset < 0 && static_cast<uint64_t>(-(offset + 1)) >= from)
        return false;
    if (offset > 0 && static_cast<uint64_t>(offset) > UINT64_MAX - from)
        return false;
    block->position = from + offset;
    return true;
}

void closeMemory(void* state) {
    delete static_cast<MemoryBlock*>(state);
}

} // namespace

ZipByteSource* openMemorySource(const void* block, uint32_t length) {
    auto* state = new MemoryBlock{static_cast<const uint8_t*>(block), length, 0};
    return new ZipByteSource{state, readMemory, tellMemory, seekMemory, closeMemory, false};
}
