#include "formats/3ds/jpeg_file.h"

#include "common/file_open.h"
#include "common/trace.h"
#include "formats/texture/jpeg_decompression.h"

bool probeJpegSize(const char* path, int& width, int& height) {
    std::FILE* file = openFileForReading(path);
    if (file == nullptr) {
        trace("Failed to open file");
        return false;
    }
    bool probed = runJpegDecompression(file, [&](jpeg_decompress_struct& cinfo) {
        if (!startJpegTextureDecompression(cinfo))
            return false;
        width = static_cast<int>(cinfo.output_width);
        height = static_cast<int>(cinfo.output_height);
        return true;
    });
    std::fclose(file);
    return probed;
}

bool decodeJpeg(const char* path, unsigned char* destination, int width, int height) {
    std::FILE* file = openFileForReading(path);
    if (file == nullptr) {
        trace("Failed to open texture file");
        return false;
    }
    bool decoded = runJpegDecompression(file, [&](jpeg_decompress_struct& cinfo) {
        if (!startJpegTextureDecompression(cinfo))
            return false;
        if (static_cast<int>(cinfo.output_width) != width ||
            static_cast<int>(cinfo.output_height) != height) {
            trace("JPEG picture changed between size probe and decode");
            return false;
        }
        readJpegRowsBottomFirst(cinfo, destination);
        jpeg_finish_decompress(&cinfo);
        return true;
    });
    std::fclose(file);
    return decoded;
}
