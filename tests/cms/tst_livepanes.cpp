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

#include <QTcpServer>
#include <QtTest>

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

} // namespace

class TestLivePanes : public QObject
{
    Q_OBJECT

    testmedia::RtspServer m_rtsp;
    QString m_urlA;
    QString m_urlB;

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

        QElapsedTimer clock;
        clock.start();
        controller.play(&pane, m_urlB, QStringLiteral("b"), QStringLiteral("B"));
        QCOMPARE(pane.state(), VideoPreviewPane::State::Idle);
        QVERIFY(!pane.renderer()->currentFrame());
        // A second request for the address being started changes nothing.
        controller.play(&pane, m_urlB, QStringLiteral("b"), QStringLiteral("B"));
        QVERIFY(waitFor([&] { return pane.state() != VideoPreviewPane::State::Idle; }));
        QVERIFY2(clock.elapsed() >= 190, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(waitFor([&] { return playing(&pane); }));
        QCOMPARE(pane.url(), m_urlB);
        QCOMPARE(pane.deviceKey(), QStringLiteral("b"));
    }

    void stopDuringThePauseCancelsTheStart()
    {
        VideoPreviewPane pane(0);
        VideoPreviewPlayController controller;
        controller.play(&pane, m_urlA, QStringLiteral("a"), QStringLiteral("A"));
        QTest::qWait(50);
        controller.stop(&pane);
        QTest::qWait(400);
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
        QCOMPARE(pane.statusText(), VideoPreviewPane::tr("Play failed"));
        QCOMPARE(pane.title(), QStringLiteral("X"));
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
        QCOMPARE(page.panesOf(QStringLiteral("a")), QList<VideoPreviewPane *> {page.pane(2)});

        // Leaving the 4-pane layout for one pane ends the streams left off screen.
        page.setLayoutCount(1);
        QCOMPARE(page.selectedPane(), page.pane(0));
        QTest::qWait(50);
        QCOMPARE(page.pane(2)->state(), VideoPreviewPane::State::Idle);
        QVERIFY(page.panesOf(QStringLiteral("a")).isEmpty());
        page.setLayoutCount(3);
        QCOMPARE(page.layoutCount(), 1);
        page.stopAll();
    }
};

QTEST_MAIN(TestLivePanes)
#include "tst_livepanes.moc"
