#include "formats/3ds/jpeg_file.h"

#include "common/file_open.h"
#include "common/message_box.h"
#include "common/trace.h"
#include "formats/3ds/texture_size_limit.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

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

void useErrorManager(jpeg_decompress_struct& cinfo, JpegErrorManager& errors) {
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jpegErrorExit;
    errors.pub.output_message = showJpegMessage;
}

// A picture the decoder can deliver as a texture: three-component or grey
// output of a size that fits the limits.
bool headerAcceptable(const jpeg_decompress_struct& cinfo) {
    if (cinfo.out_color_space != JCS_RGB && cinfo.out_color_space != JCS_GRAYSCALE) {
        trace("JPEG colour space not supported for textures");
        return false;
    }
    if (!textureSizeAcceptable(cinfo.image_width, cinfo.image_height)) {
        traceFormat("JPEG too large for a texture: %u x %u", cinfo.image_width, cinfo.image_height);
        return false;
    }
    return true;
}

void end(jpeg_decompress_struct& cinfo, std::FILE* file) {
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
}

// Stores one scanline (the top row first) as RGB at the given row of the
// bottom-up destination.
void storeRow(const JSAMPLE* samples, int components, unsigned char* row, int width) {
    for (int x = 0; x < width; ++x) {
        const JSAMPLE* pixel = samples + x * components;
        unsigned char* out = row + x * 3;
        out[0] = pixel[0];
        out[1] = components == 3 ? pixel[1] : pixel[0];
        out[2] = components == 3 ? pixel[2] : pixel[0];
    }
}

} // namespace

void jpegErrorExit(jpeg_common_struct* cinfo) {
    (*cinfo->err->output_message)(cinfo);
    JpegErrorManager* errors = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    std::longjmp(errors->jump, 1);
}

bool probeJpegSize(const char* path, int& width, int& height) {
    std::FILE* file = openFileForReading(path);
    if (file == nullptr) {
        trace("Failed to open file");
        return false;
    }
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    useErrorManager(cinfo, errors);
    if (setjmp(errors.jump)) {
        end(cinfo, file);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    if (!headerAcceptable(cinfo)) {
        end(cinfo, file);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
    end(cinfo, file);
    return true;
}

bool decodeJpeg(const char* path, unsigned char* destination, int width, int height) {
    std::FILE* file = openFileForReading(path);
    if (file == nullptr) {
        trace("Failed to open texture file");
        return false;
    }
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    useErrorManager(cinfo, errors);
    if (setjmp(errors.jump)) {
        end(cinfo, file);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    if (!headerAcceptable(cinfo)) {
        end(cinfo, file);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    int components = cinfo.output_components;
    if (static_cast<int>(cinfo.output_width) != width ||
        static_cast<int>(cinfo.output_height) != height || (components != 1 && components != 3)) {
        trace("JPEG picture changed between size probe and decode");
        end(cinfo, file);
        return false;
    }
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * components, 1);
    size_t rowBytes = static_cast<size_t>(width) * 3;
    size_t rowIndex = cinfo.output_height;
    while (cinfo.output_scanline < cinfo.output_height && rowIndex > 0) {
        jpeg_read_scanlines(&cinfo, row, 1);
        --rowIndex;
        storeRow(row[0], components, destination + rowIndex * rowBytes, width);
    }
    jpeg_finish_decompress(&cinfo);
    end(cinfo, file);
    return true;
}
