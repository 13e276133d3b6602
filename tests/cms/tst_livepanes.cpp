// The live panes and their play controller against the loopback RTSP server:
// the restart rule, cancelled starts, failing and stalling streams, and which
// pane a new stream takes.

#include "DevicePagesTestUtil.h"
#include "I420Render2.h"
#include "MainViewVideoPreview.h"
#include "PlayerCommon.h"
#include "TestMedia.h"
#include "VideoPreviewPane.h"
#include "VideoPreviewPlayController.h"

#include <QLabel>
#include <QTcpServer>
#include <QtTest>

#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/frame.h>
}

namespace {

// Streams take longer to settle than dialogs.
bool waitFor(const std::function<bool()> &condition, int timeoutMs = 15000)
{
    return DevicePagesTest::waitFor(condition, timeoutMs);
}

bool playing(VideoPreviewPane *pane)
{
    return pane->state() == VideoPreviewPane::State::Playing && pane->framesShown() > 2;
}

// A flat grey picture (video range: 16 black, 235 white).
std::shared_ptr<AVFrame> flatPicture(int luma)
{
    AVFrame *frame = av_frame_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = 320;
    frame->height = 240;
    if (av_frame_get_buffer(frame, 0) < 0) {
        av_frame_free(&frame);
        return nullptr;
    }
    for (int plane = 0; plane < 3; ++plane) {
        const int rows = plane ? frame->height / 2 : frame->height;
        memset(frame->data[plane], plane ? 128 : luma, size_t(frame->linesize[plane]) * size_t(rows));
    }
    return player::makeFramePtr(frame);
}

// WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

} // namespace

class TestLivePanes : public QObject
{
    Q_OBJECT

    testmedia::RtspServer m_rtsp;
    QString m_urlA;
    QString m_urlB;

    // A start asked for now waits out the same pause as every start asked for
    // before it: once it has begun, those have begun or been cancelled.
    void waitOutThePause(VideoPreviewPlayController *controller)
    {
        VideoPreviewPane witness(MainViewVideoPreview::MaxPanes);
        controller->play(&witness, m_urlA, QStringLiteral("witness"), QStringLiteral("W"));
        QVERIFY(waitFor([&] { return witness.state() != VideoPreviewPane::State::Idle; }));
        controller->stop(&witness);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        player::registerMetaTypes();
        const QString clip = testmedia::makeClip(QStringLiteral("clip.mp4"), QStringLiteral("h264"), 60);
        QVERIFY(!clip.isEmpty());
        QVERIFY(m_rtsp.start({QStringLiteral("/a=") + clip, QStringLiteral("/b=") + clip}));
        m_urlA = m_rtsp.url(QStringLiteral("/a"));
        m_urlB = m_rtsp.url(QStringLiteral("/b"));
    }

    void restartOnlyForANewAddress()
    {
        VideoPreviewPane pane(0);
        pane.resize(320, 240);
        pane.show();
        VideoPreviewPlayController controller;

        controller.play(&pane, m_urlA, QStringLiteral("a"), QStringLiteral("A"));
        // Stopped at once, started after the pause.
        QCOMPARE(pane.state(), VideoPreviewPane::State::Idle);
        QCOMPARE(controller.pendingUrl(&pane), m_urlA);
        QVERIFY(waitFor([&] { return playing(&pane); }));
        QCOMPARE(pane.url(), m_urlA);
        QCOMPARE(pane.title(), QStringLiteral("A"));

        FFmpegPlayer *player = pane.player();
        controller.play(&pane, m_urlA, QStringLiteral("a"), QStringLiteral("A"));
        QVERIFY(controller.pendingUrl(&pane).isEmpty());
        QCOMPARE(pane.player(), player);
        QCOMPARE(pane.state(), VideoPreviewPane::State::Playing);

        // A timer of the same pause armed just before the new address is asked
        // for expires first: when it fires, the pane must still be waiting.
        bool witnessFired = false;
        bool startedBeforeThePause = false;
        QTimer::singleShot(controller.restartDelayMs(), Qt::PreciseTimer, &pane, [&] {
            witnessFired = true;
            startedBeforeThePause =
                pane.state() != VideoPreviewPane::State::Idle || controller.pendingUrl(&pane) != m_urlB;
        });
        controller.play(&pane, m_urlB, QStringLiteral("b"), QStringLiteral("B"));
        QCOMPARE(pane.state(), VideoPreviewPane::State::Idle);
        QVERIFY(!pane.renderer()->currentFrame());
        // A second request for the address being started changes nothing.
        controller.play(&pane, m_urlB, QStringLiteral("b"), QStringLiteral("B"));
        QCOMPARE(controller.pendingUrl(&pane), m_urlB);
        QVERIFY(waitFor([&] { return pane.state() != VideoPreviewPane::State::Idle; }));
        QVERIFY(witnessFired);
        QVERIFY(!startedBeforeThePause);
        QVERIFY(waitFor([&] { return playing(&pane); }));
        QCOMPARE(pane.url(), m_urlB);
        QCOMPARE(pane.deviceKey(), QStringLiteral("b"));
    }

