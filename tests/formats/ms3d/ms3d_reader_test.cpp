#include "formats/ms3d/ms3d_model.h"
#include "formats/ms3d/ms3d_reader.h"
#include "tests/support/ms3d_writer.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Read {
    bool result = false;
    MS3DModel model;
    std::string lastTrace;
};

Read readBytes(const Bytes& bytes, const char* modelPath = "C:\\models\\ship.ms3d") {
    Read read;
    TraceCapture traces;
    read.result = readMS3D(read.model, bytes.data(), bytes.size(), modelPath);
    read.lastTrace = traces.last();
    return read;
}

// Two squares: the first with a red material, the second with material -1;
// a second material names a texture.
Ms3dFile twoSquares() {
    Ms3dFile file;
    addMs3dSquare(file, -1, 0, -1, 1, 0);
    addMs3dSquare(file, 0, 1, -1, 1, -1);
    Ms3dMaterialSpec red;
    red.name = "Red";
    red.ambient = {0.1f, 0, 0, 1};
    red.diffuse = {0.9f, 0.1f, 0.1f, 1};
    red.specular = {0.3f, 0.3f, 0.3f, 1};
    red.emissive = {0.05f, 0, 0, 1};
    red.shininess = 12.5f;
    Ms3dMaterialSpec skin;
    skin.name = "Skin";
    skin.texture = ".\\skin.jpg";
    file.materials = {red, skin};
    return file;
}

// Every count equals its array's length.
void expectConsistent(const MS3DModel& m) {
    EXPECT_EQ(m.vertexCount, static_cast<int>(m.vertices.size()));
    EXPECT_EQ(m.triangleCount, static_cast<int>(m.triangles.size()));
    EXPECT_EQ(m.groupCount, static_cast<int>(m.groups.size()));
    EXPECT_EQ(m.materialCount, static_cast<int>(m.materials.size()));
    for (const MS3DGroup& group : m.groups)
        EXPECT_EQ(group.triangleCount, static_cast<int>(group.triangleIndices.size()));
}

void expectTwoSquares(const Read& r) {
    ASSERT_TRUE(r.result);
    expectConsistent(r.model);
    EXPECT_EQ(r.model.vertexCount, 8);
    EXPECT_EQ(r.model.triangleCount, 4);
    ASSERT_EQ(r.model.groupCount, 2);
    EXPECT_EQ(r.model.groups[0].materialIndex, 0);
    EXPECT_EQ(r.model.groups[1].materialIndex, -1);
    EXPECT_EQ(r.model.groups[1].triangleIndices, (std::vector<int>{2, 3}));
    ASSERT_EQ(r.model.materialCount, 2);
}

void expectRejected(const Read& r) {
    EXPECT_FALSE(r.result);
}

std::function<void(const Read&)> rejectedWith(const std::string& trace) {
    return [trace](const Read& r) {
        EXPECT_FALSE(r.result);
        EXPECT_EQ(r.lastTrace, trace);
    };
}

// The bytes of twoSquares() after an edit.
std::function<Bytes()> twoSquaresWith(const std::function<void(Ms3dFile&)>& edit) {
    return [edit] {
        Ms3dFile file = twoSquares();
        edit(file);
        return ms3dBytes(file);
    };
}

struct ReadCase {
    std::string name;
    std::function<Bytes()> file;
    std::function<void(const Read&)> check;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class MS3DReaderFiles : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MS3DReaderFiles, ReadAsExpected) {
    Read read = readBytes(GetParam().file());
    GetParam().check(read);
}

Bytes cut(const Ms3dFile& file, size_t size) {
    Bytes bytes = ms3dBytes(file);
    bytes.resize(size);
    return bytes;
}

Bytes withU16At(Bytes bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
    return bytes;
}

