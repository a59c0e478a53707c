#include "formats/3ds/model_3ds.h"
#include "formats/ms3d/ms3d_model.h"
#include "scene/gl.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/model_3ds_fixtures.h"
#include "tests/support/ms3d_writer.h"
#include "tests/support/osmesa_context.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

class ModelLoading : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        theSettings.setDefaults();
    }
    void TearDown() override {
        glFinish();
        theSettings.setDefaults();
    }

    void usePath(const std::string& path) {
        ASSERT_LT(path.size(), sizeof theSettings.modelPath);
        std::strcpy(theSettings.modelPath, path.c_str());
    }

    static bool traced(const TraceCapture& traces, const std::string& text) {
        return std::find(traces.texts().begin(), traces.texts().end(), text) !=
               traces.texts().end();
    }

    OsMesaContext gl{16, 16};
    ScratchDirectory directory;
};

TEST_F(ModelLoading, AThreeDsFileLoadsIntoTheObjectsModel) {
    std::string path = directory.file("Quenlow.3DS");
    writeBytes(path, defaultShapedModel());
    writeBytes(directory.file("quenlow.jpg"), solidJpeg(8, 8, 1, 2, 3));
    usePath(path);
    SceneObject object;
    ASSERT_NE(object.model3ds, nullptr);
    EXPECT_EQ(object.ms3d, nullptr);
    TraceCapture traces;
    EXPECT_TRUE(object.loadModel());
    EXPECT_TRUE(object.loaded);
    EXPECT_EQ(traces.texts().front(), "Attempting to load " + path);
    EXPECT_EQ(traces.last(), "Loaded the model");
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(object.model3ds->data.objectCount, 1);
    EXPECT_NE(object.model3ds->textures[0], 0u);
}

TEST_F(ModelLoading, AMissingThreeDsFileLeavesTheObjectUnloaded) {
    std::string path = directory.file("absent.3ds");
    usePath(path);
    SceneObject object;
    TraceCapture traces;
    EXPECT_FALSE(object.loadModel());
    EXPECT_FALSE(object.loaded);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(traced(traces, "Loaded the model"));
    EXPECT_FALSE(traced(traces, "Failed to load the model!"));
}

TEST_F(ModelLoading, APathOfNoKnownKindMakesNoModel) {
    usePath("none");
    SceneObject object;
    EXPECT_EQ(object.model3ds, nullptr);
    TraceCapture traces;
    EXPECT_FALSE(object.loadModel());
    EXPECT_EQ(traces.last(), "Unrecognized model type.");
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

// A path filling the whole field is read as its first 259 characters.
TEST_F(ModelLoading, APathWithoutTerminatorIsCutLikeTheKindDetectionReadsIt) {
    std::memset(theSettings.modelPath, 'a', sizeof theSettings.modelPath);
    std::memcpy(theSettings.modelPath + 255, ".3ds", 4);
    theSettings.modelPath[259] = 'x';
    SceneObject object;
    ASSERT_EQ(object.kind, 2);
    TraceCapture traces;
    EXPECT_FALSE(object.loadModel());
    EXPECT_EQ(traces.texts().front(), "Attempting to load " + std::string(255, 'a') + ".3ds");
}

// Releasing a loaded object destroys its model (twice is harmless).
template <typename Model, typename VertexCount>
void expectReleaseDestroysTheModel(SceneObject& object, Model* SceneObject::*model,
                                   VertexCount vertices, size_t expected) {
    ASSERT_NE(object.*model, nullptr);
    ASSERT_EQ(vertices(*(object.*model)), expected);
    object.releaseModel();
    EXPECT_EQ(object.*model, nullptr);
    EXPECT_FALSE(object.loaded);
    object.releaseModel();
}

TEST_F(ModelLoading, ReleaseDestroysTheModel) {
    std::string path = directory.file("model.3ds");
    writeBytes(path, defaultShapedModel());
    usePath(path);
    SceneObject object;
    ASSERT_TRUE(object.loadModel());
    expectReleaseDestroysTheModel(
        object, &SceneObject::model3ds,
        [](const Model3DS& m) { return m.data.objects.at(0).vertices.size(); }, 529);
}

// A white square of half-size 0.5 at the origin, seen through an
// orthographic view of -2..2 with the object's pose cleared.
class Ms3dModelLoading : public ModelLoading {
  protected:
    void SetUp() override {
        ModelLoading::SetUp();
        theSettings.xoff = theSettings.yoff = theSettings.zoff = 0;
        theSettings.scale = 100;
        path = directory.file("ship.ms3d");
        usePath(path);
    }

    static void placeAtOrigin(SceneObject& object) {
        object.x = object.y = object.z = 0;
        object.angleX = object.angleY = object.angleZ = 0;
    }

    // Centre and corner pixels after one draw of the object.
    std::pair<Rgba, Rgba> drawn(SceneObject& object) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2, 2, -2, 2, -500, 500);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor3ub(255, 255, 255);
        placeAtOrigin(object);
        object.draw();
        return {gl.pixel(8, 8), gl.pixel(0, 0)};
    }

    std::string path;
};

TEST_F(Ms3dModelLoading, AnMs3dFileLoadsIntoTheObjectsModelAndIsDrawn) {
    writeBytes(path, ms3dBytes(ms3dQuad("")));
    SceneObject object;
    ASSERT_NE(object.ms3d, nullptr);
    EXPECT_EQ(object.model3ds, nullptr);
    EXPECT_EQ(object.ms3d->vertexCount + object.ms3d->groupCount, 0);
    TraceCapture traces;
    EXPECT_TRUE(object.loadModel());
    EXPECT_TRUE(object.loaded);
    EXPECT_EQ(traces.texts().front(), "Attempting to load " + path);
    EXPECT_EQ(traces.last(), "Loaded the model");
    EXPECT_EQ(object.ms3d->triangleCount, 2);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    auto [centre, corner] = drawn(object);
    EXPECT_TRUE(sameColour(centre, Rgba{255, 255, 255, 255}));
    EXPECT_TRUE(sameColour(corner, Rgba{0, 0, 0, 0})) << "the square, not the cube";
}

TEST_F(Ms3dModelLoading, AFileTheReaderRejectsLeavesTheCube) {
    Ms3dFile file = ms3dQuad("");
    file.version = 2;
    writeBytes(path, ms3dBytes(file));
    SceneObject object;
    TraceCapture traces;
    EXPECT_FALSE(object.loadModel());
    EXPECT_FALSE(object.loaded);
    EXPECT_EQ(traces.last(), "Failed to load the model!");
    auto [centre, corner] = drawn(object);
    EXPECT_FALSE(sameColour(corner, Rgba{0, 0, 0, 0})) << "the cube fills the view";
}

TEST_F(Ms3dModelLoading, ReleaseDestroysTheModel) {
    writeBytes(path, ms3dBytes(ms3dQuad("")));
    SceneObject object;
    ASSERT_TRUE(object.loadModel());
    expectReleaseDestroysTheModel(
        object, &SceneObject::ms3d, [](const MS3DModel& m) { return m.vertices.size(); }, 4);
}

} // namespace
