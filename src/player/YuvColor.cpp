#include "YuvColor.h"

#include "PlayerCommon.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>

YuvColor YuvColor::forFrame(const AVFrame *frame)
{
    YuvColor c;
    if (!frame)
        return c;
    switch (frame->colorspace) {
    case AVCOL_SPC_BT709:
        c.bt709 = true;
        break;
    case AVCOL_SPC_BT470BG:
    case AVCOL_SPC_SMPTE170M:
    case AVCOL_SPC_FCC:
        c.bt709 = false;
        break;
    default:
        c.bt709 = frame->height >= 720;
        break;
    }
    c.fullRange = frame->color_range == AVCOL_RANGE_JPEG || frame->format == AV_PIX_FMT_YUVJ420P;
    return c;
}

void YuvColor::shaderTerms(float matrix[9], float offset[3]) const
{
    const double kr = bt709 ? 0.2126 : 0.299;
    const double kb = bt709 ? 0.0722 : 0.114;
    const double kg = 1.0 - kr - kb;
    const double ys = fullRange ? 1.0 : 255.0 / 219.0;
    const double cs = fullRange ? 1.0 : 255.0 / 224.0;
    const double m[9] = {
        ys,
        0.0,
        2.0 * (1.0 - kr) * cs,
        ys,
        -2.0 * kb * (1.0 - kb) / kg * cs,
        -2.0 * kr * (1.0 - kr) / kg * cs,
        ys,
        2.0 * (1.0 - kb) * cs,
        0.0,
    };
    for (int i = 0; i < 9; ++i)
        matrix[i] = float(m[i]);
    offset[0] = float((fullRange ? 0.0 : 16.0) / 255.0);
    offset[1] = offset[2] = float(128.0 / 255.0);
}

QRgb YuvColor::toRgb(int y, int u, int v) const
{
    float m[9], o[3];
    shaderTerms(m, o);
    const float in[3] = {y / 255.f - o[0], u / 255.f - o[1], v / 255.f - o[2]};
    int out[3];
    for (int r = 0; r < 3; ++r) {
        const float value = m[r * 3] * in[0] + m[r * 3 + 1] * in[1] + m[r * 3 + 2] * in[2];
        out[r] = std::clamp(int(std::lround(value * 255.f)), 0, 255);
    }
    return qRgb(out[0], out[1], out[2]);
}

int YuvColor::swsColorspace() const
{
    return bt709 ? SWS_CS_ITU709 : SWS_CS_ITU601;
}
