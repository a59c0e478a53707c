#include "common/file_open.h"
#include "common/trace.h"
#include "formats/ms3d/ms3d_model.h"
#include "formats/texture/jpeg_decompression.h"
#include "scene/gl.h"

void MS3DModel::loadTextures() {
    for (int i = 0; i < materialCount; ++i) {
        traceFormat("material #%i", i);
        MS3DMaterial& material = materials[i];
        material.texture = 0;
        if (!material.textureFile.empty()) {
            traceFormat("Material is %s", material.textureFile.c_str());
            buildJpegTexture(material.texture, material.textureFile.c_str());
        }
    }
}

// The rows are unpadded: the upload reads them with an alignment of 1 and
// then puts the caller's alignment back.
void MS3DModel::buildJpegTexture(unsigned int& texture, const char* path) {
    if (path == nullptr || path[0] == '\0')
        return;
    std::unique_ptr<TextureImage> image = loadJpegImage(path);
    if (!image)
        return;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                      image->data.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

std::unique_ptr<TextureImage> MS3DModel::loadJpegImage(const char* path) {
    traceFormat("Opening texture %s", path);
    std::FILE* inputFile = openFileForReading(path);
    if (inputFile == nullptr) {
        trace("Failed to open the file");
        return nullptr;
    }
    std::unique_ptr<TextureImage> image(new TextureImage());
    bool decoded = runJpegDecompression(
        inputFile, [&](jpeg_decompress_struct& cinfo) { return decodeJpegRows(cinfo, *image); });
    std::fclose(inputFile);
    if (!decoded) {
        trace("Failed to decode the texture");
        return nullptr;
    }
    return image;
}

bool MS3DModel::decodeJpegRows(jpeg_decompress_struct& cinfo, TextureImage& image) {
    if (!startJpegTextureDecompression(cinfo))
        return false;
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    image.rowSpan = image.width * 3;
    image.data.resize(static_cast<size_t>(image.rowSpan) * image.height);
    readJpegRowsBottomFirst(cinfo, image.data.data());
    jpeg_finish_decompress(&cinfo);
    return true;
}
