#include "formats/texture/jpeg_decompression.h"

#include "common/message_box.h"
#include "common/trace.h"
#include "formats/texture/texture_size_limit.h"

#include <csetjmp>

namespace {

// The library's standard error manager with the jump point that
// jpegErrorExit returns to.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// Fatal errors and the first warning of each decompression reach the user.
void showJpegMessage(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    showErrorMessageBox(text, "JPEG Library Error");
}

// Stores one scanline as RGB.
void storeRgbRow(const JSAMPLE* samples, int components, unsigned char* row, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x) {
        const JSAMPLE* pixel = samples + x * components;
        unsigned char* out = row + x * 3;
        out[0] = pixel[0];
        out[1] = components == 3 ? pixel[1] : pixel[0];
        out[2] = components == 3 ? pixel[2] : pixel[0];
    }
}

} // namespace

void jpegErrorExit(j_common_ptr cinfo) {
    (*cinfo->err->output_message)(cinfo);
    JpegErrorManager* errors = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    std::longjmp(errors->jump, 1);
}

bool runJpegDecompression(std::FILE* file, const JpegSteps& steps) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager jerr;
    cinfo.err = jpeg_std_error(&jerr.pub);
    jerr.pub.error_exit = jpegErrorExit;
    jerr.pub.output_message = showJpegMessage;
    if (setjmp(jerr.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    bool done = steps(cinfo);
    jpeg_destroy_decompress(&cinfo);
    return done;
}

bool startJpegTextureDecompression(jpeg_decompress_struct& cinfo) {
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.out_color_space != JCS_RGB && cinfo.out_color_space != JCS_GRAYSCALE) {
        trace("JPEG colour space not supported for textures");
        return false;
    }
    if (!textureSizeAcceptable(cinfo.image_width, cinfo.image_height)) {
        traceFormat("JPEG too large for a texture: %u x %u", cinfo.image_width, cinfo.image_height);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    return true;
}

void readJpegRowsBottomFirst(jpeg_decompress_struct& cinfo, unsigned char* destination) {
    int components = cinfo.output_components;
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * components, 1);
    size_t rowBytes = static_cast<size_t>(cinfo.output_width) * 3;
    size_t rowIndex = cinfo.output_height;
    while (cinfo.output_scanline < cinfo.output_height && rowIndex > 0) {
        jpeg_read_scanlines(&cinfo, row, 1);
        --rowIndex;
        storeRgbRow(row[0], components, destination + rowIndex * rowBytes, cinfo.output_width);
    }
}
