#pragma once

#include "content/zip_archive.h"

#include <cstdint>

// The portable parts of describing an entry: its Windows attributes, its
// times from the DOS date and time and from the "UT" extended-timestamp block.

// Windows attribute bits from the directory record's external attributes
// (high 16 bits a Unix mode, low bits DOS attributes).
uint32_t attributesFromExternal(uint32_t external);

// The DOS date (high word) and time (low word) taken as calendar fields, with
// no time-zone adjustment. Fields that name no valid moment give a zero time.
FileTime fileTimeFromDos(uint32_t dosDateTime);

// Seconds since 1 January 1970 UTC; false (and `time` untouched) before 1970.
bool fileTimeFromUnix(int64_t seconds, FileTime& time);

// Replaces the entry's times by those of the first "UT" block in a local
// extra field. Times that do not lie wholly inside both the block and the
// field, or that lie before 1970, keep their value.
void applyExtendedTimestamp(const uint8_t* extra, uint32_t size, ArchiveEntry& entry);
