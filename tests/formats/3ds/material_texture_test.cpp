#include "common/message_box_record.h"
#include "formats/3ds/material_texture.h"
#include "scene/gl.h"
#include "tests/formats/3ds/texture_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/osmesa_context.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

struct DirectoryCase {
    const char* modelPath;
    const char* directory;
};

void PrintTo(const DirectoryCase& c, std::ostream* out) {
    *out << '"' << c.modelPath << '"';
}

class ModelDirectory : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(ModelDirectory, KeepsEveryComponentFollowedByASeparator) {
    EXPECT_EQ(modelDirectory(GetParam().modelPath), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(Paths, ModelDirectory,
                         ::testing::Values(DirectoryCase{"C:\\Temp\\Quenlow.3DS", "C:/Temp/"},
                                           DirectoryCase{"Quenlow.3DS", ""},
                                           DirectoryCase{"/tmp/a/b.3ds", "/tmp/a/"},
                                           DirectoryCase{"a/b\\c.3ds", "a/b/"},
                                           DirectoryCase{"models/", ""}, DirectoryCase{"/x", "/"},
                                           DirectoryCase{"", ""}));

class MaterialTexture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        clearRecordedMessageBoxes();
        std::filesystem::create_directories(directory.file("models/sub"));
        modelPath = directory.file("models/sub/Model.3DS");
    }
    void TearDown() override { clearRecordedMessageBoxes(); }

    void writeTexture(const std::string& name, const Bytes& bytes) {
        writeBytes(directory.file("models/sub/" + name), bytes);
    }

    void load(const char* textureFile, int index = 0) {
        loadMaterialTexture(textures, textureFile, index, modelPath.c_str());
    }

    bool traced(const TraceCapture& traces, const std::string& text) {
        return std::find(traces.texts().begin(), traces.texts().end(), text) !=
               traces.texts().end();
    }

    OsMesaContext gl{64, 64};
    ScratchDirectory directory;
    std::string modelPath;
    unsigned int textures[100] = {};
};

// The default model names "QUENLOW.JPG" while the file is "quenlow.jpg".
TEST_F(MaterialTexture, FindsTheJpegBesideTheModelWhateverItsLetterCase) {
    writeTexture("quenlow.jpg", solidJpeg(8, 8, 200, 100, 50));
    TraceCapture traces;
    load("QUENLOW.JPG", 3);
    ASSERT_NE(textures[3], 0u);
    EXPECT_TRUE(textureHasImage(textures[3]));
    EXPECT_TRUE(
        traced(traces, "3DS: Loading texture: " + directory.path() + "/models/sub/QUENLOW.JPG"));
    EXPECT_EQ(traces.last(), "File loaded");
    EXPECT_TRUE(recordedMessageBoxes().empty());
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned>(bound), textures[3]);
}

// Which decoder a name gets, by its last four characters.
struct NameCase {
    const char* name;
    bool writeJpeg;
    bool named;    // a texture name was generated
    bool hasImage; // and given a picture
    const char* lastTrace;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << '"' << c.name << '"';
}

class TextureNames : public MaterialTexture, public ::testing::WithParamInterface<NameCase> {};

