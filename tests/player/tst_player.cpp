#include "FFmpegPlayer.h"
#include "I420Render2.h"
#include "OpenGLRender.h"
#include "SignalsHelper.h"
#include "SimplePlayer.h"
#include "TestMedia.h"
#include "../support/QueuedSpy.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMutex>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QDeadlineTimer>
#include <QtTest>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>

using testmedia::RtspServer;

// Holds a player's decoder on one picture, before the picture waits for its
// time, until the test lets it go: the player is then late, as on a loaded
// machine, by as long as the test likes.
class DecoderGate
{
public:
    explicit DecoderGate(qint64 holdAtMs)
        : m_at(holdAtMs)
    {
    }
    std::function<void(qint64)> hook()
    {
        return [this](qint64 ptsMs) {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (ptsMs != m_at || m_open)
                return;
            m_holding = true;
            m_cond.wait(lock, [this] { return m_open; });
            m_holding = false;
        };
    }
    bool holding()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_holding;
    }
    void open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_cond.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    qint64 m_at;
    bool m_holding = false;
    bool m_open = false;
};

// The pictures a player hands out, logged on the decoder's own thread as it
// hands each one out and lets go of it at once: a test thread held up by a
// loaded machine then never leaves the decoder without room for its next
// picture, which it would skip (a busy receiver gets none instead of a pile).
class DecoderSideLog
{
public:
    explicit DecoderSideLog(FFmpegPlayer *p)
    {
        QObject::connect(
            p, &FFmpegPlayer::emitFrame, &m_context,
            [this](const std::shared_ptr<AVFrame> &, qint64 ms) {
                QMutexLocker lock(&m_mutex);
                m_pts.append(ms);
            },
            Qt::DirectConnection);
    }
    int count() const
    {
        QMutexLocker lock(&m_mutex);
        return m_pts.size();
    }
    QVector<qint64> pts() const
    {
        QMutexLocker lock(&m_mutex);
        return m_pts;
    }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_pts.clear();
    }

private:
    QObject m_context;
    mutable QMutex m_mutex;
    QVector<qint64> m_pts;
};

static QString ptsText(const QVector<qint64> &pts)
{
    QStringList parts;
    for (qint64 ms : pts)
        parts << QString::number(ms);
    return parts.join(QLatin1Char(' '));
}

class TestPlayer : public QObject
{
    Q_OBJECT
private:
    QString m_h264, m_h265, m_long;
    RtspServer m_server;

    // Stops the player the way its owners do: the thread ends, whatever it
    // was blocked on. How soon is a speed goal, left to the benchmarks: the
    // bound here only keeps a hung thread from hanging the test.
    void stopPrompt(FFmpegPlayer &p)
    {
        p.stop();
        QVERIFY(p.wait(StopBoundMs));
    }

    // The preview player's stop only asks; the thread then ends by itself.
    void stopPrompt(SimplePlayer &sp)
    {
        QVERIFY(sp.stop());
        QVERIFY(sp.wait(StopBoundMs));
    }

    static constexpr int StopBoundMs = 10000;

    // True once the count of pictures has stayed still while a witness
    // stream showed a dozen: the player is stuck on its frozen server.
    bool frozenOut(const std::function<int()> &shown)
    {
        testmedia::Witness<FFmpegPlayer> witness(m_long);
        for (int tries = 0; tries < 20; ++tries) {
            const int before = shown();
            if (!witness.pictures(12))
                return false;
            if (shown() == before)
                return true;
        }
        return false;
    }

    // The long clip from a server of the test's own, which the test then
    // stops or freezes under the playing player.
    bool playOwnLong(RtspServer &server, FFmpegPlayer &p, const testmedia::FrameLog &frames)
    {
        if (!server.start({"/long=" + m_long}))
            return false;
        p.setPlayUrl(server.url("/long"));
        p.play();
        return QTest::qWaitFor([&frames]() { return frames.count() > 5; }, 8000);
    }

private slots:
    void initTestCase()
    {
        player::registerMetaTypes();
        m_h264 = testmedia::makeClip("h264.mp4", "h264", 4);
        m_h265 = testmedia::makeClip("h265.mp4", "h265", 4);
        m_long = testmedia::makeClip("long.mp4", "h264", 20);
        QVERIFY(!m_h264.isEmpty() && !m_h265.isEmpty() && !m_long.isEmpty());
        QVERIFY(m_server.start({"/h264=" + m_h264, "/h265=" + m_h265 + ":h265", "/long=" + m_long}));
    }

