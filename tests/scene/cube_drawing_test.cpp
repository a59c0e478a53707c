// Pixel tests of the scene object's drawing and the scene's GL set-up: the
// stand-in cube, the pose transforms and the light.

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
constexpr double pi = 3.14159265358979323846;

const Rgba red{255, 0, 0, 255};

struct Vec3 {
    double x, y, z;
};

Vec3 rotated(Vec3 p, char axis, double degrees) {
    const double c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180);
    switch (axis) {
    case 'x':
        return {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
    case 'y':
        return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
    default:
        return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
    }
}

// The cube's faces as the drawing sends them: colour and corner signs.
struct Face {
    const char* name;
    Rgba colour;
    Vec3 corners[4];
};
const Face cubeFaces[6] = {
    {"top", {0, 255, 0, 255}, {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}}},
    {"bottom", {255, 128, 0, 255}, {{1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}}},
    {"front", {255, 0, 0, 255}, {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}}},
    {"back", {255, 255, 0, 255}, {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}}},
    {"left", {0, 0, 255, 255}, {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},
    {"right", {255, 0, 255, 255}, {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}}},
};

struct Pose {
    double x, y, z;
    double angleX, angleY, angleZ; // as drawn, offsets included
};

// Where one face lands on screen: area (positive when it faces the viewer),
// centroid and perimeter of its projected quad, in pixels.
struct FaceOnScreen {
    double area = 0, centreX = 0, centreY = 0, perimeter = 0;
};

// Model-frame order: scale, then Z, Y, X (or, for the contrast check, X, Y, Z).
FaceOnScreen predictFace(const Face& face, const Pose& pose, double halfSize, bool zyxOrder) {
    WindowPoint points[4];
    for (int i = 0; i < 4; ++i) {
        Vec3 p{face.corners[i].x * halfSize, face.corners[i].y * halfSize,
               face.corners[i].z * halfSize};
        const char* order = zyxOrder ? "zyx" : "xyz";
        for (int a = 0; a < 3; ++a) {
            char axis = order[a];
            double angle = axis == 'x' ? pose.angleX : axis == 'y' ? pose.angleY : pose.angleZ;
            p = rotated(p, axis, angle);
        }
        points[i] = projectScenePoint(p.x + pose.x, p.y + pose.y, p.z + pose.z, width, height);
    }
    FaceOnScreen result;
    double cx = 0, cy = 0;
    for (int i = 0; i < 4; ++i) {
        // Window y grows downwards; negate it so that counter-clockwise is positive.
        const WindowPoint& a = points[i];
        const WindowPoint& b = points[(i + 1) % 4];
        double cross = a.x * -b.y - b.x * -a.y;
        result.area += cross / 2;
        cx += (a.x + b.x) * cross;
        cy += (a.y + b.y) * cross;
        result.perimeter += std::hypot(b.x - a.x, b.y - a.y);
    }
    if (std::abs(result.area) > 1e-9) {
        result.centreX = cx / (6 * result.area);
        result.centreY = cy / (6 * result.area);
    }
    return result;
}

class CubeDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid()) << "OSMesa could not create an off-screen context";
        theSettings.setDefaults();
        theSettings.xoff = theSettings.yoff = theSettings.zoff = 0;
        theSettings.lighting = 0;
        theSettings.blur = 0;
        halfWidth = width / 2;
        halfHeight = height / 2;
        setUpSceneGl(0, 0, width, height);
    }

    // An object at the centre with zero angles.
    // The object at the centre with zero angles.
    static void centre(SceneObject& object) {
        object.x = object.y = object.z = 0;
        object.angleX = object.angleY = object.angleZ = 0;
    }

    static void drawOnce(SceneObject& object) {
        glMatrixMode(GL_MODELVIEW);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        object.draw();
    }

    OsMesaContext gl{width, height};
};

