#pragma once

// Turns a decoded picture into an RGB32 image of a pane's size: first scaled
// in YUV to that size (nearest pixel, the look panes always had), then turned
// into colour at the small size, with the matrix and range of YuvColor, the
// same as the OpenGL shader. A 1080p picture in a 480x270 pane so costs what
// the pane has pixels. 8-bit planar 4:2:0 is scaled here by a plain pixel
// pick (less than half of what swscale's scaler takes for it), anything else
// by swscale into 4:2:0 first; the colour step is this file's own. One
// scaler keeps its state between pictures; it is not shared between threads.

#include "YuvColor.h"

#include <QImage>

#include <vector>

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

    // An image made for a frame travels with it (and with every reference to
    // it), in the frame's user reference.
    static void attach(AVFrame *frame, const QImage &image);
    static QImage attached(const AVFrame *frame);

private:
    void pickPlanar420(const AVFrame *frame);

    std::vector<int> m_lumaX, m_chromaX; // source column of each output column
    QSize m_mapFrom, m_mapTo;            // the sizes the columns are for
    SwsContext *m_scale = nullptr;       // picture -> 4:2:0 at the pane's size
    AVFrame *m_small = nullptr;
};
