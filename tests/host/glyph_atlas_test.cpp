// The compiled glyph atlas keeps the layout the texture font relies on.

#include "host/glyph_atlas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Ink {
    int top = glyphCellSize, bottom = -1, left = glyphCellSize, right = -1;
    bool solid = false, smooth = false; // has texels of 255 / between 0 and 255
    bool empty() const { return bottom < 0; }
};

unsigned char texel(int cell, int x, int y) {
    return glyphAtlas[((cell / 16) * glyphCellSize + y) * glyphAtlasWidth +
                      (cell % 16) * glyphCellSize + x];
}

Ink inkOf(int code) {
    const int cell = code - 32;
    Ink ink;
    for (int y = 0; y < glyphCellSize; ++y) {
        for (int x = 0; x < glyphCellSize; ++x) {
            const unsigned char value = texel(cell, x, y);
            if (value == 0)
                continue;
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.solid = ink.solid || value == 255;
            ink.smooth = ink.smooth || value != 255;
        }
    }
    return ink;
}

bool sameCell(int codeA, int codeB) {
    for (int y = 0; y < glyphCellSize; ++y)
        for (int x = 0; x < glyphCellSize; ++x)
            if (texel(codeA - 32, x, y) != texel(codeB - 32, x, y))
                return false;
    return true;
}

TEST(GlyphAtlas, CapitalsAndDescendersShareOneBaseline) {
    for (char c : std::string("EFHILT")) {
        const Ink ink = inkOf(c);
        EXPECT_EQ(ink.top, 7) << c;
        EXPECT_EQ(ink.bottom, 26) << c;
    }
    for (char c : std::string("gjpqy"))
        EXPECT_EQ(inkOf(c).bottom, 29) << c;
    for (char c : std::string("acemnorsuvwxz"))
        EXPECT_EQ(inkOf(c).bottom, 26) << c;
}

// A glyph square's top edge samples into the bottom rows of the cell above it
// (two texel rows at the first mipmap level), so those rows must stay empty:
// "@" above "P" drew a bar over the P of "FPS".
TEST(GlyphAtlas, TheLastTwoRowsOfEveryCellAreEmpty) {
    for (int cell = 0; cell < 128; ++cell)
        for (int y = glyphCellSize - 2; y < glyphCellSize; ++y)
            for (int x = 0; x < glyphCellSize; ++x)
                ASSERT_EQ(texel(cell, x, y), 0)
                    << "cell " << cell << " row " << y << " column " << x;
}

TEST(GlyphAtlas, GlyphsAreCentredSmoothAndPresent) {
    EXPECT_TRUE(inkOf(' ').empty());
    const int unassigned[] = {127, 129, 141, 143, 144, 157};
    for (int code = 33; code < 160; ++code) {
        const Ink ink = inkOf(code);
        ASSERT_FALSE(ink.empty()) << code;
        EXPECT_TRUE(ink.solid) << code;
        const bool box =
            std::find(std::begin(unassigned), std::end(unassigned), code) != std::end(unassigned);
        if (box) {
            EXPECT_TRUE(sameCell(code, 127)) << "code " << code << " shows the empty box";
            continue;
        }
        EXPECT_FALSE(sameCell(code, 127)) << code;
        EXPECT_TRUE(ink.smooth) << code;
        const int leftMargin = ink.left, rightMargin = glyphCellSize - 1 - ink.right;
        EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << code;
    }
}

} // namespace
