// Bitmap textures through the system's bitmap loader, in a real WGL context
// under Wine: what loadBitmapFile delivers, what reaches the texture, and
// which names take that path.

#include "tests/formats/3ds/wgl_test_context_win32.h"

#include "formats/3ds/bitmap_file.h"
#include "formats/3ds/material_texture.h"
#include "formats/3ds/model_3ds.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/formats/3ds/bmp_writer.h"
#include "tests/formats/3ds/message_box_watcher_win32.h"
#include "tests/support/chunk_writer_3ds.h"
#include "tests/support/trace_capture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class BitmapTexture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid()) << "no OpenGL context under Wine";
        ASSERT_TRUE(boxes.valid());
    }
    // Nothing on the bitmap path may show a box.
    void TearDown() override {
        for (const WatchedMessageBox& box : boxes.boxes())
            ADD_FAILURE() << "box \"" << box.caption << "\": " << box.text;
    }

    std::string pathOf(const std::string& name) const { return (directory.path() / name).string(); }
    void write(const std::string& name, const Bytes& bytes) { writeBytes(pathOf(name), bytes); }

    // The model path has backslashes, as Windows gives it.
    void load(const char* textureFile) {
        loadMaterialTexture(textures, textureFile, 0, pathOf("Model.3DS").c_str());
    }

    bool traced(const TraceCapture& traces, const std::string& text) const {
        return std::find(traces.texts().begin(), traces.texts().end(), text) !=
               traces.texts().end();
    }

    WglTestContext gl;
    MessageBoxWatcher boxes;
    ScratchWorkingDirectory directory;
    unsigned int textures[Model3DS::textureSlots] = {};
};

enum class BmpKind { rgb24, grey8 };

struct BitmapCase {
    const char* label;
    int width;
    int height;
    BmpKind kind;
};

void PrintTo(const BitmapCase& c, std::ostream* out) {
    *out << c.label;
}

Bytes bmpFile(const RgbPicture& picture, BmpKind kind) {
    return kind == BmpKind::grey8 ? bmp8Grey(picture) : bmp24(picture);
}

class BitmapFiles : public BitmapTexture, public ::testing::WithParamInterface<BitmapCase> {};

