#include "formats/ms3d/ms3d_texture_path.h"

#include <cstring>

namespace {

constexpr size_t maxPathCharacters = 259;

// Characters before the model path's last separator; npos without one.
size_t directoryLength(const char* modelPath) {
    for (size_t i = std::strlen(modelPath); i > 0; --i)
        if (modelPath[i - 1] == '/' || modelPath[i - 1] == '\\')
            return i - 1;
    return std::string::npos;
}

} // namespace

bool resolveTexturePath(const char* modelPath, const std::string& name, std::string& resolved) {
    size_t dirLen = directoryLength(modelPath);
    if (name.compare(0, 2, ".\\") != 0 || dirLen == std::string::npos) {
        resolved = name;
        return true;
    }
    // The directory, then the name without its leading dot.
    if (dirLen + name.size() - 1 > maxPathCharacters)
        return false;
    resolved.assign(modelPath, dirLen);
    resolved.append(name, 1, std::string::npos);
    return true;
}
