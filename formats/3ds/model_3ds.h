#pragma once

#include "formats/3ds/model_data.h"
#include "formats/3ds/reader_3ds.h"

// A 3D Studio model: its reader, the OpenGL texture of each material (by
// material index; materials past the table get none) and the model data.
class Model3DS {
  public:
    static constexpr int textureSlots = 100;

    Model3DS();

    // Reads the file and uploads the materials' textures (a current OpenGL
    // context with GL_TEXTURE_2D enabled is needed). The result is the
    // import's; texture failures do not change it.
    bool load(const char* path);

    // Sends every object as triangles with normals and either texture
    // coordinates or material colours.
    void draw();

    // Frees the objects' arrays; counts, materials and texture names stay.
    void release();

    Reader3DS reader;
    unsigned int textures[textureSlots];
    tModelData data;
};
