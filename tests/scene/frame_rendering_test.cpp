// Frame tests: the motion-blur trail through the accumulation buffer, the
// frames-per-second figure and its text, and the tick's conditions.

#include "scene/frame_rendering.h"

#include "host/input_state.h"
#include "host/texture_font.h"
#include "scene/gl.h"
#include "scene/gl_setup.h"
#include "scene/scene_object.h"
#include "scene/scene_state.h"
#include "settings/saver_settings.h"
#include "tests/support/osmesa_context.h"
#include "tests/support/scene_projection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int width = 800;
constexpr int height = 600;

// A still scene: no drift, no rotation, no offsets; the small cube (half-size
// 9 units at scale 30) stands at the centre with zero angles.
void useStillSettings(int blur) {
    theSettings.setDefaults();
    theSettings.vel = 0;
    theSettings.xoff = theSettings.yoff = theSettings.zoff = 0;
    theSettings.xrot = theSettings.yrot = theSettings.zrot = 0;
    theSettings.scale = 30;
    theSettings.lighting = 0;
    theSettings.blur = blur;
}

void resetFrameRate() {
    frameTime = 0;
    fpsTimeSum = 0;
    fpsFrameCount = 0;
    fpsText.clear();
}

// The window pixel of a scene point on the cube's front face (z = 9).
struct Spot {
    int x, y;
};
Spot frontFaceSpot(double x, double y) {
    const WindowPoint p = projectScenePoint(x, y, 9, width, height);
    return Spot{static_cast<int>(p.x), static_cast<int>(p.y)};
}

int expectedRed(double weight) {
    return static_cast<int>(std::lround(255 * std::min(1.0, weight)));
}

class Frames : public ::testing::Test {
  protected:
    explicit Frames(int accumBits = 16) : gl(width, height, accumBits) {}

    void SetUp() override {
        ASSERT_TRUE(gl.valid()) << "OSMesa could not create an off-screen context";
        useStillSettings(1);
        halfWidth = width / 2;
        halfHeight = height / 2;
        setUpSceneGl(0, 0, width, height);
        sceneObject = new SceneObject;
        sceneObject->x = sceneObject->y = 0;
        for (TrailEntry& entry : trail)
            entry = TrailEntry{0, 0, 0, 0, 0, 0};
        resetFrameRate();
        showFps = false;
        monitorOff = false;
        passwordDialogActive = false;
        saverReady = true;
    }

    void TearDown() override {
        delete sceneObject;
        sceneObject = nullptr;
        delete textFont;
        textFont = nullptr;
        saverReady = false;
        showFps = false;
        resetFrameRate();
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    // Trail entries set so that after the frame's shift entry i (1 to 9) stands
    // alone at x = -180 + 40 i and the current pose, entry 0, at x = -180.
    void spreadTheTrail() {
        sceneObject->x = -180;
        for (int i = 1; i < trailLength; ++i)
            trail[i - 1] = TrailEntry{-180.0f + 40.0f * i, 0, 0, 0, 0, 0};
    }

    OsMesaContext gl;
};

TEST_F(Frames, EachTrailEntryAddsAFifthOfItsColourPerLaterDraw) {
    spreadTheTrail();
    drawFrame();
    for (int i = 0; i < trailLength; ++i) {
        const Spot spot = frontFaceSpot(-180 + 40 * i, 0);
        const Rgba seen = gl.pixel(spot.x, spot.y);
        SCOPED_TRACE(i);
        EXPECT_NEAR(seen.r, expectedRed(0.2 * (10 - i)), 3);
        EXPECT_EQ(seen.g, 0);
        EXPECT_EQ(seen.b, 0);
    }
    // Between the entries nothing was drawn.
    const Spot gap = frontFaceSpot(-160, 0);
    EXPECT_TRUE(sameColour(gl.pixel(gap.x, gap.y), Rgba{0, 0, 0, 0}));
}

TEST_F(Frames, CurrentPoseIsDrawnLastOneUnitNearer) {
    spreadTheTrail();
    drawFrame();
    const Spot current = frontFaceSpot(-180, 0);
    const float blurredDepth = gl.depth(current.x, current.y);

    auto depthOfSingleDraw = [&](float z) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        sceneObject->drawAt(-180, 0, z, 0, 0, 0);
        return gl.depth(current.x, current.y);
    };
    glMatrixMode(GL_MODELVIEW);
    const float nearer = depthOfSingleDraw(1);
    const float atEntry = depthOfSingleDraw(0);
    ASSERT_NE(nearer, atEntry);
    EXPECT_EQ(blurredDepth, nearer);
}

