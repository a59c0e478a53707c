#pragma once

#include <string>

// Names of unpacked entries and the directories made for them.

// The text before the last "/" or "\" of `name`; empty when it has none.
std::string directoryPart(const std::string& name);

// True when `path` stays below the directory it is resolved against: it does
// not begin with "/" or "\", has no drive (":" as its second character) and no
// ".." component. An empty path is safe.
bool isSafeRelativePath(const std::string& path);

// Creates `baseDir` followed by `directory`, after its parent directories
// the same way; an existing directory is no error.
void createDirectories(const std::string& baseDir, const std::string& directory);
