// One whole frame (clear, step, draw, present) of the stand-in cube in an
// off-screen OSMesa context, without and with the ten-pose blur trail.

#include "scene/frame_rendering.h"
#include "scene/gl_setup.h"
#include "scene/scene_object.h"
#include "scene/scene_state.h"
#include "settings/saver_settings.h"
#include "tests/support/osmesa_context.h"

#include <benchmark/benchmark.h>

static void BM_DrawFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    OsMesaContext gl(width, height);
    if (!gl.valid()) {
        state.SkipWithError("OSMesa could not create an off-screen context");
        return;
    }
    theSettings.setDefaults();
    theSettings.blur = static_cast<int32_t>(state.range(2));
    halfWidth = width / 2;
    halfHeight = height / 2;
    setUpSceneGl(0, 0, width, height);
    SceneObject object;
    sceneObject = &object;
    for (auto _ : state)
        drawFrame(); // presenting finishes the frame (glFinish)
    sceneObject = nullptr;
}
BENCHMARK(BM_DrawFrame)
    ->ArgNames({"width", "height", "blur"})
    ->Args({800, 600, 0})
    ->Args({800, 600, 1})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMillisecond);
