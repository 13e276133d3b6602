#include "I420Render2.h"

#include "YuvColor.h"

#include "YuvGLView.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QDebug>
#include <QPainter>

extern "C" {
#include <libswscale/swscale.h>
}

bool I420Render2::isSoftwareRenderer(const QString &glRenderer)
{
    static const char *const software[] = {"llvmpipe", "softpipe", "swrast", "software rasterizer",
                                           "lavapipe", "gdi generic", "basic render driver"};
    const QString text = glRenderer.toLower();
    for (const char *name : software) {
        if (text.contains(QLatin1String(name)))
            return true;
    }
    return false;
}

bool I420Render2::openGLAvailable()
{
    static int available = -1;
    if (available < 0) {
        available = 0;
        if (qEnvironmentVariableIsSet("KELVO_NO_OPENGL"))
            return false;
        QOpenGLContext ctx;
        if (ctx.create()) {
            QOffscreenSurface surface;
            surface.setFormat(ctx.format());
            surface.create();
            if (surface.isValid() && ctx.makeCurrent(&surface)) {
                const auto *name = ctx.functions()->glGetString(GL_RENDERER);
                const QString renderer = name ? QString::fromLatin1(reinterpret_cast<const char *>(name)) : QString();
                available = isSoftwareRenderer(renderer) ? 0 : 1;
                qInfo().noquote() << "OpenGL renderer" << renderer << (available ? "paints the panes"
                                                                               : "is a software rasteriser: panes paint with QPainter");
                ctx.doneCurrent();
            }
        }
    }
    return available == 1;
}

I420Render2::I420Render2(QWidget *parent) : QWidget(parent)
{
    player::registerMetaTypes();
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (openGLAvailable()) {
        m_gl = new YuvGLView(this);
        m_gl->setGeometry(rect());
    }
    m_overlay = new QLabel(this);
    m_overlay->setAlignment(Qt::AlignCenter);
    m_overlay->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_overlay->hide();
}

I420Render2::~I420Render2()
{
    if (m_sws)
        sws_freeContext(m_sws);
}

void I420Render2::setRenderEnabled(bool on)
{
    m_enabled = on;
    if (!on)
        clear();
}

QSize I420Render2::frameSize() const
{
    return m_frame ? QSize(m_frame->width, m_frame->height) : QSize();
}

qint64 I420Render2::framesPainted() const
{
    return m_gl ? m_gl->framesPainted() : m_painted;
}

double I420Render2::paintTimeMs() const
{
    return m_gl ? m_gl->paintTimeMs() : m_paintMs;
}

void I420Render2::setOverlayText(const QString &text)
{
    m_overlay->setText(text);
    m_overlay->setVisible(!text.isEmpty());
    m_overlay->raise();
}

QString I420Render2::overlayText() const
{
    return m_overlay->text();
}

void I420Render2::onFrame(std::shared_ptr<AVFrame> frame)
{
    if (!m_enabled || !frame || frame->width <= 0 || frame->height <= 0)
        return;
    ++m_received;
    if (m_overlay->isVisible())
        m_overlay->hide();
    if (frame->format != AV_PIX_FMT_YUV420P && frame->format != AV_PIX_FMT_YUVJ420P) {
        AVFrame *out = av_frame_alloc();
        out->format = AV_PIX_FMT_YUV420P;
        out->width = frame->width;
        out->height = frame->height;
        SwsContext *sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                         frame->height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!sws || av_frame_get_buffer(out, 0) < 0) {
            sws_freeContext(sws);
            av_frame_free(&out);
            return;
        }
        sws_scale(sws, frame->data, frame->linesize, 0, frame->height, out->data, out->linesize);
        sws_freeContext(sws);
        frame = player::makeFramePtr(out);
    }
    m_frame = frame;
    if (m_gl) {
        m_gl->setFrame(frame);
    } else {
        m_imageStale = true;
        update();
    }
}

void I420Render2::clear()
{
    m_frame.reset();
    m_image = QImage();
    if (m_gl)
        m_gl->setFrame(nullptr);
    update();
}

void I420Render2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_gl)
        m_gl->setGeometry(rect());
    m_overlay->setGeometry(rect());
}

void I420Render2::paintEvent(QPaintEvent *)
{
    if (m_gl)
        return;
    QElapsedTimer timer;
    timer.start();
    QPainter p(this);
    if (!m_frame) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    if (m_imageStale || m_image.isNull()) {
        const int w = m_frame->width, h = m_frame->height;
        if (m_image.size() != QSize(w, h))
            m_image = QImage(w, h, QImage::Format_RGB32);
        m_sws = sws_getCachedContext(m_sws, w, h, AVPixelFormat(m_frame->format), w, h, AV_PIX_FMT_BGRA,
                                     SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (m_sws) {
            // The same matrix and range as the OpenGL path, into full-range RGB.
            const YuvColor color = YuvColor::forFrame(m_frame.get());
            const int key = color.swsColorspace() * 2 + (color.fullRange ? 1 : 0);
            if (m_sws != m_swsTagged || key != m_swsColor) {
                sws_setColorspaceDetails(m_sws, sws_getCoefficients(color.swsColorspace()), color.fullRange ? 1 : 0,
                                         sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
                m_swsTagged = m_sws;
                m_swsColor = key;
            }
            uint8_t *dst[4] = {m_image.bits(), nullptr, nullptr, nullptr};
            int stride[4] = {int(m_image.bytesPerLine()), 0, 0, 0};
            sws_scale(m_sws, m_frame->data, m_frame->linesize, 0, h, dst, stride);
        }
        m_imageStale = false;
    }
    p.drawImage(rect(), m_image);
    ++m_painted;
    m_paintMs += timer.nsecsElapsed() / 1e6;
}