TEST_F(CubeDrawing, FrontFaceFillsTheProjectedSquare) {
    for (int scale : {100, 10}) {
        theSettings.scale = scale;
        SceneObject object;
        centre(object);
        drawOnce(object);
        // Corners are +-scale before the scale x 0.01 takes effect.
        const double halfSize = scale * scale * 0.01;
        const WindowPoint corner = projectScenePoint(halfSize, halfSize, halfSize, width, height);
        const double halfPixels = corner.x - width / 2.0;
        const PixelBox box = gl.boundingBox(red);
        SCOPED_TRACE(scale);
        ASSERT_GT(box.count, 0);
        EXPECT_NEAR(box.left, std::ceil(width / 2.0 - halfPixels - 0.5), 1);
        EXPECT_NEAR(box.right, std::floor(width / 2.0 + halfPixels - 0.5), 1);
        EXPECT_NEAR(box.top, std::ceil(height / 2.0 - halfPixels - 0.5), 1);
        EXPECT_NEAR(box.bottom, std::floor(height / 2.0 + halfPixels - 0.5), 1);
        EXPECT_EQ(box.count, box.width() * box.height()) << "the square has holes";
        // Looking straight at the front face, nothing else of the cube shows.
        EXPECT_EQ(gl.boundingBox([](Rgba p) { return (p.r | p.g | p.b) != 0; }).count, box.count);
        if (scale == 10) {
            EXPECT_LE(box.width(), 5) << "scale 10 draws a cube of half-size 1";
        }
    }
}

struct PoseCase {
    const char* name;
    int xoff, yoff, zoff;
    Pose object; // position and angles without the offsets
    bool orderMatters;
};

void PrintTo(const PoseCase& c, std::ostream* out) {
    *out << c.name;
}

class CubePose : public CubeDrawing, public ::testing::WithParamInterface<PoseCase> {};

// Every visible face of the cube lies where the model-frame order Z, Y, X (with
// each offset added to its angle) puts it, and each hidden face is culled.
TEST_P(CubePose, FacesLieWhereTheRotationOrderPutsThem) {
    const PoseCase& c = GetParam();
    theSettings.scale = 60;
    theSettings.xoff = c.xoff;
    theSettings.yoff = c.yoff;
    theSettings.zoff = c.zoff;
    SceneObject object;
    centre(object);
    object.x = static_cast<float>(c.object.x);
    object.y = static_cast<float>(c.object.y);
    object.angleX = static_cast<float>(c.object.angleX);
    object.angleY = static_cast<float>(c.object.angleY);
    object.angleZ = static_cast<float>(c.object.angleZ);
    drawOnce(object);

    const Pose drawn{c.object.x,
                     c.object.y,
                     0,
                     c.xoff + c.object.angleX,
                     c.yoff + c.object.angleY,
                     c.zoff + c.object.angleZ};
    const double halfSize = 60 * 0.6;
    double worstOtherOrderError = 0;
    for (const Face& face : cubeFaces) {
        SCOPED_TRACE(face.name);
        const FaceOnScreen expected = predictFace(face, drawn, halfSize, true);
        const FaceOnScreen otherOrder = predictFace(face, drawn, halfSize, false);
        const PixelBox seen = gl.boundingBox(face.colour);
        if (expected.area < 1) {
            EXPECT_EQ(seen.count, 0) << "a face turned away is culled";
            continue;
        }
        EXPECT_NEAR(seen.count, expected.area, expected.perimeter * 0.5 + 4);
        if (expected.area < expected.perimeter * 2)
            continue; // a sliver seen almost edge-on: too thin for a centroid
        EXPECT_NEAR(seen.centreX, expected.centreX, 1.0);
        EXPECT_NEAR(seen.centreY, expected.centreY, 1.0);
        worstOtherOrderError =
            std::max({worstOtherOrderError, std::abs(otherOrder.area - seen.count) / 10,
                      std::abs(otherOrder.centreX - seen.centreX),
                      std::abs(otherOrder.centreY - seen.centreY)});
    }
    // The pose is asymmetric enough that the opposite order would be seen.
    if (c.orderMatters) {
        EXPECT_GT(worstOtherOrderError, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Poses, CubePose,
    ::testing::Values(PoseCase{"angles", 0, 0, 0, {0, 0, 0, 25, 35, 50}, true},
                      PoseCase{"anglesAndOffsets", 10, 20, 30, {0, 0, 0, 5, 16, 27}, true},
                      PoseCase{"movedAndTurned", 0, 0, 0, {120, -70, 0, -30, 60, 15}, true},
                      PoseCase{"xOffsetDrawnTwice", 134, 0, 0, {0, 0, 0, 134, 0, 0}, false}),
    [](const ::testing::TestParamInfo<PoseCase>& info) { return info.param.name; });

TEST_F(CubeDrawing, AStillAxisShowsTwiceItsOffset) {
    theSettings.scale = 60;
    SceneObject object;
    centre(object);
    theSettings.xoff = 134;
    object.angleX = 134;
    drawOnce(object);
    const std::vector<Rgba> doubled = gl.picture();
    // 268 degrees about X turns the orange bottom face towards the viewer.
    EXPECT_TRUE(sameColour(gl.pixel(width / 2, height / 2), Rgba{255, 128, 0, 255}));

    theSettings.xoff = 0;
    object.angleX = 268;
    drawOnce(object);
    EXPECT_EQ(std::memcmp(doubled.data(), gl.picture().data(), doubled.size() * sizeof(Rgba)), 0);
}

TEST_F(CubeDrawing, DrawAtDrawsThePoseAndRestoresTheObject) {
    theSettings.scale = 30;
    SceneObject object;
    centre(object);
    object.vx = 3;
    object.dirY = -1;
    auto fields = [](const SceneObject& o) {
        return std::vector<double>{o.x,
                                   o.y,
                                   o.z,
                                   o.vx,
                                   o.vy,
                                   o.angleX,
                                   o.angleY,
                                   o.angleZ,
                                   double(o.dirX),
                                   double(o.dirY),
                                   double(o.dirZ),
                                   double(o.loaded),
                                   double(o.kind)};
    };
    const std::vector<double> before = fields(object);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    object.drawAt(100, 50, 0, 0, 0, 0);
    const WindowPoint at = projectScenePoint(100, 50, 9, width, height);
    EXPECT_TRUE(sameColour(gl.pixel(static_cast<int>(at.x), static_cast<int>(at.y)), red));
    EXPECT_FALSE(sameColour(gl.pixel(width / 2, height / 2), red));
    EXPECT_EQ(before, fields(object));
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1) << "draw pushes and pops the model-view matrix";
}

// The fixed camera and the one white light.
class SceneSetUp : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl.valid());
        theSettings.setDefaults();
        theSettings.xoff = theSettings.yoff = theSettings.zoff = 0;
        halfWidth = 512;
        halfHeight = 384;
    }

    Rgba litCentre() {
        setUpSceneGl(0, 0, 1024, 768);
        SceneObject object;
        object.x = object.y = 0;
        object.angleX = object.angleY = object.angleZ = 0;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        object.draw();
        return gl.pixel(512, 384);
    }

    OsMesaContext gl{1024, 768};
};