TEST_F(Frames, StillObjectSettlesToOneFullStrengthModel) {
    // Drawn at 40 degrees about Z (offset 20 plus angle 20), while the start
    // entries, angles 0, are drawn at the offset alone: 20 degrees.
    theSettings.zoff = 20;
    sceneObject->angleZ = 20;
    // A point inside the start square's corner but outside the current square.
    const double c = std::cos(20 * M_PI / 180), s = std::sin(20 * M_PI / 180);
    const Spot corner = frontFaceSpot(8.5 * c - 8.5 * s, 8.5 * s + 8.5 * c);
    const Spot centre = frontFaceSpot(0, 0);
    for (int frame = 1; frame <= 11; ++frame) {
        drawFrame();
        SCOPED_TRACE(frame);
        // Frame k holds the current pose in entries 0 to k - 1 and the start
        // pose from entry k on.
        EXPECT_NEAR(gl.pixel(corner.x, corner.y).r,
                    frame < 10 ? expectedRed(0.2 * (10 - frame)) : 0, 3);
        EXPECT_TRUE(sameColour(gl.pixel(centre.x, centre.y), Rgba{255, 0, 0, 255}));
    }
    const std::vector<Rgba> blurred = gl.picture();

    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    sceneObject->drawAt(0, 0, 1, 0, 0, 20);
    const std::vector<Rgba> single = gl.picture();
    int differing = 0, covered = 0;
    for (size_t i = 0; i < single.size(); ++i) {
        covered += single[i].r != 0;
        differing += !sameColour(blurred[i], single[i], 3);
    }
    EXPECT_GT(covered, 500);
    EXPECT_LE(differing, covered / 100) << "the settled trail is the model drawn once";
}

TEST_F(Frames, TrailAdvancesOnlyOnBlurredFrames) {
    for (int i = 0; i < trailLength; ++i)
        trail[i] = TrailEntry{float(i), float(i), 0, float(i), 0, 0};
    sceneObject->x = 50;
    sceneObject->angleY = 7;
    TrailEntry before[trailLength];
    std::memcpy(before, trail, sizeof trail);

    theSettings.blur = 0;
    drawFrame();
    EXPECT_EQ(std::memcmp(before, trail, sizeof trail), 0);

    saverReady = false;
    theSettings.blur = 1;
    saverTick();
    EXPECT_EQ(std::memcmp(before, trail, sizeof trail), 0) << "a tick that draws nothing";

    drawFrame();
    const TrailEntry current{50, 0, 0, 0, 7, 0};
    EXPECT_EQ(std::memcmp(&trail[0], &current, sizeof current), 0);
    EXPECT_EQ(std::memcmp(&trail[1], &before[0], sizeof before[0] * (trailLength - 1)), 0);
}

TEST_F(Frames, BlurOffDrawsTheObjectOnce) {
    theSettings.blur = 0;
    spreadTheTrail();
    drawFrame();
    const Spot current = frontFaceSpot(-180, 0);
    const Spot oldEntry = frontFaceSpot(-140, 0);
    EXPECT_TRUE(sameColour(gl.pixel(current.x, current.y), Rgba{255, 0, 0, 255}));
    EXPECT_TRUE(sameColour(gl.pixel(oldEntry.x, oldEntry.y), Rgba{0, 0, 0, 0}));
}

class FramesWithoutAccumulation : public Frames {
  protected:
    FramesWithoutAccumulation() : Frames(0) {}
};

