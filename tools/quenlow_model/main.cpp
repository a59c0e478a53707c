// quenlow-model: what the saver's model loading makes of a model file, and a
// picture of it drawn the way the saver draws it. See docs/quenlow-model.md.

#include "common/message_box_record.h"
#include "common/trace.h"
#include "scene/gl.h"
#include "scene/gl_setup.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"
#include "tools/quenlow_model/model_summary.h"
#include "tools/quenlow_model/offscreen_gl.h"
#include "tools/quenlow_model/png_file.h"
#include "tools/quenlow_model/tool_options.h"

#include <cstdio>
#include <cstring>

namespace {

void printTrace(const char* text) {
    std::fprintf(stderr, "trace: %s\n", text);
}

// The settings a start-up would read, with the tool's choices: the model
// path, lighting, scale, and no axis offsets (the angles are the whole turn).
bool applySettings(const ToolOptions& options) {
    theSettings.setDefaults();
    if (options.modelPath.size() >= sizeof theSettings.modelPath) {
        std::fprintf(stderr,
                     "quenlow-model: the path is longer than the saver's %zu-character "
                     "limit: %s\n",
                     sizeof theSettings.modelPath - 1, options.modelPath.c_str());
        return false;
    }
    std::strcpy(theSettings.modelPath, options.modelPath.c_str());
    theSettings.lighting = options.lighting ? 1 : 0;
    theSettings.scale = options.scale;
    theSettings.xoff = theSettings.yoff = theSettings.zoff = 0;
    halfWidth = options.width / 2;
    halfHeight = options.height / 2;
    return true;
}

void placeAtCentre(SceneObject& object, const ToolOptions& options) {
    object.x = object.y = object.z = 0;
    object.angleX = options.angles[0];
    object.angleY = options.angles[1];
    object.angleZ = options.angles[2];
}

// One frame as the saver draws it without the trail and the text.
int render(const ToolOptions& options, SceneObject& object, OffscreenGl& gl) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    object.draw();
    std::string error;
    if (!writePng(options.outputPath, options.width, options.height, gl.rgbPicture(), error)) {
        std::fprintf(stderr, "quenlow-model: cannot write %s: %s\n", options.outputPath.c_str(),
                     error.c_str());
        return 1;
    }
    std::printf("rendered %s as %s at %dx%d into %s\n", options.modelPath.c_str(),
                object.loaded ? "the model" : "the cube (the model did not load)", options.width,
                options.height, options.outputPath.c_str());
    return 0;
}

int run(const ToolOptions& options) {
    if (!applySettings(options))
        return 2;
    OffscreenGl gl(options.width, options.height);
    if (!gl.valid()) {
        std::fprintf(stderr, "quenlow-model: cannot create an off-screen OpenGL context "
                             "(OSMesa; on Debian: apt-get install libosmesa6)\n");
        return 1;
    }
    setUpSceneGl(0, 0, options.width, options.height);
    clearRecordedMessageBoxes();
    SceneObject object;
    placeAtCentre(object, options);
    object.loadModel();
    if (options.command == ToolOptions::Command::info) {
        writeModelSummary(stdout, options.modelPath, object);
        return object.loaded ? 0 : 1;
    }
    return render(options, object, gl);
}

} // namespace

int main(int argc, char** argv) {
    ToolOptions options;
    std::string error;
    if (!parseToolOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "quenlow-model: %s\n%s", error.c_str(), toolUsage);
        return 2;
    }
    if (options.trace)
        setTraceSink(printTrace);
    return run(options);
}