    void stopDuringThePauseCancelsTheStart()
    {
        VideoPreviewPane pane(0);
        VideoPreviewPlayController controller;
        controller.play(&pane, m_urlA, QStringLiteral("a"), QStringLiteral("A"));
        QCOMPARE(controller.pendingUrl(&pane), m_urlA);
        controller.stop(&pane);
        waitOutThePause(&controller);
        QCOMPARE(pane.state(), VideoPreviewPane::State::Idle);
        QVERIFY(!pane.player());
    }

    void renameWhileWaitingKeepsTheNewTitle()
    {
        VideoPreviewPane pane(0);
        VideoPreviewPlayController controller;
        controller.play(&pane, m_urlA, QStringLiteral("a"), QStringLiteral("Old"));
        controller.retitle(&pane, QStringLiteral("New"));
        QCOMPARE(pane.title(), QStringLiteral("New"));
        QVERIFY(waitFor([&] { return pane.state() != VideoPreviewPane::State::Idle; }));
        QCOMPARE(pane.title(), QStringLiteral("New"));
        controller.stop(&pane);
    }

    void unreachableAddressShowsFailure()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();

        VideoPreviewPane pane(0);
        VideoPreviewPlayController controller;
        controller.setRestartDelayMs(0);
        controller.play(&pane, QStringLiteral("rtsp://127.0.0.1:%1/none").arg(port), QString(), QStringLiteral("X"));
        QVERIFY(waitFor([&] { return pane.state() == VideoPreviewPane::State::Failed; }));
        // The failure, then why, once the probe of the port has answered.
        QVERIFY(waitFor([&] { return pane.isSourceDown(); }));
        QCOMPARE(pane.statusText(),
                 VideoPreviewPane::tr("Play failed") + QLatin1Char('\n') + VideoPreviewPane::sourceRefusesText());
        QCOMPARE(pane.title(), QStringLiteral("X"));
    }

    // The reason of a failure stays readable whatever picture lies under it:
    // a dark backing around white text, inside the picture, the picture
    // itself still seen beside it.
    void stateReadableOverAnyPicture_data()
    {
        QTest::addColumn<int>("luma");
        QTest::addColumn<QSize>("size");
        QTest::newRow("white picture") << 235 << QSize(320, 240);
        QTest::newRow("grey picture") << 126 << QSize(320, 240);
        QTest::newRow("black picture") << 16 << QSize(320, 240);
        QTest::newRow("white picture, narrowest pane") << 235 << QSize(80, 60);
    }

    void stateReadableOverAnyPicture()
    {
        QFETCH(int, luma);
        QFETCH(QSize, size);
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();

        VideoPreviewPane pane(0);
        pane.setRetryDelaysMs({600000});
        pane.resize(size);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        pane.startPlay(QStringLiteral("rtsp://127.0.0.1:%1/none").arg(port), QString(), QStringLiteral("X"));
        QVERIFY(waitFor([&] { return pane.state() == VideoPreviewPane::State::Failed; }));
        pane.renderer()->onFrame(flatPicture(luma));
        QVERIFY(pane.renderer()->currentFrame());

        auto *status = pane.findChild<QLabel *>(QStringLiteral("paneStatus"));
        QVERIFY(status && status->isVisible());
        QCOMPARE(status->text(), VideoPreviewPane::tr("Play failed"));
        const QRect picture = pane.renderer()->geometry();
        QVERIFY2(picture.contains(status->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                      .arg(status->x())
                                                                      .arg(status->y())
                                                                      .arg(status->width())
                                                                      .arg(status->height())));

        // The picture is turned into an image off the GUI thread: wait until
        // the pane paints it before judging the backing against it.
        const int expectedGray = (luma - 16) * 255 / 219;
        QImage shot;
        QVERIFY(waitFor([&] {
            shot = pane.grab().toImage();
            return qAbs(qGray(shot.pixel(picture.left() + 1, picture.bottom() - 1)) - expectedGray) < 24;
        }));
        const QRgb beside = shot.pixel(picture.left() + 1, picture.bottom() - 1);
        const QRgb backing = shot.pixel(status->x() + 2, status->geometry().center().y());
        QRgb brightest = backing;
        for (int y = status->y(); y <= status->geometry().bottom(); ++y)
            for (int x = status->x(); x <= status->geometry().right(); ++x)
                if (qGray(shot.pixel(x, y)) > qGray(brightest))
                    brightest = shot.pixel(x, y);
        QVERIFY2(qAbs(qGray(beside) - expectedGray) < 24, qPrintable(QString::number(qGray(beside))));
        QVERIFY2(contrast(brightest, backing) >= 4.5,
                 qPrintable(QStringLiteral("text %1, backing %2").arg(qGray(brightest)).arg(qGray(backing))));
        QVERIFY(qGray(brightest) > 200);
    }

    // A stream that stalls or ends shows the reason over its last picture and
    // comes back by itself: after a freeze, and from a new server on the port.
    void stalledStreamShowsTheReasonAndComesBack()
    {
        const QString clip = testmedia::makeClip(QStringLiteral("clip.mp4"), QStringLiteral("h264"), 60);
        auto server = std::make_unique<testmedia::RtspServer>();
        QVERIFY(server->start({QStringLiteral("/s=") + clip}));
        const QString url = server->url(QStringLiteral("/s"));
        VideoPreviewPane pane(0);
        pane.resize(320, 240);
        pane.show();
        pane.setStallTimeoutMs(2500);
        pane.setRetryDelaysMs({300, 600});
        VideoPreviewPlayController controller;
        controller.setRestartDelayMs(0);
        controller.play(&pane, url, QString(), QStringLiteral("S"));
        QVERIFY(waitFor([&] { return playing(&pane); }));

        for (int outage = 0; outage < 2; ++outage) {
            if (outage == 0) {
                server->freeze();
            } else {
                const int port = server->port();
                server.reset(new testmedia::RtspServer);
                server->setPort(port);
            }
            QVERIFY(waitFor([&] { return pane.state() == VideoPreviewPane::State::Failed; }, 20000));
            QVERIFY(!pane.statusText().isEmpty());
            QVERIFY(pane.renderer()->currentFrame());
            QVERIFY(waitFor([&] { return pane.statusText() == VideoPreviewPane::tr("Reconnecting..."); }));
            if (outage == 0)
                server->thaw();
            else
                QVERIFY(server->start({QStringLiteral("/s=") + clip}));
            const qint64 before = pane.framesShown();
            QVERIFY(waitFor([&] { return playing(&pane) && pane.framesShown() != before; }, 30000));
            QCOMPARE(pane.url(), url);
            QCOMPARE(pane.retries(), 0);
        }
        server->quit();
        QVERIFY(waitFor([&] { return pane.isRetryPending(); }, 20000));
        controller.stop(&pane);
        QVERIFY(!pane.isRetryPending());
        QVERIFY(!pane.player());
    }

    // A source that goes away and comes back on its port: the pane's own
    // retry steps are set far beyond the test's waits, so only its probe of
    // the source's port can bring the picture back. Meanwhile the last
    // picture stays under the failure, grey. Its colour is back with the
    // stream.
    void paneComesBackWithItsSource_data()
    {
        QTest::addColumn<bool>("frozenFirst");
        QTest::addColumn<bool>("inTheGrid");
        QTest::newRow("server gone") << false << false;
        // Frozen, its port still takes connections (the steps are left to
        // go on); then gone, then back within the same step.
        QTest::newRow("server frozen, then gone") << true << false;
        QTest::newRow("server gone, pane of the live page") << false << true;
    }

    void paneComesBackWithItsSource()
    {
        QFETCH(bool, frozenFirst);
        QFETCH(bool, inTheGrid);
        const QString clip = testmedia::makeClip(QStringLiteral("clip.mp4"), QStringLiteral("h264"), 60);
        auto server = std::make_unique<testmedia::RtspServer>();
        QVERIFY(server->start({QStringLiteral("/h=") + clip}));
        const int port = server->port();
        const QString url = server->url(QStringLiteral("/h"));

        std::unique_ptr<MainViewVideoPreview> page;
        std::unique_ptr<VideoPreviewPane> own;
        VideoPreviewPane *pane = nullptr;
        if (inTheGrid) {
            page = std::make_unique<MainViewVideoPreview>();
            page->resize(800, 600);
            page->show();
            pane = page->pane(0);
        } else {
            own = std::make_unique<VideoPreviewPane>(0);
            own->resize(320, 262);
            own->show();
            pane = own.get();
        }
        QVERIFY(QTest::qWaitForWindowExposed(pane->window()));
        pane->setStallTimeoutMs(2500);
        pane->setRetryDelaysMs({600000});
        pane->startPlay(url, QStringLiteral("h"), QStringLiteral("H"));
        QVERIFY(waitFor([&] { return playing(pane); }));
        const QRect picture = pane->renderer()->geometry();
        const auto colourful = [&] {
            const QImage shot = pane->grab(picture).toImage();
            int coloured = 0;
            for (int y = 0; y < shot.height(); y += 4)
                for (int x = 0; x < shot.width(); x += 4) {
                    const QRgb c = shot.pixel(x, y);
                    if (qMax(qAbs(qRed(c) - qGreen(c)), qAbs(qGreen(c) - qBlue(c))) > 40)
                        ++coloured;
                }
            return coloured;
        };
        QVERIFY(waitFor([&] { return colourful() > 20; }));

        if (frozenFirst) {
            server->freeze();
            QVERIFY(waitFor([&] { return pane->state() == VideoPreviewPane::State::Failed; }, 20000));
            QVERIFY(!pane->isSourceDown());
        }
        server->quit();
        QVERIFY(
            waitFor([&] { return pane->state() == VideoPreviewPane::State::Failed && pane->isSourceDown(); }, 20000));
        // The last picture, grey, under the reason; the address stays.
        QVERIFY(pane->renderer()->currentFrame());
        QVERIFY(pane->renderer()->isGreyedOut());
        // The failure over why: the source's port is closed.
        const QStringList lines = pane->statusText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY(!lines.first().isEmpty());
        QCOMPARE(lines.last(), VideoPreviewPane::sourceRefusesText());
        QVERIFY(waitFor([&] { return colourful() == 0; }));
        QCOMPARE(pane->url(), url);
        QCOMPARE(pane->sourceReturns(), 0);

        server = std::make_unique<testmedia::RtspServer>();
        server->setPort(port);
        QVERIFY(server->start({QStringLiteral("/h=") + clip}));
        const qint64 before = pane->framesShown();
        QVERIFY(waitFor([&] { return playing(pane) && pane->framesShown() > before; }, 60000));
        QCOMPARE(pane->sourceReturns(), 1);
        QVERIFY(!pane->isRetryPending());
        QVERIFY(!pane->renderer()->isGreyedOut());
        QVERIFY(waitFor([&] { return colourful() > 20; }));
        QCOMPARE(pane->statusText(), QString());
        QCOMPARE(pane->title(), QStringLiteral("H"));
        pane->stopPlay();
    }

    // 4 panes, then 1, then 4 again: the three hidden panes play again.
    void layoutsKeepTheirCameras()
    {
        MainViewVideoPreview page;
        page.resize(800, 600);
        page.show();
        page.controller()->setRestartDelayMs(0);
        for (int i = 0; i < 4; ++i)
            page.controller()->play(page.pane(i), i % 2 ? m_urlB : m_urlA, QStringLiteral("k%1").arg(i),
                                    QStringLiteral("T%1").arg(i));
        QVERIFY(waitFor([&] {
            return playing(page.pane(0)) && playing(page.pane(1)) && playing(page.pane(2)) && playing(page.pane(3));
        }));
        page.setLayoutCount(1);
        for (int i = 1; i < 4; ++i) {
            QCOMPARE(page.pane(i)->state(), VideoPreviewPane::State::Idle);
            QCOMPARE(page.parkedUrl(i), i % 2 ? m_urlB : m_urlA);
        }
        QCOMPARE(page.pane(0)->url(), m_urlA); // the pane on screen keeps playing
        page.setLayoutCount(4);
        for (int i = 1; i < 4; ++i) {
            VideoPreviewPane *pane = page.pane(i);
            QVERIFY2(waitFor([&] { return playing(pane); }), qPrintable(QString::number(i)));
            QCOMPARE(pane->deviceKey(), QStringLiteral("k%1").arg(i));
            QCOMPARE(pane->title(), QStringLiteral("T%1").arg(i));
        }
        page.stopAll();
    }

    void choosingAPane()
    {
        MainViewVideoPreview page;
        page.resize(800, 600);
        page.show();
        VideoPreviewPlayController *controller = page.controller();
        controller->setRestartDelayMs(0);

        page.selectPane(page.pane(2));
        QCOMPARE(page.choosePane(QStringLiteral("x")), page.pane(2));
        controller->play(page.pane(2), m_urlA, QStringLiteral("a"), QStringLiteral("A"));
        // A key already on screen goes to its pane; the selected pane is busy,
        // so another key takes the first free one.
        QCOMPARE(page.choosePane(QStringLiteral("a")), page.pane(2));
        QCOMPARE(page.choosePane(QStringLiteral("x")), page.pane(0));
        QCOMPARE(page.panesOf(QStringLiteral("a")), QList<VideoPreviewPane *>{page.pane(2)});

        // Leaving the 4-pane layout for one pane ends the streams left off screen.
        page.setLayoutCount(1);
        QCOMPARE(page.selectedPane(), page.pane(0));
        waitOutThePause(controller);
        QCOMPARE(page.pane(2)->state(), VideoPreviewPane::State::Idle);
        QVERIFY(page.panesOf(QStringLiteral("a")).isEmpty());
        page.setLayoutCount(3);
        QCOMPARE(page.layoutCount(), 1);
        page.stopAll();
    }
};

QTEST_MAIN(TestLivePanes)
#include "tst_livepanes.moc"
