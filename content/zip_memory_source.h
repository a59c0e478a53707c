#pragma once

#include "content/zip_byte_source.h"

#include <cstdint>

// A byte source over `length` bytes at `block`, read in place.
ZipByteSource* openMemorySource(const void* block, uint32_t length);
