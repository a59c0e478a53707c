#include "host/texture_font.h"

#include "host/glyph_atlas.h"
#include "scene/gl.h"

namespace {

constexpr int glyphCount = 128;
constexpr int cellsPerRow = 16;
constexpr float cellWidth = 0.0625f; // in texture coordinates
constexpr float cellHeight = 0.125f;

// One glyph: a unit square, counter-clockwise from the front, whose top edge
// shows the cell's top edge (the atlas's first row lies at v = 0).
void compileGlyph(uint32_t list, int cell) {
    float u = static_cast<float>(cell % cellsPerRow) * cellWidth;
    float v = static_cast<float>(cell / cellsPerRow) * cellHeight;
    glNewList(list, GL_COMPILE);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(u, v + cellHeight);
    glVertex3f(0, 0, 0);
    glTexCoord2f(u + cellWidth, v + cellHeight);
    glVertex3f(1, 0, 0);
    glTexCoord2f(u, v);
    glVertex3f(0, 1, 0);
    glTexCoord2f(u + cellWidth, v);
    glVertex3f(1, 1, 0);
    glEnd();
    glTranslatef(1, 0, 0);
    glEndList();
}

} // namespace

TextureFont::TextureFont() : texture(0), listBase(0) {
    GLuint name = 0;
    glGenTextures(1, &name);
    texture = name;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_ALPHA, glyphAtlasWidth, glyphAtlasHeight, GL_ALPHA,
                      GL_UNSIGNED_BYTE, glyphAtlas);
    listBase = glGenLists(glyphCount);
    for (int cell = 0; cell < glyphCount; ++cell)
        compileGlyph(listBase + cell, cell);
}

void TextureFont::print(const char* text, int length) {
    glPushAttrib(GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_LIGHTING_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (int i = 0; i < length; ++i) {
        // Bytes are taken as signed: codes from 128 on are negative and skipped.
        int cell = static_cast<signed char>(text[i]) - 32;
        if (cell >= 0 && cell < glyphCount)
            glCallList(listBase + cell);
    }
    glPopAttrib();
}
