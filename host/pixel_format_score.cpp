#include "host/pixel_format_score.h"

#include <cstddef>

bool formatQualifies(const PixelFormatDescription& format) {
    const uint32_t required = formatSupportOpenGL | formatDrawToWindow | formatDoubleBuffer;
    return (format.flags & required) == required && format.pixelType == formatTypeRgba;
}

int32_t pixelFormatScore(const PixelFormatDescription& format) {
    int32_t colorBits = format.colorBits;
    int32_t score = colorBits + 2 * format.depthBits;
    if (colorBits > 16)
        score += (16 - colorBits) / 2;
    if ((format.flags & formatGeneric) == 0)
        score += 2000;
    else if ((format.flags & formatGenericAccelerated) != 0)
        score += 1000;
    return score;
}

int bestPixelFormatIndex(const std::vector<PixelFormatDescription>& formats,
                         bool wantAccumulation) {
    int bestIndex = 0;
    int32_t bestScore = 0;
    bool bestHasAccumulation = false;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const PixelFormatDescription& format = formats[i];
        if (!formatQualifies(format))
            continue;
        int32_t score = pixelFormatScore(format);
        if (score <= 0)
            continue;
        bool hasAccumulation = wantAccumulation && format.accumBits > 0;
        bool better = bestIndex == 0 || (hasAccumulation && !bestHasAccumulation) ||
                      (hasAccumulation == bestHasAccumulation && score > bestScore);
        if (better) {
            bestIndex = static_cast<int>(i) + 1;
            bestScore = score;
            bestHasAccumulation = hasAccumulation;
        }
    }
    return bestIndex;
}
