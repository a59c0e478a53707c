// libFuzzer target: the ZIP reader over a memory block. Every entry is
// described, looked up by name and unpacked into memory in pieces; the
// extended-timestamp walk also gets the raw input as a local extra field.

#include "content/zip_archive.h"
#include "content/zip_entry_description.h"
#include "content/zip_paths.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Bounds that keep one input fast: entries visited and bytes unpacked.
constexpr int32_t MAX_ENTRIES = 64;
constexpr uint32_t MAX_UNPACKED = 1 << 20;

void unpackEntry(ZipHandle* zip, int32_t index, uint32_t piece) {
    std::vector<char> buffer(piece);
    uint32_t delivered = 0;
    while (delivered < MAX_UNPACKED &&
           zipExtract(zip, index, buffer.data(), piece, ZIP_MEMORY) == ZIP_MORE_DATA)
        delivered += piece;
}

void walkEntries(ZipHandle* zip, int32_t count, uint32_t piece) {
    for (int32_t index = 0; index < count && index < MAX_ENTRIES; ++index) {
        ArchiveEntry entry{};
        if (zipGetEntry(zip, index, &entry) != ZIP_OK)
            continue;
        isSafeRelativePath(entry.name);
        int32_t found = -1;
        zipFindEntry(zip, entry.name, index % 2 == 1, &found, &entry);
        unpackEntry(zip, index, piece);
    }
    // Back to a lower index, then an interrupted stream followed by another.
    ArchiveEntry entry{};
    zipGetEntry(zip, 0, &entry);
    char small[7];
    if (count > 1 && zipExtract(zip, count - 1, small, sizeof small, ZIP_MEMORY) == ZIP_MORE_DATA)
        zipExtract(zip, 0, small, sizeof small, ZIP_MEMORY);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ArchiveEntry times{};
    applyExtendedTimestamp(data, static_cast<uint32_t>(size), times);

    ZipHandle* zip = zipOpen(data, static_cast<uint32_t>(size), ZIP_MEMORY);
    if (zip == nullptr)
        return 0;
    ArchiveEntry count{};
    zipGetEntry(zip, -1, &count);
    uint32_t piece = size > 0 ? 1 + data[size - 1] * 64u : 4096;
    walkEntries(zip, count.index, piece);
    char text[32];
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    zipClose(zip);
    return 0;
}
