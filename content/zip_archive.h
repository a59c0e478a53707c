#pragma once

#include <cstdint>

// A small handle-based reader of ZIP archives over minizip and zlib. It lists
// the entries of an archive, describes each one in a fixed-size record, and
// unpacks an entry into a file, into an open file handle, or piece by piece
// into a memory buffer. Every operation stores its result as the last result.

using ZipResult = uint32_t;

constexpr ZipResult ZIP_OK = 0x00000000;
constexpr ZipResult ZIP_LAST_RESULT = 0x00000001; // for zipResultText only
constexpr ZipResult ZIP_DUPLICATE_FAILED = 0x00000100;
constexpr ZipResult ZIP_OPEN_FAILED = 0x00000200;
constexpr ZipResult ZIP_NO_MEMORY = 0x00000300;
constexpr ZipResult ZIP_WRITE_FAILED = 0x00000400;
constexpr ZipResult ZIP_NOT_FOUND = 0x00000500;
constexpr ZipResult ZIP_MORE_DATA = 0x00000600;
constexpr ZipResult ZIP_CORRUPT = 0x00000700;
constexpr ZipResult ZIP_READ_FAILED = 0x00000800;
constexpr ZipResult ZIP_BAD_ARGUMENTS = 0x00010000;
constexpr ZipResult ZIP_NOT_MEMORY_ZIP = 0x00020000;
constexpr ZipResult ZIP_MEMORY_TOO_SMALL = 0x00030000;
constexpr ZipResult ZIP_PREVIOUS_ERROR = 0x00040000;
constexpr ZipResult ZIP_ALREADY_ENDED = 0x00050000;
constexpr ZipResult ZIP_SIZE_WRONG = 0x00060000;
constexpr ZipResult ZIP_PARTLY_UNZIPPED = 0x00070000;
constexpr ZipResult ZIP_WRONG_HANDLE_KIND = 0x00080000;
constexpr ZipResult ZIP_NOT_INITIALISED = 0x01000000;
constexpr ZipResult ZIP_NOT_SEEKABLE = 0x02000000;
constexpr ZipResult ZIP_CHANGED_MIND = 0x04000000;
constexpr ZipResult ZIP_FLATE_ERROR = 0x05000000;

// Kinds of archive source (zipOpen) and of unpacking target (zipExtract).
constexpr uint32_t ZIP_FILE_HANDLE = 1; // an open file handle (a Windows HANDLE)
constexpr uint32_t ZIP_FILE_NAME = 2;   // a zero-terminated file name
constexpr uint32_t ZIP_MEMORY = 3;      // a memory block of the given length

// A Windows FILETIME: 100-nanosecond intervals since 1 January 1601, UTC.
struct FileTime {
    uint32_t low;
    uint32_t high;
};

struct ArchiveEntry {
    int32_t index; // for index -1: the number of entries
    char name[260];
    uint32_t attributes; // Windows file attribute bits
    FileTime accessTime;
    FileTime creationTime;
    FileTime modificationTime;
    int32_t compressedSize;
    int32_t uncompressedSize;
};

struct ZipArchive;

// What callers hold: the kind tag (1 for a reader) and the object it owns.
struct ZipHandle {
    int32_t kind;
    ZipArchive* archive;
};

constexpr int32_t ZIP_READER_KIND = 1;

// Opens an archive. For ZIP_FILE_HANDLE `source` holds the handle's value and
// `length` is ignored; for ZIP_FILE_NAME it is the name; for ZIP_MEMORY it
// points to `length` bytes that stay valid and unchanged until zipClose.
// Null on failure; the last result then tells why.
ZipHandle* zipOpen(const void* source, uint32_t length, uint32_t sourceKind);

// Describes entry `index`; index -1 gives the number of entries in
// entry->index and an otherwise empty record.
ZipResult zipGetEntry(ZipHandle* handle, int32_t index, ArchiveEntry* entry);

// Unpacks entry `index` into a file handle (target holds the handle's value),
// a file name, or `length` bytes of memory. Into memory it is called again
// while it returns ZIP_MORE_DATA; ZIP_OK ends the entry.
ZipResult zipExtract(ZipHandle* handle, int32_t index, void* target, uint32_t length,
                     uint32_t targetKind);

// Closes the archive and frees the handle.
ZipResult zipClose(ZipHandle* handle);

// Looks an entry up by name. `index` and `entry` may be null.
ZipResult zipFindEntry(ZipHandle* handle, const char* name, bool ignoreCase, int32_t* index,
                       ArchiveEntry* entry);

// Copies the text of `code` (ZIP_LAST_RESULT: of the last result) into
// `buffer`, cut to length-1 characters and zero-terminated; returns the full
// length of the text.
uint32_t zipResultText(ZipResult code, char* buffer, uint32_t length);

bool zipIsReader(const ZipHandle* handle);
