#pragma once

#include "content/zip_archive.h"

#include <cstdint>
#include <string>

// The file-system side of unpacking, one implementation per platform.

// An open file: a Windows HANDLE, or a POSIX file descriptor, in an integer.
using PlatformFile = intptr_t;

constexpr PlatformFile NO_PLATFORM_FILE = -1;

// The process's current directory followed by its separator; empty when it
// cannot be read.
std::string currentDirectoryWithSeparator();

// Creates one directory; the result is not examined (it may exist already).
void createDirectory(const std::string& path);

// Creates `path` anew for writing, not shared, with the Windows attribute bits
// `attributes`; an existing file is replaced unless it is read-only.
// NO_PLATFORM_FILE on failure.
PlatformFile createFileAnew(const char* path, uint32_t attributes);

bool isValidFile(PlatformFile file);
bool isDiskFile(PlatformFile file);
bool writeToFile(PlatformFile file, const void* data, uint32_t size);

// Sets the file's times; a zero time leaves that time as it is.
void setFileTimes(PlatformFile file, const FileTime& creation, const FileTime& access,
                  const FileTime& modification);

void closeFile(PlatformFile file);
