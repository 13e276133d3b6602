// Recorder playback and download through the facade against a simulated NVR:
// request bodies, the stream answer, fragment reassembly with the first
// fragment's header, pacing, seek flushing and lost or wrapping fragments.

#include "DataProcessor.h"
#include "SdkTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <type_traits>

// The facade's own names of the requests and operations, and the names the
// playback and download pages know them by: one type, one operation.
static_assert(std::is_same<RecordQueryInfo, RecordQuery>::value, "one record query type");
static_assert(std::is_same<RecordStreamInfo, RecordStreamRequest>::value, "one record stream type");
static_assert(std::is_same<decltype(&KelvoSDKHelper::queryRecord),
                           void (KelvoSDKHelper::*)(const loginDev &, const RecordQuery &)>::value,
              "facade record query");
static_assert(std::is_same<decltype(&KelvoSDKHelper::downloadOrRecord),
                           void (KelvoSDKHelper::*)(const loginDev &, const RecordStreamRequest &)>::value,
              "facade stream start");
static_assert(std::is_same<decltype(&KelvoSDKHelper::stopDownload),
                           void (KelvoSDKHelper::*)(const loginDev &, const RecordStreamRequest &)>::value,
              "facade stream stop");
static_assert(std::is_same<decltype(&TcpClient::queryRecord), void (TcpClient::*)(const RecordQuery &)>::value,
              "session record query");
static_assert(
    std::is_same<decltype(&TcpClient::downloadOrRecord), void (TcpClient::*)(const RecordStreamRequest &)>::value,
    "session stream start");
static_assert(std::is_same<decltype(&TcpClient::stopDownload), void (TcpClient::*)(const RecordStreamRequest &)>::value,
              "session stream stop");

class TestPlayback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void requestBodies();
    void playbackReassembledAndPaced();
    void downloadImmediate();
    void downloadSplitAcrossReads();
    void seekFlushesQueue();
    void lostAndWrappingFragments();
    void playsAfterStartAndSeek_data();
    void playsAfterStartAndSeek();

private:
    std::unique_ptr<SimDevice> startNvr(FacadeRecorder &rec, loginDev *key, uint8_t channel = 1);
    QList<loginDev> m_keys;
};

void TestPlayback::initTestCase()
{
    registerKelvoMetaTypes();
    KelvoSDKHelper::instance()->setTimings(fastTimings());
}

void TestPlayback::cleanup()
{
    const bool gone = logoutAndWait(m_keys);
    m_keys.clear();
    QVERIFY(gone);
}

std::unique_ptr<SimDevice> TestPlayback::startNvr(FacadeRecorder &rec, loginDev *key, uint8_t channel)
{
    auto dev = std::make_unique<SimDevice>(SimDevice::Nvr);
    if (!dev->listen(nextLoopback()))
        return nullptr;
    *key = dev->loginKey(channel);
    m_keys.append(*key);
    KelvoSDKHelper::instance()->connectDev(*key);
    if (!QTest::qWaitFor([&] { return rec.connectCount(key->ip) > 0; }, 15000))
        return nullptr;
    return dev;
}

namespace {

// Asks the recorder for the stream of one channel from its default start.
void startStream(const loginDev &key, uint8_t channel, uint8_t download)
{
    RecordStreamRequest req;
    req.channel = channel;
    req.download = download;
    KelvoSDKHelper::instance()->downloadOrRecord(key, req);
}

} // namespace

