#include "formats/3ds/model_3ds.h"
#include "formats/geometry/vertex_normals.h"
#include "scene/gl.h"
#include "tests/formats/3ds/texture_test_support.h"
#include "tests/support/osmesa_context.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const Rgba textureColour{200, 100, 50, 255};

// A square of two counter-clockwise triangles over x, y in [left, right] x
// [-0.5, 0.5].
t3DObject square(float left, float right, bool withTexCoords = true) {
    t3DObject object;
    object.vertices = {Vector3(left, -0.5f, 0), Vector3(right, -0.5f, 0), Vector3(right, 0.5f, 0),
                       Vector3(left, 0.5f, 0)};
    object.faces = {tTriangle{{0, 1, 2}}, tTriangle{{0, 2, 3}}};
    if (withTexCoords)
        object.texCoords = {Vector2{0, 0}, Vector2{1, 0}, Vector2{1, 1}, Vector2{0, 1}};
    object.normals = computeVertexNormals(object.vertices.data(), object.vertices.size(),
                                          object.faces.data(), object.faces.size());
    object.vertexCount = static_cast<int>(object.vertices.size());
    object.faceCount = static_cast<int>(object.faces.size());
    object.texCoordCount = static_cast<int>(object.texCoords.size());
    return object;
}

tMaterialInfo material(const char* name, uint8_t red, uint8_t green, uint8_t blue,
                       const char* textureFile) {
    tMaterialInfo info;
    std::strcpy(info.name, name);
    std::strcpy(info.textureFile, textureFile);
    info.colour[0] = red;
    info.colour[1] = green;
    info.colour[2] = blue;
    return info;
}

class Model3DSDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        useFlatView();
        unsigned char pixels[4 * 4 * 3];
        for (int i = 0; i < 16; ++i) {
            pixels[i * 3] = textureColour.r;
            pixels[i * 3 + 1] = textureColour.g;
            pixels[i * 3 + 2] = textureColour.b;
        }
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 4, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindTexture(GL_TEXTURE_2D, 0);
        glColor3ub(10, 10, 10); // drawing must set its own colour
    }

    // llvmpipe may crash when a context is destroyed with drawing pending.
    void TearDown() override { glFinish(); }

    void addObject(t3DObject object, int materialIndex, bool hasTexture) {
        object.materialIndex = materialIndex;
        object.hasTexture = hasTexture;
        model.data.objects.push_back(std::move(object));
        model.data.objectCount += 1;
    }

    void addMaterial(const tMaterialInfo& info) {
        model.data.materials.push_back(info);
        model.data.materialCount += 1;
    }

    bool textureEnabled() { return glIsEnabled(GL_TEXTURE_2D) == GL_TRUE; }

    GLint boundTexture() {
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        return bound;
    }

    OsMesaContext gl{64, 64};
    GLuint texture = 0;
    Model3DS model;
};

TEST_F(Model3DSDraw, ATexturedObjectShowsItsTextureModulatedByWhite) {
    addMaterial(material("Tex", 150, 150, 150, "tex.jpg"));
    model.textures[0] = texture;
    addObject(square(-0.5f, 0.5f), 0, true);
    model.draw();
    EXPECT_TRUE(sameColour(gl.pixel(32, 32), textureColour, 3));
    EXPECT_TRUE(sameColour(gl.pixel(2, 2), Rgba{0, 0, 0, 0}));
    EXPECT_TRUE(textureEnabled());
    EXPECT_EQ(boundTexture(), static_cast<GLint>(texture));
}

TEST_F(Model3DSDraw, AnUntexturedObjectShowsItsMaterialColour) {
    addMaterial(material("Grey", 150, 150, 150, ""));
    addMaterial(material("Red", 220, 10, 10, ""));
    addObject(square(-0.9f, -0.1f), 0, false);
    addObject(square(0.1f, 0.9f), 1, false);
    glEnable(GL_TEXTURE_2D);
    model.draw();
    EXPECT_TRUE(sameColour(gl.pixel(16, 32), Rgba{150, 150, 150, 255}));
    EXPECT_TRUE(sameColour(gl.pixel(48, 32), Rgba{220, 10, 10, 255}));
    EXPECT_FALSE(textureEnabled());
}

TEST_F(Model3DSDraw, AModelWithoutMaterialsIsWhite) {
    addObject(square(-0.5f, 0.5f), 0, false);
    model.draw();
    EXPECT_TRUE(sameColour(gl.pixel(32, 32), Rgba{255, 255, 255, 255}));
}

// A textured material whose texture did not load (name 0), and a material
// past the texture table, both bind no texture and draw white.
TEST_F(Model3DSDraw, TexturedObjectsWithoutATextureDrawWhite) {
    for (int i = 0; i <= 100; ++i)
        addMaterial(material("M", 1, 2, 3, "m.jpg"));
    addObject(square(-0.9f, -0.1f), 0, true);
    addObject(square(0.1f, 0.9f), 100, true);
    model.draw();
    EXPECT_TRUE(sameColour(gl.pixel(16, 32), Rgba{255, 255, 255, 255}));
    EXPECT_TRUE(sameColour(gl.pixel(48, 32), Rgba{255, 255, 255, 255}));
    EXPECT_EQ(boundTexture(), 0);
}

TEST_F(Model3DSDraw, TextureStateIsLeftAsTheLastObjectNeeded) {
    addMaterial(material("Tex", 0, 0, 0, "tex.jpg"));
    addMaterial(material("Plain", 90, 90, 90, ""));
    model.textures[0] = texture;
    addObject(square(-0.9f, -0.1f), 0, true);
    addObject(square(0.1f, 0.9f), 1, false);
    model.draw();
    EXPECT_FALSE(textureEnabled());
    EXPECT_TRUE(sameColour(gl.pixel(16, 32), textureColour, 3));
    EXPECT_TRUE(sameColour(gl.pixel(48, 32), Rgba{90, 90, 90, 255}));

    std::swap(model.data.objects[0], model.data.objects[1]);
    model.draw();
    EXPECT_TRUE(textureEnabled());
    EXPECT_EQ(boundTexture(), static_cast<GLint>(texture));
}

// Triangles naming vertices past the arrays are left out, and corners
// without a texture coordinate keep the current one; the rest draws.
TEST_F(Model3DSDraw, BrokenObjectsDrawWhatIsValid) {
    addMaterial(material("Tex", 0, 0, 0, "tex.jpg"));
    model.textures[0] = texture;
    t3DObject object = square(-0.5f, 0.5f);
    std::vector<Vector2>(object.texCoords.begin(), object.texCoords.begin() + 2)
        .swap(object.texCoords); // exactly two entries allocated
    object.texCoordCount = 2;
    object.faces.push_back(tTriangle{{0, 2, 4}});
    object.faces.push_back(tTriangle{{65535, 1, 2}});
    object.faceCount = 4;
    addObject(std::move(object), 0, true);
    model.draw();
    EXPECT_TRUE(sameColour(gl.pixel(32, 32), textureColour, 3));
    model.release();
    model.draw(); // released: nothing left to draw, nothing read
}

TEST_F(Model3DSDraw, AModelWithoutObjectsDrawsNothingAndKeepsTheState) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    model.draw();
    EXPECT_TRUE(textureEnabled());
    EXPECT_EQ(boundTexture(), static_cast<GLint>(texture));
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_NEAR(colour[0], 10 / 255.0f, 1e-3f);
    EXPECT_TRUE(sameColour(gl.pixel(32, 32), Rgba{0, 0, 0, 0}));
}

} // namespace
