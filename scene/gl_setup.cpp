#include "scene/gl_setup.h"

#include "scene/gl.h"
#include "scene/scene_object.h"
#include "scene/scene_state.h"
#include "settings/saver_settings.h"

namespace {

void enableStates() {
    glEnable(GL_DEPTH_TEST);
    glFrontFace(GL_CCW);
    glEnable(GL_CULL_FACE);
    glClearColor(0, 0, 0, 0);
}

// A client area of height 0 has no aspect ratio; 1 keeps the projection finite.
float clientAspectRatio(int right, int bottom) {
    if (bottom == 0)
        return 1.0f;
    return static_cast<float>(right) / static_cast<float>(bottom);
}

// The camera offset lives in the projection: a model at z = 0 is 400 units
// in front of the eye, between the near plane at 50 and the far plane at 1000.
void setProjection(int right, int bottom) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    aspectRatio = clientAspectRatio(right, bottom);
    gluPerspective(45, aspectRatio, 50, 1000);
    glTranslatef(0, 0, -400);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// One white light from the right, above and in front (directional), given
// while the model-view matrix is the identity. Colours set while drawing
// become the front material's ambient and diffuse colour; its specular colour
// is white with shininess 20.
void setUpLighting() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat ambient[] = {0.25f, 0.25f, 0.25f, 0.0f};
    const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 0.0f};
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 0.0f};
    const GLfloat position[] = {static_cast<GLfloat>(2 * halfWidth),
                                static_cast<GLfloat>(halfHeight),
                                static_cast<GLfloat>(2 * halfWidth), 0.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialf(GL_FRONT, GL_SHININESS, 20);
    glColorMaterial(GL_FRONT, GL_SPECULAR);
    glColor3f(1, 1, 1);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

} // namespace

void setUpSceneGl(int left, int top, int right, int bottom) {
    glViewport(left, top, right - left, bottom - top);
    enableStates();
    setProjection(right, bottom);
    if (theSettings.lighting != 0)
        setUpLighting();
}
