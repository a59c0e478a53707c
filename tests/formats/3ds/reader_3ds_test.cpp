#include "common/message_box_record.h"
#include "formats/3ds/reader_3ds.h"
#include "tests/support/chunk_writer_3ds.h"
#include "tests/support/model_3ds_fixtures.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Imported {
    bool result = false;
    tModelData data;
    std::vector<RecordedMessageBox> boxes;
    std::string path;
};

Imported importBytes(const Bytes& bytes) {
    ScratchDirectory directory;
    Imported imported;
    imported.path = directory.file("model.3ds");
    writeBytes(imported.path, bytes);
    clearRecordedMessageBoxes();
    Reader3DS reader;
    imported.result = reader.importModel(imported.data, imported.path.c_str());
    imported.boxes = recordedMessageBoxes();
    clearRecordedMessageBoxes();
    return imported;
}

Mesh triangleMesh() {
    Mesh mesh;
    mesh.vertices = {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)};
    mesh.texCoords = {Vector2{0, 0}, Vector2{1, 0}, Vector2{0, 1}};
    mesh.faces = {tTriangle{{0, 1, 2}}};
    return mesh;
}

Bytes modelWith(std::vector<Chunk> editorChunks, uint32_t version = 3) {
    return chunkBytes(modelFileChunk(std::move(editorChunks), version));
}

// Every count equals its array's length, and each object has a normal per
// vertex.
void expectConsistent(const tModelData& data) {
    ASSERT_EQ(data.objectCount, static_cast<int>(data.objects.size()));
    ASSERT_EQ(data.materialCount, static_cast<int>(data.materials.size()));
    for (const t3DObject& object : data.objects) {
        EXPECT_EQ(object.vertexCount, static_cast<int>(object.vertices.size()));
        EXPECT_EQ(object.faceCount, static_cast<int>(object.faces.size()));
        EXPECT_EQ(object.texCoordCount, static_cast<int>(object.texCoords.size()));
        EXPECT_EQ(object.normals.size(), object.vertices.size());
    }
}

void expectDefaultShape(const Imported& imported) {
    ASSERT_TRUE(imported.result);
    expectConsistent(imported.data);
    ASSERT_EQ(imported.data.materialCount, 1);
    const tMaterialInfo& material = imported.data.materials[0];
    EXPECT_STREQ(material.name, "01 - Default");
    EXPECT_STREQ(material.textureFile, "QUENLOW.JPG");
    EXPECT_EQ(material.colour[0], 150);
    EXPECT_EQ(material.colour[1], 150);
    EXPECT_EQ(material.colour[2], 150);
    ASSERT_EQ(imported.data.objectCount, 1);
    const t3DObject& object = imported.data.objects[0];
    EXPECT_STREQ(object.name, "Sphere01");
    EXPECT_EQ(object.vertexCount, 529);
    EXPECT_EQ(object.texCoordCount, 529);
    EXPECT_EQ(object.faceCount, 614);
    EXPECT_EQ(object.materialIndex, 0);
    EXPECT_TRUE(object.hasTexture);
    Mesh expected = defaultSizedMesh();
    for (size_t i : {size_t{0}, size_t{300}, size_t{528}}) {
        EXPECT_EQ(object.vertices[i].x, expected.vertices[i].x);
        EXPECT_EQ(object.vertices[i].y, expected.vertices[i].y);
        EXPECT_EQ(object.vertices[i].z, expected.vertices[i].z);
        EXPECT_EQ(object.texCoords[i].u, expected.texCoords[i].u);
        EXPECT_EQ(object.texCoords[i].v, expected.texCoords[i].v);
    }
    for (size_t i : {size_t{0}, size_t{613}})
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(object.faces[i].vertIndex[k], expected.faces[i].vertIndex[k]);
}

const RecordedMessageBox versionWarning{
    "This 3DS file is over version 3 so it may load incorrectly", "Warning", false};

void expectBoxes(const Imported& imported, const std::vector<RecordedMessageBox>& expected) {
    ASSERT_EQ(imported.boxes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(imported.boxes[i].text, expected[i].text);
        EXPECT_EQ(imported.boxes[i].caption, expected[i].caption);
        EXPECT_EQ(imported.boxes[i].errorIcon, expected[i].errorIcon);
    }
}

