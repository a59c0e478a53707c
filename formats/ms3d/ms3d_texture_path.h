#pragma once

#include <string>

// The texture file that a material's name stands for. A name beginning with
// ".\" is joined to the model's directory (the model path before its last
// '/' or '\'): ".\skin.jpg" beside "C:\models\ship.ms3d" is
// "C:\models\skin.jpg", beside "C:/models/ship.ms3d" "C:/models\skin.jpg".
// Any other name, and a ".\" name beside a model path without a directory,
// stays as stored (relative names then name files in the current
// directory). False when the joined path would not fit a 260-byte path
// buffer (259 characters and the terminator).
bool resolveTexturePath(const char* modelPath, const std::string& name, std::string& resolved);
