#include "content/zip_minizip_source.h"

namespace {

ZipByteSource* sourceOf(voidpf stream) {
    return static_cast<ZipByteSource*>(stream);
}

// minizip passes the "file name" given to unzOpen2_64 here: it is the source.
voidpf openHook(voidpf, const void* source, int) {
    return const_cast<void*>(source);
}

uLong readHook(voidpf, voidpf stream, void* buffer, uLong size) {
    ZipByteSource* source = sourceOf(stream);
    uLong total = 0;
    // uLong may be wider than the source's 32-bit counts.
    while (total < size) {
        uLong rest = size - total;
        uint32_t piece = rest > 0x40000000u ? 0x40000000u : static_cast<uint32_t>(rest);
        uint32_t got = source->read(source->state, static_cast<char*>(buffer) + total, piece);
        total += got;
        if (got < piece)
            break;
    }
    source->lastReadShort = total < size;
    return total;
}

uLong writeHook(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T tellHook(voidpf, voidpf stream) {
    return sourceOf(stream)->tell(sourceOf(stream)->state);
}

long seekHook(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    int from = origin == ZLIB_FILEFUNC_SEEK_SET   ? 0
               : origin == ZLIB_FILEFUNC_SEEK_CUR ? 1
               : origin == ZLIB_FILEFUNC_SEEK_END ? 2
                                                  : -1;
    if (from < 0)
        return -1;
    ZipByteSource* source = sourceOf(stream);
    return source->seek(source->state, static_cast<int64_t>(offset), from) ? 0 : -1;
}

int closeHook(voidpf, voidpf stream) {
    ZipByteSource* source = sourceOf(stream);
    source->close(source->state);
    delete source;
    return 0;
}

// minizip reads single header values and takes a short read for a zero
// value unless the source reports an error: a value cut off by the end of the
// source is one.
int errorHook(voidpf, voidpf stream) {
    return sourceOf(stream)->lastReadShort ? 1 : 0;
}

} // namespace

unzFile openArchiveOver(ZipByteSource* source) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openHook;
    functions.zread_file = readHook;
    functions.zwrite_file = writeHook;
    functions.ztell64_file = tellHook;
    functions.zseek64_file = seekHook;
    functions.zclose_file = closeHook;
    functions.zerror_file = errorHook;
    functions.opaque = nullptr;
    return unzOpen2_64(source, &functions);
}