// Files 3D Studio writes, and the quirks of the chunk walk they rely on.
struct ReaderCase {
    std::string name;
    std::function<Bytes()> file;
    std::function<void(const Imported&)> check;
};

void PrintTo(const ReaderCase& c, std::ostream* out) {
    *out << c.name;
}

class ReaderFiles : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderFiles, LoadAsExpected) {
    Imported imported = importBytes(GetParam().file());
    if (!::testing::Test::HasFatalFailure())
        GetParam().check(imported);
}

const MaterialSpec wood{"Wood", 120, 80, 40, "WOOD.JPG"};
const MaterialSpec stone{"Stone", 90, 90, 100, ""};

Chunk triangleObject(const std::string& name, std::vector<Chunk> groups) {
    Mesh mesh = triangleMesh();
    return chunk(0x4000, text(name),
                 {chunk(0x4100, {},
                        {vertexListChunk(mesh.vertices), texCoordListChunk(mesh.texCoords),
                         faceListChunk(mesh.faces, std::move(groups))})});
}

const ReaderCase readerCases[] = {
    {"DefaultShapedModel", [] { return defaultShapedModel(); },
     [](const Imported& m) {
         expectDefaultShape(m);
         expectBoxes(m, {});
     }},
    {"VersionFourWarnsOnceAndLoadsTheSame", [] { return defaultShapedModel(4); },
     [](const Imported& m) {
         expectDefaultShape(m);
         expectBoxes(m, {versionWarning});
     }},
    {"MeshVersionAboveThreeIsNotChecked", [] { return defaultShapedModel(3, 5); },
     [](const Imported& m) {
         expectDefaultShape(m);
         expectBoxes(m, {});
     }},
    {"GroupNameDifferingInCaseDoesNotMatch",
     [] {
         return modelWith({materialChunk(wood), materialChunk(stone),
                           triangleObject("Box", {materialGroupChunk("wood", 1)})});
     },
     [](const Imported& m) {
         ASSERT_EQ(m.data.objectCount, 1);
         EXPECT_EQ(m.data.objects[0].materialIndex, 0);
         EXPECT_FALSE(m.data.objects[0].hasTexture);
     }},
    {"LastMatchingGroupChoosesTheMaterialButTextureStays",
     [] {
         return modelWith(
             {materialChunk(wood), materialChunk(stone),
              triangleObject("Box", {materialGroupChunk("Wood", 1), materialGroupChunk("STONE", 1),
                                     materialGroupChunk("Stone", 1)})});
     },
     [](const Imported& m) {
         ASSERT_EQ(m.data.objectCount, 1);
         EXPECT_EQ(m.data.objects[0].materialIndex, 1);
         EXPECT_TRUE(m.data.objects[0].hasTexture);
     }},
    {"ObjectWithoutTextureCoordinates",
     [] {
         Mesh mesh = triangleMesh();
         mesh.texCoords.clear();
         return modelWith({objectChunk("Plain", mesh, "")});
     },
     [](const Imported& m) {
         expectConsistent(m.data);
         ASSERT_EQ(m.data.objectCount, 1);
         EXPECT_EQ(m.data.objects[0].texCoordCount, 0);
         EXPECT_TRUE(m.data.objects[0].texCoords.empty());
         EXPECT_EQ(m.data.objects[0].vertexCount, 3);
     }},
    {"ShortPayloadsLeaveZeros",
     [] {
         return modelWith({chunk(0x4000, text("Short"),
                                 {chunk(0x4110, cat({u16(3), f32({1, 2, 3, 4})})),
                                  chunk(0x4140, cat({u16(3), f32({0.5f, 0.25f, 0.75f})}))})});
     },
     [](const Imported& m) {
         expectConsistent(m.data);
         ASSERT_EQ(m.data.objectCount, 1);
         const t3DObject& o = m.data.objects[0];
         ASSERT_EQ(o.vertexCount, 3);
         EXPECT_EQ(o.vertices[0].z, 3.0f);
         EXPECT_EQ(o.vertices[1].x, 4.0f);
         EXPECT_EQ(o.vertices[1].y, 0.0f);
         EXPECT_EQ(o.vertices[2].x, 0.0f);
         EXPECT_EQ(o.vertices[2].z, 0.0f);
         ASSERT_EQ(o.texCoordCount, 3);
         EXPECT_EQ(o.texCoords[1].u, 0.75f);
         EXPECT_EQ(o.texCoords[1].v, 0.0f);
         EXPECT_EQ(o.texCoords[2].u, 0.0f);
     }},
    {"FloatColourGivesTheFirstThreeBytes",
     [] {
         // 0.6f is 0x3F19999A: bytes 9A 99 19 3F.
         return modelWith({chunk(0xAFFF, {},
                                 {chunk(0xA000, text("Float")),
                                  chunk(0xA020, {}, {chunk(0x0010, f32({0.6f, 0.2f, 0.1f}))}),
                                  chunk(0xA300, text("after.jpg"))})});
     },
     [](const Imported& m) {
         ASSERT_EQ(m.data.materialCount, 1);
         const tMaterialInfo& material = m.data.materials[0];
         EXPECT_EQ(material.colour[0], 0x9A);
         EXPECT_EQ(material.colour[1], 0x99);
         EXPECT_EQ(material.colour[2], 0x19);
         EXPECT_STREQ(material.textureFile, "after.jpg");
     }},
    {"ObjectAndMaterialDirectlyInTheMainChunk",
     [] {
         return chunkBytes(chunk(0x4D4D, {},
                                 {chunk(0x0002, u32(3)), materialChunk(defaultMaterial()),
                                  objectChunk("Sphere01", defaultSizedMesh(), "01 - Default")}));
     },
     [](const Imported& m) {
         expectDefaultShape(m);
         expectBoxes(m, {});
     }},
    {"EditorChunkTakesItsFirstSubChunkAsMeshVersion",
     [] {
         return chunkBytes(chunk(
             0x4D4D, {},
             {chunk(0x3D3D, {}, {triangleObject("First", {}), triangleObject("Second", {})})}));
     },
     [](const Imported& m) {
         ASSERT_EQ(m.data.objectCount, 1);
         EXPECT_STREQ(m.data.objects[0].name, "Second");
     }},
    {"ColourSubChunksAfterTheFirstAreSkipped",
     [] {
         return modelWith({chunk(
             0xAFFF, {},
             {chunk(0xA020, {}, {chunk(0x0011, Bytes{1, 2, 3}), chunk(0x0011, Bytes{4, 5, 6})}),
              chunk(0xA000, text("Later"))})});
     },
     [](const Imported& m) {
         ASSERT_EQ(m.data.materialCount, 1);
         EXPECT_EQ(m.data.materials[0].colour[0], 1);
         EXPECT_EQ(m.data.materials[0].colour[2], 3);
         EXPECT_STREQ(m.data.materials[0].name, "Later");
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, ReaderFiles, ::testing::ValuesIn(readerCases),
                         [](const auto& info) { return info.param.name; });

// Files that are not 3DS models, and files that are too short to tell.
class NotAModel : public ::testing::TestWithParam<Bytes> {};

TEST_P(NotAModel, ShowsTheErrorBoxAndLoadsNothing) {
    Imported imported = importBytes(GetParam());
    EXPECT_FALSE(imported.result);
    EXPECT_EQ(imported.data.objectCount, 0);
    EXPECT_EQ(imported.data.materialCount, 0);
    expectBoxes(imported, {{"Unable to load PRIMARY chuck from file: " + imported.path + "!",
                            "Error", false}});
}

INSTANTIATE_TEST_SUITE_P(Files, NotAModel,
                         ::testing::Values(cat({Bytes{'M', 'S', '3', 'D', '0', '0', '0', '0', '0',
                                                      '0'},
                                                u32(4), Bytes(40, 0)}),
                                           text("just some text\r\n"), Bytes{}, Bytes{0x4D, 0x4D},
                                           Bytes{0x4D, 0x4D, 10, 0, 0},
                                           chunkBytes(chunk(0x3D3D, {}, {chunk(0x3D3E, u32(3))}))));

TEST(Reader3DS, AMissingFileFailsWithoutABox) {
    ScratchDirectory directory;
    std::string path = directory.file("absent.3ds");
    clearRecordedMessageBoxes();
    TraceCapture traces;
    tModelData data;
    Reader3DS reader;
    EXPECT_FALSE(reader.importModel(data, path.c_str()));
    EXPECT_TRUE(recordedMessageBoxes().empty());
    EXPECT_EQ(traces.last(), "Unable to find the file: " + path + "!");
    EXPECT_EQ(data.objectCount, 0);
}

// The end of the file ends the import wherever it falls, keeping what was
// read and never reading outside the arrays.
TEST(Reader3DS, AFileCutAnywhereKeepsWhatWasRead) {
    Bytes whole = modelWith({materialChunk(wood), materialChunk(stone),
                             triangleObject("Box", {materialGroupChunk("Wood", 1)}),
                             triangleObject("Box2", {materialGroupChunk("Stone", 1)})},
                            4);
    for (size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("file cut at " + std::to_string(length) + " bytes");
        Imported imported = importBytes(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_EQ(imported.result, length >= 6);
        expectConsistent(imported.data);
        EXPECT_LE(imported.data.objectCount, 2);
        EXPECT_LE(imported.data.materialCount, 2);
        EXPECT_LE(imported.boxes.size(), 1u);
    }
    Imported full = importBytes(whole);
    ASSERT_EQ(full.data.objectCount, 2);
    EXPECT_EQ(full.data.objects[1].materialIndex, 1);
}

TEST(Reader3DS, ATruncatedVertexListKeepsTheObjectsBeforeIt) {
    Bytes cut = chunkBytes(triangleObject("Cut", {}));
    Bytes whole = chunkBytes(
        chunkWithLength(0x4D4D, 0xFFFFFFFF, {},
                        {chunk(0x3D3D, {}, {chunk(0x3D3E, u32(3)), triangleObject("Whole", {})})}));
    // The second object ends 6 bytes into its vertex positions.
    append(whole, Bytes(cut.begin(), cut.begin() + 30));
    Imported imported = importBytes(whole);
    ASSERT_TRUE(imported.result);
    expectConsistent(imported.data);
    ASSERT_EQ(imported.data.objectCount, 2);
    EXPECT_EQ(imported.data.objects[0].vertexCount, 3);
    EXPECT_EQ(imported.data.objects[0].faceCount, 1);
    const t3DObject& last = imported.data.objects[1];
    EXPECT_STREQ(last.name, "Cut");
    ASSERT_EQ(last.vertexCount, 3);
    EXPECT_EQ(last.vertices[2].y, 0.0f);
    EXPECT_EQ(last.faceCount, 0);
}

// Declared lengths shorter than what a chunk already gave end that chunk;
// the walk around it goes on after the bytes actually read.
TEST(Reader3DS, ChunksShorterThanTheirContentEndThere) {
    Mesh mesh = triangleMesh();
    Bytes file = modelWith({chunkWithLength(0x1234, 0), chunkWithLength(0x5678, 3),
                            chunkWithLength(0x4000, 8, text("Sphere01"),
                                            {chunk(0x4100, {}, {vertexListChunk(mesh.vertices)})}),
                            chunkWithLength(0xAFFF, 5, {}, {chunk(0xA000, text("Lost"))}),
                            materialChunk(stone),
                            triangleObject("After", {materialGroupChunk("Stone", 1)})});
    Imported imported = importBytes(file);
    ASSERT_TRUE(imported.result);
    expectConsistent(imported.data);
    ASSERT_EQ(imported.data.objectCount, 2);
    EXPECT_STREQ(imported.data.objects[0].name, "Sphere01");
    EXPECT_EQ(imported.data.objects[0].vertexCount, 0);
    EXPECT_STREQ(imported.data.objects[1].name, "After");
    EXPECT_EQ(imported.data.objects[1].vertexCount, 3);
    ASSERT_EQ(imported.data.materialCount, 2);
    EXPECT_STREQ(imported.data.materials[0].name, "");
    EXPECT_STREQ(imported.data.materials[1].name, "Stone");
    EXPECT_EQ(imported.data.objects[1].materialIndex, 1);
}

TEST(Reader3DS, AMainChunkShorterThanItsHeaderLoadsNothing) {
    Imported imported =
        importBytes(chunkBytes(chunkWithLength(0x4D4D, 2, {}, {chunk(0x4000, text("Ignored"))})));
    EXPECT_TRUE(imported.result);
    EXPECT_EQ(imported.data.objectCount, 0);
}

// Payloads larger than their destination are cut; the rest of the chunk is
// skipped so that the next chunk is read from its start.
TEST(Reader3DS, OversizedPayloadsAreCutAndTheRestSkipped) {
    std::string longName(300, 'n');
    std::string longFile(300, 'f');
    Bytes file = chunkBytes(
        chunk(0x4D4D, {},
              {chunk(0x0002, cat({u32(3), u32(99)})),
               chunk(0x3D3D, {},
                     {chunk(0x3D3E, cat({u32(3), u32(7), u32(9)})),
                      chunk(0xAFFF, {},
                            {chunk(0xA000, text(longName)),
                             chunk(0xA020, {}, {chunk(0x0011, Bytes{10, 20, 30, 40, 50, 60})}),
                             chunk(0xA200, {}, {chunk(0xA300, text(longFile))})}),
                      chunk(0x4000, text(longName),
                            {chunk(0x4100, {},
                                   {chunk(0x4110, cat({u16(1), f32({1, 2, 3, 4, 5, 6, 7, 8, 9})})),
                                    chunk(0x4140, cat({u16(1), f32({0.5f, 0.5f, 9, 9, 9})})),
                                    faceListChunk({tTriangle{{0, 0, 0}}},
                                                  {materialGroupChunk(longName, 1)})})})})}));
    Imported imported = importBytes(file);
    ASSERT_TRUE(imported.result);
    expectBoxes(imported, {});
    expectConsistent(imported.data);
    ASSERT_EQ(imported.data.materialCount, 1);
    const tMaterialInfo& material = imported.data.materials[0];
    EXPECT_EQ(std::string(material.name), std::string(254, 'n'));
    EXPECT_EQ(std::string(material.textureFile), std::string(254, 'f'));
    EXPECT_EQ(material.colour[0], 10);
    EXPECT_EQ(material.colour[2], 30);
    ASSERT_EQ(imported.data.objectCount, 1);
    const t3DObject& object = imported.data.objects[0];
    EXPECT_EQ(std::string(object.name), std::string(254, 'n'));
    ASSERT_EQ(object.vertexCount, 1);
    EXPECT_EQ(object.vertices[0].z, 3.0f);
    ASSERT_EQ(object.texCoordCount, 1);
    EXPECT_EQ(object.texCoords[0].v, 0.5f);
    EXPECT_EQ(object.faceCount, 1);
    EXPECT_EQ(object.materialIndex, 0);
    EXPECT_TRUE(object.hasTexture);
}

TEST(Reader3DS, AVersionPayloadLongerThanFourBytesStillWarns) {
    Imported imported = importBytes(chunkBytes(
        chunk(0x4D4D, {}, {chunk(0x0002, cat({u32(4), u32(0)})), chunk(0x0002, u16(2))})));
    ASSERT_TRUE(imported.result);
    // The second, two-byte version replaces only the low bytes of the first.
    expectBoxes(imported, {versionWarning});
}

TEST(Reader3DS, TrianglesNamingMissingVerticesDoNotReachOutside) {
    Mesh mesh = triangleMesh();
    mesh.faces.push_back(tTriangle{{0, 1, 7}});
    mesh.faces.push_back(tTriangle{{65535, 2, 1}});
    Imported imported = importBytes(modelWith({objectChunk("Bad", mesh, "")}));
    ASSERT_TRUE(imported.result);
    const t3DObject& object = imported.data.objects.at(0);
    ASSERT_EQ(object.faceCount, 3);
    ASSERT_EQ(object.normals.size(), 3u);
    for (const Vector3& normal : object.normals) {
        EXPECT_EQ(normal.x, 0.0f);
        EXPECT_EQ(normal.y, 0.0f);
        EXPECT_EQ(normal.z, 1.0f);
    }
}

// Counts are believed even without payload, so each of these 16-byte
// objects asks for 65535 positions and normals (1.5 MiB): the budget ends the
// import before a small file can take the machine's memory.
TEST(Reader3DS, ArraysPastTheBudgetEndTheImport) {
    std::vector<Chunk> objects;
    for (int i = 0; i < 10; ++i)
        objects.push_back(chunk(0x4000, text("o"), {chunk(0x4110, u16(65535))}));
    ScratchDirectory directory;
    std::string path = directory.file("greedy.3ds");
    writeBytes(path, chunkBytes(chunk(0x4D4D, {}, objects)));
    TraceCapture traces;
    tModelData data;
    Reader3DS reader;
    reader.arrayBudget = 4 << 20;
    ASSERT_TRUE(reader.importModel(data, path.c_str()));
    expectConsistent(data);
    ASSERT_EQ(data.objectCount, 3);
    EXPECT_EQ(data.objects[1].vertexCount, 65535);
    EXPECT_EQ(data.objects[2].vertexCount, 0);
    EXPECT_EQ(traces.last(), "3DS: Model arrays too large, import ended");

    tModelData again;
    reader.arrayBudget = 16 << 20;
    ASSERT_TRUE(reader.importModel(again, path.c_str()));
    EXPECT_EQ(again.objectCount, 10);
    EXPECT_EQ(again.objects[9].vertexCount, 65535);
}

// Container chunks nested in themselves far deeper than any model needs.
struct NestingCase {
    std::string name;
    Bytes file;
    std::function<void(const tModelData&)> check;
};

std::vector<NestingCase> nestingCases(size_t depth) {
    Mesh mesh = triangleMesh();
    Bytes vertices = chunkBytes(vertexListChunk(mesh.vertices));
    Bytes meshVersion = chunkBytes(chunk(0x3D3E, u32(3)));
    Bytes deepObjects =
        nestedChunks(0x3D3D, depth, chunkBytes(triangleObject("Deep", {})), meshVersion);
    Bytes deepMeshes = nestedChunks(0x4100, depth, vertices);
    Bytes deepMaps = nestedChunks(0xA200, depth, chunkBytes(chunk(0xA300, text("deep.jpg"))));
    Bytes after = cat({chunkBytes(chunk(0xAFFF, {}, {chunk(0xA000, text("After"))})),
                       chunkBytes(triangleObject("After", {}))});
    auto mainChunk = [&](const Bytes& content) {
        return chunkBytes(chunk(0x4D4D, cat({content, after})));
    };
    return {
        {"Editor", mainChunk(deepObjects),
         [depth](const tModelData& data) {
             ASSERT_GE(data.objectCount, 1);
             EXPECT_STREQ(data.objects.back().name, "After");
             EXPECT_EQ(data.objectCount, depth < Reader3DS::maxNesting ? 2 : 1);
         }},
        {"Mesh", mainChunk(chunkBytes(chunk(0x4000, cat({text("Deep"), deepMeshes})))),
         [depth](const tModelData& data) {
             ASSERT_EQ(data.objectCount, 2);
             EXPECT_EQ(data.objects[0].vertexCount, depth < Reader3DS::maxNesting - 1 ? 3 : 0);
             EXPECT_EQ(data.objects[1].vertexCount, 3);
         }},
        {"TextureMap",
         mainChunk(
             chunkBytes(chunk(0xAFFF, cat({chunkBytes(chunk(0xA000, text("Deep"))), deepMaps})))),
         [depth](const tModelData& data) {
             ASSERT_EQ(data.materialCount, 2);
             EXPECT_STREQ(data.materials[0].name, "Deep");
             EXPECT_STREQ(data.materials[0].textureFile,
                          depth < Reader3DS::maxNesting - 1 ? "deep.jpg" : "");
             EXPECT_STREQ(data.materials[1].name, "After");
         }},
    };
}

TEST(Reader3DS, DeepNestingIsBoundedAndShallowNestingRead) {
    for (size_t depth : {size_t{8}, size_t{200000}}) {
        for (const NestingCase& c : nestingCases(depth)) {
            SCOPED_TRACE(c.name + " nested " + std::to_string(depth) + " deep");
            Imported imported = importBytes(c.file);
            ASSERT_TRUE(imported.result);
            expectConsistent(imported.data);
            c.check(imported.data);
        }
    }
}

} // namespace
