// Pixel tests of the texture font: glyph placement from the atlas, the bytes
// that draw nothing, the advance, and the state that print restores.

#include "host/glyph_atlas.h"
#include "host/texture_font.h"
#include "scene/gl.h"
#include "tests/support/osmesa_context.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int size = 256;
constexpr int pixelsPerTexel = size / glyphCellSize;

class TextureFontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid()) << "OSMesa could not create an off-screen context";
        font = new TextureFont;
    }
    void TearDown() override { delete font; }

    // The window shows `units` glyph widths across and up.
    void startDrawing(double units) {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, units, 0, units, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(1, 1, 1);
    }

    void print(const std::string& text) { font->print(text.data(), static_cast<int>(text.size())); }

    static float modelViewX() {
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        return m[12];
    }

    std::vector<Rgba> drawn(const std::string& text, double units = 8) {
        startDrawing(units);
        print(text);
        return gl.picture();
    }

    static bool samePicture(const std::vector<Rgba>& a, const std::vector<Rgba>& b) {
        return a.size() == b.size() &&
               std::memcmp(a.data(), b.data(), a.size() * sizeof(Rgba)) == 0;
    }

    // The glyph of a cell drawn over the whole window shows the atlas cell
    // upright: every pixel is the texels' bilinear blend at its centre.
    void expectCellShown(int cell) {
        const double cellLeft = (cell % 16) * glyphCellSize;
        const double cellTop = (cell / 16) * glyphCellSize;
        auto texel = [](int x, int y) {
            x = (x + glyphAtlasWidth) % glyphAtlasWidth; // the texture repeats
            y = (y + glyphAtlasHeight) % glyphAtlasHeight;
            return static_cast<double>(glyphAtlas[y * glyphAtlasWidth + x]);
        };
        const std::vector<Rgba> picture = gl.picture();
        int mismatches = 0;
        for (int py = 0; py < size; ++py) {
            for (int px = 0; px < size; ++px) {
                const double u = cellLeft + (px + 0.5) / pixelsPerTexel - 0.5;
                const double v = cellTop + (py + 0.5) / pixelsPerTexel - 0.5;
                const int x0 = static_cast<int>(std::floor(u)),
                          y0 = static_cast<int>(std::floor(v));
                const double fx = u - x0, fy = v - y0;
                const double expected =
                    (1 - fy) * ((1 - fx) * texel(x0, y0) + fx * texel(x0 + 1, y0)) +
                    fy * ((1 - fx) * texel(x0, y0 + 1) + fx * texel(x0 + 1, y0 + 1));
                const int seen = picture[static_cast<size_t>(py) * size + px].r;
                if (std::abs(seen - expected) > 4 && ++mismatches <= 5)
                    ADD_FAILURE() << "cell " << cell << " pixel " << px << ", " << py << ": "
                                  << seen << " instead of " << expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << "cell " << cell;
    }

    OsMesaContext gl{size, size};
    TextureFont* font = nullptr;
};

TEST_F(TextureFontTest, GlyphsShowTheirAtlasCellsUpright) {
    for (char c : {'F', 'p', '7'}) {
        drawn(std::string(1, c), 1);
        expectCellShown(c - 32);
    }
    // The lists of codes 128 to 159 exist too, though print never reaches them.
    for (int cell : {96, 127}) {
        startDrawing(1);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glBindTexture(GL_TEXTURE_2D, font->texture);
        glCallList(font->listBase + cell);
        expectCellShown(cell);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
    }
}

TEST_F(TextureFontTest, EachCharacterAdvancesOneUnit) {
    startDrawing(8);
    print("FPS = 1234567");
    EXPECT_FLOAT_EQ(modelViewX(), 13);

    const std::vector<Rgba> spaced = drawn(" A");
    startDrawing(8);
    glTranslatef(1, 0, 0);
    print("A");
    EXPECT_TRUE(samePicture(spaced, gl.picture())) << "a space draws nothing and advances";
}

TEST_F(TextureFontTest, ControlAndHighBytesDrawNothingAndDoNotAdvance) {
    const std::vector<Rgba> plain = drawn("AB");
    for (const std::string text : {"A\tB", "A\nB",
                                   "A\xE9"
                                   "B",
                                   "\x80"
                                   "AB\xFF"}) {
        EXPECT_TRUE(samePicture(drawn(text), plain)) << "text of " << text.size() << " bytes";
        EXPECT_FLOAT_EQ(modelViewX(), 2);
    }
    startDrawing(8);
    print("\t\n\xE9");
    EXPECT_FLOAT_EQ(modelViewX(), 0);
}

struct FontState {
    bool lighting, blend, texture2D;
    GLint blendSrc, blendDst, boundTexture, envMode;
};

FontState readState() {
    FontState s{};
    s.lighting = glIsEnabled(GL_LIGHTING);
    s.blend = glIsEnabled(GL_BLEND);
    s.texture2D = glIsEnabled(GL_TEXTURE_2D);
    glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
    glGetIntegerv(GL_BLEND_DST, &s.blendDst);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.boundTexture);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &s.envMode);
    return s;
}

void expectSameState(const FontState& a, const FontState& b) {
    EXPECT_EQ(a.lighting, b.lighting);
    EXPECT_EQ(a.blend, b.blend);
    EXPECT_EQ(a.texture2D, b.texture2D);
    EXPECT_EQ(a.blendSrc, b.blendSrc);
    EXPECT_EQ(a.blendDst, b.blendDst);
    EXPECT_EQ(a.boundTexture, b.boundTexture);
    EXPECT_EQ(a.envMode, b.envMode);
}

TEST_F(TextureFontTest, PrintLeavesLightingBlendingAndTexturingAsTheyWere) {
    GLuint other = 0;
    glGenTextures(1, &other);
    for (bool on : {false, true}) {
        SCOPED_TRACE(on ? "states on" : "states off");
        startDrawing(8);
        if (on) {
            glEnable(GL_LIGHTING);
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE);
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, other);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        } else {
            glDisable(GL_LIGHTING);
            glDisable(GL_BLEND);
            glDisable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, 0);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        }
        const FontState before = readState();
        print("Hi");
        expectSameState(before, readState());
        if (!on) {
            EXPECT_GT(gl.boundingBox([](Rgba p) { return p.r > 128; }).count, 0)
                << "the text shows";
        }
    }
}

TEST_F(TextureFontTest, EmptyTextChangesNothing) {
    drawn("X");
    glTranslatef(0.5f, 0, 0);
    const std::vector<Rgba> before = gl.picture();
    const FontState stateBefore = readState();
    print("");
    EXPECT_TRUE(samePicture(before, gl.picture()));
    expectSameState(stateBefore, readState());
    EXPECT_FLOAT_EQ(modelViewX(), 1.5f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
