#include "common/file_open.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <string>

namespace {

// The name in directory whose letters match name ignoring case; the
// alphabetically first one when several do. Empty when none does.
std::string findNameIgnoringCase(const std::string& directory, const std::string& name) {
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr)
        return std::string();
    std::string found;
    while (const dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) != 0)
            continue;
        if (found.empty() || found > entry->d_name)
            found = entry->d_name;
    }
    closedir(dir);
    return found;
}

} // namespace

std::FILE* openFileForReading(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file != nullptr)
        return file;
    // Windows separates directories with backslashes as well.
    std::string full(path);
    std::replace(full.begin(), full.end(), '\\', '/');
    if (full != path && (file = std::fopen(full.c_str(), "rb")) != nullptr)
        return file;
    size_t slash = full.rfind('/');
    std::string directory = slash == std::string::npos ? std::string() : full.substr(0, slash);
    std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
    if (name.empty())
        return nullptr;
    std::string match = findNameIgnoringCase(slash == 0 ? "/" : directory, name);
    if (match.empty())
        return nullptr;
    std::string resolved = slash == std::string::npos ? match : directory + "/" + match;
    return std::fopen(resolved.c_str(), "rb");
}
