#pragma once

#include <cstdio>

// Opens a file for binary reading ("rb"), finding its name the way Windows
// does: where the file system is case-sensitive and the exact name is
// missing, a backslash separates directories like a slash, and a file of the
// same name in another letter case in the same directory is opened instead.
// Null when nothing can be opened.
std::FILE* openFileForReading(const char* path);
