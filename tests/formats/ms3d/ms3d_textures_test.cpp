#include "common/message_box_record.h"
#include "formats/ms3d/ms3d_model.h"
#include "formats/ms3d/ms3d_texture_path.h"
#include "scene/gl.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/formats/3ds/texture_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/ms3d_writer.h"
#include "tests/support/osmesa_context.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

struct PathCase {
    std::string modelPath;
    std::string name;
    bool fits;
    std::string resolved;
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << '"' << c.modelPath << "\" + \"" << c.name << '"';
}

class TexturePaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(TexturePaths, JoinOnlyDotBackslashNamesToTheModelsDirectory) {
    const PathCase& c = GetParam();
    std::string resolved = "untouched";
    EXPECT_EQ(resolveTexturePath(c.modelPath.c_str(), c.name, resolved), c.fits);
    EXPECT_EQ(resolved, c.fits ? c.resolved : "untouched");
}

const std::string dir255 = "C:\\" + std::string(252, 'd'); // 255 characters

INSTANTIATE_TEST_SUITE_P(
    Names, TexturePaths,
    ::testing::Values(PathCase{"C:\\models\\ship.ms3d", ".\\skin.jpg", true,
                               "C:\\models\\skin.jpg"},
                      PathCase{"C:/models/ship.ms3d", ".\\skin.jpg", true, "C:/models\\skin.jpg"},
                      PathCase{"C:\\models\\ship.ms3d", "skin.jpg", true, "skin.jpg"},
                      PathCase{"C:\\models\\ship.ms3d", "./skin.jpg", true, "./skin.jpg"},
                      PathCase{"C:\\models\\ship.ms3d", "..\\skin.jpg", true, "..\\skin.jpg"},
                      PathCase{"C:\\models\\ship.ms3d", "D:\\skin.jpg", true, "D:\\skin.jpg"},
                      PathCase{"C:\\models\\ship.ms3d", "", true, ""},
                      PathCase{"C:\\models\\ship.ms3d", ".\\", true, "C:\\models\\"},
                      PathCase{"ship.ms3d", ".\\skin.jpg", true, ".\\skin.jpg"},
                      PathCase{"\\ship.ms3d", ".\\skin.jpg", true, "\\skin.jpg"},
                      PathCase{"/srv/a.b/ship", ".\\skin.jpg", true, "/srv/a.b\\skin.jpg"},
                      // 255 + 4 = 259 characters fit a 260-byte path; one more does not.
                      PathCase{dir255 + "\\ship.ms3d", ".\\abc", true, dir255 + "\\abc"},
                      PathCase{dir255 + "\\ship.ms3d", ".\\abcd", false, ""}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// A 16 x 16 picture in one colour.
Bytes plainJpeg(Rgba colour) {
    return solidJpeg(16, 16, colour.r, colour.g, colour.b);
}

Bytes firstBytes(Bytes bytes, size_t count) {
    bytes.resize(count);
    return bytes;
}

const Rgba red{220, 20, 20, 255}, green{20, 220, 20, 255}, blue{20, 20, 220, 255};

class MS3DTextures : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        clearRecordedMessageBoxes();
        std::filesystem::create_directories(directory.file("models"));
    }
    void TearDown() override { clearRecordedMessageBoxes(); }

    std::string inModels(const std::string& name) { return directory.file("models/" + name); }

    // Writes a one-square model naming textureName and loads it.
    bool loadQuad(const std::string& textureName, const std::string& path) {
        writeBytes(path, ms3dBytes(ms3dQuad(textureName)));
        return model.load(path.c_str());
    }

    // The colour at the middle of the texture's level 0.
    Rgba middleTexel(unsigned int texture) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3 + 1);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        const uint8_t* p = &pixels[(static_cast<size_t>(height / 2) * width + width / 2) * 3];
        return Rgba{p[0], p[1], p[2], 255};
    }

    static bool traced(const TraceCapture& traces, const std::string& text) {
        return std::find(traces.texts().begin(), traces.texts().end(), text) !=
               traces.texts().end();
    }

    OsMesaContext gl{64, 64};
    ScratchDirectory directory;
    MS3DModel model;
};

