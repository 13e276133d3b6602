#pragma once

// Turns a decoded picture into an RGB32 image of a pane's size: first scaled
// in YUV to that size (nearest pixel, the look panes always had), then turned
// into colour at the small size, with the matrix and range of YuvColor, the
// same as the OpenGL shader. A 1080p picture in a 480x270 pane so costs what
// the pane has pixels. One scaler keeps its swscale state between pictures;
// it is not shared between threads.

#include "YuvColor.h"

#include <QImage>

struct AVFrame;
struct SwsContext;

class YuvScaler
{
public:
    YuvScaler() = default;
    ~YuvScaler();
    YuvScaler(const YuvScaler &) = delete;
    YuvScaler &operator=(const YuvScaler &) = delete;

    // Fills out, which must come from makeImage (Format_RGB32) and sets the
    // size. False when the picture cannot be converted.
    bool convert(const AVFrame *frame, QImage &out);

    // An image swscale may write: its vector code rounds each row up to a
    // multiple of 8 pixels and runs past the end of a buffer that holds the
    // pixels and nothing more. Rows are 64-byte aligned and the buffer ends
    // with 64 spare bytes.
    static QImage makeImage(const QSize &size, QImage::Format format = QImage::Format_RGB32);
    static bool isPadded(const QImage &image);

private:
    SwsContext *m_scale = nullptr;   // picture -> 4:2:0 at the pane's size
    SwsContext *m_colour = nullptr;  // 4:2:0 -> RGB32 at the pane's size
    SwsContext *m_tagged = nullptr;  // the colour context the details were set on
    int m_colourKey = -1;            // and for which matrix and range
    AVFrame *m_small = nullptr;
};
