#pragma once

// Helpers of the texture and drawing tests.

#include "tests/support/chunk_writer_3ds.h"

#include <string>

class OsMesaContext;

// True when the texture name has a level-0 image (leaves it bound).
bool textureHasImage(unsigned int name);

// A JPEG with its frame header's size replaced (the scan data stays that of
// the original picture).
Bytes withDeclaredJpegSize(Bytes jpeg, uint16_t width, uint16_t height);

// Draws the whole viewport (-1..1) with the bound texture, unlit.
void drawTexturedViewport();

// An orthographic -1..1 view without depth test, culling or lighting.
void useFlatView();

// Expects a 64 x 64 window filled with threeBandJpeg's picture: red, green and
// blue bands, upright, at the top, middle and bottom rows.
void expectThreeBandsInWindow(OsMesaContext& gl);
