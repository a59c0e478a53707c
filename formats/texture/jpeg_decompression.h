#pragma once

// JPEG decoding shared by the model formats' textures: a libjpeg
// decompression whose fatal errors show the library's message and come back
// as a failure instead of ending the process, the check that a picture can
// be a texture, and the rows stored as RGB, bottom row first.

#include <cstdio>
#include <functional>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

// What one decode does with the decompressor; false gives up. A fatal library
// error jumps back out of these steps, so they must not hold objects with
// destructors of their own (objects they reach through captures are fine).
using JpegSteps = std::function<bool(jpeg_decompress_struct& cinfo)>;

// Sets up the decompressor `cinfo` with the library's standard error manager
// `jerr`, whose error exit is jpegErrorExit and whose messages are shown in a
// "JPEG Library Error" box (a fatal error, and the first warning of the
// decompression, after which decoding goes on); attaches the file, runs the
// steps and destroys the decompressor. True when the steps returned true
// without a fatal error. The caller closes the file.
bool runJpegDecompression(std::FILE* file, const JpegSteps& steps);

// Reads the header (an image required) and starts the decompression with the
// library's defaults (full size, colour files as RGB). False, traced, for a
// picture that cannot be a texture: a colour space other than RGB or grey,
// or a size beyond the texture limits (refused before any pixel memory is
// allocated).
bool startJpegTextureDecompression(jpeg_decompress_struct& cinfo);

// Reads every scanline into destination (output_height rows of
// output_width x 3 bytes, unpadded): the top line of the picture lands in the
// last row, and grey samples fill all three channels.
void readJpegRowsBottomFirst(jpeg_decompress_struct& cinfo, unsigned char* destination);

// The library's fatal-error exit: shows its message, then jumps back to the
// decompression that is running. Never returns.
void jpegErrorExit(j_common_ptr cinfo);
