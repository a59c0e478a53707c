#include "formats/ms3d/ms3d_model.h"
#include "tests/support/ms3d_writer.h"
#include "tests/support/scratch_directory.h"

#include <benchmark/benchmark.h>

namespace {

// MS3DModel::load of a file from the page cache: reading it whole, checking
// and copying every record. The model names no texture, so no decoding or
// upload is included.
void BM_LoadMS3DLarge(benchmark::State& state) {
    ScratchDirectory directory;
    std::string path = directory.file("large.ms3d");
    Bytes file = ms3dBytes(ms3dGrid(65000, 65000));
    writeBytes(path, file);
    for (auto _ : state) {
        MS3DModel model;
        if (!model.load(path.c_str()))
            state.SkipWithError("the model did not load");
        benchmark::DoNotOptimize(model.triangles.data());
    }
    state.counters["vertices"] = 65000;
    state.counters["triangles"] = 65000;
    state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_LoadMS3DLarge)->Unit(benchmark::kMillisecond);

} // namespace
