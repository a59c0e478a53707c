#include "formats/3ds/model_3ds.h"
#include "scene/gl.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/model_3ds_fixtures.h"
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

TEST_F(ModelLoading, CopiesOwnTheirOwnModelAndReleaseDestroysIt) {
    std::string path = directory.file("model.3ds");
    writeBytes(path, defaultShapedModel());
    usePath(path);
    SceneObject object;
    ASSERT_TRUE(object.loadModel());
    {
        SceneObject copy = object;
        ASSERT_NE(copy.model3ds, nullptr);
        EXPECT_NE(copy.model3ds, object.model3ds);
        EXPECT_TRUE(copy.loaded);
        EXPECT_EQ(copy.model3ds->data.objects.at(0).vertexCount, 529);
    }
    EXPECT_EQ(object.model3ds->data.objects.at(0).vertices.size(), 529u);
    object.releaseModel();
    EXPECT_EQ(object.model3ds, nullptr);
    EXPECT_FALSE(object.loaded);
    object.releaseModel();
}

} // namespace
