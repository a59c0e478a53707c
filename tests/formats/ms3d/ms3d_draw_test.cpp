#include "formats/ms3d/ms3d_model.h"
#include "scene/gl.h"
#include "tests/formats/3ds/texture_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/ms3d_writer.h"
#include "tests/support/osmesa_context.h"
#include "tests/support/scratch_directory.h"

#include <gtest/gtest.h>

namespace {

class MS3DDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        useFlatView();
        glColor3ub(255, 255, 255);
    }

    void load(const Ms3dFile& file) {
        std::string path = directory.file("ship.ms3d");
        writeBytes(path, ms3dBytes(file));
        ASSERT_TRUE(model.load(path.c_str()));
    }

    // One white directional light shining along -z onto the squares, no
    // ambient light: a lit pixel shows its material's diffuse colour plus its
    // emission.
    static void lightFromTheFront() {
        const GLfloat none[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1}, front[4] = {0, 0, 1, 0};
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
        glLightfv(GL_LIGHT0, GL_AMBIENT, none);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
        glLightfv(GL_LIGHT0, GL_SPECULAR, none);
        glLightfv(GL_LIGHT0, GL_POSITION, front);
    }

    static bool textureEnabled() { return glIsEnabled(GL_TEXTURE_2D) == GL_TRUE; }

    OsMesaContext gl{64, 64};
    ScratchDirectory directory;
    MS3DModel model;
};

// Quadrants of a 16 x 16 picture, as seen: red top left, green top right,
// blue bottom left, white bottom right. The square's top corners store t 0.
TEST_F(MS3DDraw, TheTopOfThePictureIsWhereTheFileStoresTZero) {
    std::vector<uint8_t> samples;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool top = y < 8, left = x < 8;
            uint8_t r = top ? (left ? 255 : 0) : (left ? 0 : 255);
            uint8_t g = top ? (left ? 0 : 255) : (left ? 0 : 255);
            uint8_t b = top ? 0 : 255;
            samples.insert(samples.end(), {r, g, b});
        }
    }
    writeBytes(directory.file("quadrants.jpg"), encodeJpeg(16, 16, 3, samples, 100));
    Ms3dFile file = ms3dQuad(".\\quadrants.jpg");
    load(file);
    ASSERT_NE(model.materials[0].texture, 0u);
    model.draw();
    // The square covers pixels 16 to 47 of the 64 x 64 window.
    EXPECT_TRUE(sameColour(gl.pixel(20, 20), Rgba{255, 0, 0, 255}, 24));
    EXPECT_TRUE(sameColour(gl.pixel(43, 20), Rgba{0, 255, 0, 255}, 24));
    EXPECT_TRUE(sameColour(gl.pixel(20, 43), Rgba{0, 0, 255, 255}, 24));
    EXPECT_TRUE(sameColour(gl.pixel(43, 43), Rgba{255, 255, 255, 255}, 24));
    EXPECT_TRUE(sameColour(gl.pixel(4, 4), Rgba{0, 0, 0, 0}));
}

// Four squares from left to right: red, textured green, no material (drawn
// with the textured green material's colours but without its texture) and
// an emissive one.
TEST_F(MS3DDraw, GroupsAreLitWithTheirMaterialsColours) {
    writeBytes(directory.file("pink.jpg"), solidJpeg(8, 8, 255, 128, 255));
    Ms3dFile file;
    addMs3dSquare(file, -1, -0.5f, -1, 1, 0);
    addMs3dSquare(file, -0.5f, 0, -1, 1, 1);
    addMs3dSquare(file, 0, 0.5f, -1, 1, -1);
    addMs3dSquare(file, 0.5f, 1, -1, 1, 2);
    Ms3dMaterialSpec red, green, glowing;
    red.ambient = green.ambient = glowing.ambient = {0, 0, 0, 1};
    red.diffuse = {0.8f, 0.1f, 0.1f, 1};
    green.diffuse = {0.2f, 0.8f, 0.2f, 1};
    green.texture = ".\\pink.jpg";
    glowing.diffuse = {0, 0, 0.4f, 1};
    glowing.emissive = {0.5f, 0, 0, 1};
    file.materials = {red, green, glowing};
    load(file);
    lightFromTheFront();
    glEnable(GL_TEXTURE_2D);
    model.draw();
    const Rgba expected[4] = {
        {204, 26, 26, 255}, {51, 102, 51, 255}, {51, 204, 51, 255}, {128, 0, 102, 255}};
    for (int square = 0; square < 4; ++square) {
        Rgba seen = gl.pixel(square * 16 + 8, 32);
        EXPECT_TRUE(sameColour(seen, expected[square], 6))
            << "square " << square << ": " << int(seen.r) << " " << int(seen.g) << " "
            << int(seen.b);
    }
    EXPECT_TRUE(textureEnabled()) << "texturing ends as it was before the drawing";
}

TEST_F(MS3DDraw, TexturingEndsAsItWasBefore) {
    writeBytes(directory.file("skin.jpg"), solidJpeg(8, 8, 255, 255, 255));
    Ms3dFile file = ms3dQuad(".\\skin.jpg");
    addMs3dSquare(file, 0.6f, 0.9f, 0.6f, 0.9f, -1);
    load(file);
    for (bool before : {false, true}) {
        for (bool textureLast : {false, true}) {
            SCOPED_TRACE(std::string(before ? "enabled" : "disabled") +
                         (textureLast ? ", textured group last" : ", untextured group last"));
            if (textureLast != (model.groups[1].materialIndex == 0))
                std::swap(model.groups[0], model.groups[1]);
            before ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
            model.draw();
            EXPECT_EQ(textureEnabled(), before);
        }
    }
}

TEST_F(MS3DDraw, AModelWithoutGroupsDrawsNothing) {
    Ms3dFile file = ms3dQuad("");
    file.groups.clear();
    load(file);
    glEnable(GL_TEXTURE_2D);
    model.draw();
    EXPECT_TRUE(textureEnabled());
    EXPECT_TRUE(sameColour(gl.pixel(32, 32), Rgba{0, 0, 0, 0}));
}

// Indices that the reader would refuse, in a model assembled by hand: the
// triangles that name them are left out.
TEST_F(MS3DDraw, TrianglesOutsideTheArraysAreLeftOut) {
    load(ms3dQuad(""));
    model.groups[0].triangleIndices.push_back(7);
    model.triangles.push_back(model.triangles[0]);
    model.triangles.back().vertexIndices[1] = 40;
    model.groups[0].triangleIndices.push_back(2);
    model.draw();
    EXPECT_TRUE(sameColour(gl.pixel(32, 32), Rgba{255, 255, 255, 255}, 3));
}

} // namespace
