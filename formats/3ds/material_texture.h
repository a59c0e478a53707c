#pragma once

#include <string>

// Directory part of a model path: every component that a slash or backslash
// follows, each followed by "/" ("C:\Temp\Quenlow.3DS" gives "C:/Temp/", a
// bare file name gives "").
std::string modelDirectory(const char* modelPath);

// Loads the texture file named by material materialIndex (0 to 99), looked
// up in the model's directory, into textures[materialIndex]. The decoder is
// chosen by the name's last four characters: ".BMP" for a Windows bitmap,
// ".JPG", ".jpg", "JPEG" or "jpeg" for JPEG. A bitmap that cannot be read or
// an unknown extension still gets a texture name (without a picture); a JPEG
// that cannot be read leaves the entry as it was. Needs a current OpenGL
// context.
void loadMaterialTexture(unsigned int* textures, const char* textureFile, int materialIndex,
                         const char* modelPath);
