#include "content/zip_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

namespace {

constexpr uint32_t READ_ONLY_ATTRIBUTE = 0x01;
constexpr uint64_t TICKS_PER_SECOND = 10000000;
constexpr uint64_t TICKS_1601_TO_1970 = 116444736000000000ULL;

// Archive names may use "\" between components, as on Windows.
std::string withSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

timespec timespecOf(const FileTime& time) {
    uint64_t ticks = static_cast<uint64_t>(time.high) << 32 | time.low;
    if (ticks == 0)
        return {0, UTIME_OMIT};
    int64_t since1970 = static_cast<int64_t>(ticks - TICKS_1601_TO_1970);
    int64_t seconds = since1970 / static_cast<int64_t>(TICKS_PER_SECOND);
    int64_t rest = since1970 % static_cast<int64_t>(TICKS_PER_SECOND);
    if (rest < 0) {
        seconds -= 1;
        rest += TICKS_PER_SECOND;
    }
    return {static_cast<time_t>(seconds), static_cast<long>(rest * 100)};
}

} // namespace

std::string currentDirectoryWithSeparator() {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer) == nullptr)
        return std::string();
    return std::string(buffer) + "/";
}

void createDirectory(const std::string& path) {
    mkdir(withSlashes(path).c_str(), 0777);
}

PlatformFile createFileAnew(const char* path, uint32_t attributes) {
    std::string name = withSlashes(path);
    // A read-only file is not replaced, whatever the process's privileges.
    struct stat existing {};
    if (stat(name.c_str(), &existing) == 0 && !(existing.st_mode & S_IWUSR))
        return NO_PLATFORM_FILE;
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return NO_PLATFORM_FILE;
    if (attributes & READ_ONLY_ATTRIBUTE)
        fchmod(fd, 0444);
    return fd;
}

bool isValidFile(PlatformFile file) {
    return file >= 0 && file <= INT_MAX && fcntl(static_cast<int>(file), F_GETFD) != -1;
}

bool isDiskFile(PlatformFile file) {
    struct stat status {};
    return isValidFile(file) && fstat(static_cast<int>(file), &status) == 0 &&
           S_ISREG(status.st_mode);
}

bool writeToFile(PlatformFile file, const void* data, uint32_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = write(static_cast<int>(file), bytes, size);
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<uint32_t>(written);
    }
    return true;
}

// POSIX files keep no creation time.
void setFileTimes(PlatformFile file, const FileTime&, const FileTime& access,
                  const FileTime& modification) {
    const timespec times[2] = {timespecOf(access), timespecOf(modification)};
    futimens(static_cast<int>(file), times);
}

void closeFile(PlatformFile file) {
    close(static_cast<int>(file));
}
