#include "tests/support/scene_projection.h"

#include <cmath>

WindowPoint projectScenePoint(double x, double y, double z, int width, int height) {
    const double focal = 1.0 / std::tan(22.5 * M_PI / 180.0);
    const double aspect = static_cast<double>(width) / height;
    const double distance = 400.0 - z;
    const double ndcX = focal / aspect * x / distance;
    const double ndcY = focal * y / distance;
    return WindowPoint{(ndcX + 1.0) * width / 2.0, height - (ndcY + 1.0) * height / 2.0};
}
