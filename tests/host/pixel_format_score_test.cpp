#include "host/pixel_format_score.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t windowGl = formatDrawToWindow | formatSupportOpenGL | formatDoubleBuffer;

PixelFormatDescription hardware(uint8_t colour, uint8_t depth, uint8_t accum = 0) {
    return {windowGl, formatTypeRgba, colour, depth, accum};
}
PixelFormatDescription generic(uint8_t colour, uint8_t depth, uint8_t accum = 0) {
    return {windowGl | formatGeneric, formatTypeRgba, colour, depth, accum};
}
PixelFormatDescription accelerated(uint8_t colour, uint8_t depth, uint8_t accum = 0) {
    return {windowGl | formatGeneric | formatGenericAccelerated, formatTypeRgba, colour, depth,
            accum};
}

TEST(PixelFormatScore, ScoresOfTheFormatClasses) {
    const struct {
        PixelFormatDescription format;
        int32_t score;
    } cases[] = {
        {hardware(32, 24), 2072}, {hardware(24, 24), 2068}, {hardware(16, 16), 2048},
        {hardware(17, 0), 2017},  {hardware(25, 0), 2021},  {accelerated(32, 32), 1088},
        {generic(24, 32), 84},    {generic(0, 0), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelFormatScore(c.format), c.score)
            << int(c.format.colorBits) << "/" << int(c.format.depthBits) << " flags "
            << c.format.flags;
}

TEST(PixelFormatScore, ChoosesTheBestQualifyingFormat) {
    PixelFormatDescription singleBuffered = hardware(32, 32);
    singleBuffered.flags &= ~formatDoubleBuffer;
    PixelFormatDescription bitmapOnly = hardware(32, 32);
    bitmapOnly.flags &= ~formatDrawToWindow;
    PixelFormatDescription noOpenGl = hardware(32, 32);
    noOpenGl.flags &= ~formatSupportOpenGL;
    PixelFormatDescription colourIndex = hardware(32, 32);
    colourIndex.pixelType = 1;

    const struct {
        const char* name;
        std::vector<PixelFormatDescription> formats;
        int best;
    } cases[] = {
        {"hardware 32/24 wins", {hardware(16, 16), hardware(24, 24), hardware(32, 24)}, 3},
        {"hardware beats accelerated", {accelerated(32, 32), hardware(16, 16)}, 2},
        {"accelerated beats generic", {generic(32, 32), accelerated(16, 0)}, 2},
        {"unusable formats never chosen",
         {singleBuffered, bitmapOnly, noOpenGl, colourIndex, generic(24, 32)},
         5},
        {"only unusable formats", {singleBuffered, colourIndex}, 0},
        {"tie to the lower index", {generic(8, 8), hardware(24, 24), hardware(24, 24)}, 2},
        {"zero score never chosen", {generic(0, 0)}, 0},
        {"empty list", {}, 0},
        {"accumulation ignored without blur", {hardware(24, 24, 64), hardware(32, 24)}, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bestPixelFormatIndex(c.formats, false), c.best) << c.name;
}

// With the motion blur the trail draws through the accumulation buffer, so a
// format that has one is worth more than any score.
TEST(PixelFormatScore, BlurPrefersAFormatWithAnAccumulationBuffer) {
    const struct {
        const char* name;
        std::vector<PixelFormatDescription> formats;
        int best;
    } cases[] = {
        {"accumulation beats a higher score", {hardware(32, 24), generic(24, 16, 64)}, 2},
        {"score decides among accumulating formats",
         {generic(24, 16, 64), hardware(16, 16, 32), hardware(32, 24, 64)},
         3},
        {"tie to the lower index", {hardware(24, 24, 64), hardware(24, 24, 64)}, 1},
        {"none accumulates: score decides", {hardware(16, 16), hardware(32, 24)}, 2},
        {"unusable accumulating formats never chosen",
         {PixelFormatDescription{formatDrawToWindow | formatSupportOpenGL, formatTypeRgba, 32, 24,
                                 64},
          generic(24, 32)},
         2},
        {"zero score never chosen", {generic(0, 0, 64)}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bestPixelFormatIndex(c.formats, true), c.best) << c.name;
}

} // namespace
