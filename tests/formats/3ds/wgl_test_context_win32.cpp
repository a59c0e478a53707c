#include "tests/formats/3ds/wgl_test_context_win32.h"

#include <GL/gl.h>

WglTestContext::WglTestContext(bool visible) {
    DWORD style = WS_POPUP | (visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExA(0, "STATIC", "texture tests", style, 0, 0, 32, 32, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr)
        return;
    if (visible)
        SetActiveWindow(window_);
    deviceContext_ = GetDC(window_);
    PIXELFORMATDESCRIPTOR wanted = {};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 24;
    wanted.cDepthBits = 16;
    int format = ChoosePixelFormat(deviceContext_, &wanted);
    if (format == 0 || !SetPixelFormat(deviceContext_, format, &wanted))
        return;
    renderContext_ = wglCreateContext(deviceContext_);
    current_ = renderContext_ != nullptr && wglMakeCurrent(deviceContext_, renderContext_);
}

WglTestContext::~WglTestContext() {
    if (renderContext_ != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(renderContext_);
    }
    if (deviceContext_ != nullptr)
        ReleaseDC(window_, deviceContext_);
    if (window_ != nullptr)
        DestroyWindow(window_);
}

TextureLevel readTextureLevelZero(unsigned int name) {
    TextureLevel image;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &image.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &image.height);
    if (image.width <= 0 || image.height <= 0)
        return TextureLevel();
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
    return image;
}
