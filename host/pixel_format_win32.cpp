#include "host/pixel_format_win32.h"

#include "host/pixel_format_score.h"
#include "settings/saver_settings.h"

#include <vector>

namespace {

// Every format the device context offers, described for the scoring.
std::vector<PixelFormatDescription> describeFormats(HDC deviceContext) {
    std::vector<PixelFormatDescription> formats;
    PIXELFORMATDESCRIPTOR descriptor;
    for (int index = 1;; ++index) {
        if (DescribePixelFormat(deviceContext, index, sizeof descriptor, &descriptor) == 0)
            break;
        formats.push_back({descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits,
                           descriptor.cDepthBits, descriptor.cAccumBits});
    }
    return formats;
}

PIXELFORMATDESCRIPTOR fallbackDescriptor() {
    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 24;
    descriptor.cDepthBits = 24;
    descriptor.iLayerType = PFD_MAIN_PLANE;
    return descriptor;
}

} // namespace

void chooseBestPixelFormat(HDC deviceContext) {
    int best = bestPixelFormatIndex(describeFormats(deviceContext), theSettings.blur != 0);
    PIXELFORMATDESCRIPTOR descriptor;
    if (best != 0) {
        DescribePixelFormat(deviceContext, best, sizeof descriptor, &descriptor);
    } else {
        descriptor = fallbackDescriptor();
        best = ChoosePixelFormat(deviceContext, &descriptor);
    }
    SetPixelFormat(deviceContext, best, &descriptor);
}
