#include "common/file_open.h"

std::FILE* openFileForReading(const char* path) {
    return std::fopen(path, "rb");
}
