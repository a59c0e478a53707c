#include "scene/saver_lifecycle_win32.h"

#include "common/trace.h"
#include "content/default_model_installation_win32.h"
#include "host/message_chain_win32.h"
#include "host/pixel_format_win32.h"
#include "host/texture_font.h"
#include "scene/gl_setup.h"
#include "scene/render_context_win32.h"
#include "scene/scene_object.h"
#include "scene/scene_state.h"
#include "settings/saver_settings.h"

#include <cstdlib>
#include <ctime>

bool initSaver(HWND window) {
    trace("initSaver: Initializing");
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    RECT client = {};
    GetClientRect(window, &client);
    halfWidth = (client.right - client.left) / 2;
    halfHeight = (client.bottom - client.top) / 2;
    sceneObject = new SceneObject();
    deviceContext = GetDC(window);
    chooseBestPixelFormat(deviceContext);
    renderContext = wglCreateContext(deviceContext);
    wglMakeCurrent(deviceContext, renderContext);
    textFont = new TextureFont();
    setUpSceneGl(client.left, client.top, client.right, client.bottom);
    installDefaultModel();
    return sceneObject->loadModel();
}

void shutdownSaver(HWND window) {
    sceneObject->releaseModel();
    delete sceneObject;
    sceneObject = nullptr;
    ReleaseDC(window, deviceContext);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(renderContext);
}

LRESULT saverMessageHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        theSettings.readRegistry();
        initSaver(window);
        saverReady = true;
    } else if (message == WM_DESTROY) {
        saverReady = false;
        shutdownSaver(window);
    }
    return defaultSaverProc(window, message, wParam, lParam);
}
