#include "content/default_model_archive.h"

#include "common/trace.h"
#include "content/zip_archive.h"
#include "content/zip_paths.h"

bool unpackModelArchive(const void* block, uint32_t size) {
    ZipHandle* zip = zipOpen(block, size, ZIP_MEMORY);
    if (zip == nullptr)
        return false;
    ArchiveEntry entry{};
    zipGetEntry(zip, -1, &entry);
    int32_t count = entry.index;
    for (int32_t index = 0; index < count; ++index) {
        if (zipGetEntry(zip, index, &entry) != ZIP_OK)
            continue;
        if (entry.name[0] == '\0' || !isSafeRelativePath(entry.name)) {
            traceFormat("Skipped archive member %s: it would land outside the directory",
                        entry.name);
            continue;
        }
        zipExtract(zip, index, entry.name, 0, ZIP_FILE_NAME);
    }
    zipClose(zip);
    return true;
}
