#pragma once

#include <cstdint>

// Monospaced text from the glyph atlas: one display list per character code
// 32 to 159, each drawing a unit square with its glyph (lower-left corner at the
// origin) and then moving the origin one unit to the right. Size, position and
// colour come from the caller's matrices and current colour.
class TextureFont {
  public:
    // Builds the atlas texture and the 128 lists in the current GL context.
    TextureFont();

    // Draws the bytes of text at the model-view origin. Only codes 32 to 127
    // are drawn; every other byte draws nothing and does not advance. Leaves
    // the model-view matrix one unit to the right per character drawn.
    void print(const char* text, int length);

    uint32_t texture;  // GL texture name of the atlas
    uint32_t listBase; // first of 128 display lists; listBase + i draws cell i
};
