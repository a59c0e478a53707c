#include "tools/quenlow_model/png_file.h"

#include <png.h>

#include <cerrno>
#include <cstring>

bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    errno = 0;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr) != 0)
        return true;
    error = std::string(image.message);
    if (errno != 0)
        error += std::string(" (") + std::strerror(errno) + ")";
    png_image_free(&image);
    return false;
}
