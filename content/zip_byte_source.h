#pragma once

#include <cstdint>

// A readable, seekable run of bytes that holds an archive: a memory block or
// a file. The reader hands it to minizip, which closes it with the archive.
struct ZipByteSource {
    void* state;
    // Copies up to `size` bytes from the position and advances it; returns
    // the count (0 at or beyond the end).
    uint32_t (*read)(void* state, void* buffer, uint32_t size);
    uint64_t (*tell)(void* state);
    // origin: 0 from the start, 1 from the position, 2 from the end.
    bool (*seek)(void* state, int64_t offset, int origin);
    // Releases the state (and a file it holds); the source itself is freed
    // by its owner.
    void (*close)(void* state);
    // Set by the minizip binding when the last read delivered less than asked.
    bool lastReadShort;
};