TEST_F(SceneSetUp, LightComesFromTheWindowSizeAndLightsTheCube) {
    theSettings.lighting = 0;
    const Rgba unlit = litCentre();
    EXPECT_TRUE(sameColour(unlit, red));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));

    theSettings.lighting = 1;
    const Rgba lit = litCentre();
    GLfloat position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_EQ(position[0], 1024.0f);
    EXPECT_EQ(position[1], 384.0f);
    EXPECT_EQ(position[2], 1024.0f);
    EXPECT_EQ(position[3], 0.0f);

    // The cube sends no normal: the default (0, 0, 1) meets the light at
    // n.l = 0.683, which with the ambient terms saturates red; the white
    // highlight of shininess 20 adds (n.h)^20 to green and blue.
    const double lx = 1024, ly = 384, lz = 1024, length = std::sqrt(lx * lx + ly * ly + lz * lz);
    const double hz = lz / length + 1;
    const double hLength = std::hypot(lx / length, ly / length, hz);
    const double highlight = std::pow(hz / hLength, 20) * 255;
    EXPECT_EQ(lit.r, 255);
    EXPECT_NEAR(lit.g, highlight, 3);
    EXPECT_NEAR(lit.b, highlight, 3);
    EXPECT_FALSE(sameColour(lit, unlit, 10));
}

TEST_F(SceneSetUp, ViewportDepthCullingAndAspectRatio) {
    theSettings.lighting = 0;
    setUpSceneGl(0, 0, 1024, 768);
    EXPECT_FLOAT_EQ(aspectRatio, 1024.0f / 768.0f);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    GLint frontFace = 0, matrixMode = 0;
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(frontFace, GL_CCW);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
}

TEST_F(SceneSetUp, ClientOfHeightZeroKeepsTheProjectionFinite) {
    setUpSceneGl(0, 0, 640, 0);
    EXPECT_EQ(aspectRatio, 1.0f);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (GLfloat value : projection)
        EXPECT_TRUE(std::isfinite(value));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