// ".\SKIN.JPG" beside the model finds "skin.jpg" there, as on Windows.
TEST_F(MS3DTextures, ADotBackslashNameIsReadBesideTheModel) {
    writeBytes(inModels("skin.jpg"), plainJpeg(red));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    TraceCapture traces;
    ASSERT_TRUE(loadQuad(".\\SKIN.JPG", inModels("ship.ms3d")));
    const MS3DMaterial& material = model.materials.at(0);
    EXPECT_EQ(material.textureFile, directory.path() + "/models\\SKIN.JPG");
    ASSERT_NE(material.texture, 0u);
    EXPECT_TRUE(sameColour(middleTexel(material.texture), red, 8));
    EXPECT_EQ(traces.texts(),
              (std::vector<std::string>{"material #0", "Material is " + material.textureFile,
                                        "Opening texture " + material.textureFile}));
    GLint minFilter = 0, magFilter = 0, alignment = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(magFilter, GL_LINEAR);
    EXPECT_EQ(alignment, 8) << "the caller's unpack alignment is put back";
    EXPECT_TRUE(recordedMessageBoxes().empty());
}

TEST_F(MS3DTextures, APlainNameIsReadFromTheCurrentDirectory) {
    ScratchWorkingDirectory current;
    writeBytes((current.path() / "skin.jpg").string(), plainJpeg(blue));
    writeBytes(inModels("skin.jpg"), plainJpeg(red));
    ASSERT_TRUE(loadQuad("skin.jpg", inModels("ship.ms3d")));
    ASSERT_NE(model.materials.at(0).texture, 0u);
    EXPECT_TRUE(sameColour(middleTexel(model.materials[0].texture), blue, 8));
}

// Without a directory in the model path, ".\skin.jpg" stays relative to the
// current directory instead of naming the root's "\skin.jpg".
TEST_F(MS3DTextures, ADotBackslashNameBesideAModelWithoutDirectoryIsInTheCurrentOne) {
    ScratchWorkingDirectory current;
    writeBytes((current.path() / "skin.jpg").string(), plainJpeg(green));
    ASSERT_TRUE(loadQuad(".\\skin.jpg", "ship.ms3d"));
    EXPECT_EQ(model.materials.at(0).textureFile, ".\\skin.jpg");
    ASSERT_NE(model.materials[0].texture, 0u);
    EXPECT_TRUE(sameColour(middleTexel(model.materials[0].texture), green, 8));
}

// Textures that cannot be used leave the material untextured; the model
// still loads, and the process goes on.
struct FailureCase {
    std::string name;
    std::string textureName;
    Bytes file; // written as "skin.jpg" beside the model when not empty
    std::string box;
    std::string trace;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class MS3DTextureFailures : public MS3DTextures,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(MS3DTextureFailures, LeaveTheMaterialUntextured) {
    const FailureCase& c = GetParam();
    if (!c.file.empty())
        writeBytes(inModels("skin.jpg"), c.file);
    TraceCapture traces;
    ASSERT_TRUE(loadQuad(c.textureName, inModels("ship.ms3d")));
    EXPECT_EQ(model.materials.at(0).texture, 0u);
    if (c.box.empty()) {
        EXPECT_TRUE(recordedMessageBoxes().empty());
    } else {
        ASSERT_FALSE(recordedMessageBoxes().empty());
        for (const RecordedMessageBox& box : recordedMessageBoxes()) {
            EXPECT_EQ(box.caption, "JPEG Library Error");
            EXPECT_TRUE(box.errorIcon);
        }
        EXPECT_EQ(recordedMessageBoxes().back().text, c.box);
    }
    if (c.trace.empty())
        EXPECT_EQ(traces.texts(), std::vector<std::string>{"material #0"});
    else
        EXPECT_TRUE(traced(traces, c.trace)) << traces.last();
}

INSTANTIATE_TEST_SUITE_P(
    Textures, MS3DTextureFailures,
    ::testing::Values(
        FailureCase{"EmptyName", "", {}, "", ""},
        FailureCase{"MissingFile", ".\\skin.jpg", {}, "", "Failed to open the file"},
        FailureCase{"NotAJpeg", ".\\skin.jpg", text("not a picture"),
                    "Not a JPEG file: starts with 0x6e 0x6f", "Failed to decode the texture"},
        FailureCase{"ABitmap", ".\\skin.jpg", cat({text("BM"), Bytes(60, 0)}),
                    "Not a JPEG file: starts with 0x42 0x4d", "Failed to decode the texture"},
        FailureCase{"CutInItsHeader", ".\\skin.jpg", firstBytes(plainJpeg(red), 30),
                    "JPEG datastream contains no image", "Failed to decode the texture"},
        FailureCase{"TooLargeForATexture", ".\\skin.jpg",
                    withDeclaredJpegSize(plainJpeg(red), 40000, 40000), "",
                    "JPEG too large for a texture: 40000 x 40000"}),
    [](const auto& info) { return info.param.name; });

// Damage the decoder can step over: one warning, and the picture is used.
TEST_F(MS3DTextures, AJpegCutInItsPictureWarnsOnceAndIsStillUsed) {
    std::vector<uint8_t> samples(64 * 64 * 3);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>((i * 7919) >> 3);
    Bytes jpeg = encodeJpeg(64, 64, 3, samples);
    writeBytes(inModels("skin.jpg"), Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2));
    ASSERT_TRUE(loadQuad(".\\skin.jpg", inModels("ship.ms3d")));
    EXPECT_NE(model.materials.at(0).texture, 0u);
    ASSERT_EQ(recordedMessageBoxes().size(), 1u);
    EXPECT_EQ(recordedMessageBoxes()[0].text, "Premature end of JPEG file");
}