void TestPlayback::requestBodies()
{
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key, 3);
    QVERIFY(dev);
    auto *sdk = KelvoSDKHelper::instance();
    RecordQuery q;
    q.channel = 3;
    q.time = "20261207";
    q.byMonth = 1;
    sdk->queryRecord(key, q);
    RecordStreamRequest stop;
    stop.channel = 3;
    stop.download = 1;
    sdk->stopDownload(key, stop);
    // The same requests under the names of the playback and download pages.
    RecordQueryInfo month = q;
    month.time = "202612";
    sdk->sessionQueryRecord(key, month);
    RecordStreamInfo end = stop;
    end.download = 0;
    sdk->sessionStopDownload(key, end);
    sdk->seekPlay(key, "20261207101500");
    sdk->setPlaySpeed(key, 2, false);
    sdk->setPlaySpeed(key, 4, true);
    sdk->pausePlay(key);
    sdk->resumePlay(key);
    QTRY_VERIFY_WITH_TIMEOUT(dev->requestCount(14310) == 1, 3000);
    const QList<QPair<int, QString>> expected{
        {14300, "<ChannelId>3</ChannelId><Time>20261207</Time><ByMonth>1</ByMonth>"},
        {14302, "<ChannelId>3</ChannelId><DownloadRecord>1</DownloadRecord>"},
        {14300, "<ChannelId>3</ChannelId><Time>202612</Time><ByMonth>1</ByMonth>"},
        {14302, "<ChannelId>3</ChannelId><DownloadRecord>0</DownloadRecord>"},
        {14304, "<ChannelId>3</ChannelId><Time>20261207101500</Time>"},
        {14307, "<ChannelId>3</ChannelId><Speed>2</Speed>"},
        {14306, "<ChannelId>3</ChannelId><Speed>4</Speed>"},
        {14309, "<ChannelId>3</ChannelId>"},
        {14310, "<ChannelId>3</ChannelId>"},
    };
    const QList<SimRequest> got = dev->requests();
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(int(got.at(i).cmd), expected.at(i).first);
        QCOMPARE(got.at(i).bodyText, expected.at(i).second);
        QCOMPARE(got.at(i).channel, 0); // the envelope carries channel 0
    }
    // The month answer lists the recorded days.
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 14300) == 2, 2000);
}

void TestPlayback::playbackReassembledAndPaced()
{
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key);
    QVERIFY(dev);
    PlaybackOptions &opt = dev->playback();
    opt.frameCount = 30;
    opt.frameIntervalMs = 1; // a burst: the client sets the pace
    opt.keyInterval = 10;
    opt.fragmentSize = 7000; // key frames in 5 fragments, others whole
    auto *sdk = KelvoSDKHelper::instance();
    RecordStreamInfo req;
    req.channel = 1;
    req.startTime = "20261207080000";
    req.endTime = "20261207235959";
    // Sent in about 30 ms, released one per tick of the session's pacing
    // timer (25..40 ms, on this thread; a timer may fire 5 % early). A tick
    // that fires late is followed by one on schedule, never sooner: armed at
    // the first tick after the request, a deadline of 28 periods passes
    // before the tick that releases the 30th frame, at the earliest the 29th
    // after it.
    std::unique_ptr<Deadline> paced;
    QObject scope;
    connect(sdk->session(key)->pacingTimer(), &QTimer::timeout, &scope, [&] {
        if (!paced)
            paced.reset(new Deadline(28 * 23));
    });
    QList<bool> lastAfterDeadline;
    int framesSeen = 0;
    connect(sdk, &KelvoSDKHelper::signalCommonInfo, &scope, [&](const RecvInfo &info) {
        if (info.ip == key.ip && PrivateProto::headCommand(info.xml) == 90001 && ++framesSeen == 30)
            lastAfterDeadline.append(paced && paced->passed());
    });
    sdk->downloadOrRecord(key, req);
    QVERIFY(sdk->session(key)->heartbeatActive());
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90001) == 30, 10000);

    QCOMPARE(dev->requests(14301).first().bodyText,
             QStringLiteral("<ChannelId>1</ChannelId><Time>20261207080000</Time><TimeEnd>20261207235959</TimeEnd>"
                            "<DownloadRecord>0</DownloadRecord>"));
    // The stream answer carries the codec block.
    QCOMPARE(rec.count(key.ip, 90000), 1);
    const QByteArray block = QByteArray::fromBase64(
        findValuesInXml(rec.of(key.ip, 90000).first().info.xml, "body").value("VideoParam").trimmed().toLatin1());
    QCOMPARE(block.size(), 536);
    QCOMPARE(QByteArray(block.constData()), QByteArray("H264"));

    const QList<SimConnection *> conns = dev->connections();
    QCOMPARE(conns.size(), 1);
    const QList<SimStreamFrame> sent = conns.first()->sentFrames();
    const QList<Received> frames = rec.of(key.ip, 90001);
    QCOMPARE(frames.size(), sent.size());
    for (int i = 0; i < frames.size(); ++i) {
        const RecvInfo &info = frames.at(i).info;
        QCOMPARE(info.mediaHeader.frameId(), sent.at(i).frameId);
        QCOMPARE(info.data, sent.at(i).media);
        // Time and key flag of the frame's first fragment.
        QCOMPARE(info.mediaHeader.frameTimeMs(), sent.at(i).timeMs);
        QCOMPARE(info.mediaHeader.isKeyFrame(), sent.at(i).key);
        QCOMPARE(int(info.channel), 1);
    }
    QCOMPARE(lastAfterDeadline, QList<bool>{true});
}

