#pragma once

// Size of the picture in a JPEG file as the decoder will deliver it. False
// when the file cannot be opened, the library reports a fatal error (shown
// in a message box) or the picture is too large for a texture.
bool probeJpegSize(const char* path, int& width, int& height);

// Decodes a JPEG file into width x height x 3 bytes of red, green, blue,
// bottom row first, rows unpadded. Grey-scale pictures are expanded to
// RGB. False when the file cannot be opened, the library reports a fatal
// error, or the picture is not of the size given (the destination's).
bool decodeJpeg(const char* path, unsigned char* destination, int width, int height);
