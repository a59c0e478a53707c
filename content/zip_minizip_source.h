#pragma once

#include "content/zip_byte_source.h"

#include <minizip/unzip.h>

// Opens the archive in `source` with minizip, reading through the source's
// functions. The archive owns the source from here on: unzClose (or a failed
// open) closes and frees it. Null when the source holds no readable archive.
unzFile openArchiveOver(ZipByteSource* source);