    void livePlay_data()
    {
        QTest::addColumn<QString>("mount");
        QTest::addColumn<bool>("hardware");
        QTest::newRow("h264") << "/h264" << false;
        QTest::newRow("h265") << "/h265" << false;
        // No GPU here: asking for hardware decoding must fall back silently.
        QTest::newRow("h264-hw-request") << "/h264" << true;
    }
    void livePlay()
    {
        QFETCH(QString, mount);
        QFETCH(bool, hardware);
        FFmpegPlayer p;
        p.setHardwareDecode(hardware);
        p.setPlayUrl(m_server.url(mount));
        testmedia::FrameLog frames(&p);
        QueuedSpy errors(&p, &FFmpegPlayer::emitPlayerError);
        QElapsedTimer t;
        t.start();
        QVERIFY(p.play());
        QVERIFY(!p.play());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 10, 8000);
        qInfo() << "first frames after" << t.elapsed() << "ms";
        QCOMPARE(errors.count(), 0);
        QCOMPARE(frames.size, QSize(320, 240));
        QVERIFY(frames.format == AV_PIX_FMT_YUV420P || frames.format == AV_PIX_FMT_YUVJ420P);
        stopPrompt(p);
    }

    void softwareRendererChoosesQPainter_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
        QTest::newRow("softpipe") << "Softpipe" << true;
        QTest::newRow("swrast") << "Mesa DRI swrast" << true;
        QTest::newRow("windows") << "GDI Generic" << true;
        QTest::newRow("intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
        QTest::newRow("nvidia") << "NVIDIA GeForce GTX 1060/PCIe/SSE2" << false;
        QTest::newRow("unknown") << "" << false;
    }

    void softwareRendererChoosesQPainter()
    {
        QFETCH(QString, renderer);
        QFETCH(bool, software);
        QCOMPARE(I420Render2::isSoftwareRenderer(renderer), software);
    }

    void rendererShowsFrames()
    {
        FFmpegPlayer p;
        I420Render2 render;
        render.resize(320, 240);
        render.show();
        connect(&p, &FFmpegPlayer::emitFrame, &render, &I420Render2::onFrame);
        p.setPlayUrl(m_server.url("/h264"));
        p.play();
        QTRY_VERIFY_WITH_TIMEOUT(render.framesReceived() >= 5, 8000);
        QTRY_VERIFY_WITH_TIMEOUT(render.framesPainted() >= 1, 3000);
        QCOMPARE(render.frameSize(), QSize(320, 240));
        qInfo() << "renderer uses OpenGL:" << render.usesOpenGL();
        render.setRenderEnabled(false);
        QVERIFY(!render.currentFrame());
        stopPrompt(p);
    }

    void snapshot()
    {
        FFmpegPlayer p;
        p.setPlayUrl(m_server.url("/h264"));
        QueuedSpy capture(&p, &FFmpegPlayer::emitCaptureResult);
        const QString path = QDir::current().filePath("snap/shot.jpg");
        p.play();
        p.setKey(path);
        p.setKey(QDir::current().filePath("ignored.jpg")); // one request at a time
        QTRY_COMPARE_WITH_TIMEOUT(capture.count(), 1, 8000);
        QCOMPARE(capture.first().at(0).toBool(), true);
        QCOMPARE(capture.first().at(1).toString(), path);
        QImage img(path);
        QCOMPARE(img.size(), QSize(320, 240));
        QVERIFY(!QFile::exists(QDir::current().filePath("ignored.jpg")));
        stopPrompt(p);
    }

    void wrongCredentials_data()
    {
        QTest::addColumn<bool>("digest");
        QTest::newRow("basic") << false;
        QTest::newRow("digest") << true;
    }
    void wrongCredentials()
    {
        QFETCH(bool, digest);
        RtspServer secured;
        QVERIFY(secured.start({"/s=" + m_h264}, "admin", "secret", digest));
        {
            FFmpegPlayer good;
            good.setPlayUrl(secured.url("/s", "admin:secret"));
            testmedia::FrameLog frames(&good);
            good.play();
            QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 0, 8000);
            stopPrompt(good);
        }
        // What FFmpeg says itself goes to the client's log, not the terminal.
        static QMutex saidMutex;
        static QStringList said;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
                QMutexLocker lock(&saidMutex);
                said << message;
            });
        player::routeFFmpegLog();
        FFmpegPlayer bad;
        bad.setPlayUrl(secured.url("/s", "admin:wrong"));
        QueuedSpy errors(&bad, &FFmpegPlayer::emitPlayerError);
        testmedia::FrameLog frames(&bad);
        bad.play();
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 6000);
        QCOMPARE(errors.first().at(1).toInt(), int(player::ErrOpenFailed));
        // The address travels with the error, the logs only see it masked.
        QVERIFY(!player::maskUrl(errors.first().at(0).toString()).contains("wrong"));
        QCOMPARE(frames.count(), 0);
        QVERIFY(bad.wait(2000));
        qInstallMessageHandler(previous);
        QMutexLocker lock(&saidMutex);
        const QStringList ffmpeg = said.filter(QRegularExpression("^FFmpeg: \\[rtsp @ 0x[0-9a-f]+\\] .*401"));
        QVERIFY2(!ffmpeg.isEmpty(), qPrintable(said.join('\n')));
        QCOMPARE(said.filter("wrong"), QStringList());
        said.clear();
    }

    void serverStopsMidStream()
    {
        RtspServer server;
        FFmpegPlayer p;
        testmedia::FrameLog frames(&p);
        QueuedSpy errors(&p, &FFmpegPlayer::emitPlayerError);
        QVERIFY(playOwnLong(server, p, frames));
        server.stopStreams();
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 20000);
        stopPrompt(p);
    }

    void frozenStreamReported()
    {
        // The connection stays up but nothing arrives: reported after 5 s
        // instead of freezing on the last picture.
        RtspServer server;
        FFmpegPlayer p;
        testmedia::FrameLog frames(&p);
        QueuedSpy errors(&p, &FFmpegPlayer::emitPlayerError);
        QVERIFY(playOwnLong(server, p, frames));
        QElapsedTimer t;
        t.start();
        server.freeze();
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 20000);
        server.thaw();
        // Not before the stall time (a loaded machine only makes it later).
        QVERIFY2(t.elapsed() >= 4500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(errors.first().at(1).toInt(), int(player::ErrNoFrames));
        stopPrompt(p);
    }

    void stopWhileFrozen()
    {
        RtspServer server;
        FFmpegPlayer p;
        testmedia::FrameLog frames(&p);
        QVERIFY(playOwnLong(server, p, frames));
        server.freeze();
        // The read blocks once what was in flight is used up: the frames stop
        // while a witness stream goes on.
        QVERIFY(frozenOut([&] { return int(frames.count()); }));
        stopPrompt(p); // the blocked read gives way to the stop flag
        server.thaw();
    }

    void stalledServerReported()
    {
        // A server that accepts but never answers: the open must give up and
        // stop() must not wait for it.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        FFmpegPlayer p;
        p.setPlayUrl(QStringLiteral("rtsp://127.0.0.1:%1/x").arg(silent.serverPort()));
        p.play();
        // Stopped while the open waits for an answer to its first request.
        QTRY_VERIFY_WITH_TIMEOUT(silent.hasPendingConnections(), 10000);
        QTcpSocket *asked = silent.nextPendingConnection();
        QTRY_VERIFY_WITH_TIMEOUT(asked->bytesAvailable() > 0, 10000);
        stopPrompt(p);
    }

    void filePlaysToEnd()
    {
        FFmpegPlayer p;
        p.setPlayUrl(m_h264);
        QueuedSpy opened(&p, &FFmpegPlayer::emitOpened);
        testmedia::FrameLog frames(&p);
        QueuedSpy finished(&p, &FFmpegPlayer::emitPlayFinished);
        QElapsedTimer t;
        t.start();
        p.setSpeed(2.0f);
        p.play();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 8000);
        // Paced by the timestamps at twice the speed: about 2 s for 4 s. It
        // cannot end sooner; a loaded machine only makes it later.
        QVERIFY2(t.elapsed() > 1500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(opened.count(), 1);
        QVERIFY(qAbs(opened.first().at(2).toLongLong() - 4000) < 100);
        // Every picture is decoded; one the display has not taken yet is
        // skipped (a busy GUI thread holds frames), so what arrives is what
        // the decoder showed, in order.
        QCOMPARE(p.framesDecoded(), qint64(100));
        QTRY_COMPARE(qint64(frames.count()), p.framesShown());
        QVERIFY(frames.count() > 0 && frames.count() <= 100);
        QVERIFY(std::is_sorted(frames.pts.cbegin(), frames.pts.cend()));
        QCOMPARE(finished.first().first().toString(), m_h264);
        stopPrompt(p);
    }

    // Slow frames, slow speeds and pauses hold the reader back on a full
    // decoder queue (kept small here so that it is full nearly all the time):
    // every picture of the file is still decoded and shown, in order, to the
    // last one. So too when the decoder was late at the pause (held on its
    // third picture while the witness shows `late` pictures, as a loaded
    // machine holds it): the pictures it owes are not all due at the resume.
    // The pictures are counted as the decoder hands them out, whatever the
    // test's own thread is up to.
    void filePlaysWhole_data()
    {
        QTest::addColumn<int>("fps");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<double>("speed");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<int>("late");
        QTest::newRow("10 fps, 1x") << 10 << 3 << 1.0 << false << 0;
        QTest::newRow("10 fps, 0.5x") << 10 << 3 << 0.5 << false << 0;
        QTest::newRow("10 fps, paused") << 10 << 3 << 1.0 << true << 0;
        QTest::newRow("10 fps, paused late") << 10 << 3 << 1.0 << true << 50;
        QTest::newRow("2 fps, 1x") << 2 << 5 << 1.0 << false << 0;
        QTest::newRow("2 fps, 0.5x") << 2 << 5 << 0.5 << false << 0;
        QTest::newRow("2 fps, paused") << 2 << 5 << 1.0 << true << 0;
        QTest::newRow("2 fps, paused late") << 2 << 5 << 1.0 << true << 100;
    }
    void filePlaysWhole()
    {
        QFETCH(int, fps);
        QFETCH(int, seconds);
        QFETCH(double, speed);
        QFETCH(bool, pause);
        QFETCH(int, late);
        const QString clip =
            testmedia::makeClip(QStringLiteral("whole_%1fps.mp4").arg(fps), "h264", seconds, 160, 120, fps);
        QVERIFY(!clip.isEmpty());
        const int expected = testmedia::probeFrames(clip);
        QCOMPARE(expected, fps * seconds);
        DecoderGate gate(late > 0 ? 3 * 1000 / fps : -1);
        FFmpegPlayer p;
        // A failed check must not leave the decoder held: the player ends first.
        auto release = qScopeGuard([&gate] { gate.open(); });
        // One decoding thread: frame threads would swallow a short file whole.
        p.setDecodeThreads(1);
        p.setVideoQueueCapacity(4);
        p.setSpeed(float(speed));
        p.setPlayUrl(clip);
        p.setBeforePacing(gate.hook());
        DecoderSideLog frames(&p);
        QueuedSpy finished(&p, &FFmpegPlayer::emitPlayFinished);
        p.play();
        if (pause) {
            testmedia::Witness<FFmpegPlayer> witness(m_long);
            QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 8000);
            if (late > 0) {
                QTRY_VERIFY_WITH_TIMEOUT(gate.holding(), 8000);
                QVERIFY(witness.pictures(late)); // the clock runs on meanwhile
            }
            p.pause();
            gate.open();
            QVERIFY(witness.pictures(3)); // a picture already due may still come
            QTRY_COMPARE(qint64(frames.count()), p.framesShown());
            const int held = frames.count();
            QVERIFY(witness.pictures(15)); // the pause itself: the reader waits all along
            QCOMPARE(frames.count(), held);
            p.resume();
        }
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, int(seconds / speed * 1000) + 30000);
        QCOMPARE(p.framesDecoded(), qint64(expected));
        QTRY_COMPARE(qint64(frames.count()), p.framesShown());
        QCOMPARE(frames.count(), expected);
        const QVector<qint64> pts = frames.pts();
        for (int i = 0; i < pts.size(); ++i)
            QCOMPARE(pts.at(i), qint64(i) * 1000 / fps);
        stopPrompt(p);
    }

    // A receiver that keeps every picture it is given (the slowest display
    // there is) holds two: the one it shows and the one on its way. The
    // player decodes on meanwhile; once the receiver lets go, the pictures
    // it gets are new ones, not a backlog. A paused file's next picture
    // waits for room for as long as the receiver keeps them: a stop still
    // ends it.
    void picturesOutBounded_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("stopWhileWaiting");
        QTest::newRow("file") << false << false;
        QTest::newRow("live") << true << false;
        QTest::newRow("file, stopped while waiting for room") << false << true;
    }
    void picturesOutBounded()
    {
        QFETCH(bool, live);
        QFETCH(bool, stopWhileWaiting);
        FFmpegPlayer p;
        p.setPlayUrl(live ? m_server.url("/long") : m_long);
        QVector<std::shared_ptr<AVFrame>> kept;
        QVector<qint64> keptPts;
        connect(&p, &FFmpegPlayer::emitFrame, this, [&](std::shared_ptr<AVFrame> f, qint64 ms) {
            if (!f)
                return;
            kept.append(std::move(f));
            keptPts.append(ms);
        });
        p.play();
        QTRY_VERIFY_WITH_TIMEOUT(kept.size() >= 2, 8000);
        if (stopWhileWaiting) {
            p.pause();
            testmedia::Witness<FFmpegPlayer> witness(m_long);
            QVERIFY(witness.pictures(5));
            const qint64 decoded = p.framesDecoded();
            QVERIFY(witness.pictures(12));
            QCOMPARE(p.framesDecoded(), decoded); // held by the picture that waits
            stopPrompt(p);
            QCOMPARE(kept.size(), 2);
            kept.clear();
            return;
        }
        const qint64 decoded = p.framesDecoded();
        QTRY_VERIFY_WITH_TIMEOUT(p.framesDecoded() >= decoded + 25, 10000);
        QCOMPARE(kept.size(), 2);
        const qint64 before = keptPts.last();
        kept.clear();
        keptPts.clear();
        QTRY_COMPARE_WITH_TIMEOUT(kept.size(), 2, 8000);
        QVERIFY2(keptPts.first() > before + 500, qPrintable(ptsText(keptPts)));
        kept.clear(); // let go before the player ends
        stopPrompt(p);
    }

    // A busy GUI takes each picture late (it holds the new one a while
    // before the pane lets go of the one it shows), though well within a
    // picture's interval. A recorded picture waits for room, so every one
    // of the clip reaches the pane, in order, whether read from a file or
    // pushed by a device; a live picture is not waited for: the stream
    // comes faster than this GUI takes it, and the pictures without room
    // are dropped.
    void slowGuiTakesRecordedPictures_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("file") << "file";
        QTest::newRow("pushed recording") << "pushed";
        QTest::newRow("live") << "live";
    }
    void slowGuiTakesRecordedPictures()
    {
        QFETCH(QString, source);
        const int fps = 2;
        const QString clip = testmedia::makeClip(QStringLiteral("whole_2fps.mp4"), "h264", 5, 160, 120, fps);
        QVERIFY(!clip.isEmpty());
        FFmpegPlayer p;
        if (source == "pushed") {
            p.setCustomIo(true);
            p.setVideoCodec(false);
            for (const testmedia::AnnexBFrame &f : testmedia::annexBFrames(clip))
                p.pushData(f.data.constData(), f.data.size(), f.ms);
        } else {
            p.setPlayUrl(source == "live" ? m_server.url("/long") : clip);
        }
        std::shared_ptr<AVFrame> shown;
        QVector<qint64> pts;
        QObject gui; // ends first: no picture still queued reaches the ended test
        const int expected = 5 * fps;
        connect(&p, &FFmpegPlayer::emitFrame, &gui, [&](std::shared_ptr<AVFrame> f, qint64 ms) {
            // The other panes' work, the new picture in hand: the pane lets
            // go of the one it shows only once the next picture was decoded
            // and looks for room (none after the clip's last).
            // A recorded clip loses none, so picture k+1 is the (k+2)th decoded.
            const qint64 next = source == "live" ? p.framesDecoded() + 1 : pts.size() + 2;
            const QDeadlineTimer bound(10000);
            while (p.framesDecoded() < next && (source == "live" || next <= expected) && !bound.hasExpired())
                QThread::yieldCurrentThread();
            shown = std::move(f);
            pts.append(ms);
        });
        p.play();
        if (source == "live") {
            QTRY_VERIFY_WITH_TIMEOUT(p.framesDecoded() >= 50, 20000);
            QVERIFY2(p.framesShown() < p.framesDecoded() - 10,
                     qPrintable(QStringLiteral("%1 of %2").arg(p.framesShown()).arg(p.framesDecoded())));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(p.framesDecoded(), qint64(expected), 30000);
            QTRY_COMPARE_WITH_TIMEOUT(pts.size(), expected, 10000);
            QCOMPARE(p.framesShown(), qint64(expected));
            for (int i = 0; i < expected; ++i)
                QCOMPARE(pts.at(i), qint64(i) * 1000 / fps);
        }
        shown.reset(); // let go before the player ends
        stopPrompt(p);
    }

    // While the reader waits on a full queue of a paused pane, a seek and a
    // stop still take effect at once. The pictures are counted as the
    // decoder hands them out: one the test's own thread, busy on a loaded
    // machine, has not taken in time is skipped by design.
    void readerWaitGivesWayToSeekAndStop()
    {
        const QString clip = testmedia::makeClip(QStringLiteral("whole_10fps.mp4"), "h264", 3, 160, 120, 10);
        QVERIFY(!clip.isEmpty());
        FFmpegPlayer p;
        p.setVideoQueueCapacity(4);
        p.setPlayUrl(clip);
        DecoderSideLog frames(&p);
        QueuedSpy finished(&p, &FFmpegPlayer::emitPlayFinished);
        p.play();
        testmedia::Witness<FFmpegPlayer> witness(m_long);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 8000);
        p.pause();
        QVERIFY(witness.pictures(8)); // the reader fills the queue and waits
        QTRY_COMPARE(qint64(frames.count()), p.framesShown());
        const qint64 shownBefore = p.framesShown();
        frames.clear();
        p.seek(2000);
        p.resume();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        // The end signal can overtake the last pictures: every one handed out arrives.
        QTRY_COMPARE(shownBefore + frames.count(), p.framesShown());
        // From the target on, every picture to the last. A picture decoded
        // before the seek reached the reader may still be shown first (on a
        // loaded machine the seek can take longer than the pause above).
        QVector<qint64> shown = frames.pts();
        while (!shown.isEmpty() && shown.first() < 2000)
            shown.removeFirst();
        QVERIFY2(shown == (QVector<qint64>{2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900}),
                 qPrintable(ptsText(frames.pts())));
        stopPrompt(p);

        FFmpegPlayer waiting;
        waiting.setVideoQueueCapacity(4);
        waiting.setPlayUrl(clip);
        testmedia::FrameLog first(&waiting);
        waiting.play();
        QTRY_VERIFY_WITH_TIMEOUT(first.count() >= 1, 8000);
        waiting.pause();
        testmedia::Witness<FFmpegPlayer> later(m_long);
        QVERIFY(later.pictures(8)); // the reader fills the queue and waits
        stopPrompt(waiting);
    }

    void pauseHoldsAndSeekLands()
    {
        FFmpegPlayer p;
        p.setPlayUrl(m_long);
        testmedia::FrameLog frames(&p);
        testmedia::Witness<FFmpegPlayer> witness(m_long);
        p.play();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 3, 5000);
        p.pause();
        QVERIFY(p.isPaused());
        QVERIFY(witness.pictures(5)); // a picture already due may still come
        QTRY_COMPARE(qint64(frames.count()), p.framesShown());
        const int held = frames.count();
        QVERIFY(witness.pictures(12));
        QCOMPARE(frames.count(), held);
        p.resume();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > held, 2000);
        frames.clear();
        p.seek(12000);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 0, 3000);
        // Stale frames before the seek may still arrive; the first after must be at the target.
        QTRY_VERIFY_WITH_TIMEOUT(frames.pts.last() >= 12000, 3000);
        for (qint64 pts : frames.pts)
            if (pts >= 12000) {
                QVERIFY2(pts < 12300, qPrintable(QString::number(pts)));
                break;
            }
        stopPrompt(p);
    }

    void audioOnlyFilePlays()
    {
        // The audio prompt of the alarm linkage: no video, maybe no sound device.
        const QString wav = QDir::current().filePath("prompt.wav");
        QProcess gen;
        gen.start("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=800:duration=1", wav});
        QVERIFY(gen.waitForFinished(30000) && gen.exitCode() == 0);
        FFmpegPlayer p;
        p.setHardwareDecode(false);
        p.setPlayUrl(wav);
        QueuedSpy finished(&p, &FFmpegPlayer::emitPlayFinished);
        QueuedSpy errors(&p, &FFmpegPlayer::emitPlayerError);
        p.play();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(errors.count(), 0);
        stopPrompt(p);
    }

    void missingFileIsAnError()
    {
        FFmpegPlayer p;
        p.setPlayUrl(QDir::current().filePath("nope.mp4"));
        QueuedSpy errors(&p, &FFmpegPlayer::emitPlayerError);
        p.play();
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 3000);
        QVERIFY(p.wait(2000));
    }

    void simplePlayerFeedsPreview()
    {
        SimplePlayer sp;
        const QString url = m_server.url("/h264");
        OpenGLRender match, other;
        match.setStreamKey(url);
        other.setStreamKey(url + "x");
        QCOMPARE(match.property("streamKey").toString(), url);
        connect(&sp, &SimplePlayer::emitRecvImg, SignalsHelper::instance(), &SignalsHelper::signalRecvImage);
        QueuedSpy errors(&sp, &SimplePlayer::emitPlayerError);
        sp.setPlayUrl(url);
        QVERIFY(sp.play());
        QTRY_VERIFY_WITH_TIMEOUT(match.framesReceived() >= 5, 8000);
        QCOMPARE(other.framesReceived(), qint64(0));
        QCOMPARE(match.frameSize(), QSize(320, 240));
        stopPrompt(sp);
        QCOMPARE(errors.count(), 0);
        // Frames still queued when the player is gone stay valid.
        QCoreApplication::processEvents();
        match.clear();
        QVERIFY(match.streamKey().isEmpty());
        QVERIFY(!match.currentFrame());
    }

    // A receiver on another thread whose deliveries wait behind a busy event
    // loop still reads valid pictures (the sanitizer build catches a freed one).
    void previewFramesOutliveQueuedReceivers()
    {
        QThread worker;
        QObject receiver;
        receiver.moveToThread(&worker);
        worker.start();
        // A failed check must not leave the thread running.
        auto stopWorker = qScopeGuard([&worker] {
            worker.quit();
            worker.wait();
        });
        std::atomic_int valid{0};
        SimplePlayer sp;
        connect(
            &sp, &SimplePlayer::emitRecvImg, &receiver,
            [&valid](QString, AVFrame *f, int) {
                int sum = 0;
                for (int x = 0; x < f->width; ++x)
                    sum += f->data[0][x];
                valid += f->width == 320 && sum > 0;
            },
            Qt::QueuedConnection);
        QMetaObject::invokeMethod(
            &receiver, [] { QThread::msleep(1500); }, Qt::QueuedConnection);
        sp.setPlayUrl(m_server.url("/h264"));
        QVERIFY(sp.play());
        QTRY_VERIFY_WITH_TIMEOUT(valid.load() >= 5, 10000);
        stopPrompt(sp);
        worker.quit();
        QVERIFY(worker.wait(5000));
    }

    void simplePlayerStopsWhileFrozen()
    {
        RtspServer server;
        QVERIFY(server.start({"/long=" + m_long}));
        SimplePlayer sp;
        QueuedSpy frames(&sp, &SimplePlayer::emitRecvImg);
        sp.setPlayUrl(server.url("/long"));
        sp.play();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 3, 8000);
        server.freeze();
        QVERIFY(frozenOut([&] { return int(frames.count()); }));
        stopPrompt(sp);
        server.thaw();
    }

    void simplePlayerReportsBreak()
    {
        RtspServer server;
        QVERIFY(server.start({"/long=" + m_long}));
        SimplePlayer sp;
        QueuedSpy errors(&sp, &SimplePlayer::emitPlayerError);
        QueuedSpy frames(&sp, &SimplePlayer::emitRecvImg);
        sp.setPlayUrl(server.url("/long"));
        sp.play();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 3, 8000);
        server.stopStreams();
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 6000);
        QCOMPARE(errors.first().at(0).toString(), server.url("/long"));
    }
};

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
