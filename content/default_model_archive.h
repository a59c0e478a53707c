#pragma once

#include <cstdint>

// Unpacks every member of the ZIP archive in `block` into a file of the same
// name in the current directory. A member whose name is absolute, names a
// drive or has a ".." component is skipped, so nothing lands outside that
// directory; a member that fails does not stop the next. False when the
// archive cannot be opened.
bool unpackModelArchive(const void* block, uint32_t size);
