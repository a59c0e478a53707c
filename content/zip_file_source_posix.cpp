#include "content/zip_file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace {

// A file read with pread from `base` on; `position` counts from `base`.
struct FileSource {
    int fd;
    int64_t base;
    int64_t position;
};

uint32_t readFile(void* state, void* buffer, uint32_t size) {
    auto* file = static_cast<FileSource*>(state);
    ssize_t got = pread(file->fd, buffer, size, file->base + file->position);
    if (got <= 0)
        return 0;
    file->position += got;
    return static_cast<uint32_t>(got);
}

uint64_t tellFile(void* state) {
    return static_cast<uint64_t>(static_cast<FileSource*>(state)->position);
}

bool seekFile(void* state, int64_t offset, int origin) {
    auto* file = static_cast<FileSource*>(state);
    int64_t from = file->position;
    if (origin == 0) {
        from = 0;
    } else if (origin == 2) {
        struct stat status {};
        if (fstat(file->fd, &status) != 0)
            return false;
        from = status.st_size - file->base;
    }
    if ((offset > 0 && from > INT64_MAX - offset) || from + offset < 0)
        return false;
    file->position = from + offset;
    return true;
}

void closeFileSource(void* state) {
    auto* file = static_cast<FileSource*>(state);
    close(file->fd);
    delete file;
}

ZipByteSource* sourceOver(int fd, int64_t base) {
    return new ZipByteSource{
        new FileSource{fd, base, 0}, readFile, tellFile, seekFile, closeFileSource, false};
}

bool isRegularFile(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

ZipResult openFileNameSource(const char* name, ZipByteSource** source) {
    int fd = open(name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ZIP_OPEN_FAILED;
    *source = sourceOver(fd, 0);
    return ZIP_OK;
}

ZipResult openFileHandleSource(PlatformFile file, ZipByteSource** source) {
    if (file < 0 || file > INT_MAX || !isRegularFile(static_cast<int>(file)))
        return ZIP_NOT_SEEKABLE;
    int fd = fcntl(static_cast<int>(file), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return ZIP_DUPLICATE_FAILED;
    off_t base = lseek(fd, 0, SEEK_CUR);
    *source = sourceOver(fd, base < 0 ? 0 : base);
    return ZIP_OK;
}
