#pragma once

#include "content/zip_archive.h"

// The result of the most recent public operation of the ZIP reader.
ZipResult lastZipResult();

// Stores `result` as the last result and returns it.
ZipResult recordZipResult(ZipResult result);