TEST_P(TextureNames, ChooseTheDecoderByTheirEnding) {
    const NameCase& c = GetParam();
    if (c.writeJpeg)
        writeTexture(c.name, solidJpeg(4, 4, 0, 0, 255));
    TraceCapture traces;
    load(c.name);
    EXPECT_EQ(textures[0] != 0, c.named);
    if (c.named) {
        EXPECT_EQ(textureHasImage(textures[0]), c.hasImage);
    }
    EXPECT_TRUE(traced(traces, c.lastTrace)) << traces.last();
    EXPECT_TRUE(recordedMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, TextureNames,
    ::testing::Values(NameCase{"sky.jpeg", true, true, true, "File loaded"},
                      NameCase{"SKY.JPEG", true, true, true, "File loaded"},
                      NameCase{"sky.jpg", true, true, true, "File loaded"},
                      NameCase{"sky.Jpg", true, true, false, "Unrecognized texture format"},
                      NameCase{"sky.tga", false, true, false, "Unrecognized texture format"},
                      NameCase{"jpg", true, true, false, "Unrecognized texture format"},
                      NameCase{"wood.bmp", false, true, false, "Unrecognized texture format"},
                      NameCase{"WOOD.BMP", false, true, false, "Failed to open texture file"},
                      NameCase{"absent.jpg", false, false, false,
                               "Could not get size of file, bailing."}),
    [](const auto& info) { return "name" + std::to_string(info.index); });

TEST_F(MaterialTexture, AJpegCutInItsHeaderShowsTheErrorAndLeavesNoTexture) {
    Bytes jpeg = solidJpeg(16, 16, 200, 100, 50);
    writeTexture("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + 30));
    TraceCapture traces;
    load("cut.jpg");
    EXPECT_EQ(textures[0], 0u);
    EXPECT_EQ(traces.last(), "Could not get size of file, bailing.");
    ASSERT_FALSE(recordedMessageBoxes().empty());
    EXPECT_EQ(recordedMessageBoxes().back().caption, "JPEG Library Error");
    EXPECT_EQ(recordedMessageBoxes().back().text, "JPEG datastream contains no image");
}

// Cut inside the picture data: the library warns once and decoding goes on.
TEST_F(MaterialTexture, AJpegCutInItsPictureWarnsOnceAndStillUploads) {
    std::vector<uint8_t> samples(64 * 64 * 3);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>((i * 7919) >> 3);
    Bytes jpeg = encodeJpeg(64, 64, 3, samples);
    size_t scan = 0;
    while (scan + 1 < jpeg.size() && !(jpeg[scan] == 0xFF && jpeg[scan + 1] == 0xDA))
        ++scan;
    ASSERT_LT(scan + 1000, jpeg.size());
    writeTexture("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + scan + 500));
    TraceCapture traces;
    load("cut.jpg");
    ASSERT_NE(textures[0], 0u);
    EXPECT_TRUE(textureHasImage(textures[0]));
    EXPECT_EQ(traces.last(), "File loaded");
    ASSERT_EQ(recordedMessageBoxes().size(), 1u);
    EXPECT_EQ(recordedMessageBoxes()[0].caption, "JPEG Library Error");
    EXPECT_TRUE(recordedMessageBoxes()[0].errorIcon);
    EXPECT_EQ(recordedMessageBoxes()[0].text, "Premature end of JPEG file");
}

TEST_F(MaterialTexture, AnOversizedJpegLeavesNoTexture) {
    writeTexture("huge.jpg", withDeclaredJpegSize(solidJpeg(8, 8, 1, 2, 3), 40000, 40000));
    load("huge.jpg");
    EXPECT_EQ(textures[0], 0u);
    EXPECT_TRUE(recordedMessageBoxes().empty());
}

TEST_F(MaterialTexture, IndexesOutsideTheTableAreIgnored) {
    writeTexture("sky.jpg", solidJpeg(4, 4, 0, 0, 255));
    unsigned int guarded[102] = {};
    loadMaterialTexture(guarded + 1, "sky.jpg", 100, modelPath.c_str());
    loadMaterialTexture(guarded + 1, "sky.jpg", -1, modelPath.c_str());
    EXPECT_EQ(guarded[0], 0u);
    EXPECT_EQ(guarded[101], 0u);
}

// Rows of 33 RGB pixels are 99 bytes, not a multiple of 4: uploaded with
// the wrong row alignment the vertical bands would slant and change colour.
TEST_F(MaterialTexture, AnOddWidthPictureIsUploadedUndistorted) {
    writeTexture("bands.jpg", threeBandJpeg(33, 17));
    load("bands.jpg");
    ASSERT_NE(textures[0], 0u);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    drawTexturedViewport();
    expectThreeBandsInWindow(gl);
}

} // namespace
