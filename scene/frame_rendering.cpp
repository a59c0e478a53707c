#include "scene/frame_rendering.h"

#include "host/frame_timer.h"
#include "host/input_state.h"
#include "host/texture_font.h"
#include "scene/buffer_swap.h"
#include "scene/gl.h"
#include "scene/scene_object.h"
#include "scene/scene_state.h"
#include "settings/saver_settings.h"

#include <sstream>

float frameTime = 0;
float fpsTimeSum = 0;
int fpsFrameCount = 0;
std::string fpsText;

namespace {

constexpr int framesPerFigure = 20;

// Each of the ten draws of the trail adds the whole picture with weight 0.2
// in effect, so a pixel covered only by entry i gets 0.2 x (10 - i) of its
// colour (2.0 for the newest pose), limited to full strength. Accumulation
// buffers hold values in [-1, 1] only (Mesa's 16-bit one wraps above 1 and
// turns the newest poses black), so the draws add 0.1 each and the return
// doubles the sum, clamping it into the colour buffer.
constexpr float trailWeight = 0.1f;
constexpr float trailReturnScale = 2.0f;

// The trail: entry 0 takes the current pose after the older ones moved back
// by one; each entry is drawn newest first over the ones before it and adds
// the whole picture to the accumulation buffer. The current pose then goes
// on top at full strength, one unit nearer than entry 0.
void drawTrail(SceneObject& object) {
    glClearAccum(0, 0, 0, 0);
    glClear(GL_ACCUM_BUFFER_BIT);
    for (int i = trailLength - 1; i > 0; --i)
        trail[i] = trail[i - 1];
    trail[0] = TrailEntry{object.getX(),      object.getY(),      object.getZ(),
                          object.getAngleX(), object.getAngleY(), object.getAngleZ()};
    for (const TrailEntry& pose : trail) {
        object.drawAt(pose.x, pose.y, pose.z, pose.angleX, pose.angleY, pose.angleZ);
        glAccum(GL_ACCUM, trailWeight);
    }
    glAccum(GL_RETURN, trailReturnScale);
    object.drawAt(object.getX(), object.getY(), object.getZ() + 1.0f, object.getAngleX(),
                  object.getAngleY(), object.getAngleZ());
}

void countFrame() {
    fpsTimeSum = fpsTimeSum + frameTime;
    fpsFrameCount = fpsFrameCount + 1;
    if (fpsFrameCount == framesPerFigure) {
        const float figure = static_cast<float>(20.0 / fpsTimeSum);
        fpsText = "FPS = " + numberToText(figure);
        fpsTimeSum = 0;
        fpsFrameCount = 0;
    }
}

// The window becomes 50 units high; the text, one unit per character, starts
// one unit from the left edge in the band between 48 and 49 units up.
void drawFpsText() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, aspectRatio * 50, 0, 50, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(1, 48, 0);
    glColor3f(1, 1, 1);
    textFont->print(fpsText.data(), static_cast<int>(fpsText.size()));
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
}

} // namespace

void saverTick() {
    static FrameTimer timer;
    frameTime = timer.elapsed();
    if (saverReady && !monitorOff && !passwordDialogActive)
        drawFrame();
}

void drawFrame() {
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    sceneObject->update();
    if (theSettings.blur != 0)
        drawTrail(*sceneObject);
    else
        sceneObject->draw();
    countFrame();
    if (showFps)
        drawFpsText();
    swapFrameBuffers();
}

std::string numberToText(float value) {
    std::stringstream stream;
    stream << value;
    return stream.str();
}
