#pragma once

#include "content/zip_archive.h"
#include "tests/content/zip_builder.h"

#include <cstdint>
#include <string>
#include <vector>

// A FILETIME for seconds since 1970, worked out independently of the reader.
inline uint64_t ticksOfUnix(int64_t seconds) {
    return static_cast<uint64_t>(seconds + 11644473600LL) * 10000000ULL;
}

inline uint64_t ticksOf(const FileTime& time) {
    return static_cast<uint64_t>(time.high) << 32 | time.low;
}

// Reads a whole entry into a string through repeated memory extraction, with
// pieces of `piece` bytes; the results of every call are kept.
struct MemoryUnpack {
    std::string data;
    std::vector<ZipResult> results;
};

inline MemoryUnpack unpackToMemory(ZipHandle* zip, int32_t index, uint32_t expectedSize,
                                   uint32_t piece) {
    MemoryUnpack out;
    std::string buffer(piece, '\0');
    for (int call = 0; call < 1000; ++call) {
        ZipResult result = zipExtract(zip, index, &buffer[0], piece, ZIP_MEMORY);
        out.results.push_back(result);
        if (result != ZIP_MORE_DATA)
            break;
        uint32_t have = static_cast<uint32_t>(out.data.size());
        uint32_t got = expectedSize - have < piece ? expectedSize - have : piece;
        out.data.append(buffer, 0, got);
    }
    return out;
}
