#include "I420Render2.h"

#include "YuvColor.h"
#include "YuvGLView.h"
#include "YuvScaler.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QDebug>
#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <mutex>

#include <cstring>

extern "C" {
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace player {

// What a pane and the conversion pool share: the newest picture still to be
// converted, the size to convert it to and the newest finished image. Held by
// the running job too, so a pane may go while its picture is being converted.
struct PaneConversion
{
    std::mutex mutex;
    I420Render2 *owner = nullptr; // cleared when the pane goes
    AVFramePtr pending;
    QSize target;           // device pixels
    quint64 generation = 0; // a cleared pane drops images converted before
    bool running = false;
    bool posted = false;
    QImage ready;
    QImage spare;     // an image the pane no longer shows, to be filled again
    YuvScaler scaler; // used by the one running job only
    std::atomic<qint64> converted{0};
    std::atomic<qint64> convertNs{0};

    // A few threads for all panes: a pane has at most one job at a time, and
    // one conversion of a 1080p picture to a grid pane takes well under a
    // millisecond.
    static QThreadPool &pool()
    {
        static QThreadPool threads;
        static std::once_flag once;
        std::call_once(once, [] {
            threads.setMaxThreadCount(qBound(2, QThread::idealThreadCount() / 2, 4));
            threads.setExpiryTimeout(5000);
        });
        return threads;
    }

    void work()
    {
        for (;;) {
            AVFramePtr frame;
            QSize size;
            quint64 gen;
            QImage image;
            {
                std::lock_guard<std::mutex> lock(mutex);
                frame = std::move(pending);
                pending.reset();
                if (!frame || !owner) {
                    running = false;
                    return;
                }
                size = target;
                gen = generation;
                if (spare.size() == size)
                    image = std::move(spare);
                spare = QImage();
            }
            if (size.isEmpty())
                continue;
            if (image.size() != size || !YuvScaler::isPadded(image))
                image = YuvScaler::makeImage(size);
            QElapsedTimer timer;
            timer.start();
            const bool ok = scaler.convert(frame.get(), image);
            // The decoder counts the pictures still held: let this one go now.
            frame.reset();
            convertNs += timer.nsecsElapsed();
            ++converted;
            if (!ok)
                continue;
            std::lock_guard<std::mutex> lock(mutex);
            if (!owner || gen != generation)
                continue;
            ready = std::move(image);
            if (!posted) {
                posted = true;
                I420Render2 *pane = owner;
                QMetaObject::invokeMethod(
                    pane, [pane] { pane->takeConverted(); }, Qt::QueuedConnection);
            }
        }
    }
};

namespace {

// A darker copy of a picture without colour, as YUV 4:2:0 (other layouts are
// converted first).
AVFramePtr greyCopy(const AVFrame *frame)
{
    AVFrame *out = av_frame_alloc();
    out->format = AV_PIX_FMT_YUV420P;
    out->width = frame->width;
    out->height = frame->height;
    // The same colour tags (not the other properties: an image made for the
    // coloured picture must not come along).
    out->colorspace = frame->colorspace;
    out->color_primaries = frame->color_primaries;
    out->color_trc = frame->color_trc;
    out->color_range = frame->format == AV_PIX_FMT_YUVJ420P ? AVCOL_RANGE_JPEG : frame->color_range;
    if (av_frame_get_buffer(out, 0) < 0) {
        av_frame_free(&out);
        return nullptr;
    }
    const bool planar = frame->format == AV_PIX_FMT_YUV420P || frame->format == AV_PIX_FMT_YUVJ420P;
    if (planar) {
        av_image_copy_plane(out->data[0], out->linesize[0], frame->data[0], frame->linesize[0], frame->width,
                            frame->height);
    } else {
        SwsContext *sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                         frame->height, AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
        if (!sws) {
            av_frame_free(&out);
            return nullptr;
        }
        sws_scale(sws, frame->data, frame->linesize, 0, frame->height, out->data, out->linesize);
        sws_freeContext(sws);
    }
    // Luma to about 56 %, chroma to neutral: still readable, plainly not live.
    for (int y = 0; y < out->height; ++y) {
        uint8_t *row = out->data[0] + ptrdiff_t(y) * out->linesize[0];
        for (int x = 0; x < out->width; ++x)
            row[x] = uint8_t(((row[x] * 9) >> 4) + 7);
    }
    const int chromaRows = (out->height + 1) / 2;
    for (int plane = 1; plane < 3; ++plane)
        memset(out->data[plane], 128, size_t(out->linesize[plane]) * size_t(chromaRows));
    return player::makeFramePtr(out);
}

} // namespace

} // namespace player

bool I420Render2::isSoftwareRenderer(const QString &glRenderer)
{
    static const char *const software[] = {
        "llvmpipe", "softpipe", "swrast", "software rasterizer", "lavapipe", "gdi generic", "basic render driver"};
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
                qInfo().noquote() << "OpenGL renderer" << renderer
                                  << (available ? "paints the panes"
                                                : "is a software rasteriser: panes paint with QPainter");
                ctx.doneCurrent();
            }
        }
    }
    return available == 1;
}

I420Render2::I420Render2(QWidget *parent)
    : QWidget(parent)
    , m_conversion(std::make_shared<player::PaneConversion>())
{
    player::registerMetaTypes();
    m_conversion->owner = this;
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (openGLAvailable()) {
        m_gl = new YuvGLView(this);
        m_gl->setGeometry(rect());
    }
    m_overlay = new QLabel(this);
    m_overlay->setAlignment(Qt::AlignCenter);
    m_overlay->setWordWrap(true);
    m_overlay->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_overlay->hide();
}

