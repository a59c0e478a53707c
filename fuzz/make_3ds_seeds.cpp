// Writes the 3DS fuzzer's seed corpus: the test fixtures' files and a few
// damaged variants of them, one file each in the directory given.

#include "fuzz/seed_files.h"
#include "tests/support/chunk_writer_3ds.h"
#include "tests/support/model_3ds_fixtures.h"

#include <string>
#include <utility>
#include <vector>

namespace {

Mesh smallMesh() {
    Mesh mesh;
    mesh.vertices = {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0), Vector3(1, 1, 0)};
    mesh.texCoords = {Vector2{0, 0}, Vector2{1, 0}, Vector2{0, 1}, Vector2{1, 1}};
    mesh.faces = {tTriangle{{0, 1, 2}}, tTriangle{{1, 3, 2}}};
    return mesh;
}

SeedFiles seeds() {
    MaterialSpec wood{"Wood", 120, 80, 40, "WOOD.JPG"};
    MaterialSpec stone{"Stone", 90, 90, 100, ""};
    Bytes twoObjects = chunkBytes(modelFileChunk({materialChunk(wood), materialChunk(stone),
                                                  objectChunk("Box", smallMesh(), "Wood"),
                                                  objectChunk("Box2", smallMesh(), "Stone")}));
    Bytes floatColour = chunkBytes(modelFileChunk({chunk(
        0xAFFF, {},
        {chunk(0xA000, text("F")), chunk(0xA020, {}, {chunk(0x0010, f32({0.6f, 0.2f, 0.1f}))}),
         chunk(0xA200, {}, {chunk(0xA300, text("f.jpg"))})})}));
    Bytes direct = chunkBytes(chunk(0x4D4D, {},
                                    {chunk(0x0002, u32(4)), materialChunk(stone),
                                     objectChunk("Direct", smallMesh(), "Stone")}));
    Bytes shortLengths = chunkBytes(
        modelFileChunk({chunkWithLength(0x1234, 0), chunkWithLength(0x4000, 8, text("Short"), {}),
                        chunkWithLength(0xAFFF, 3)}));
    Bytes cut(twoObjects.begin(), twoObjects.begin() + twoObjects.size() / 2);
    return {{"default_shaped.3ds", defaultShapedModel()},
            {"version_4.3ds", defaultShapedModel(4)},
            {"two_objects.3ds", twoObjects},
            {"float_colour.3ds", floatColour},
            {"direct_in_main.3ds", direct},
            {"short_lengths.3ds", shortLengths},
            {"cut_in_half.3ds", cut},
            {"nested_meshes.3ds",
             chunkBytes(chunk(
                 0x4D4D, {},
                 {chunk(0x4000, cat({text("N"), nestedChunks(0x4100, 10,
                                                             chunkBytes(vertexListChunk(
                                                                 smallMesh().vertices)))}))}))}};
}

} // namespace

int main(int argc, char** argv) {
    return writeSeedFiles(argc, argv, "make_3ds_seeds", seeds());
}
