#include "common/trace.h"
#include "formats/3ds/model_3ds.h"
#include "formats/ms3d/ms3d_model.h"
#include "scene/gl.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"

#include <cstring>
#include <string>

namespace {

// The model path as far as the kind detection reads it: at most its first
// 259 characters, even when the field holds no terminator.
std::string modelPathText() {
    const char* path = theSettings.modelPath;
    const size_t limit = sizeof theSettings.modelPath - 1;
    const void* end = std::memchr(path, '\0', limit);
    return std::string(path, end != nullptr ? static_cast<const char*>(end) - path : limit);
}

} // namespace

SceneObject::~SceneObject() {
    releaseModel();
}

void SceneObject::releaseModel() {
    delete ms3d;
    ms3d = nullptr;
    if (model3ds != nullptr) {
        model3ds->release();
        delete model3ds;
        model3ds = nullptr;
    }
    loaded = false;
}

bool SceneObject::loadModel() {
    std::string path = modelPathText();
    traceFormat("Attempting to load %s", path.c_str());
    if (kind == 1) {
        if (ms3d != nullptr && ms3d->load(path.c_str())) {
            trace("Loaded the model");
            loaded = true;
        } else {
            trace("Failed to load the model!");
        }
    } else if (kind == 2) {
        glEnable(GL_TEXTURE_2D);
        if (model3ds != nullptr && model3ds->load(path.c_str())) {
            trace("Loaded the model");
            loaded = true;
        }
    } else {
        trace("Unrecognized model type.");
    }
    return loaded;
}
