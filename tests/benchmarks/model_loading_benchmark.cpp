#include "formats/3ds/reader_3ds.h"
#include "formats/geometry/vertex_normals.h"
#include "tests/support/model_3ds_fixtures.h"
#include "tests/support/scratch_directory.h"

#include <benchmark/benchmark.h>

namespace {

// Reading a 3DS file (from the page cache) and computing its normals: what
// the start-up's model load costs before the textures.
void loadFile(benchmark::State& state, const Bytes& file) {
    ScratchDirectory directory;
    std::string path = directory.file("model.3ds");
    writeBytes(path, file);
    size_t vertices = 0, triangles = 0;
    for (auto _ : state) {
        tModelData data;
        Reader3DS reader;
        if (!reader.importModel(data, path.c_str()))
            state.SkipWithError("the model did not load");
        vertices = triangles = 0;
        for (const t3DObject& object : data.objects) {
            vertices += object.vertices.size();
            triangles += object.faces.size();
        }
        benchmark::DoNotOptimize(data.objects.data());
    }
    state.counters["vertices"] = static_cast<double>(vertices);
    state.counters["triangles"] = static_cast<double>(triangles);
    state.counters["file_bytes"] = static_cast<double>(file.size());
}

// One object of the default model's size: 529 vertices, 614 triangles.
void BM_Load3dsDefaultSized(benchmark::State& state) {
    loadFile(state, defaultShapedModel());
}
BENCHMARK(BM_Load3dsDefaultSized)->Unit(benchmark::kMicrosecond);

// Two objects of 65,000 vertices and 64,000 triangles each.
void BM_Load3dsLarge(benchmark::State& state) {
    loadFile(state, largeModel());
}
BENCHMARK(BM_Load3dsLarge)->Unit(benchmark::kMillisecond);

// The normals alone, for one of the large model's objects.
void BM_VertexNormalsLargeObject(benchmark::State& state) {
    Mesh mesh = gridMesh(260, 250, 64000, 0.5f);
    for (auto _ : state) {
        std::vector<Vector3> normals = computeVertexNormals(
            mesh.vertices.data(), mesh.vertices.size(), mesh.faces.data(), mesh.faces.size());
        benchmark::DoNotOptimize(normals.data());
    }
}
BENCHMARK(BM_VertexNormalsLargeObject)->Unit(benchmark::kMillisecond);

} // namespace