// Top half red, bottom half blue: the bottom comes first.
TEST_F(MS3DTextures, DecodedRowsComeBottomFirst) {
    std::vector<uint8_t> samples;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            samples.insert(samples.end(), {uint8_t(y < 8 ? 255 : 0), 0, uint8_t(y < 8 ? 0 : 255)});
    writeBytes(inModels("halves.jpg"), encodeJpeg(8, 16, 3, samples, 100));
    std::unique_ptr<TextureImage> image = MS3DModel::loadJpegImage(inModels("halves.jpg").c_str());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 8);
    EXPECT_EQ(image->height, 16);
    EXPECT_EQ(image->rowSpan, 24);
    ASSERT_EQ(image->data.size(), 24u * 16);
    EXPECT_GT(image->data[1 * 24 + 2], 235);  // bottom rows blue
    EXPECT_GT(image->data[14 * 24 + 0], 235); // top rows red
}

TEST_F(MS3DTextures, GreyPicturesAreExpandedToRgb) {
    std::vector<uint8_t> samples(7 * 5);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>(i * 7);
    writeBytes(inModels("skin.jpg"), encodeJpeg(7, 5, 1, samples, 100));
    std::unique_ptr<TextureImage> image = MS3DModel::loadJpegImage(inModels("skin.jpg").c_str());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->rowSpan, 21);
    ASSERT_EQ(image->data.size(), 21u * 5);
    for (int i = 0; i < 7 * 5; ++i) {
        EXPECT_EQ(image->data[i * 3], image->data[i * 3 + 1]) << i;
        EXPECT_EQ(image->data[i * 3], image->data[i * 3 + 2]) << i;
    }
    EXPECT_NEAR(image->data[4 * 21 + 6 * 3], 6 * 7, 3); // top row, last pixel
    ASSERT_TRUE(loadQuad(".\\skin.jpg", inModels("ship.ms3d")));
    EXPECT_TRUE(textureHasImage(model.materials.at(0).texture));
}

// Rows of 33 RGB pixels are 99 bytes, not a multiple of 4.
TEST_F(MS3DTextures, AnOddWidthPictureIsUploadedUndistorted) {
    writeBytes(inModels("bands.jpg"), threeBandJpeg(33, 17));
    Ms3dFile file;
    addMs3dSquare(file, -1, 1, -1, 1, 0);
    file.materials.push_back(Ms3dMaterialSpec{});
    file.materials[0].texture = ".\\bands.jpg";
    writeBytes(inModels("ship.ms3d"), ms3dBytes(file));
    ASSERT_TRUE(model.load(inModels("ship.ms3d").c_str()));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
    useFlatView();
    glColor3ub(255, 255, 255);
    model.draw();
    expectThreeBandsInWindow(gl);
}

} // namespace
