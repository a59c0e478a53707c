#include "scene/random_in_range.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

// A generator that returns a fixed script of values, then zeros.
std::vector<int> script;
size_t scriptIndex = 0;
int scripted() {
    return scriptIndex < script.size() ? script[scriptIndex++] : 0;
}

class SceneMotion : public ::testing::Test {
  protected:
    void SetUp() override {
        theSettings.setDefaults();
        std::strcpy(theSettings.modelPath, "none");
        halfWidth = 512;
        halfHeight = 384;
        useScript({});
    }
    void TearDown() override { setRandomGenerator(nullptr); }

    static void useScript(std::vector<int> values) {
        script = std::move(values);
        scriptIndex = 0;
        setRandomGenerator(scripted);
    }

    // A still object at the origin whose only motion is rotation.
    static void rotationOnly() {
        theSettings.vel = 0;
        theSettings.xoff = theSettings.yoff = theSettings.zoff = 0;
        theSettings.xrot = theSettings.yrot = theSettings.zrot = 0;
    }
};

TEST_F(SceneMotion, RandomInRangeHasInclusiveBounds) {
    useScript({0, 6, 7, 13});
    EXPECT_EQ(randomInRange(3, 3), 3);
    EXPECT_EQ(randomInRange(0, 6), 6);
    EXPECT_EQ(randomInRange(0, 6), 0);
    EXPECT_EQ(randomInRange(1, 5), 4);
    EXPECT_EQ(randomInRange(0, 0), 0);
}

TEST_F(SceneMotion, StartPoseFollowsTheDrawOrder) {
    theSettings.vel = 40;
    // x, y, x coin, y coin, vx magnitude, vy magnitude, vx coin, vy coin
    useScript({100, 50, 1, 0, 2, 4, 0, 1});
    SceneObject object;
    EXPECT_EQ(object.x, -100.0f); // 100 % (170 + 1), negated
    EXPECT_EQ(object.y, 50.0f);   // 50 % (128 + 1)
    EXPECT_EQ(object.z, 0.0f);
    EXPECT_FLOAT_EQ(object.vx, 3 * 40 * 0.0125f);
    EXPECT_FLOAT_EQ(object.vy, -5 * 40 * 0.0125f);
    EXPECT_EQ(object.angleX, 134.0f);
    EXPECT_EQ(object.angleY, 0.0f);
    EXPECT_EQ(object.dirX, 1);
    EXPECT_FALSE(object.loaded);
    EXPECT_EQ(object.ms3d, nullptr);
    EXPECT_EQ(object.model3ds, nullptr);
}

TEST_F(SceneMotion, StartLiesInTheThirdRectangleWithFiveSpeeds) {
    setRandomGenerator(nullptr);
    std::srand(7);
    std::set<float> speeds;
    for (int i = 0; i < 300; ++i) {
        SceneObject object;
        EXPECT_LE(std::abs(object.x), halfWidth / 3);
        EXPECT_LE(std::abs(object.y), halfHeight / 3);
        EXPECT_EQ(object.x, static_cast<int>(object.x));
        speeds.insert(std::abs(object.vx));
        speeds.insert(std::abs(object.vy));
    }
    EXPECT_EQ(speeds, (std::set<float>{0.25f, 0.5f, 0.75f, 1.0f, 1.25f}));
}

TEST_F(SceneMotion, TrailIsFilledWithTheStartPositionOnlyWithBlur) {
    const TrailEntry marker{9, 9, 9, 9, 9, 9};
    for (int blur : {0, 1, 2}) {
        for (TrailEntry& entry : trail)
            entry = marker;
        theSettings.blur = blur;
        useScript({30, 20, 0, 1});
        SceneObject object;
        for (const TrailEntry& entry : trail) {
            const TrailEntry expected = blur ? TrailEntry{30, -20, 0, 0, 0, 0} : marker;
            EXPECT_EQ(std::memcmp(&entry, &expected, sizeof entry), 0) << "blur " << blur;
        }
    }
}

struct AxisCase {
    const char* name;
    char axis; // 'x', 'y' or 'z'
    int limit;
    int speed;
    int frames;                // frames run before the expected values start
    std::vector<float> angles; // angle after each following frame
};

class AxisMotion : public SceneMotion, public ::testing::WithParamInterface<AxisCase> {};

