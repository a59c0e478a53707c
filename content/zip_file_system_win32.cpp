#include "content/zip_file_system.h"

#include <windows.h>

namespace {

HANDLE handleOf(PlatformFile file) {
    return reinterpret_cast<HANDLE>(file);
}

FILETIME filetimeOf(const FileTime& time) {
    return {time.low, time.high};
}

} // namespace

std::string currentDirectoryWithSeparator() {
    char buffer[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    return std::string(buffer, length) + "\\";
}

void createDirectory(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}

PlatformFile createFileAnew(const char* path, uint32_t attributes) {
    // Windows refuses to replace a read-only file; Wine running as root does
    // not, so the rule is checked here.
    DWORD existing = GetFileAttributesA(path);
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY))
        return NO_PLATFORM_FILE;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    return file == INVALID_HANDLE_VALUE ? NO_PLATFORM_FILE : reinterpret_cast<PlatformFile>(file);
}

bool isValidFile(PlatformFile file) {
    return file != 0 && file != NO_PLATFORM_FILE;
}

bool isDiskFile(PlatformFile file) {
    return isValidFile(file) && GetFileType(handleOf(file)) == FILE_TYPE_DISK;
}

bool writeToFile(PlatformFile file, const void* data, uint32_t size) {
    DWORD written = 0;
    return WriteFile(handleOf(file), data, size, &written, nullptr) && written == size;
}

// A zero FILETIME leaves that time unchanged.
void setFileTimes(PlatformFile file, const FileTime& creation, const FileTime& access,
                  const FileTime& modification) {
    FILETIME created = filetimeOf(creation), accessed = filetimeOf(access),
             modified = filetimeOf(modification);
    SetFileTime(handleOf(file), &created, &accessed, &modified);
}

void closeFile(PlatformFile file) {
    CloseHandle(handleOf(file));
}
