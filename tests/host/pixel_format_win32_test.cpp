#include "host/pixel_format_score.h"
#include "host/pixel_format_win32.h"
#include "settings/saver_settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

struct ChosenFormat {
    int index;
    PIXELFORMATDESCRIPTOR descriptor;
    std::vector<PixelFormatDescription> offered;
};

// Chooses the format of a new window's device context (a window's format can
// be set only once) and reads back what was set and what was offered.
ChosenFormat chooseForNewWindow(bool blur) {
    theSettings.setDefaults();
    theSettings.blur = blur ? 1 : 0;
    HWND window = CreateWindowExA(0, "STATIC", "format", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HDC dc = GetDC(window);
    chooseBestPixelFormat(dc);
    ChosenFormat chosen{GetPixelFormat(dc), {}, {}};
    DescribePixelFormat(dc, chosen.index, sizeof chosen.descriptor, &chosen.descriptor);
    PIXELFORMATDESCRIPTOR d;
    for (int i = 1; DescribePixelFormat(dc, i, sizeof d, &d) != 0; ++i)
        chosen.offered.push_back(
            {d.dwFlags, d.iPixelType, d.cColorBits, d.cDepthBits, d.cAccumBits});
    ReleaseDC(window, dc);
    DestroyWindow(window);
    return chosen;
}

TEST(PixelFormatOnWine, WithoutBlurTheBestScoringFormatIsSet) {
    ChosenFormat chosen = chooseForNewWindow(false);
    ASSERT_GT(chosen.index, 0);
    ASSERT_FALSE(chosen.offered.empty());
    int32_t bestScore = 0;
    for (const PixelFormatDescription& format : chosen.offered)
        if (formatQualifies(format) && pixelFormatScore(format) > bestScore)
            bestScore = pixelFormatScore(format);
    EXPECT_EQ(pixelFormatScore(chosen.offered[chosen.index - 1]), bestScore);
    EXPECT_EQ(chosen.index, bestPixelFormatIndex(chosen.offered, false));
    EXPECT_NE(chosen.descriptor.dwFlags & PFD_DOUBLEBUFFER, 0u);
}

TEST(PixelFormatOnWine, WithBlurTheFormatHasAnAccumulationBuffer) {
    ChosenFormat chosen = chooseForNewWindow(true);
    ASSERT_GT(chosen.index, 0);
    EXPECT_GT(chosen.descriptor.cAccumBits, 0);
    EXPECT_EQ(chosen.index, bestPixelFormatIndex(chosen.offered, true));
    EXPECT_NE(chosen.descriptor.dwFlags & PFD_SUPPORT_OPENGL, 0u);
}

} // namespace
