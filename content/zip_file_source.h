#pragma once

#include "content/zip_archive.h"
#include "content/zip_byte_source.h"
#include "content/zip_file_system.h"

// Byte sources over files, one implementation per platform. Both read
// through a file of their own, closed with the source.

// Opens an existing file for reading, shared for reading.
// ZIP_OPEN_FAILED when it cannot be opened.
ZipResult openFileNameSource(const char* name, ZipByteSource** source);

// Reads through a duplicate of `file`; positions count from the file's
// position at this call. ZIP_NOT_SEEKABLE when `file` is not a disk file,
// ZIP_DUPLICATE_FAILED when it cannot be duplicated.
ZipResult openFileHandleSource(PlatformFile file, ZipByteSource** source);
