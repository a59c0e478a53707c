#include "tools/default_model/jpeg_encoding.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

std::vector<uint8_t> encodeJpeg(const RgbPicture& picture, int quality) {
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors); // a tool may exit on a library error
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(picture.width);
    compressor.image_height = static_cast<JDIMENSION>(picture.height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    compressor.dct_method = JDCT_ISLOW;
    compressor.optimize_coding = TRUE;
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(
            &picture.pixels[static_cast<size_t>(compressor.next_scanline) * picture.width * 3]);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&compressor);
    std::free(buffer);
    return bytes;
}
