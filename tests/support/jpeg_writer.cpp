#include "tests/support/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

std::vector<uint8_t> encodeJpeg(int width, int height, int components,
                                const std::vector<uint8_t>& samples, int quality) {
    if (samples.size() != static_cast<size_t>(width) * height * components)
        throw std::invalid_argument("encodeJpeg: samples do not match the size");
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Full-resolution chroma keeps sharp colour edges sharp.
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(
            samples.data() + static_cast<size_t>(cinfo.next_scanline) * width * components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

std::vector<uint8_t> solidJpeg(int width, int height, uint8_t red, uint8_t green, uint8_t blue) {
    std::vector<uint8_t> samples;
    samples.reserve(static_cast<size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i)
        samples.insert(samples.end(), {red, green, blue});
    return encodeJpeg(width, height, 3, samples);
}

std::vector<uint8_t> threeBandJpeg(int width, int height) {
    std::vector<uint8_t> samples;
    samples.reserve(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int band = x * 3 / width;
            samples.insert(samples.end(),
                           {uint8_t(band == 0 ? 255 : 0), uint8_t(band == 1 ? 255 : 0),
                            uint8_t(band == 2 ? 255 : 0)});
        }
    }
    return encodeJpeg(width, height, 3, samples, 100);
}