TEST_P(AxisMotion, FollowsTheSwingAndSpinRules) {
    const AxisCase& c = GetParam();
    rotationOnly();
    int32_t& limit = c.axis == 'x'   ? theSettings.xrot
                     : c.axis == 'y' ? theSettings.yrot
                                     : theSettings.zrot;
    int32_t& speed = c.axis == 'x'   ? theSettings.xrots
                     : c.axis == 'y' ? theSettings.yrots
                                     : theSettings.zrots;
    limit = c.limit;
    speed = c.speed;
    SceneObject object;
    float& angle = c.axis == 'x' ? object.angleX : c.axis == 'y' ? object.angleY : object.angleZ;
    for (int i = 0; i < c.frames; ++i)
        object.update();
    for (float expected : c.angles) {
        object.update();
        EXPECT_EQ(angle, expected) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AxisMotion,
    ::testing::Values(
        AxisCase{"swing 30/20 rises to 28 and turns", 'x', 30, 20, 0, {1, 2, 3}},
        AxisCase{"swing 30/20 turns at 28", 'x', 30, 20, 26, {27, 28, 27, 26}},
        AxisCase{"swing 30/20 turns at -28", 'x', 30, 20, 82, {-27, -28, -27}},
        AxisCase{"swing 30/300 alternates -15 and 0", 'x', 30, 300, 0, {-15, 0, -15, 0, -15}},
        AxisCase{"z spin wraps 360 to -1 then 0", 'z', 360, 20, 357, {358, 359, 360, 0, 1}},
        AxisCase{"y spin wraps 360 to 0 then 1", 'y', 360, 20, 357, {358, 359, 360, 1, 2}},
        AxisCase{"limit 0 stands still", 'z', 0, 300, 0, {0, 0, 0}},
        AxisCase{"limit 1 swings inside", 'y', 1, 20, 0, {-1, 0, -1}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(SceneMotion, LimitZeroKeepsTheOffsetButTurnsDirections) {
    rotationOnly();
    theSettings.xoff = 134;
    theSettings.xrots = 300;
    SceneObject object;
    object.update();
    EXPECT_EQ(object.angleX, 134.0f);
    EXPECT_EQ(object.dirX, -1); // look-ahead 164 >= 0
}

TEST_F(SceneMotion, BouncesAtTheMarginInsideTheQuarterBox) {
    rotationOnly();
    theSettings.vel = 80; // magnitude 1 x 80 x 0.0125 = 1 unit per frame
    halfWidth = 400;      // bounds at +-160
    halfHeight = 400;
    useScript({0, 0, 0, 0, 0, 0, 0, 0}); // both moving +1
    SceneObject object;
    object.x = 150;
    std::vector<float> xs;
    for (int i = 0; i < 14; ++i) {
        object.update();
        xs.push_back(object.x);
    }
    // 151..159, then the next position 160 reaches the bound and x turns back.
    EXPECT_EQ(xs, (std::vector<float>{151, 152, 153, 154, 155, 156, 157, 158, 159, 158, 157, 156,
                                      155, 154}));
}

TEST_F(SceneMotion, SmallWindowOscillatesBetweenTwoPositions) {
    rotationOnly();
    theSettings.vel = 80;
    halfWidth = 76; // preview of 152 x 112: the bounds cross
    halfHeight = 56;
    useScript({10, 5, 0, 0, 0, 0, 0, 0});
    SceneObject object;
    std::vector<float> xs, ys;
    for (int i = 0; i < 4; ++i) {
        object.update();
        xs.push_back(object.x);
        ys.push_back(object.y);
    }
    EXPECT_EQ(xs, (std::vector<float>{9, 10, 9, 10}));
    EXPECT_EQ(ys, (std::vector<float>{4, 5, 4, 5}));
}

TEST_F(SceneMotion, ZeroVelocityStandsStill) {
    rotationOnly();
    useScript({40, 30, 1, 1, 3, 3, 1, 1});
    SceneObject object;
    for (int i = 0; i < 5; ++i)
        object.update();
    EXPECT_EQ(object.x, -40.0f);
    EXPECT_EQ(object.y, -30.0f);
    EXPECT_EQ(object.vx, -0.0f);
}

TEST_F(SceneMotion, FarOutsideABoundReversesEveryFrame) {
    rotationOnly();
    theSettings.vel = 80;
    halfWidth = 400; // bound +160
    useScript({200, 0, 0, 0, 0, 0, 0, 0});
    SceneObject object;
    object.x = 200;
    std::vector<float> xs;
    for (int i = 0; i < 4; ++i) {
        object.update();
        xs.push_back(object.x);
    }
    EXPECT_EQ(xs, (std::vector<float>{199, 200, 199, 200}));
}

} // namespace
