#include "formats/3ds/model_3ds.h"
#include "formats/ms3d/ms3d_model.h"
#include "scene/gl.h"
#include "scene/scene_object.h"
#include "settings/saver_settings.h"

namespace {

struct CubeFace {
    float red, green, blue;
    float corners[4][3]; // unit signs, scaled by the cube's half-size
};

// Six faces, each counter-clockwise seen from outside.
constexpr CubeFace cubeFaces[6] = {
    {0, 1, 0, {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}}},        // top, green
    {1, 0.5f, 0, {{1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}}}, // bottom, orange
    {1, 0, 0, {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}}},        // front, red
    {1, 1, 0, {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}}},    // back, yellow
    {0, 0, 1, {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},    // left, blue
    {1, 0, 1, {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}}},        // right, magenta
};

// The stand-in for a model that did not load: a cube of half-size s in model
// units, without normals or texture coordinates.
void drawCube(float s) {
    glBegin(GL_QUADS);
    for (const CubeFace& face : cubeFaces) {
        glColor3f(face.red, face.green, face.blue);
        for (const auto& corner : face.corners)
            glVertex3f(corner[0] * s, corner[1] * s, corner[2] * s);
    }
    glEnd();
}

} // namespace

// Angles in degrees. The calls give: scale, then turn about Z, Y and X in the
// model's own frame, then move to the position. Each axis is drawn at its
// offset plus the current angle, so an axis that stands still shows twice its
// offset.
void SceneObject::draw() {
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(static_cast<float>(theSettings.xoff) + angleX, 1, 0, 0);
    glRotatef(static_cast<float>(theSettings.yoff) + angleY, 0, 1, 0);
    glRotatef(static_cast<float>(theSettings.zoff) + angleZ, 0, 0, 1);
    const float scale = static_cast<float>(theSettings.scale) * 0.01f;
    glScalef(scale, scale, scale);
    if (loaded) {
        if (kind == 1)
            ms3d->draw();
        else if (kind == 2)
            model3ds->draw();
    } else {
        drawCube(static_cast<float>(theSettings.scale));
    }
    glPopMatrix();
}

void SceneObject::drawAt(float atX, float atY, float atZ, float atAngleX, float atAngleY,
                         float atAngleZ) {
    const TrailEntry saved{x, y, z, angleX, angleY, angleZ};
    x = atX;
    y = atY;
    z = atZ;
    angleX = atAngleX;
    angleY = atAngleY;
    angleZ = atAngleZ;
    draw();
    x = saved.x;
    y = saved.y;
    z = saved.z;
    angleX = saved.angleX;
    angleY = saved.angleY;
    angleZ = saved.angleZ;
}
