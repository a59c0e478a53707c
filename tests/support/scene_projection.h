#pragma once

// Where the scene's fixed camera (45-degree vertical field of view, eye 400
// units in front of the plane z = 0) puts a point given in scene units: window
// pixels with y counted from the top, as OsMesaContext::pixel takes them.
struct WindowPoint {
    double x;
    double y;
};

WindowPoint projectScenePoint(double x, double y, double z, int width, int height);
