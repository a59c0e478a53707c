// Writes the default model's files: its JPEG texture, the 3DS sphere, or the
// ZIP archive that the program embeds (holding both, made afresh here).
//
//   make_default_model texture OUT.jpg
//   make_default_model model OUT.3DS
//   make_default_model archive OUT.zip

#include "tools/default_model/jpeg_encoding.h"
#include "tools/default_model/model_archive.h"
#include "tools/default_model/planet_picture.h"
#include "tools/default_model/sphere_model_3ds.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int TEXTURE_WIDTH = 1024, TEXTURE_HEIGHT = 512, TEXTURE_QUALITY = 90;
const SphereShape SPHERE{70.0, 24, 14};
const char* const TEXTURE_MAP_NAME = "QUENLOW.JPG";

uint32_t dosDateTime(int year, int month, int day, int hour, int minute, int second) {
    uint32_t date = static_cast<uint32_t>((year - 1980) << 9 | month << 5 | day);
    uint32_t time = static_cast<uint32_t>(hour << 11 | minute << 5 | second / 2);
    return date << 16 | time;
}

std::vector<uint8_t> texture() {
    std::fprintf(stderr, "make_default_model: drawing the %dx%d texture\n", TEXTURE_WIDTH,
                 TEXTURE_HEIGHT);
    return encodeJpeg(planetPicture(TEXTURE_WIDTH, TEXTURE_HEIGHT), TEXTURE_QUALITY);
}

std::vector<uint8_t> model() {
    return sphereModel3ds(SPHERE, TEXTURE_MAP_NAME);
}

bool writeFile(const char* path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool writeArchive(const char* path) {
    return writeModelArchive(path, {{"quenlow.jpg", texture(), dosDateTime(2008, 10, 9, 9, 13, 38)},
                                    {"Quenlow.3DS", model(), dosDateTime(2008, 10, 9, 9, 14, 48)}});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_default_model texture|model|archive OUT\n");
        return 2;
    }
    const char* what = argv[1];
    const char* out = argv[2];
    bool ok;
    if (std::strcmp(what, "texture") == 0) {
        ok = writeFile(out, texture());
    } else if (std::strcmp(what, "model") == 0) {
        ok = writeFile(out, model());
    } else if (std::strcmp(what, "archive") == 0) {
        ok = writeArchive(out);
    } else {
        std::fprintf(stderr,
                     "make_default_model: unknown output \"%s\"; use texture, model or "
                     "archive\n",
                     what);
        return 2;
    }
    if (!ok) {
        std::fprintf(stderr,
                     "make_default_model: could not write %s; check that its directory "
                     "exists and is writable\n",
                     out);
        return 1;
    }
    std::fprintf(stderr, "make_default_model: wrote %s\n", out);
    return 0;
}
