#include "YuvScaler.h"

#include "PlayerCommon.h"

extern "C" {
#include <libswscale/swscale.h>
}

YuvScaler::~YuvScaler()
{
    sws_freeContext(m_scale);
    sws_freeContext(m_colour);
    av_frame_free(&m_small);
}

QImage YuvScaler::makeImage(const QSize &size, QImage::Format format)
{
    if (size.isEmpty())
        return QImage();
    const int depth = format == QImage::Format_RGB888 ? 3 : 4;
    const qsizetype stride = (qsizetype(size.width()) * depth + 63) & ~qsizetype(63);
    auto *data = static_cast<uchar *>(av_malloc(size_t(stride) * size_t(size.height()) + 64));
    if (!data)
        return QImage();
    return QImage(data, size.width(), size.height(), stride, format, [](void *p) { av_free(p); }, data);
}

bool YuvScaler::isPadded(const QImage &image)
{
    return !image.isNull() && image.bytesPerLine() % 64 == 0;
}

bool YuvScaler::convert(const AVFrame *frame, QImage &out)
{
    if (!frame || frame->width <= 0 || frame->height <= 0 || !frame->data[0] || out.format() != QImage::Format_RGB32
        || !isPadded(out))
        return false;
    const int w = out.width(), h = out.height();
    const bool planar420 = frame->format == AV_PIX_FMT_YUV420P || frame->format == AV_PIX_FMT_YUVJ420P;
    const AVFrame *src = frame;
    if (!planar420 || frame->width != w || frame->height != h) {
        // Scaling first and colour after costs a third less than both in one
        // swscale pass, whose scaled colour output has no vector code here.
        const int smallFormat = planar420 ? frame->format : AV_PIX_FMT_YUV420P;
        if (!m_small || m_small->width != w || m_small->height != h || m_small->format != smallFormat) {
            av_frame_free(&m_small);
            m_small = av_frame_alloc();
            m_small->format = smallFormat;
            m_small->width = w;
            m_small->height = h;
            if (av_frame_get_buffer(m_small, 0) < 0) {
                av_frame_free(&m_small);
                return false;
            }
        }
        m_scale = sws_getCachedContext(m_scale, frame->width, frame->height, AVPixelFormat(frame->format), w, h,
                                       AVPixelFormat(smallFormat), SWS_POINT, nullptr, nullptr, nullptr);
        if (!m_scale)
            return false;
        sws_scale(m_scale, frame->data, frame->linesize, 0, frame->height, m_small->data, m_small->linesize);
        src = m_small;
    }
    m_colour = sws_getCachedContext(m_colour, w, h, AVPixelFormat(src->format), w, h, AV_PIX_FMT_BGRA, SWS_POINT,
                                    nullptr, nullptr, nullptr);
    if (!m_colour)
        return false;
    // Matrix and range from the picture's own tags, into full-range RGB.
    const YuvColor color = YuvColor::forFrame(frame);
    const int key = color.swsColorspace() * 2 + (color.fullRange ? 1 : 0);
    if (m_colour != m_tagged || key != m_colourKey) {
        sws_setColorspaceDetails(m_colour, sws_getCoefficients(color.swsColorspace()), color.fullRange ? 1 : 0,
                                 sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
        m_tagged = m_colour;
        m_colourKey = key;
    }
    uint8_t *dst[4] = {out.bits(), nullptr, nullptr, nullptr};
    int stride[4] = {int(out.bytesPerLine()), 0, 0, 0};
    return sws_scale(m_colour, src->data, src->linesize, 0, h, dst, stride) == h;
}
