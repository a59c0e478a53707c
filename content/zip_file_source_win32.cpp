#include "content/zip_file_source.h"

#include <windows.h>

namespace {

// A file read from `base` on; positions count from `base`. Files that are
// not disk files cannot seek.
struct FileSource {
    HANDLE file;
    int64_t base;
    bool seekable;
};

uint32_t readFile(void* state, void* buffer, uint32_t size) {
    DWORD got = 0;
    if (!ReadFile(static_cast<FileSource*>(state)->file, buffer, size, &got, nullptr))
        return 0;
    return got;
}

int64_t filePosition(HANDLE file) {
    LARGE_INTEGER zero{}, position{};
    if (!SetFilePointerEx(file, zero, &position, FILE_CURRENT))
        return -1;
    return position.QuadPart;
}

uint64_t tellFile(void* state) {
    auto* source = static_cast<FileSource*>(state);
    int64_t position = filePosition(source->file);
    return position < source->base ? 0 : static_cast<uint64_t>(position - source->base);
}

bool seekFile(void* state, int64_t offset, int origin) {
    auto* source = static_cast<FileSource*>(state);
    if (!source->seekable)
        return false;
    LARGE_INTEGER distance{};
    distance.QuadPart = origin == 0 ? source->base + offset : offset;
    DWORD method = origin == 0 ? FILE_BEGIN : origin == 1 ? FILE_CURRENT : FILE_END;
    return SetFilePointerEx(source->file, distance, nullptr, method) != 0;
}

void closeFileSource(void* state) {
    auto* source = static_cast<FileSource*>(state);
    CloseHandle(source->file);
    delete source;
}

ZipByteSource* sourceOver(HANDLE file) {
    bool seekable = GetFileType(file) == FILE_TYPE_DISK;
    int64_t base = seekable ? filePosition(file) : 0;
    auto* state = new FileSource{file, base < 0 ? 0 : base, seekable};
    return new ZipByteSource{state, readFile, tellFile, seekFile, closeFileSource, false};
}

} // namespace

ZipResult openFileNameSource(const char* name, ZipByteSource** source) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ZIP_OPEN_FAILED;
    *source = sourceOver(file);
    return ZIP_OK;
}

ZipResult openFileHandleSource(PlatformFile file, ZipByteSource** source) {
    HANDLE given = reinterpret_cast<HANDLE>(file);
    if (GetFileType(given) != FILE_TYPE_DISK)
        return ZIP_NOT_SEEKABLE;
    HANDLE duplicate = nullptr;
    HANDLE process = GetCurrentProcess();
    if (!DuplicateHandle(process, given, process, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return ZIP_DUPLICATE_FAILED;
    *source = sourceOver(duplicate);
    return ZIP_OK;
}
