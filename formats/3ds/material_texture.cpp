#include "formats/3ds/material_texture.h"

#include "common/file_open.h"
#include "common/trace.h"
#include "formats/3ds/bitmap_file.h"
#include "formats/3ds/jpeg_file.h"
#include "formats/3ds/model_3ds.h"
#include "scene/gl.h"

#include <cstring>
#include <vector>

namespace {

enum class TextureKind { bitmap, jpeg, unknown };

// By the last four characters of the name, compared case-sensitively.
TextureKind kindOfTexture(const char* textureFile) {
    size_t length = std::strlen(textureFile);
    if (length < 4)
        return TextureKind::unknown;
    const char* ext = textureFile + length - 4;
    if (std::strcmp(ext, ".BMP") == 0)
        return TextureKind::bitmap;
    for (const char* jpeg : {".JPG", ".jpg", "JPEG", "jpeg"})
        if (std::strcmp(ext, jpeg) == 0)
            return TextureKind::jpeg;
    return TextureKind::unknown;
}

struct Picture {
    std::vector<unsigned char> pixels; // RGB, bottom row first, unpadded
    int width = 0;
    int height = 0;
};

// Empty picture when the bitmap cannot be read; the texture is made anyway.
Picture readBitmapPicture(const char* path) {
    Picture picture;
    std::FILE* file = openFileForReading(path);
    if (file == nullptr) {
        trace("Failed to open texture file");
        return picture;
    }
    std::fclose(file);
    trace("File found, loading bitmap");
    BitmapImage image = loadBitmapFile(path);
    if (image.loaded) {
        picture.pixels.swap(image.pixels);
        picture.width = image.width;
        picture.height = image.height;
    }
    return picture;
}

// False when the JPEG cannot be read: then no texture is made at all.
bool readJpegPicture(const char* path, Picture& picture) {
    if (!probeJpegSize(path, picture.width, picture.height)) {
        trace("Could not get size of file, bailing.");
        return false;
    }
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    if (!decodeJpeg(path, picture.pixels.data(), picture.width, picture.height)) {
        trace("Failed to load jpeg");
        return false;
    }
    trace("File loaded");
    return true;
}

// Makes the texture, with its mipmaps when there is a picture, and leaves it
// bound with an unpack alignment of 1.
void uploadTexture(unsigned int& name, const Picture& picture) {
    glGenTextures(1, &name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, name);
    if (!picture.pixels.empty())
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE,
                          picture.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

} // namespace

std::string modelDirectory(const char* modelPath) {
    std::string directory;
    std::string component;
    size_t length = std::strlen(modelPath);
    for (size_t i = 0; i + 1 < length; ++i) {
        char c = modelPath[i];
        if (c == '/' || c == '\\') {
            directory += component;
            directory += '/';
            component.clear();
        } else {
            component += c;
        }
    }
    return directory;
}

void loadMaterialTexture(unsigned int* textures, const char* textureFile, int materialIndex,
                         const char* modelPath) {
    if (materialIndex < 0 || materialIndex >= Model3DS::textureSlots)
        return;
    std::string path = modelDirectory(modelPath) + textureFile;
    traceFormat("3DS: Loading texture: %s", path.c_str());
    Picture picture;
    switch (kindOfTexture(textureFile)) {
    case TextureKind::bitmap:
        picture = readBitmapPicture(path.c_str());
        break;
    case TextureKind::jpeg:
        if (!readJpegPicture(path.c_str(), picture))
            return;
        break;
    case TextureKind::unknown:
        trace("Unrecognized texture format");
        break;
    }
    uploadTexture(textures[materialIndex], picture);
}