void TestPlayback::downloadImmediate()
{
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key, 2);
    QVERIFY(dev);
    PlaybackOptions &opt = dev->playback();
    // Not paced: 400 frames would need at least 400 ticks of 25 ms (10 s) if
    // they were; unpaced they all arrive well within the 9 s allowed, even on a
    // loaded machine.
    opt.frameCount = 400;
    opt.keyInterval = 20;
    opt.fragmentSize = 4096;
    opt.deltaFrameSize = 9000; // every frame in several fragments
    RecordStreamInfo req;
    req.channel = 2;
    req.startTime = "20261207080000";
    req.endTime = "20261207081000";
    req.download = 1;
    KelvoSDKHelper::instance()->downloadOrRecord(key, req);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90002) == 400, 9000);
    const QList<Received> frames = rec.of(key.ip, 90002);
    const QList<SimStreamFrame> sent = dev->connections().first()->sentFrames();
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames.at(i).info.data, sent.at(i).media);
        QCOMPARE(frames.at(i).info.mediaHeader.frameTimeMs(), sent.at(i).timeMs);
    }
    QCOMPARE(rec.count(key.ip, 90001), 0);
}

void TestPlayback::downloadSplitAcrossReads()
{
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key, 1);
    QVERIFY(dev);
    PlaybackOptions &opt = dev->playback();
    opt.frameCount = 12;
    opt.keyInterval = 4;
    opt.fragmentSize = 5000;
    opt.startSequence = -3;
    // Reads end anywhere: inside headers, envelopes and binary tails.
    dev->setSplitWrites(997, 0);
    // Room for a slow reassembly on a loaded or instrumented build: a frame
    // whose bytes stop coming is given up after most of the reply timeout.
    SdkTimings timings = fastTimings();
    timings.replyTimeoutMs = 5000;
    KelvoSDKHelper::instance()->session(key)->setTimings(timings);
    startStream(key, 1, 1);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90002) == 12, 10000);
    const QList<SimStreamFrame> sent = dev->connections().first()->sentFrames();
    const QList<Received> frames = rec.of(key.ip, 90002);
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames.at(i).info.data, sent.at(i).media);
        QCOMPARE(frames.at(i).info.mediaHeader.isKeyFrame(), sent.at(i).key);
    }
    QCOMPARE(rec.count(key.ip, 90000), 1);
}

void TestPlayback::seekFlushesQueue()
{
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key);
    QVERIFY(dev);
    PlaybackOptions &opt = dev->playback();
    opt.frameCount = 200;
    opt.frameIntervalMs = 2; // the backlog grows: the client releases at most one per 25 ms
    opt.keyInterval = 50;
    auto *sdk = KelvoSDKHelper::instance();
    startStream(key, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90001) >= 3, 3000);
    // Wait until the device has sent past the second key frame.
    QTRY_VERIFY_WITH_TIMEOUT(dev->connections().first()->sentFrames().size() >= 60, 3000);
    sdk->seekPlay(key, "20261207090000");
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 14304) == 1, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!dev->connections().first()->streaming(), 5000);
    // The last frame the device sent comes after the seek: the stream is
    // complete once it is released.
    const uint32_t lastSent = dev->connections().first()->sentFrames().last().frameId;
    QTRY_VERIFY_WITH_TIMEOUT(
        !rec.of(key.ip, 90001).isEmpty() && rec.of(key.ip, 90001).last().info.mediaHeader.frameId() == lastSent, 20000);
    QList<Received> before, after;
    bool seen = false;
    for (const Received &r : qAsConst(rec.messages)) {
        if (r.info.ip != key.ip)
            continue;
        if (r.cmd == 14304)
            seen = true;
        else if (r.cmd == 90001)
            (seen ? after : before).append(r);
    }
    QVERIFY(!before.isEmpty());
    QVERIFY(!after.isEmpty());
    // The backlog is gone and the stream resumes with a key frame.
    QVERIFY(after.first().info.mediaHeader.isKeyFrame());
    QVERIFY(after.first().info.data.size() > 10000);
    QVERIFY2(after.first().info.mediaHeader.frameId() > before.last().info.mediaHeader.frameId() + 1,
             qPrintable(QStringLiteral("%1 -> %2")
                            .arg(before.last().info.mediaHeader.frameId())
                            .arg(after.first().info.mediaHeader.frameId())));
    for (int i = 1; i < after.size(); ++i)
        QCOMPARE(after.at(i).info.mediaHeader.frameId(), after.at(i - 1).info.mediaHeader.frameId() + 1);
}

