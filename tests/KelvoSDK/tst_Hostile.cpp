// Hostile peers against the facade: whatever a device sends, what the client
// holds stays bounded, no data of a lossless stream is dropped, and the
// session keeps delivering replies (or reconnects when it gets none).

#include "DataProcessor.h"
#include "SdkTestSupport.h"
#include "SimHostile.h"

#include <QSemaphore>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

constexpr qint64 QueueBytes = 2 * 1024 * 1024;
constexpr int QueueFrames = 200;
constexpr qint64 Backlog = 256 * 1024;

QHostAddress ownLoopback()
{
    static quint32 n = 0;
    return QHostAddress((127u << 24) | ((43u << 16) + ++n));
}

// Runs f on the thread of context and hands back what it returns. Waits on
// a lock of its own rather than on Qt's blocking call, whose hand-back a
// thread checker cannot see.
template <class F> auto onThreadOf(QObject *context, F f) -> decltype(f())
{
    if (context->thread() == QThread::currentThread())
        return f();
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    decltype(f()) result{};
    QMetaObject::invokeMethod(context, [&] {
        auto value = f();
        std::lock_guard<std::mutex> lock(mutex);
        result = value;
        finished = true;
        done.notify_one();
    });
    std::unique_lock<std::mutex> lock(mutex);
    done.wait(lock, [&] { return finished; });
    return result;
}

} // namespace

Q_DECLARE_METATYPE(SimHostile::Mode)

class TestHostile : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_dev;
    loginDev m_key;
    // The device's own thread, when it has one, and an object living there
    // to run its calls on.
    QThread *m_deviceThread = nullptr;
    QObject *m_deviceSide = nullptr;

    // ownThread: the device sends from a thread of its own, so the session's
    // thread can be held while the device goes on writing.
    TcpClient *connectPeer(FacadeRecorder &rec, bool ownThread = false)
    {
        m_dev = std::make_unique<SimDevice>(SimDevice::Nvr);
        m_deviceSide = new QObject;
        if (ownThread) {
            m_deviceThread = new QThread;
            m_deviceThread->start();
            m_dev->moveToThread(m_deviceThread);
            m_deviceSide->moveToThread(m_deviceThread);
        }
        const QHostAddress address = ownLoopback();
        if (!onThreadOf(m_deviceSide, [&] { return m_dev->listen(address); }))
            return nullptr;
        m_key = m_dev->loginKey(1);
        KelvoSDKHelper::instance()->connectDev(m_key);
        if (!QTest::qWaitFor([&] { return rec.connectCount(m_key.ip) > 0; }, 10000))
            return nullptr;
        return KelvoSDKHelper::instance()->session(m_key);
    }

