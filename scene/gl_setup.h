#pragma once

// The scene's fixed OpenGL state for a client rectangle, set once at start-up
// with the rendering context current: viewport, depth test, culling of
// clockwise (back) faces, black clear colour, the 45-degree perspective with
// the eye 400 units in front of the plane z = 0, an identity model-view
// matrix and, when theSettings.lighting is on, one white directional light
// placed from halfWidth and halfHeight. Sets aspectRatio (1 for a client area
// of height 0).
void setUpSceneGl(int left, int top, int right, int bottom);
