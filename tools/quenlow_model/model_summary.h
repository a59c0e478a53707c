#pragma once

#include <cstdio>
#include <string>

class SceneObject;

// Writes what the saver's model loading put into the object (after
// loadModel, with the OpenGL context still current), then every message box
// the loading showed. The format is line by line, documented in
// docs/quenlow-model.md.
void writeModelSummary(std::FILE* out, const std::string& path, const SceneObject& object);
