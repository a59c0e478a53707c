#pragma once

class SceneObject;
class TextureFont;

// The scene's process-wide state, set up when the saver window is created.
extern SceneObject* sceneObject; // the one model instance on screen
extern TextureFont* textFont;    // the frame-rate text's font; lives until exit
extern float aspectRatio;        // client width / client height
extern bool saverReady;          // frames are drawn only while set
