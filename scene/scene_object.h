#pragma once

class MS3DModel;
class Model3DS;

// One pose of the motion-blur history: position in scene units and the three
// angles in degrees, without the axis offsets.
struct TrailEntry {
    float x;
    float y;
    float z;
    float angleX;
    float angleY;
    float angleZ;
};

constexpr int trailLength = 10;

// The ten latest poses, entry 0 newest. Filled with the start position when
// blur is on; shifted and drawn by the frame rendering.
extern TrailEntry trail[trailLength];

// Half the client size in pixels, set at start-up before the object is made.
extern int halfWidth;
extern int halfHeight;

// The model instance on screen. All motion is per frame: positions in scene
// units, velocities in units per frame, angles in degrees, angular speeds
// in degrees per frame as speed x 0.05.
class SceneObject {
  public:
    SceneObject();
    // The object owns its model object and releases it when destroyed; there
    // is one object on screen, so it is never copied.
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;
    ~SceneObject();

    void update();
    void draw();
    void drawAt(float atX, float atY, float atZ, float atAngleX, float atAngleY, float atAngleZ);

    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
    float getAngleX() const { return angleX; }
    float getAngleY() const { return angleY; }
    float getAngleZ() const { return angleZ; }

    // Model kind from the extension of theSettings.modelPath: 1 MS3D, 2 3DS, 0 none.
    int detectModelKind();
    bool loadModel();
    // Releases and destroys the model object; the object then draws no model.
    void releaseModel();

    float x;
    float y;
    float z;
    float vx;
    float vy;
    float angleX;
    float angleY;
    float angleZ;
    int dirX;
    int dirY;
    int dirZ;
    bool loaded;
    int kind;
    MS3DModel* ms3d;
    Model3DS* model3ds;
};