const ReadCase readCases[] = {
    {"Version3", twoSquaresWith([](Ms3dFile& f) { f.version = 3; }), expectTwoSquares},
    {"Version4", twoSquaresWith([](Ms3dFile& f) { f.version = 4; }), expectTwoSquares},
    {"Version7", twoSquaresWith([](Ms3dFile& f) { f.version = 7; }), expectTwoSquares},
    {"Version2", twoSquaresWith([](Ms3dFile& f) { f.version = 2; }), expectRejected},
    {"NegativeVersion", twoSquaresWith([](Ms3dFile& f) { f.version = -4; }), expectRejected},
    {"LastIdentifierCharacter1", twoSquaresWith([](Ms3dFile& f) { f.identifier = "MS3D000001"; }),
     expectRejected},
    {"FirstIdentifierCharacterLowerCase",
     twoSquaresWith([](Ms3dFile& f) { f.identifier = "mS3D000000"; }), expectRejected},
    {"ShorterThanTheHeader", [] { return cut(twoSquares(), 13); }, expectRejected},
    {"HeaderOnly", [] { return cut(twoSquares(), 14); }, expectRejected},
    {"TrailingBytesAreNotRead", twoSquaresWith([](Ms3dFile& f) { f.trailing = Bytes(1000, 0xFF); }),
     expectTwoSquares},
    {"ZeroGroups", twoSquaresWith([](Ms3dFile& f) { f.groups.clear(); }),
     [](const Read& r) {
         ASSERT_TRUE(r.result);
         expectConsistent(r.model);
         EXPECT_EQ(r.model.groupCount, 0);
         EXPECT_EQ(r.model.materialCount, 2);
     }},
    {"EmptyModel", [] { return ms3dBytes(Ms3dFile()); },
     [](const Read& r) {
         ASSERT_TRUE(r.result);
         expectConsistent(r.model);
         EXPECT_EQ(r.model.vertexCount + r.model.triangleCount + r.model.groupCount +
                       r.model.materialCount,
                   0);
     }},
    // What the checks guard against: reading outside the data or the arrays.
    {"VertexIndexPastTheVertices",
     twoSquaresWith([](Ms3dFile& f) { f.triangles[3].vertices[2] = 8; }),
     rejectedWith("MS3D: a triangle names vertex 8 of 8")},
    {"TriangleIndexPastTheTriangles",
     twoSquaresWith([](Ms3dFile& f) { f.groups[1].triangles[1] = 4; }),
     rejectedWith("MS3D: a group names triangle 4 of 4")},
    {"MaterialIndexPastTheMaterials", twoSquaresWith([](Ms3dFile& f) { f.groups[1].material = 2; }),
     rejectedWith("MS3D: a group names material 2 of 2")},
    {"LargestMaterialIndexWithoutMaterials", twoSquaresWith([](Ms3dFile& f) {
         f.groups[0].material = 127;
         f.materials.clear();
     }),
     rejectedWith("MS3D: a group names material 127 of 0")},
    // A count that the data does not hold is refused before its array is made.
    {"VertexCountBeyondTheData", [] { return withU16At(ms3dBytes(twoSquares()), 14, 65535); },
     [](const Read& r) {
         rejectedWith("MS3D: file ends inside its vertices")(r);
         EXPECT_EQ(r.model.vertices.capacity(), 0u);
     }},
    {"GroupTriangleCountBeyondTheData",
     [] {
         Ms3dFile file = twoSquares();
         Ms3dLayout layout = ms3dLayout(file);
         return withU16At(ms3dBytes(file), layout.groupCount + 2 + 33, 40000);
     },
     [](const Read& r) {
         rejectedWith("MS3D: file ends inside a group")(r);
         EXPECT_EQ(r.model.groups.at(0).triangleIndices.capacity(), 0u);
     }},
    {"TextureNameFillingItsField", twoSquaresWith([](Ms3dFile& f) {
         f.materials[1].texture = std::string(128, 'n');
         f.materials[1].alphaMap = "alpha.jpg";
     }),
     [](const Read& r) {
         ASSERT_TRUE(r.result);
         EXPECT_EQ(r.model.materials[1].textureFile, std::string(128, 'n'));
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, MS3DReaderFiles, ::testing::ValuesIn(readCases),
                         [](const auto& info) { return info.param.name; });

// Cut anywhere before the end of the materials, the file is rejected; whole,
// it loads.
TEST(MS3DReader, AFileCutShortAnywhereIsRejected) {
    Ms3dFile file = twoSquares();
    Bytes bytes = ms3dBytes(file);
    Ms3dLayout layout = ms3dLayout(file);
    ASSERT_EQ(layout.end, bytes.size());
    for (size_t size = 0; size < bytes.size(); ++size) {
        MS3DModel model;
        ASSERT_FALSE(readMS3D(model, bytes.data(), size, "ship.ms3d")) << size << " bytes";
        expectConsistent(model);
    }
    MS3DModel model;
    EXPECT_TRUE(readMS3D(model, bytes.data(), bytes.size(), "ship.ms3d"));
}

TEST(MS3DReader, RecordsAreCopiedWithTheTextureCoordinateFlipped) {
    Ms3dFile file;
    file.vertices = {{1.5f, -2, 3, 7}, {4, 5, 6, -1}, {7, 8, 9.25f, 0}};
    Ms3dTriangleSpec triangle;
    triangle.vertices = {2, 0, 1};
    triangle.normals = {{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}};
    triangle.s = {0.25f, 0.5f, 1};
    triangle.t = {0.25f, 0, 1};
    file.triangles = {triangle};
    file.groups = {Ms3dGroupSpec{"G", {0, 0}, 0}};
    Ms3dMaterialSpec material;
    material.ambient = {0.1f, 0.2f, 0.3f, 0.4f};
    material.diffuse = {0.5f, 0.6f, 0.7f, 0.8f};
    material.specular = {0.9f, 1, 0, 0.5f};
    material.emissive = {0, 0.25f, 0, 1};
    material.shininess = 64;
    material.texture = "C:\\skins\\skin.jpg";
    file.materials = {material};
    Read r = readBytes(ms3dBytes(file));
    ASSERT_TRUE(r.result);
    EXPECT_EQ(r.model.vertices[0].point[0], 1.5f);
    EXPECT_EQ(r.model.vertices[0].point[1], -2.0f);
    EXPECT_EQ(r.model.vertices[2].point[2], 9.25f);
    EXPECT_EQ(r.model.vertices[0].boneIndex, 7);
    EXPECT_EQ(r.model.vertices[1].boneIndex, -1);
    const MS3DTriangle& t = r.model.triangles[0];
    EXPECT_EQ(t.vertexIndices[0], 2);
    EXPECT_EQ(t.vertexIndices[2], 1);
    EXPECT_EQ(t.normals[1][1], 1.0f);
    EXPECT_EQ(t.normals[2][0], 1.0f);
    EXPECT_EQ(t.s[0], 0.25f);
    EXPECT_EQ(t.s[1], 0.5f);
    EXPECT_EQ(t.t[0], 0.75f);
    EXPECT_EQ(t.t[1], 1.0f);
    EXPECT_EQ(t.t[2], 0.0f);
    EXPECT_EQ(r.model.groups[0].triangleIndices, (std::vector<int>{0, 0}));
    const MS3DMaterial& m = r.model.materials[0];
    EXPECT_EQ(m.ambient[3], 0.4f);
    EXPECT_EQ(m.diffuse[0], 0.5f);
    EXPECT_EQ(m.specular[1], 1.0f);
    EXPECT_EQ(m.emissive[1], 0.25f);
    EXPECT_EQ(m.shininess, 64.0f);
    EXPECT_EQ(m.textureFile, "C:\\skins\\skin.jpg");
    EXPECT_EQ(m.texture, 0u);
}

TEST(MS3DReader, TextureNamesAreResolvedAgainstTheModelPath) {
    Read r = readBytes(ms3dBytes(twoSquares()), "C:/models/ship.ms3d");
    ASSERT_TRUE(r.result);
    EXPECT_EQ(r.model.materials[0].textureFile, "");
    EXPECT_EQ(r.model.materials[1].textureFile, "C:/models\\skin.jpg");
}

// The model loads without the texture whose joined path is too long.
TEST(MS3DReader, ATexturePathTooLongToJoinIsDropped) {
    std::string directory = "C:\\" + std::string(250, 'd');
    Ms3dFile file = twoSquares();
    file.materials[1].texture = ".\\" + std::string(8, 's'); // joined: 254 + 8 = 262
    Read r = readBytes(ms3dBytes(file), (directory + "\\ship.ms3d").c_str());
    ASSERT_TRUE(r.result);
    EXPECT_EQ(r.model.materials[1].textureFile, "");
    EXPECT_EQ(r.lastTrace, "MS3D: texture path too long, texture dropped: .\\ssssssss");
}

// load: the file's bytes go through the same reader.
TEST(MS3DReader, LoadReadsTheFileAndFailsWithoutOne) {
    ScratchDirectory directory;
    std::string path = directory.file("ship.ms3d");
    Ms3dFile file = twoSquares();
    file.materials[1].texture.clear();
    writeBytes(path, ms3dBytes(file));
    MS3DModel model;
    EXPECT_TRUE(model.load(path.c_str()));
    EXPECT_EQ(model.groupCount, 2);

    writeBytes(path, twoSquaresWith([](Ms3dFile& f) { f.version = 2; })());
    MS3DModel old;
    EXPECT_FALSE(old.load(path.c_str()));

    MS3DModel missing;
    EXPECT_FALSE(missing.load(directory.file("absent.ms3d").c_str()));
}

} // namespace
