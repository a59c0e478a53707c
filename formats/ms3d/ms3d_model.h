#pragma once

#include <memory>
#include <string>
#include <vector>

struct jpeg_decompress_struct;

struct MS3DVertex {
    signed char boneIndex = 0; // kept from the file, not used for drawing
    float point[3] = {};       // x, y, z
};

struct MS3DTriangle {
    float normals[3][3] = {}; // one x, y, z normal per corner
    float s[3] = {};          // as in the file
    float t[3] = {};          // 1 minus the file's value: 0 is the picture's bottom line
    int vertexIndices[3] = {};
};

struct MS3DGroup {
    int materialIndex = -1; // negative: no material of its own
    int triangleCount = 0;
    std::vector<int> triangleIndices; // triangleCount entries
};

struct MS3DMaterial {
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0;
    unsigned int texture = 0; // OpenGL texture name, 0 without a usable texture
    std::string textureFile;  // resolved path, empty when the file names none
};

// A decoded picture: height rows of rowSpan bytes of red, green, blue (grey
// pictures expanded), the picture's bottom line first, rows unpadded.
struct TextureImage {
    int rowSpan = 0; // width x 3
    int width = 0;
    int height = 0;
    std::vector<unsigned char> data;
};

// A Milkshape 3D model as a static textured triangle mesh. Each count equals
// the length of its array; after a failed load the arrays read so far stay
// filled (and are never drawn).
class MS3DModel {
  public:
    MS3DModel() = default;
    MS3DModel(const MS3DModel&) = default;
    MS3DModel& operator=(const MS3DModel&) = default;
    virtual ~MS3DModel();

    // Reads the whole file and builds the materials' textures (needs a
    // current OpenGL context when a material names a texture). False when the
    // file cannot be opened, is not an MS3D file of version 3 or later, or
    // would be read outside its data (counts and indices are checked against
    // the file and the arrays). Texture failures do not fail the load.
    bool load(const char* path);

    // Sends every group as triangles with its material and texture at the
    // current modelview transform; GL_TEXTURE_2D ends as it was.
    void draw();

    // Fills each material's texture from its textureFile.
    void loadTextures();

    // Decodes the JPEG file at path and stores the name of a new mipmapped
    // texture through texture; stores nothing without a path or a picture.
    void buildJpegTexture(unsigned int& texture, const char* path);

    // The decoded picture, or null when the file cannot be opened or decoded.
    static std::unique_ptr<TextureImage> loadJpegImage(const char* path);

    // Fills image from a decompressor with its source attached; false when
    // the picture cannot be a texture.
    static bool decodeJpegRows(jpeg_decompress_struct& cinfo, TextureImage& image);

    int groupCount = 0;
    std::vector<MS3DGroup> groups;
    int materialCount = 0;
    std::vector<MS3DMaterial> materials;
    int triangleCount = 0;
    std::vector<MS3DTriangle> triangles;
    int vertexCount = 0;
    std::vector<MS3DVertex> vertices;
};