// Rows of 3 and 5 pixels are padded to 12 and 16 bytes in the file and by
// GetDIBits; the delivered rows must come unpadded, bottom row first, RGB.
TEST_P(BitmapFiles, DeliverTheirPixelsAsUnpaddedBottomUpRgbRows) {
    const BitmapCase& c = GetParam();
    RgbPicture picture = patternPicture(c.width, c.height, c.kind == BmpKind::grey8);
    write("PICTURE.BMP", bmpFile(picture, c.kind));
    BitmapImage image = loadBitmapFile(pathOf("PICTURE.BMP").c_str());
    ASSERT_TRUE(image.loaded);
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.pixels, picture.rgb);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BitmapFiles,
                         ::testing::Values(BitmapCase{"24-bit 3 x 2", 3, 2, BmpKind::rgb24},
                                           BitmapCase{"24-bit 5 x 3", 5, 3, BmpKind::rgb24},
                                           BitmapCase{"24-bit 1 x 1", 1, 1, BmpKind::rgb24},
                                           BitmapCase{"24-bit 4 x 4", 4, 4, BmpKind::rgb24},
                                           BitmapCase{"8-bit grey 3 x 2", 3, 2, BmpKind::grey8},
                                           BitmapCase{"8-bit grey 7 x 5", 7, 5, BmpKind::grey8}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

struct SizeCase {
    int width;
    int height;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height;
}

class PowerOfTwoBitmaps : public BitmapTexture, public ::testing::WithParamInterface<SizeCase> {};

// Sides that are powers of two reach level 0 unscaled, so the texture must
// hold exactly the file's pixels. Widths 1 and 2 have padded rows.
TEST_P(PowerOfTwoBitmaps, UploadExactlyTheirPixels) {
    RgbPicture picture = patternPicture(GetParam().width, GetParam().height);
    write("WOOD.BMP", bmp24(picture));
    TraceCapture traces;
    load("WOOD.BMP");
    EXPECT_TRUE(traced(traces, "File found, loading bitmap"));
    ASSERT_NE(textures[0], 0u);
    TextureLevel level = readTextureLevelZero(textures[0]);
    EXPECT_EQ(level.width, picture.width);
    EXPECT_EQ(level.height, picture.height);
    EXPECT_EQ(level.rgb, picture.rgb);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PowerOfTwoBitmaps,
                         ::testing::Values(SizeCase{1, 4}, SizeCase{2, 2}, SizeCase{2, 8},
                                           SizeCase{8, 4}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

// Other sides are rescaled to powers of two on upload, which keeps a picture
// of one colour that colour; rows read with the wrong stride would bring in
// padding bytes and rotate the channels. Both sides are odd here: Wine's GLU
// leaves the top row of level 0 black when only the width is rescaled.
TEST_F(BitmapTexture, OddWidthsUploadUndistorted) {
    const uint8_t colour[3] = {200, 120, 40};
    for (SizeCase size : {SizeCase{3, 3}, SizeCase{5, 3}, SizeCase{7, 5}}) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        write("PLAIN.BMP", bmp24(solidPicture(size.width, size.height, colour)));
        load("PLAIN.BMP");
        ASSERT_NE(textures[0], 0u);
        TextureLevel level = readTextureLevelZero(textures[0]);
        ASSERT_GT(level.width * level.height, 0);
        for (size_t texel = 0; texel < level.rgb.size() / 3; ++texel)
            ASSERT_TRUE(std::equal(colour, colour + 3, &level.rgb[texel * 3]))
                << "texel " << texel % level.width << ", " << texel / level.width << " is "
                << int(level.rgb[texel * 3]) << ", " << int(level.rgb[texel * 3 + 1]) << ", "
                << int(level.rgb[texel * 3 + 2]);
    }
}

struct NameCase {
    const char* name;
    bool bitmapPath;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << '"' << c.name << '"';
}

class BitmapNames : public BitmapTexture, public ::testing::WithParamInterface<NameCase> {};

// Only the upper-case ending ".BMP" takes the bitmap path; any other letter
// case is an unrecognised format: a texture name without a picture, even
// though the file is a good bitmap.
TEST_P(BitmapNames, TakeTheBitmapPathOnlyWhenEndingInUpperCaseBmp) {
    const NameCase& c = GetParam();
    write(c.name, bmp24(patternPicture(4, 4)));
    TraceCapture traces;
    load(c.name);
    ASSERT_NE(textures[0], 0u);
    EXPECT_EQ(readTextureLevelZero(textures[0]).width, c.bitmapPath ? 4 : 0);
    EXPECT_EQ(traced(traces, "File found, loading bitmap"), c.bitmapPath);
    EXPECT_EQ(traced(traces, "Unrecognized texture format"), !c.bitmapPath);
}

INSTANTIATE_TEST_SUITE_P(Names, BitmapNames,
                         ::testing::Values(NameCase{"WOOD.BMP", true}, NameCase{"wood.BMP", true},
                                           NameCase{"wood.bmp", false}, NameCase{"WOOD.bmp", false},
                                           NameCase{"wood.Bmp", false}, NameCase{"BMP", false}),
                         [](const auto& info) { return "name" + std::to_string(info.index); });

struct BrokenCase {
    const char* label;
    Bytes bytes;
    bool writeFile;
    const char* trace;
    bool loaderRejects; // otherwise the system decides what it delivers
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.label;
}

class BrokenBitmaps : public BitmapTexture, public ::testing::WithParamInterface<BrokenCase> {};

// A bitmap that is missing or that the loader cannot read still gets a
// texture name, without a picture, silently; none of them crashes.
TEST_P(BrokenBitmaps, GetATextureNameWithoutAPicture) {
    const BrokenCase& c = GetParam();
    if (c.writeFile)
        write("BROKEN.BMP", c.bytes);
    TraceCapture traces;
    load("BROKEN.BMP");
    EXPECT_TRUE(traced(traces, c.trace)) << traces.last();
    ASSERT_NE(textures[0], 0u);
    if (c.loaderRejects) {
        EXPECT_EQ(readTextureLevelZero(textures[0]).width, 0);
    }
}

Bytes headerOnly() {
    Bytes bytes = bmp24(patternPicture(4, 4));
    bytes.resize(54);
    return bytes;
}

Bytes hugeDeclaredSize() {
    Bytes bytes = bmp24(patternPicture(2, 2));
    bytes[18] = bytes[22] = 0x00; // 0x7FFF0000 pixels a side
    bytes[19] = bytes[23] = 0x00;
    bytes[20] = bytes[24] = 0xFF;
    bytes[21] = bytes[25] = 0x7F;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenBitmaps,
    ::testing::Values(BrokenCase{"missing", {}, false, "Failed to open texture file", true},
                      BrokenCase{"empty", {}, true, "File found, loading bitmap", true},
                      BrokenCase{"garbage",
                                 Bytes{'n', 'o', 't', ' ', 'a', ' ', 'b', 'i', 't', 'm', 'a', 'p',
                                       0xFF, 0x00, 0x13, 0x37},
                                 true, "File found, loading bitmap", true},
                      BrokenCase{"header without pixels", headerOnly(), true,
                                 "File found, loading bitmap", false},
                      BrokenCase{"huge declared size", hugeDeclaredSize(), true,
                                 "File found, loading bitmap", true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// The whole way from a model file whose material names a bitmap.
TEST_F(BitmapTexture, AModelsMaterialGetsItsBitmap) {
    RgbPicture picture = patternPicture(2, 2);
    write("WOOD.BMP", bmp24(picture));
    // The editor chunk's first sub-chunk is its mesh version.
    Chunk woodMaterial =
        chunk(0xAFFF, {},
              {chunk(0xA000, text("Wood")), chunk(0xA200, {}, {chunk(0xA300, text("WOOD.BMP"))})});
    Bytes material =
        chunkBytes(chunk(0x4D4D, {}, {chunk(0x3D3D, {}, {chunk(0x3D3E, u32(3)), woodMaterial})}));
    write("Model.3DS", material);
    Model3DS model;
    ASSERT_TRUE(model.load(pathOf("Model.3DS").c_str()));
    ASSERT_NE(model.textures[0], 0u);
    EXPECT_EQ(readTextureLevelZero(model.textures[0]).rgb, picture.rgb);
}

// A model path without a directory finds its texture in the working
// directory.
TEST_F(BitmapTexture, ABareModelNameLooksInTheWorkingDirectory) {
    RgbPicture picture = patternPicture(2, 2);
    write("WOOD.BMP", bmp24(picture));
    loadMaterialTexture(textures, "WOOD.BMP", 0, "Model.3DS");
    ASSERT_NE(textures[0], 0u);
    EXPECT_EQ(readTextureLevelZero(textures[0]).rgb, picture.rgb);
}

} // namespace
