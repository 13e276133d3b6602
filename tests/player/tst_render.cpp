// The QPainter path of the panes: pictures are turned into images off the GUI
// thread, at the pane's size; the GUI thread only draws them. A pane that is
// cleared, hidden or destroyed while its picture is being converted shows
// nothing stale and loses nothing but that picture.

#include "FFmpegPlayer.h"
#include "I420Render2.h"
#include "TestMedia.h"
#include "YuvScaler.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

std::shared_ptr<AVFrame> picture(int w, int h, int y)
{
    AVFrame *f = av_frame_alloc();
    f->format = AV_PIX_FMT_YUV420P;
    f->width = w;
    f->height = h;
    f->colorspace = AVCOL_SPC_BT709;
    f->color_range = AVCOL_RANGE_JPEG;
    av_frame_get_buffer(f, 0);
    memset(f->data[0], y, size_t(f->linesize[0]) * size_t(h));
    memset(f->data[1], 128, size_t(f->linesize[1]) * size_t((h + 1) / 2));
    memset(f->data[2], 128, size_t(f->linesize[2]) * size_t((h + 1) / 2));
    return player::makeFramePtr(f);
}

// Waits without running the GUI thread's event loop.
bool waitBlocked(const std::function<bool()> &done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 20000)
        QThread::msleep(5);
    return done();
}

bool shown(I420Render2 &render, QSize size)
{
    render.resize(size);
    render.show();
    return QTest::qWaitForWindowExposed(&render);
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("KELVO_NO_OPENGL", "1"); }

    // The GUI thread is busy elsewhere (not running its loop) while the
    // picture is converted; it then only draws it. A clear after the picture
    // was converted but before the GUI thread took the image drops the late
    // image.
    void convertsOffTheGuiThread_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::newRow("drawn") << false;
        QTest::newRow("cleared before it is taken") << true;
    }
    void convertsOffTheGuiThread()
    {
        QFETCH(bool, clear);
        I420Render2 render;
        QVERIFY(shown(render, QSize(320, 180)));
        QVERIFY(!render.usesOpenGL());
        render.onFrame(picture(1920, 1080, 255));
        QVERIFY(waitBlocked([&] { return render.framesConverted() == 1; }));
        QCOMPARE(render.framesPainted(), qint64(0));
        if (clear) {
            render.clear();
            QCoreApplication::processEvents();
            QVERIFY(render.shownImageSize().isEmpty());
            QVERIFY(!render.currentFrame());
        } else {
            QTRY_VERIFY(render.framesPainted() >= 1);
            QCOMPARE(render.shownImageSize(), QSize(320, 180) * render.devicePixelRatioF());
        }
        QCOMPARE(qGray(render.grab().toImage().pixel(160, 90)), clear ? 0 : 255);
    }

    // The image follows the pane's size, also for a still picture (a paused
    // pane) that gets no new frame after the resize.
    void imageFollowsThePaneSize_data()
    {
        QTest::addColumn<QSize>("first");
        QTest::addColumn<QSize>("second");
        QTest::newRow("smaller") << QSize(640, 360) << QSize(320, 180);
        QTest::newRow("larger than the picture") << QSize(320, 180) << QSize(2000, 1200);
        QTest::newRow("odd") << QSize(333, 111) << QSize(97, 301);
    }
    void imageFollowsThePaneSize()
    {
        QFETCH(QSize, first);
        QFETCH(QSize, second);
        I420Render2 render;
        QVERIFY(shown(render, first));
        render.onFrame(picture(1280, 720, 200));
        QTRY_COMPARE(render.shownImageSize(), first * render.devicePixelRatioF());
        render.resize(second);
        QTRY_COMPARE(render.shownImageSize(), second * render.devicePixelRatioF());
        QCOMPARE(render.framesReceived(), qint64(1));
    }

    // Only the newest picture of a hidden pane is converted, once it shows.
    void hiddenPaneConvertsTheNewestWhenShown()
    {
        I420Render2 render;
        render.resize(320, 180);
        for (int y : {16, 60, 120, 180, 235})
            render.onFrame(picture(640, 360, y));
        QCOMPARE(render.framesReceived(), qint64(5));
        QCOMPARE(render.framesConverted(), qint64(0));
        render.show();
        QTRY_VERIFY(render.framesPainted() >= 1);
        QCOMPARE(render.framesConverted(), qint64(1));
        QCOMPARE(qGray(render.grab().toImage().pixel(10, 10)), 235);
    }

    // A player told the pane's size hands out pictures with their image made
    // on its decoder's thread at that size, following a resize; hidden, the
    // pane asks for none.
    void playerPreparesImagesAtThePaneSize()
    {
        const QString clip = testmedia::makeClip("render.mp4", "h264", 20, 640, 360);
        QVERIFY(!clip.isEmpty());
        I420Render2 render;
        QVERIFY(shown(render, QSize(320, 180)));
        FFmpegPlayer p;
        p.setViewSize(render.viewSize());
        p.setPlayUrl(clip);
        QSize attached;
        connect(&p, &FFmpegPlayer::emitFrame, &render, [&](std::shared_ptr<AVFrame> f) {
            attached = YuvScaler::attached(f.get()).size();
            render.onFrame(f);
        });
        p.play();
        for (const QSize &size : {QSize(320, 180), QSize(200, 100)}) {
            render.resize(size);
            const QSize image = size * render.devicePixelRatioF();
            QTRY_COMPARE_WITH_TIMEOUT(attached, image, 10000);
            QTRY_COMPARE(render.shownImageSize(), image);
        }
        render.hide();
        QCOMPARE(render.viewSize()->width(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(attached.isEmpty(), 10000);
        p.requestStop();
        QVERIFY(p.wait(5000));
    }

    // Panes destroyed with conversions under way (the sanitizers watch).
    void panesGoMidConversion()
    {
        for (int round = 0; round < 20; ++round) {
            auto *render = new I420Render2;
            render->resize(480, 270);
            render->show();
            for (int i = 0; i < 3; ++i)
                render->onFrame(picture(1920, 1080, 16 + i));
            delete render;
        }
        // One pane that lives on still gets its pictures through the same pool.
        I420Render2 render;
        render.resize(160, 90);
        render.show();
        render.onFrame(picture(320, 180, 128));
        QTRY_VERIFY(render.framesPainted() >= 1);
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