void TestPlayback::lostAndWrappingFragments()
{
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key);
    QVERIFY(dev);
    PlaybackOptions &opt = dev->playback();
    opt.frameCount = 6;
    opt.frameIntervalMs = 5;
    opt.keyInterval = 1;    // every frame a key frame of 30000 bytes in 4 fragments
    opt.startSequence = -2; // 65534, 65535, 0, 1, ...
    opt.dropMiddleOfFrame = 2;
    QSignalSpy lost(KelvoSDKHelper::instance(), &KelvoSDKHelper::streamLost);
    startStream(key, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90001) == 5, 5000);
    // Nothing comes after the device's last frame.
    QTRY_VERIFY_WITH_TIMEOUT(!dev->connections().first()->streaming(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(rec.of(key.ip, 90001).last().info.mediaHeader.frameId(),
                              dev->connections().first()->sentFrames().last().frameId, 5000);
    const QList<Received> frames = rec.of(key.ip, 90001);
    QCOMPARE(frames.size(), 5);
    QList<uint32_t> ids;
    for (const Received &r : frames) {
        ids.append(r.info.mediaHeader.frameId());
        QCOMPARE(r.info.data, SimDevice::mediaFrame(int(r.info.mediaHeader.frameId() - 1), 30000));
    }
    QCOMPARE(ids, (QList<uint32_t>{1, 2, 4, 5, 6}));
    // The spoilt frame is told lost once; the wrap of the numbers is no loss.
    QCOMPARE(lost.size(), 1);
    QCOMPARE(lost.first().at(0).value<RecvInfo>().ip, key.ip);
    QCOMPARE(lost.first().at(0).value<RecvInfo>().head.cmd, 90001);
    QCOMPARE(lost.first().at(1).value<StreamLoss>(), StreamLoss::PieceMissing);
}

// Whether or not the recorder marks its key frames, a playback shows
// pictures after its start and again after a seek, beginning each time with a
// frame that decodes on its own.
void TestPlayback::playsAfterStartAndSeek_data()
{
    QTest::addColumn<bool>("marked");
    QTest::newRow("key frames flagged") << true;
    QTest::newRow("flag never set") << false;
}

void TestPlayback::playsAfterStartAndSeek()
{
    QFETCH(bool, marked);
    FacadeRecorder rec;
    loginDev key;
    auto dev = startNvr(rec, &key);
    QVERIFY(dev);
    PlaybackOptions &opt = dev->playback();
    opt.markKeyFrames = marked;
    opt.frameCount = 200;
    opt.frameIntervalMs = 2;
    opt.keyInterval = 50;
    auto *sdk = KelvoSDKHelper::instance();
    startStream(key, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90001) >= 3, 5000);
    const RecvInfo first = rec.of(key.ip, 90001).first().info;
    QCOMPARE(first.mediaHeader.frameId(), 1u);
    QCOMPARE(first.data, SimDevice::mediaFrame(0, opt.keyFrameSize));
    QCOMPARE(first.mediaHeader.isKeyFrame(), marked);

    QTRY_VERIFY_WITH_TIMEOUT(dev->connections().first()->sentFrames().size() >= 60, 5000);
    sdk->seekPlay(key, "20261207090000");
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 14304) == 1, 5000);
    const auto afterSeek = [&rec, &key] {
        QList<RecvInfo> after;
        bool seen = false;
        for (const Received &r : qAsConst(rec.messages)) {
            if (r.info.ip != key.ip)
                continue;
            if (r.cmd == 14304)
                seen = true;
            else if (seen && r.cmd == 90001)
                after.append(r.info);
        }
        return after;
    };
    QTRY_VERIFY_WITH_TIMEOUT(afterSeek().size() >= 3, 10000);
    const RecvInfo resumed = afterSeek().first();
    const int index = int(resumed.mediaHeader.frameId()) - 1;
    QVERIFY2(dev->isKeyFrame(index), qPrintable(QString::number(index)));
    QCOMPARE(resumed.data, SimDevice::mediaFrame(index, opt.keyFrameSize));
}

QTEST_GUILESS_MAIN(TestPlayback)
#include "tst_Playback.moc"