I420Render2::~I420Render2()
{
    std::lock_guard<std::mutex> lock(m_conversion->mutex);
    m_conversion->owner = nullptr;
    m_conversion->pending.reset();
    m_conversion->ready = QImage();
    m_conversion->spare = QImage();
}

void I420Render2::setRenderEnabled(bool on)
{
    m_enabled = on;
    publishViewSize();
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

qint64 I420Render2::framesConverted() const
{
    return m_conversion->converted.load();
}

double I420Render2::convertTimeMs() const
{
    return m_conversion->convertNs.load() / 1e6;
}

QSize I420Render2::targetSize() const
{
    const qreal dpr = devicePixelRatioF();
    return QSize(qRound(width() * dpr), qRound(height() * dpr));
}

void I420Render2::convertLater(const std::shared_ptr<AVFrame> &frame)
{
    player::PaneConversion &c = *m_conversion;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        c.pending = frame;
        c.target = targetSize();
        if (c.running)
            return; // the running job takes the newest picture next
        c.running = true;
    }
    player::PaneConversion::pool().start([conversion = m_conversion] { conversion->work(); });
}

void I420Render2::takeConverted()
{
    player::PaneConversion &c = *m_conversion;
    QImage image;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        c.posted = false;
        image = std::move(c.ready);
        c.ready = QImage();
    }
    if (image.isNull() || !m_enabled || !m_frame)
        return;
    showImage(std::move(image));
}

void I420Render2::showImage(QImage image)
{
    QImage old = std::exchange(m_image, std::move(image));
    if (!old.isNull() && old.isDetached()) {
        std::lock_guard<std::mutex> lock(m_conversion->mutex);
        if (m_conversion->spare.isNull())
            m_conversion->spare = std::move(old);
    }
    update();
}

void I420Render2::publishViewSize()
{
    const bool wanted = !m_gl && m_enabled && isVisible();
    const QSize size = wanted ? targetSize() : QSize();
    m_viewSize->set(size.width(), size.height());
}

void I420Render2::greyOut()
{
    if (!m_frame || m_greyed)
        return;
    AVFramePtr grey = player::greyCopy(m_frame.get());
    if (!grey)
        return;
    m_greyed = true;
    m_frame = grey;
    if (m_gl) {
        m_gl->setFrame(grey);
        return;
    }
    {
        // What the pool still converts is the coloured picture.
        std::lock_guard<std::mutex> lock(m_conversion->mutex);
        ++m_conversion->generation;
        m_conversion->pending.reset();
        m_conversion->ready = QImage();
    }
    if (isVisible())
        convertLater(m_frame);
    else
        m_image = QImage(); // converted when shown again
}

void I420Render2::setOverlayText(const QString &text)
{
    m_overlay->setText(text);
    m_overlay->setVisible(!text.isEmpty());
    m_overlay->raise();
}

QString I420Render2::overlayText() const
{
    // A picture hides it.
    return m_overlay->isHidden() ? QString() : m_overlay->text();
}

void I420Render2::onFrame(std::shared_ptr<AVFrame> frame)
{
    if (!m_enabled || !frame || frame->width <= 0 || frame->height <= 0)
        return;
    ++m_received;
    m_greyed = false;
    if (m_overlay->isVisible())
        m_overlay->hide();
    if (!m_gl) {
        m_frame = std::move(frame);
        // A hidden pane converts when it is shown again.
        if (!isVisible())
            return;
        QImage ready = YuvScaler::attached(m_frame.get());
        if (!ready.isNull() && ready.size() == targetSize()) {
            // Made by the decoder for this size: what the pool still has
            // under way is older.
            {
                std::lock_guard<std::mutex> lock(m_conversion->mutex);
                ++m_conversion->generation;
                m_conversion->pending.reset();
                m_conversion->ready = QImage();
                ++m_conversion->converted;
            }
            showImage(std::move(ready));
            return;
        }
        convertLater(m_frame);
        return;
    }
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
    m_gl->setFrame(frame);
}

void I420Render2::clear()
{
    m_frame.reset();
    m_greyed = false;
    m_image = QImage();
    {
        std::lock_guard<std::mutex> lock(m_conversion->mutex);
        ++m_conversion->generation;
        m_conversion->pending.reset();
        m_conversion->ready = QImage();
    }
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
    publishViewSize();
    // A paused or still picture is converted again for the new size.
    if (!m_gl && m_frame && isVisible())
        convertLater(m_frame);
}

void I420Render2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    publishViewSize();
    if (!m_gl && m_frame && (m_image.isNull() || m_image.size() != targetSize()))
        convertLater(m_frame);
}

void I420Render2::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    publishViewSize();
}

void I420Render2::paintEvent(QPaintEvent *)
{
    if (m_gl)
        return;
    QElapsedTimer timer;
    timer.start();
    QPainter p(this);
    if (m_image.isNull()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const QTransform device = p.deviceTransform();
    if (m_image.size() == targetSize() && device.type() <= QTransform::TxScale && device.m11() > 0
        && device.m22() > 0) {
        // The image has the pane's size in device pixels: drawn pixel for
        // pixel, a plain copy. Under a fractional screen scale the painter
        // would otherwise send the whole picture through its scaling loop on
        // the GUI thread, even at a ratio of one; so its scale is taken back
        // and the picture placed on whole device pixels.
        const qreal dx = qRound(device.dx()) - device.dx();
        const qreal dy = qRound(device.dy()) - device.dy();
        p.setWorldTransform(QTransform(1 / device.m11(), 0, 0, 1 / device.m22(), dx / device.m11(), dy / device.m22()));
        p.drawImage(QPoint(0, 0), m_image);
    } else {
        // Right after a resize the old image is stretched until the new one is made.
        p.drawImage(rect(), m_image);
    }
    ++m_painted;
    m_paintMs += timer.nsecsElapsed() / 1e6;
}
