#include "common/message_box_record.h"
#include "formats/3ds/model_3ds.h"
#include "scene/gl.h"
#include "tests/formats/3ds/texture_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/model_3ds_fixtures.h"
#include "tests/support/osmesa_context.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Model3DSLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        glEnable(GL_TEXTURE_2D);
        clearRecordedMessageBoxes();
    }
    void TearDown() override { clearRecordedMessageBoxes(); }

    OsMesaContext gl{32, 32};
    ScratchDirectory directory;
};

// The installed default content: "Quenlow.3DS" naming "QUENLOW.JPG" beside
// the file "quenlow.jpg".
TEST_F(Model3DSLoad, TheDefaultModelLoadsWithItsTexture) {
    std::string path = directory.file("Quenlow.3DS");
    writeBytes(path, defaultShapedModel());
    writeBytes(directory.file("quenlow.jpg"), solidJpeg(16, 16, 200, 100, 50));
    Model3DS model;
    ASSERT_TRUE(model.load(path.c_str()));
    EXPECT_EQ(model.data.objectCount, 1);
    EXPECT_NE(model.textures[0], 0u);
    EXPECT_TRUE(textureHasImage(model.textures[0]));
    EXPECT_EQ(std::count(model.textures + 1, model.textures + 100, 0u), 99);
    EXPECT_TRUE(recordedMessageBoxes().empty());
    model.release();
}

TEST_F(Model3DSLoad, TextureFailuresDoNotFailTheLoad) {
    std::string path = directory.file("Quenlow.3DS");
    writeBytes(path, defaultShapedModel());
    Model3DS model;
    EXPECT_TRUE(model.load(path.c_str()));
    EXPECT_EQ(model.textures[0], 0u);
}

TEST_F(Model3DSLoad, AFileThatIsNotAModelFails) {
    std::string path = directory.file("notes.3ds");
    writeBytes(path, text("hello"));
    Model3DS model;
    EXPECT_FALSE(model.load(path.c_str()));
    EXPECT_EQ(recordedMessageBoxes().size(), 1u);
}

// Materials past the hundredth have no texture slot: their textures are
// dropped instead of being written past the table.
TEST_F(Model3DSLoad, MaterialsPastTheTextureTableGetNoTexture) {
    writeBytes(directory.file("m99.jpg"), solidJpeg(4, 4, 255, 0, 0));
    writeBytes(directory.file("m100.jpg"), solidJpeg(4, 4, 0, 255, 0));
    std::vector<Chunk> chunks;
    for (int i = 0; i <= 100; ++i)
        chunks.push_back(materialChunk(
            MaterialSpec{"M" + std::to_string(i), 1, 2, 3, "m" + std::to_string(i) + ".jpg"}));
    chunks.push_back(objectChunk("Last", sphereMesh(4, 4, 1.0f), "M100"));
    std::string path = directory.file("many.3ds");
    writeBytes(path, chunkBytes(modelFileChunk(chunks)));
    TraceCapture traces;
    Model3DS model;
    ASSERT_TRUE(model.load(path.c_str()));
    EXPECT_EQ(model.data.materialCount, 101);
    EXPECT_EQ(model.data.objectCount, 1);
    EXPECT_EQ(model.data.objects[0].materialIndex, 100);
    EXPECT_NE(model.textures[99], 0u);
    EXPECT_EQ(traces.last(), "3DS: No texture slot for material 100, texture dropped");
}

TEST_F(Model3DSLoad, ReleaseFreesTheArraysAndKeepsTheCounts) {
    std::string path = directory.file("Quenlow.3DS");
    writeBytes(path, defaultShapedModel());
    Model3DS model;
    ASSERT_TRUE(model.load(path.c_str()));
    model.release();
    const t3DObject& object = model.data.objects.at(0);
    EXPECT_EQ(object.vertexCount, 529);
    EXPECT_EQ(object.faceCount, 614);
    EXPECT_TRUE(object.vertices.empty());
    EXPECT_TRUE(object.normals.empty());
    EXPECT_TRUE(object.texCoords.empty());
    EXPECT_TRUE(object.faces.empty());
    EXPECT_EQ(object.vertices.capacity(), 0u);
    EXPECT_EQ(model.data.materialCount, 1);
    model.release();
}

} // namespace