private slots:
    void initTestCase()
    {
        registerKelvoMetaTypes();
        SdkTimings t = fastTimings();
        t.heartbeatIntervalMs = 60000; // only the test that wants it starts one
        t.streamQueueMaxBytes = QueueBytes;
        t.streamQueueMaxFrames = QueueFrames;
        t.workerBacklogMaxBytes = Backlog;
        KelvoSDKHelper::instance()->setTimings(t);
    }

    void cleanup()
    {
        const bool gone = logoutAndWait({m_key});
        if (m_deviceSide)
            onThreadOf(m_deviceSide, [this] { return m_dev.reset(), true; });
        m_dev.reset();
        if (m_deviceThread) {
            m_deviceThread->quit();
            m_deviceThread->wait();
        }
        delete m_deviceSide;
        m_deviceSide = nullptr;
        delete m_deviceThread;
        m_deviceThread = nullptr;
        QVERIFY(gone);
    }

    void floodsStayBounded_data()
    {
        QTest::addColumn<SimHostile::Mode>("mode");
        QTest::addColumn<qint64>("messages");
        QTest::addColumn<int>("holds");
        QTest::newRow("endless middle fragments") << SimHostile::EndlessMiddle << qint64(2000) << 0;
        QTest::newRow("stuck 8 MB header") << SimHostile::StuckHeader << qint64(1) << 0;
        QTest::newRow("small frames faster than the pace") << SimHostile::StreamFlood << qint64(20000) << 0;
        QTest::newRow("big frames faster than the pace") << SimHostile::BigFrameFlood << qint64(400) << 0;
        QTest::newRow("download, lossless under back-pressure") << SimHostile::DownloadFlood << qint64(5000) << 0;
        // The session's thread held (as a database wait holds it) each time
        // its reads are paused, for many times the bound of a frame's wait,
        // while the device goes on sending from a thread of its own: the
        // client left the frame's rest unread, so nothing is given up; and a
        // frame the device never ends is given up all the same afterwards.
        QTest::newRow("download, session held while reads are paused")
            << SimHostile::DownloadFlood << qint64(5000) << 3;
    }

    void floodsStayBounded()
    {
        QFETCH(SimHostile::Mode, mode);
        QFETCH(qint64, messages);
        QFETCH(int, holds);
        FacadeRecorder rec;
        TcpClient *session = connectPeer(rec, holds > 0);
        QVERIFY(session);
        DataProcessor *worker = session->worker();
        const int holdMs = 8 * worker->limits().stalledFrameMs;

        qint64 maxReassembly = 0, maxQueueBytes = 0, maxBacklog = 0, maxQueueFrames = 0;
        int held = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            maxReassembly = qMax(maxReassembly, worker->reassemblyBytes());
            maxQueueBytes = qMax(maxQueueBytes, worker->streamQueueBytes());
            maxQueueFrames = qMax<qint64>(maxQueueFrames, worker->streamQueueLength());
            maxBacklog = qMax(maxBacklog, worker->backlogBytes());
            if (held < holds && session->readingPaused()) {
                ++held;
                QThread::msleep(ulong(holdMs));
            }
        });
        sampler.start(1);

        // A consumer slower than the peer: only back-pressure keeps what waits for it bounded.
        QMetaObject::Connection slow =
            connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, [](const RecvInfo &info) {
                QElapsedTimer spin;
                spin.start();
                while (!info.data.isEmpty() && spin.nsecsElapsed() < 100000) {
                }
            });
        SimHostile *hostile = onThreadOf(m_deviceSide, [this] {
            auto *h = new SimHostile(m_dev.get(), m_dev.get());
            h->setBurstGapMs(m_deviceThread ? 1 : 0);
            return h;
        });
        const auto sent = [&] { return onThreadOf(m_deviceSide, [hostile] { return hostile->messagesSent(); }); };
        onThreadOf(m_deviceSide, [&] { return hostile->start(mode, messages), true; });
        QTRY_COMPARE_WITH_TIMEOUT(sent(), messages, 120000);
        if (mode == SimHostile::DownloadFlood)
            QTRY_COMPARE_WITH_TIMEOUT(qint64(rec.count(m_key.ip, 90002)), messages, 30000);
        QCOMPARE(held, holds);
        if (holds > 0)
            onThreadOf(m_deviceSide, [hostile] { return hostile->start(SimHostile::StuckHeader), true; });

        // Replies still come through, in order, after the flood.
        for (int i = 0; i < 5; ++i)
            KelvoSDKHelper::instance()->sendCmd(m_key, 14002, 0);
        QTRY_COMPARE_WITH_TIMEOUT(rec.count(m_key.ip, 14002), 5, 30000);
        // Nothing took the device for dead.
        QVERIFY(rec.disconnectTimes(m_key.ip).isEmpty());

        disconnect(slow);
        QVERIFY2(maxReassembly <= qint64(PrivateProto::MaxFrameLength), qPrintable(QString::number(maxReassembly)));
        QVERIFY2(maxQueueBytes <= QueueBytes, qPrintable(QString::number(maxQueueBytes)));
        QVERIFY(maxQueueFrames <= QueueFrames);
        // Reads stop above the bound; what was read meanwhile lands on top of it.
        QVERIFY2(maxBacklog <= Backlog + 3 * TcpClient::ReadChunk, qPrintable(QString::number(maxBacklog)));
        QVERIFY(worker->splitterBytes() < 64 * 1024);
    }

    // Reads paused (the receive worker held, so its backlog stays above the
    // bound) for twice the bound of a frame's wait, while the session's
    // thread runs on and its peer clock ticks, and while the device withholds
    // the rest of a frame it began: the client took nothing, so the device
    // could send nothing, and none of that time is the device's. Released,
    // the reads resume, the frame is judged again and again without its rest,
    // and then its rest comes: the frame is handed on whole, nothing is given
    // up, nothing is taken for dead.
    void pausedReadsAreNotThePeersTime()
    {
        FacadeRecorder rec;
        TcpClient *session = connectPeer(rec);
        QVERIFY(session);
        SdkTimings t = session->timings();
        t.replyTimeoutMs = 3000; // a frame's wait is bounded by 2250 ms, the clock ticks every 100 ms
        t.workerBacklogMaxBytes = 16 * 1024;
        session->setTimings(t);
        DataProcessor *worker = session->worker();
        const int bound = worker->limits().stalledFrameMs;

        QList<StreamLoss> losses;
        connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::streamLost, this,
                [&](const RecvInfo &, StreamLoss loss) { losses.append(loss); });
        std::atomic<int> judged{0};
        connect(
            worker, &DataProcessor::judged, this, [&judged] { ++judged; }, Qt::DirectConnection);

        // One download frame of 60,000 bytes of media in a single fragment.
        const QByteArray media = SimDevice::mediaFrame(0, 60000);
        StreamFragmentHeader h;
        h.setWord(0, 8 * 3600 * 1000);
        h.setWord(1, 0x00010203);
        h.setSequence(0);
        h.setFragmentLength(uint16_t(media.size()));
        h.bytes[12] = 0x11;
        h.bytes[13] = 1;
        const QByteArray data = h.toByteArray() + media;
        QByteArray payload =
            SimDevice::envelope(Cmd::DownloadData, 0, QStringLiteral("<dataLen>%1</dataLen>").arg(data.size()), 0)
                .toUtf8();
        payload.chop(1);
        payload.append(4, '\0');
        payload.append(data);
        const QByteArray wire = PrivateProto::frameHeader(uint32_t(payload.size())) + payload;
        const QByteArray head = wire.left(2000), middle1 = wire.mid(2000, 20000), middle2 = wire.mid(22000, 20000),
                         rest = wire.mid(42000);

        m_dev->pushRaw(head);
        QTRY_VERIFY_WITH_TIMEOUT(worker->holdsIncompleteFrame(), 10000);

        // The worker held until released (also when a check below fails).
        QSemaphore hold, entered;
        struct Release
        {
            QSemaphore &s;
            ~Release() { s.release(); }
        } release{hold};
        QMetaObject::invokeMethod(worker, [&] {
            entered.release();
            hold.acquire();
        });
        QVERIFY(entered.tryAcquire(1, 10000));
        m_dev->pushRaw(middle1);
        QTRY_VERIFY_WITH_TIMEOUT(worker->backlogBytes() >= middle1.size(), 10000);
        m_dev->pushRaw(middle2);
        QTRY_VERIFY_WITH_TIMEOUT(session->readingPaused(), 10000);

        // Paused for twice the bound, by the clock and by as many ticks of
        // the session's own thread as the peer clock would need.
        Deadline paused(2 * bound);
        int ticks = 0;
        QTimer tick;
        tick.setInterval(t.peerTickMs());
        connect(&tick, &QTimer::timeout, this, [&ticks] { ++ticks; });
        tick.start();
        QTRY_VERIFY_WITH_TIMEOUT(paused.passed() && ticks >= 2 * bound / t.peerTickMs(), 60000);
        QVERIFY(session->readingPaused());
        QVERIFY(worker->holdsIncompleteFrame());

        hold.release();
        QTRY_VERIFY_WITH_TIMEOUT(!session->readingPaused(), 10000);
        // Judged without its rest, more than once, by the clock that ran on.
        const int judgedAtResume = judged;
        QTRY_VERIFY_WITH_TIMEOUT(judged >= judgedAtResume + 3 || !worker->holdsIncompleteFrame(), 10000);
        QVERIFY2(worker->holdsIncompleteFrame(), "the frame was given up");
        m_dev->pushRaw(rest);
        QTRY_COMPARE_WITH_TIMEOUT(rec.count(m_key.ip, Cmd::DownloadData), 1, 10000);
        QCOMPARE(rec.of(m_key.ip, Cmd::DownloadData).first().info.data, media);
        QCOMPARE(losses, QList<StreamLoss>{});
        QVERIFY(rec.disconnectTimes(m_key.ip).isEmpty());
        QVERIFY(KelvoSDKHelper::instance()->isConnected(m_key));
    }

    // Bytes that merely contain a closing tag are no sign of life.
    void heartbeatWantsCompleteMessages()
    {
        FacadeRecorder rec;
        QVERIFY(connectPeer(rec));
        m_dev->setSilent(true);
        QTimer noise;
        connect(&noise, &QTimer::timeout, this, [this] { m_dev->pushRaw("<x></PrivateProto>"); });
        noise.start(20);
        KelvoSDKHelper::instance()->session(m_key)->sendHeartbeat();
        QTRY_VERIFY_WITH_TIMEOUT(!rec.disconnectTimes(m_key.ip).isEmpty(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rec.connectCount(m_key.ip), 2, 10000);
    }

    // A stopped and restarted playback never plays frames of the old one
    // after those of the new one, nor what was still queued for it.
    void playbackRestartDropsOldFrames()
    {
        FacadeRecorder rec;
        TcpClient *session = connectPeer(rec);
        QVERIFY(session);
        auto *sdk = KelvoSDKHelper::instance();
        m_dev->playback().frameIntervalMs = 1;
        m_dev->playback().frameCount = 120;
        RecordStreamInfo request;
        request.channel = 1;
        sdk->downloadOrRecord(m_key, request);
        QTRY_VERIFY_WITH_TIMEOUT(session->worker()->streamQueueLength() > 40, 20000);
        // Everything of the old playback is sent and read before it stops.
        QTRY_VERIFY_WITH_TIMEOUT(!m_dev->connections().value(0)->streaming(), 20000);
        QVERIFY(wireDrained(rec, m_key));
        QTRY_VERIFY_WITH_TIMEOUT(session->worker()->backlogBytes() < 64 * 1024, 20000);
        const int queuedAtStop = session->worker()->streamQueueLength();

        const uint32_t newStart = 7200000;
        m_dev->playback().firstFrameTimeMs = newStart;
        sdk->stopDownload(m_key, request);
        const int mark = rec.messages.size();
        sdk->downloadOrRecord(m_key, request);
        QTRY_VERIFY_WITH_TIMEOUT(rec.of(m_key.ip, 90001).last().info.mediaHeader.frameTimeMs() >= newStart, 20000);

        int oldAfterRestart = 0;
        bool sawNew = false;
        for (int i = mark; i < rec.messages.size(); ++i) {
            if (rec.messages.at(i).cmd != 90001)
                continue;
            const bool isNew = rec.messages.at(i).info.mediaHeader.frameTimeMs() >= newStart;
            QVERIFY2(isNew || !sawNew, "an old frame after a new one");
            sawNew = sawNew || isNew;
            oldAfterRestart += isNew ? 0 : 1;
        }
        QVERIFY2(oldAfterRestart < queuedAtStop / 2,
                 qPrintable(QString("%1 of %2").arg(oldAfterRestart).arg(queuedAtStop)));
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_Hostile.moc"