// Without an accumulation buffer the accumulation calls fail and change
// nothing: all ten poses stay at full strength under the final draw.
TEST_F(FramesWithoutAccumulation, TrailShowsEveryPoseAtFullStrength) {
    GLint accumBits = -1;
    glGetIntegerv(GL_ACCUM_RED_BITS, &accumBits);
    ASSERT_EQ(accumBits, 0);
    spreadTheTrail();
    drawFrame();
    for (int i = 0; i < trailLength; ++i) {
        const Spot spot = frontFaceSpot(-180 + 40 * i, 0);
        SCOPED_TRACE(i);
        EXPECT_TRUE(sameColour(gl.pixel(spot.x, spot.y), Rgba{255, 0, 0, 255}));
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_OPERATION));
}

TEST(NumberToText, WritesLikeADefaultStream) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {50.0f, "50"},       {static_cast<float>(20.0 / 0.3f), "66.6667"},
        {0.5f, "0.5"},       {1234567.0f, "1.23457e+06"},
        {1e20f, "1e+20"},    {0.0001f, "0.0001"},
        {0.00001f, "1e-05"}, {std::numeric_limits<float>::infinity(), "inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

TEST_F(Frames, FigureIsRefreshedEveryTwentyFrames) {
    theSettings.blur = 0;
    for (float total : {0.4f, 0.3f}) {
        SCOPED_TRACE(total);
        const std::string previous = fpsText;
        for (int frame = 1; frame <= 20; ++frame) {
            frameTime = frame == 1 ? total : 0.0f;
            drawFrame();
            if (frame < 20) {
                EXPECT_EQ(fpsText, previous);
            }
        }
        EXPECT_EQ(fpsText, total == 0.4f ? "FPS = 50" : "FPS = 66.6667");
        EXPECT_EQ(fpsFrameCount, 0);
        EXPECT_EQ(fpsTimeSum, 0.0f);
    }
}

// The text is 1/50 of the window high: one unit is 12 pixels here.
TEST_F(Frames, FpsTextIsWhiteInTheTopLeftBand) {
    theSettings.blur = 0;
    textFont = new TextureFont;
    showFps = true;
    auto textPixels = [&] {
        return gl.boundingBox([](Rgba p) { return p.g != 0; }); // the red cube has no green
    };
    for (int frame = 1; frame < 20; ++frame) {
        frameTime = frame == 1 ? 0.3f : 0.0f;
        drawFrame();
    }
    EXPECT_EQ(textPixels().count, 0) << "no text before the first figure";

    drawFrame();
    ASSERT_EQ(fpsText, "FPS = 66.6667");
    drawFrame(); // the frame after the refresh shows the new text
    const PixelBox text = textPixels();
    const int unit = height / 50;
    EXPECT_GE(text.left, unit);
    EXPECT_LE(text.right, unit * 14);
    EXPECT_GT(text.right, unit * 13) << "13 characters, the last a digit";
    EXPECT_GE(text.top, unit);
    EXPECT_LE(text.bottom, unit * 2);
    EXPECT_GE(text.height(), unit / 2);
    int brightest = 0;
    gl.boundingBox([&](Rgba p) {
        brightest = std::max(brightest, static_cast<int>(p.g));
        return false;
    });
    // Glyph stems shrink to about a pixel at this size, so even the brightest
    // pixels are partly covered.
    EXPECT_GE(brightest, 150);
    const PixelBox grey =
        gl.boundingBox([](Rgba p) { return p.g != 0 && (p.r != p.g || p.g != p.b); });
    EXPECT_EQ(grey.count, 0) << "the text's colour is white, blended by alpha";

    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_PROJECTION);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

struct TickCase {
    bool ready, monitorIsOff, passwordOpen, draws;
};

TEST_F(Frames, TickDrawsOnlyWhenReadyAndUndisturbed) {
    theSettings.blur = 0;
    const TickCase cases[] = {{true, false, false, true},
                              {false, false, false, false},
                              {true, true, false, false},
                              {true, false, true, false}};
    for (const TickCase& c : cases) {
        saverReady = c.ready;
        monitorOff = c.monitorIsOff;
        passwordDialogActive = c.passwordOpen;
        const int countBefore = fpsFrameCount;
        saverTick();
        EXPECT_EQ(fpsFrameCount - countBefore, c.draws ? 1 : 0)
            << c.ready << c.monitorIsOff << c.passwordOpen;
        EXPECT_GE(frameTime, 0.0f);
    }
}

} // namespace
