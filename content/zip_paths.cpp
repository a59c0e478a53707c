#include "content/zip_paths.h"

#include "content/zip_file_system.h"

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

std::string directoryPart(const std::string& name) {
    size_t last = name.find_last_of("/\\");
    return last == std::string::npos ? std::string() : name.substr(0, last);
}

bool isSafeRelativePath(const std::string& path) {
    if (!path.empty() && isSeparator(path[0]))
        return false;
    if (path.size() >= 2 && path[1] == ':')
        return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = path.size();
        if (path.compare(start, end - start, "..") == 0)
            return false;
        start = end + 1;
    }
    return true;
}

void createDirectories(const std::string& baseDir, const std::string& directory) {
    if (directory.empty())
        return;
    std::string parent = directoryPart(directory);
    if (!parent.empty())
        createDirectories(baseDir, parent);
    createDirectory(baseDir + directory);
}
