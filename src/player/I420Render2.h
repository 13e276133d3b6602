#pragma once

#include "PlayerCommon.h"

#include <QImage>
#include <QWidget>

class QLabel;
class YuvGLView;
namespace player {
struct PaneConversion;
}

// Shows decoded YUV 4:2:0 pictures. With OpenGL the planes go to the GPU as
// three textures and a shader turns them into colour; without an OpenGL
// context (no GL driver, plain offscreen platform) the picture is turned into
// colour and scaled to the pane's size on a small pool of worker threads
// (YuvScaler), and the GUI thread only draws the finished image. A pane that
// falls behind skips to the newest picture. The widget lives on the GUI
// thread only.
class I420Render2 : public QWidget
{
    Q_OBJECT
public:
    explicit I420Render2(QWidget *parent = nullptr);
    ~I420Render2() override;

    // Off: incoming pictures are ignored and the pane goes black.
    void setRenderEnabled(bool on);
    bool renderEnabled() const { return m_enabled; }
    std::shared_ptr<AVFrame> currentFrame() const { return m_frame; }
    QSize frameSize() const;
    bool usesOpenGL() const { return m_gl != nullptr; }
    qint64 framesReceived() const { return m_received; }
    qint64 framesPainted() const;
    // Time spent painting on the GUI thread (upload and draw, or draw), in ms.
    double paintTimeMs() const;
    // Pictures turned into images off the GUI thread, and the time it took (ms).
    qint64 framesConverted() const;
    double convertTimeMs() const;
    // Size in device pixels of the image on screen (QPainter path; empty when none).
    QSize shownImageSize() const { return m_image.size(); }
    // The size the pane paints at, for the player feeding it
    // (FFmpegPlayer::setViewSize): a picture that comes with its image at
    // this size is drawn as it is. Empty while hidden, off or on OpenGL.
    player::ViewSizePtr viewSize() const { return m_viewSize; }
    // Turns the picture on screen grey (no colour, darker) until the next one
    // comes: a stream that failed leaves its last picture, which must not be
    // taken for a live one.
    void greyOut();
    bool isGreyedOut() const { return m_greyed; }
    // Centered text over the picture (empty hides it), until the next picture.
    void setOverlayText(const QString &text);
    // As shown: empty once hidden.
    QString overlayText() const;

    // Whether the panes paint with OpenGL; decided once. Not when no context
    // can be made, nor when the context is a software rasteriser: there the
    // QPainter path costs a tenth of the CPU for the same panes.
    static bool openGLAvailable();
    // A GL_RENDERER text of a software rasteriser (llvmpipe, softpipe, swrast, ...).
    static bool isSoftwareRenderer(const QString &glRenderer);

public slots:
    void onFrame(std::shared_ptr<AVFrame> frame);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend struct player::PaneConversion;
    QSize targetSize() const;
    // Hands the picture to the pool, to be drawn at the pane's current size.
    void convertLater(const std::shared_ptr<AVFrame> &frame);
    // The pool's newest image, on the GUI thread.
    void takeConverted();
    void showImage(QImage image);
    void publishViewSize();

    YuvGLView *m_gl = nullptr;
    QLabel *m_overlay = nullptr;
    std::shared_ptr<AVFrame> m_frame;
    bool m_enabled = true;
    bool m_greyed = false;
    qint64 m_received = 0;
    // QPainter path.
    std::shared_ptr<player::PaneConversion> m_conversion;
    player::ViewSizePtr m_viewSize = std::make_shared<player::ViewSize>();
    QImage m_image;
    qint64 m_painted = 0;
    double m_paintMs = 0;
};
