#include "common/trace.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"

#include <cstring>

namespace {

// Index of the path's terminator among its first 259 characters; a path
// that fills the whole field is taken as ending at 259.
int terminatorPosition(const char* path) {
    int position = 0;
    while (position < 259 && path[position] != '\0')
        ++position;
    return position;
}

bool extensionIs(const char* ext, const char* lower, const char* upper) {
    return std::strcmp(ext, lower) == 0 || std::strcmp(ext, upper) == 0;
}

} // namespace

int SceneObject::detectModelKind() {
    const char* path = theSettings.modelPath;
    int position = terminatorPosition(path);
    char ext[5] = {};
    if (position >= 5 && path[position - 5] == '.') {
        std::memcpy(ext, path + position - 4, 4);
        if (extensionIs(ext, "ms3d", "MS3D")) {
            trace("Detected MS3D file type");
            kind = 1;
            return 1;
        }
    } else if (position >= 4 && path[position - 4] == '.') {
        std::memcpy(ext, path + position - 3, 3);
        if (extensionIs(ext, "3ds", "3DS")) {
            trace("Detected 3DS file type");
            kind = 2;
            return 2;
        }
    } else {
        trace("Extension is invalid");
        return 0;
    }
    trace("Failed to match the extension to a type");
    return 0;
}
