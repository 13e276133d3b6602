#pragma once

// YUV to RGB of a decoded picture, chosen from the picture's own tags: the
// matrix from its colour space (BT.709, or BT.601; untagged pictures below
// 720 lines are BT.601, the others BT.709) and the range from its colour
// range (full for JPEG-range pictures and the yuvj formats, else limited).
// The OpenGL shader and the QPainter path both follow this choice.

#include <QRgb>

struct AVFrame;

struct YuvColor
{
    bool bt709 = false;
    bool fullRange = false;

    static YuvColor forFrame(const AVFrame *frame);

    // rgb = matrix * (yuv - offset), yuv as 0..1 texture values; row-major.
    void shaderTerms(float matrix[9], float offset[3]) const;
    // The shader's formula on the CPU, with 8-bit samples.
    QRgb toRgb(int y, int u, int v) const;
    // The matching swscale table (SWS_CS_ITU709 or SWS_CS_ITU601).
    int swsColorspace() const;
};
