// Writes the MS3D fuzzer's seed corpus: files from the tests' MS3D writer and
// a few damaged variants, one file each in the directory given.

#include "fuzz/seed_files.h"
#include "tests/support/ms3d_writer.h"

#include <string>
#include <utility>
#include <vector>

namespace {

Ms3dFile threeGroups() {
    Ms3dFile file = ms3dQuad(".\\skin.jpg");
    addMs3dSquare(file, 1, 2, 0, 1, -1);
    addMs3dSquare(file, -2, -1, 0, 1, 1);
    Ms3dMaterialSpec plain;
    plain.name = "Plain";
    plain.texture = "textures\\plain.jpg";
    plain.alphaMap = "alpha.jpg";
    file.materials.push_back(plain);
    file.trailing = Bytes(40, 0x7F);
    return file;
}

SeedFiles seeds() {
    Ms3dFile version3 = ms3dQuad("skin.jpg");
    version3.version = 3;
    Ms3dFile noGroups = threeGroups();
    noGroups.groups.clear();
    Bytes whole = ms3dBytes(threeGroups());
    Bytes cut(whole.begin(), whole.begin() + whole.size() / 2);
    return {{"quad.ms3d", ms3dBytes(ms3dQuad(".\\skin.jpg"))},
            {"version_3.ms3d", ms3dBytes(version3)},
            {"three_groups.ms3d", whole},
            {"no_groups.ms3d", ms3dBytes(noGroups)},
            {"empty.ms3d", ms3dBytes(Ms3dFile())},
            {"grid.ms3d", ms3dBytes(ms3dGrid(600, 1000))},
            {"cut_in_half.ms3d", cut}};
}

} // namespace

int main(int argc, char** argv) {
    return writeSeedFiles(argc, argv, "make_ms3d_seeds", seeds());
}
