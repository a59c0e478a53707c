#include "scene/scene_state.h"

SceneObject* sceneObject = nullptr;
TextureFont* textFont = nullptr;
float aspectRatio = 1.0f;
bool saverReady = false;
