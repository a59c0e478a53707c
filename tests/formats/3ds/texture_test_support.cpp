#include "tests/formats/3ds/texture_test_support.h"

#include "scene/gl.h"
#include "tests/support/osmesa_context.h"

#include <gtest/gtest.h>

#include <stdexcept>

bool textureHasImage(unsigned int name) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width > 0;
}

Bytes withDeclaredJpegSize(Bytes jpeg, uint16_t width, uint16_t height) {
    for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] != 0xFF || (jpeg[i + 1] != 0xC0 && jpeg[i + 1] != 0xC2))
            continue;
        jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
        jpeg[i + 6] = static_cast<uint8_t>(height);
        jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
        jpeg[i + 8] = static_cast<uint8_t>(width);
        return jpeg;
    }
    throw std::runtime_error("no frame header in the JPEG");
}

void useFlatView() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

void drawTexturedViewport() {
    useFlatView();
    glEnable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
}

void expectThreeBandsInWindow(OsMesaContext& gl) {
    const Rgba bands[3] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}};
    for (int y : {2, 32, 61}) {
        for (int band = 0; band < 3; ++band) {
            int x = band * 21 + 11;
            Rgba seen = gl.pixel(x, y);
            EXPECT_TRUE(sameColour(seen, bands[band], 24))
                << "band " << band << " at (" << x << ", " << y << "): " << int(seen.r) << " "
                << int(seen.g) << " " << int(seen.b);
        }
    }
}
