#include "scene/scene_object.h"
#include "settings/saver_settings.h"

#include <benchmark/benchmark.h>

// One frame of motion with every axis swinging or spinning.
static void BM_SceneObjectUpdate(benchmark::State& state) {
    theSettings.setDefaults();
    theSettings.xrot = 30;
    theSettings.yrot = 360;
    halfWidth = 960;
    halfHeight = 540;
    SceneObject object;
    for (auto _ : state) {
        object.update();
        benchmark::DoNotOptimize(object.x);
    }
}
BENCHMARK(BM_SceneObjectUpdate);
