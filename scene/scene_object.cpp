#include "scene/scene_object.h"

#include "formats/3ds/model_3ds.h"
#include "formats/ms3d/ms3d_model.h"
#include "scene/random_in_range.h"
#include "settings/saver_settings.h"

TrailEntry trail[trailLength];
int halfWidth = 0;
int halfHeight = 0;

namespace {

// One frame of rotation for one axis: turn the direction when the two-step
// look-ahead reaches a limit (always upwards for a spin), wrap a spin above
// 359 degrees, then step.
void rotateAxis(float& angle, int& direction, int limit, int speed, float wrapTo) {
    float lookAhead = angle + speed * 0.1f * direction;
    if (lookAhead <= -limit || limit == 360)
        direction = 1;
    else if (lookAhead >= limit)
        direction = -1;
    if (limit == 360 && angle > 359.0f)
        angle = wrapTo;
    if (limit != 0)
        angle = angle + speed * 0.05f * direction;
}

// Reverses the velocity when the next position reaches the margin 40 units
// inside a box of half-size halfExtent / 2.
void bounce(float position, float& velocity, int halfExtent) {
    float next = position + velocity;
    if (next >= halfExtent / 2 - 40 || next <= -(halfExtent / 2) + 40)
        velocity = -velocity;
}

float randomSpeed(int vel) {
    return static_cast<float>(randomInRange(1, 5) * vel * 0.0125);
}

void negateOnCoin(float& value) {
    if (randomInRange(0, 1) != 0)
        value = -value;
}

} // namespace

SceneObject::SceneObject()
    : x(0), y(0), z(0), vx(0), vy(0), angleX(static_cast<float>(theSettings.xoff)),
      angleY(static_cast<float>(theSettings.yoff)), angleZ(static_cast<float>(theSettings.zoff)),
      dirX(1), dirY(1), dirZ(1), loaded(false), kind(0), ms3d(nullptr), model3ds(nullptr) {
    detectModelKind();
    if (kind == 1)
        ms3d = new MS3DModel();
    else if (kind == 2)
        model3ds = new Model3DS();
    x = static_cast<float>(randomInRange(0, halfWidth / 3));
    y = static_cast<float>(randomInRange(0, halfHeight / 3));
    negateOnCoin(x);
    negateOnCoin(y);
    vx = randomSpeed(theSettings.vel);
    vy = randomSpeed(theSettings.vel);
    negateOnCoin(vx);
    negateOnCoin(vy);
    if (theSettings.blur != 0) {
        for (TrailEntry& entry : trail)
            entry = TrailEntry{x, y, z, 0.0f, 0.0f, 0.0f};
    }
}

void SceneObject::update() {
    rotateAxis(angleX, dirX, theSettings.xrot, theSettings.xrots, -1.0f);
    rotateAxis(angleY, dirY, theSettings.yrot, theSettings.yrots, 0.0f);
    rotateAxis(angleZ, dirZ, theSettings.zrot, theSettings.zrots, -1.0f);
    bounce(x, vx, halfWidth);
    bounce(y, vy, halfHeight);
    x = x + vx;
    y = y + vy;
}
