// Sessions through the facade against simulated devices on loopback:
// connect, login, heartbeat, timeouts, reconnect back-off, manual logout,
// recorder channels, firmware upload and the faults of a noisy peer.

#include "SdkTestSupport.h"

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class TestTcpSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void connectLoginHeartbeat();
    void loginRefusedAndNvrReplies();
    void heartbeatTimeoutAfterSilence();
    void heartbeatReplySplitAtEveryByte();
    void reconnectBackoff();
    void connectTimeoutOnFullListener();
    void noReconnectAfterLogout();
    void manualDisconnectStopsReconnect();
    void channelsAreSessions();
    void updateReconnectsWithNewLogin();
    void firmwareUploadInBursts();
    void firmwareEdgeFiles();
    void refusedBodyIsNotSent();
    void faultsOfTheWire_data();
    void faultsOfTheWire();
    void pushedMessagesAndStore();
    void ignoresApplicationProxy();

private:
    std::unique_ptr<SimDevice> startDevice(SimDevice::Kind kind = SimDevice::Ipc);
    bool connectAndLogin(SimDevice &dev, FacadeRecorder &rec, uint8_t channel = 0);
    std::unique_ptr<SimDevice> startLoggedIn(FacadeRecorder &rec, SimDevice::Kind kind = SimDevice::Ipc);
    QMetaObject::Connection continueUploadOnReady(const loginDev &key);

    QList<loginDev> m_keys;
};

namespace {

// Follows a session's own connect and disconnect reports as it makes them
// (the recorder's copies come through a queued relay, later). The session
// reports a failure before it arms its reconnect timer: a deadline armed in
// the report passes before the attempt that timer makes is answered.
struct SessionStamps
{
    explicit SessionStamps(TcpClient *session)
    {
        down = QObject::connect(session, &TcpClient::devDisconnected, [this](const loginDev &) {
            disconnects.append(!gap || gap->passed());
            gap.reset(nextGaps.isEmpty() ? nullptr : new Deadline(nextGaps.takeFirst()));
        });
        up = QObject::connect(session, &TcpClient::recvConnectDev,
                              [this](const loginDev &) { connects.append(!gap || gap->passed()); });
    }
    ~SessionStamps()
    {
        QObject::disconnect(down);
        QObject::disconnect(up);
    }
    // The least time from each coming failure to the session's next report, in order.
    QList<int> nextGaps;
    std::unique_ptr<Deadline> gap;
    // One entry per report: whether the least time armed before it had passed.
    QList<bool> disconnects;
    QList<bool> connects;
    QMetaObject::Connection down;
    QMetaObject::Connection up;
};

} // namespace

void TestTcpSession::initTestCase()
{
    registerKelvoMetaTypes();
    KelvoSDKHelper::instance()->setTimings(fastTimings());
}

void TestTcpSession::cleanup()
{
    const bool gone = logoutAndWait(m_keys);
    m_keys.clear();
    QVERIFY(gone);
    QCOMPARE(KelvoSDKHelper::instance()->sessionCount(), 0);
}

std::unique_ptr<SimDevice> TestTcpSession::startDevice(SimDevice::Kind kind)
{
    auto dev = std::make_unique<SimDevice>(kind);
    if (!dev->listen(nextLoopback()))
        return nullptr;
    return dev;
}

bool TestTcpSession::connectAndLogin(SimDevice &dev, FacadeRecorder &rec, uint8_t channel)
{
    const loginDev key = dev.loginKey(channel);
    m_keys.append(key);
    auto *sdk = KelvoSDKHelper::instance();
    sdk->connectDev(key);
    const int connects = rec.connectCount(key.ip);
    // Each step has its own generous deadline: a slow connect on a loaded
    // machine must not eat the login's time.
    if (!QTest::qWaitFor([&] { return rec.connectCount(key.ip) != connects; }, 15000) || !sdk->isConnected(key))
        return false;
    const int replies = rec.of(key.ip, 14012, channel).size();
    sdk->sendData(key, 14012, loginBody(dev.state().user, dev.state().password), channel);
    return QTest::qWaitFor([&] { return rec.of(key.ip, 14012, channel).size() > replies; }, 15000);
}

std::unique_ptr<SimDevice> TestTcpSession::startLoggedIn(FacadeRecorder &rec, SimDevice::Kind kind)
{
    auto dev = startDevice(kind);
    if (!dev)
        return nullptr;
    if (!connectAndLogin(*dev, rec)) {
        qWarning() << "no login reply from" << dev->address().toString();
        return nullptr;
    }
    return dev;
}

// The caller's part of an upload: each ready answer asks for the next burst.
QMetaObject::Connection TestTcpSession::continueUploadOnReady(const loginDev &key)
{
    auto *sdk = KelvoSDKHelper::instance();
    return connect(sdk, &KelvoSDKHelper::signalCommonInfo, this, [sdk, key](const RecvInfo &info) {
        if (info.ip == key.ip && PrivateProto::headCommand(info.xml) == 20001)
            sdk->uploadNext(key);
    });
}

void TestTcpSession::connectLoginHeartbeat()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    const Received login = rec.of(key.ip, 14012).last();
    QCOMPARE(findValuesInXml(login.info.xml, "head").value("result"), QStringLiteral("0"));
    QCOMPARE(login.info.ip, key.ip);
    QCOMPARE(int(login.info.channel), 0);
    QVERIFY(!login.info.xml.contains(QStringLiteral("MAXChannels")));

    auto *sdk = KelvoSDKHelper::instance();
    sdk->startHeartbeat(key);
    QTRY_VERIFY_WITH_TIMEOUT(dev->requestCount(35001) >= 3, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 35001) >= 3, 1000);
    QVERIFY(sdk->isConnected(key));
    QCOMPARE(dev->acceptedCount(), 1);
    QVERIFY(rec.disconnectTimes(key.ip).isEmpty());
    // The heartbeat envelope is the protocol's, byte for byte.
    QCOMPARE(dev->requests(35001).first().xml,
             QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>30000</type><cmd>35001</cmd>"
                            "<result>0</result></head><body></body></PrivateProto>"));

    // Connecting a connected session changes nothing, not even its login data.
    loginDev changed = key;
    changed.password = QStringLiteral("other");
    sdk->session(key)->connectDev(changed);
    QCOMPARE(sdk->session(key)->loginData().password, key.password);
    QVERIFY(sdk->isConnected(key));

    // A heartbeat on demand.
    const int before = dev->requestCount(35001);
    sdk->update(key);
    QTRY_VERIFY_WITH_TIMEOUT(dev->requestCount(35001) > before, 1000);
    sdk->stopHeartbeat(key);
    // A heartbeat already on its way has arrived once a later query has.
    QVERIFY(wireDrained(rec, key));
    const int stopped = dev->requestCount(35001);
    expectNothingFor(700); // more than one heartbeat period
    QCOMPARE(dev->requestCount(35001), stopped);
    QVERIFY(sdk->isConnected(key));
}

void TestTcpSession::loginRefusedAndNvrReplies()
{
    FacadeRecorder rec;
    auto nvr = startDevice(SimDevice::Nvr);
    QVERIFY(nvr);
    nvr->state().maxChannels = 16;
    nvr->state().channelStates = QStringLiteral("1011");
    nvr->state().password = QStringLiteral("p&ss<1");
    QVERIFY(connectAndLogin(*nvr, rec));
    const loginDev key = nvr->loginKey();
    const Received ok = rec.of(key.ip, 14012).last();
    QCOMPARE(findValuesInXml(ok.info.xml, "head").value("result"), QStringLiteral("0"));
    QCOMPARE(findValuesInXml(ok.info.xml, "body").value("MAXChannels"), QStringLiteral("16"));
    KelvoSDKHelper::instance()->update(key);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 35001) == 1, 2000);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 35001).first().info.xml, "body").value("Ipcs_stat"),
             QStringLiteral("1011"));

    KelvoSDKHelper::instance()->sendData(key, 14012, loginBody("admin", "wrong"), 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 14012) == 2, 2000);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 14012).last().info.xml, "head").value("result"), QStringLiteral("5"));
}

void TestTcpSession::heartbeatTimeoutAfterSilence()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    auto *sdk = KelvoSDKHelper::instance();
    SessionStamps stamps(sdk->session(key));
    // One heartbeat period plus the reply timeout, not less: armed before the
    // heartbeat timer (both may fire up to 5 % early).
    stamps.gap.reset(new Deadline(500));
    sdk->startHeartbeat(key);
    dev->setSilent(true);
    // Bytes without a closing tag are no reply.
    QTimer::singleShot(450, dev.get(), [&dev]() { dev->pushRaw("<PrivateProto><head>"); });
    QTRY_VERIFY_WITH_TIMEOUT(!rec.disconnectTimes(key.ip).isEmpty(), 3000);
    QVERIFY(!stamps.disconnects.isEmpty());
    QVERIFY2(stamps.disconnects.first(), "lost before one period and the reply timeout");
    QVERIFY(!sdk->isConnected(key));
    QCOMPARE(dev->requestCount(35001), 1);
    // The session comes back by itself after 2 units.
    dev->setSilent(false);
    QTRY_VERIFY_WITH_TIMEOUT(dev->acceptedCount() == 2, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(sdk->isConnected(key), 2000);
    QCOMPARE(sdk->session(key)->tryCount(), uint8_t(0));
}

void TestTcpSession::heartbeatReplySplitAtEveryByte()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec, SimDevice::Nvr);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    // Every reply arrives one byte per read, so its closing tag is cut across
    // reads; it must still count as the heartbeat's answer.
    dev->setSplitWrites(1, 0);
    auto *sdk = KelvoSDKHelper::instance();
    // Room for a slow byte-by-byte reply; a tag that is never recognised
    // still ends the session within the test.
    SdkTimings timings = fastTimings();
    timings.replyTimeoutMs = 2000;
    sdk->session(key)->setTimings(timings);
    sdk->startHeartbeat(key);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 35001) >= 3, 8000);
    QVERIFY(sdk->isConnected(key));
    QVERIFY(rec.disconnectTimes(key.ip).isEmpty());
    QCOMPARE(dev->acceptedCount(), 1);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 35001).last().info.xml, "body").value("Ipcs_stat"),
             dev->state().channelStates);
}

void TestTcpSession::reconnectBackoff()
{
    FacadeRecorder rec;
    auto dev = startDevice();
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    m_keys.append(key);
    dev->setRefuseConnections(true);
    auto *sdk = KelvoSDKHelper::instance();
    sdk->connectDev(key);
    // The refusal is read from the socket later, in the event loop: stamping
    // from here misses none.
    SessionStamps stamps(sdk->session(key));
    // Failures at 0, then after 2, 8, 18, 32, 50, 50 units (25 ms each), no
    // sooner; the back-off timer is precise.
    const QList<int> units{2, 8, 18, 32, 50, 50};
    for (int u : units)
        stamps.nextGaps.append(u * 25 - 1);
    QTRY_VERIFY_WITH_TIMEOUT(stamps.disconnects.size() >= units.size() + 1, 20000);
    for (int i = 0; i < units.size(); ++i)
        QVERIFY2(stamps.disconnects.at(i + 1),
                 qPrintable(QStringLiteral("attempt %1 before %2 units").arg(i + 1).arg(units.at(i))));
    QCOMPARE(sdk->session(key)->tryCount(), uint8_t(5));
    QVERIFY(sdk->session(key)->reconnectPending());

    // A success resets the back-off: the next failure waits 2 units again.
    dev->setRefuseConnections(false);
    sdk->update(key);
    QTRY_VERIFY_WITH_TIMEOUT(sdk->isConnected(key), 10000);
    QCOMPARE(sdk->session(key)->tryCount(), uint8_t(0));
    const int failures = rec.disconnectTimes(key.ip).size();
    const int stampedFailures = stamps.disconnects.size();
    stamps.nextGaps = {2 * 25 - 1};
    dev->dropConnections();
    QTRY_VERIFY_WITH_TIMEOUT(rec.disconnectTimes(key.ip).size() == failures + 1, 10000);
    QCOMPARE(sdk->session(key)->tryCount(), uint8_t(1));
    QCOMPARE(stamps.disconnects.size(), stampedFailures + 1);
    const int connectsBefore = stamps.connects.size();
    QTRY_VERIFY_WITH_TIMEOUT(sdk->isConnected(key), 10000);
    QCOMPARE(stamps.connects.size(), connectsBefore + 1);
    QVERIFY2(stamps.connects.last(), "back before 2 units");
    // A stale timer of the refused attempts never aborts the live session.
    expectNothingFor(700);
    QVERIFY(sdk->isConnected(key));
    QCOMPARE(rec.disconnectTimes(key.ip).size(), failures + 1);
}

void TestTcpSession::connectTimeoutOnFullListener()
{
    // A listener that never accepts and whose queue is full drops the SYN:
    // the attempt neither succeeds nor fails until the connect timeout.
    const QHostAddress address = nextLoopback();
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(address.toIPv4Address());
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&sa), sizeof sa) == 0);
    QVERIFY(::listen(fd, 0) == 0);
    socklen_t len = sizeof sa;
    QVERIFY(::getsockname(fd, reinterpret_cast<sockaddr *>(&sa), &len) == 0);
    const quint16 port = ntohs(sa.sin_port);
    QTcpSocket filler;
    filler.connectToHost(address, port);
    QVERIFY(filler.waitForConnected(2000));

    FacadeRecorder rec;
    loginDev key;
    key.ip = address.toString();
    key.port = port;
    m_keys.append(key);
    auto *sdk = KelvoSDKHelper::instance();
    // 150 ms connect timeout (a coarse timer: up to 5 % early), then 2 units
    // of back-off and another 150 ms.
    auto firstTimeout = std::make_unique<Deadline>(140);
    sdk->connectDev(key);
    SessionStamps stamps(sdk->session(key));
    stamps.gap = std::move(firstTimeout);
    stamps.nextGaps = {190};
    QTRY_VERIFY_WITH_TIMEOUT(stamps.disconnects.size() >= 2, 10000);
    QVERIFY2(stamps.disconnects.at(0), "first attempt given up before its timeout");
    QVERIFY2(stamps.disconnects.at(1), "second attempt given up before the back-off and its timeout");
    QVERIFY(rec.connects.isEmpty());
    QVERIFY(!sdk->isConnected(key));
    ::close(fd);
}

void TestTcpSession::noReconnectAfterLogout()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    QSignalSpy gone(dev.get(), &SimDevice::clientDisconnected);
    auto *sdk = KelvoSDKHelper::instance();
    sdk->logoutDev(key);
    m_keys.clear();
    QVERIFY(!sdk->hasSession(key));
    QTRY_VERIFY_WITH_TIMEOUT(gone.count() == 1, 2000);
    expectNothingFor(600); // longer than the first reconnect delays
    QCOMPARE(dev->acceptedCount(), 1);
    // No disconnect report for a logout, and nothing goes to the old key.
    QVERIFY(rec.disconnectTimes(key.ip).isEmpty());
    sdk->sendData(key, 14002, QString(), 0);
    sdk->logoutDev(key); // unknown key: nothing
    expectNothingFor(100);
    QCOMPARE(dev->requestCount(14002), 0);
}

void TestTcpSession::manualDisconnectStopsReconnect()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    TcpClient *session = KelvoSDKHelper::instance()->session(key);
    QVERIFY(session);
    QSignalSpy gone(dev.get(), &SimDevice::clientDisconnected);
    session->disconnectDev();
    dev->dropConnections();
    QTRY_VERIFY_WITH_TIMEOUT(gone.count() == 1, 5000);
    expectNothingFor(500); // longer than the first reconnect delays
    QVERIFY(!session->reconnectPending());
    QCOMPARE(dev->acceptedCount(), 1);
    // A later connect really connects again.
    session->connectDev(key);
    QTRY_VERIFY_WITH_TIMEOUT(session->isConnected(), 2000);
    QCOMPARE(dev->acceptedCount(), 2);
}

void TestTcpSession::channelsAreSessions()
{
    FacadeRecorder rec;
    auto nvr = startDevice(SimDevice::Nvr);
    QVERIFY(nvr);
    auto *sdk = KelvoSDKHelper::instance();
    for (uint8_t ch : {1, 2, 0})
        QVERIFY(connectAndLogin(*nvr, rec, ch));
    QCOMPARE(sdk->sessionCount(), 3);
    QCOMPARE(nvr->acceptedCount(), 3);
    // The same key with another password and port is the same session.
    loginDev other = nvr->loginKey(2);
    other.password = QStringLiteral("changed");
    other.port = 1;
    sdk->connectDev(other);
    QCOMPARE(sdk->sessionCount(), 3);
    QCOMPARE(sdk->session(other)->loginData().password, nvr->state().password);

    // Each channel's replies carry its channel.
    const QString ip = nvr->address().toString();
    for (uint8_t ch : {1, 2}) {
        loginDev k = nvr->loginKey(ch);
        sdk->sendCmd(k, 15003, 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(rec.of(ip, 15003).size() == 2, 2000);
    QSet<int> channels;
    for (const Received &r : rec.of(ip, 15003))
        channels.insert(r.info.channel);
    QCOMPARE(channels, (QSet<int>{1, 2}));

    // Logging one channel out leaves the others.
    sdk->logoutDev(nvr->loginKey(1));
    QCOMPARE(sdk->sessionCount(), 2);
    QVERIFY(sdk->isConnected(nvr->loginKey(2)));
    QVERIFY(sdk->isConnected(nvr->loginKey(0)));
}

void TestTcpSession::updateReconnectsWithNewLogin()
{
    FacadeRecorder rec;
    auto dev = startDevice();
    QVERIFY(dev);
    loginDev key = dev->loginKey();
    m_keys.append(key);
    auto *sdk = KelvoSDKHelper::instance();
    dev->setRefuseConnections(true);
    sdk->connectDev(key);
    QTRY_VERIFY_WITH_TIMEOUT(rec.disconnectTimes(key.ip).size() >= 3, 3000);
    dev->setRefuseConnections(false);
    loginDev changed = key;
    changed.password = QStringLiteral("second");
    sdk->update(changed);
    QTRY_VERIFY_WITH_TIMEOUT(sdk->isConnected(key), 2000);
    QCOMPARE(sdk->session(key)->loginData().password, QStringLiteral("second"));
    QCOMPARE(sdk->session(key)->tryCount(), uint8_t(0));
}

void TestTcpSession::firmwareUploadInBursts()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();

    QTemporaryDir dir;
    const QString path = dir.filePath("fw.bin");
    QByteArray image;
    const int chunk = PrivateProto::FirmwareChunkSize;
    for (int i = 0; i < 10 * chunk + 1234; ++i)
        image.append(char((i * 31 + i / 7) & 0xff));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(image);
    }
    auto *sdk = KelvoSDKHelper::instance();
    // Per chunk as the peer reads it: whether one and two burst gaps, counted
    // from the announcement, had passed.
    std::unique_ptr<Deadline> oneGap, twoGaps;
    QList<QPair<bool, bool>> chunkGaps;
    connect(dev.get(), &SimDevice::requestReceived, this, [&](const SimRequest &r) {
        if (r.cmd == 20002)
            chunkGaps.append(qMakePair(oneGap && oneGap->passed(), twoGaps && twoGaps->passed()));
        else if (r.cmd == 20001 && !oneGap) {
            oneGap.reset(new Deadline(95));
            twoGaps.reset(new Deadline(190));
        }
    });
    const QMetaObject::Connection next = continueUploadOnReady(key);
    sdk->uploadFile(key, path);
    QTRY_VERIFY_WITH_TIMEOUT(dev->firmwareComplete(), 10000);
    disconnect(next);
    QCOMPARE(dev->firmwareAnnounced(), uint32_t(image.size()));
    QVERIFY(!dev->firmwareOrderError());
    QCOMPARE(dev->firmware(), image);
    const auto chunks = dev->firmwareChunks();
    QCOMPARE(chunks.size(), 12);
    for (int i = 0; i < 11; ++i)
        QCOMPARE(chunks.at(i).first, uint32_t(i * chunk));
    QCOMPARE(chunks.at(10).second, 1234u);
    QCOMPARE(chunks.last(), qMakePair(uint32_t(image.size()), 0u));
    // Bursts of five with a 100 ms pause between them. The first burst cannot
    // start before the peer, having armed its deadlines at the announcement,
    // answers it; each pause then adds at least 95 ms (a timer may fire 5 %
    // early).
    QCOMPARE(chunkGaps.size(), 12);
    QVERIFY2(chunkGaps.at(5).first, "second burst before one pause");
    QVERIFY2(chunkGaps.at(10).second, "third burst before two pauses");
    // Progress reports reach the caller, the last one 100.
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 20003) == 12, 2000);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 20003).last().info.xml, "body").value("updateProgress"),
             QStringLiteral("100"));
    // A stray second step sends nothing more.
    sdk->uploadNext(key);
    expectNothingFor(200); // two burst gaps
    QCOMPARE(dev->requestCount(20002), 12);
}

void TestTcpSession::firmwareEdgeFiles()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    QTemporaryDir dir;
    QFile f(dir.filePath("empty.bin"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    KelvoSDKHelper::instance()->uploadFile(key, f.fileName());
    KelvoSDKHelper::instance()->uploadFile(key, dir.filePath("missing.bin"));
    KelvoSDKHelper::instance()->uploadNext(key);
    expectNothingFor(300);
    QCOMPARE(dev->requestCount(20001), 0);
    QCOMPARE(dev->requestCount(20002), 0);

    // Exactly one chunk: one chunk message and the closing one.
    QFile one(dir.filePath("one.bin"));
    QVERIFY(one.open(QIODevice::WriteOnly));
    one.write(QByteArray(PrivateProto::FirmwareChunkSize, 'f'));
    one.close();
    auto *sdk = KelvoSDKHelper::instance();
    const QMetaObject::Connection next = continueUploadOnReady(key);
    sdk->uploadFile(key, one.fileName());
    QTRY_VERIFY_WITH_TIMEOUT(dev->firmwareComplete(), 5000);
    disconnect(next);
    const uint32_t size = PrivateProto::FirmwareChunkSize;
    QCOMPARE(dev->firmwareChunks(), (QList<QPair<uint32_t, uint32_t>>{{0u, size}, {size, 0u}}));
    QCOMPARE(dev->requests(20001).first().bodyText, QStringLiteral("<firmwareLength>163840</firmwareLength>"));
}

void TestTcpSession::refusedBodyIsNotSent()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    auto *sdk = KelvoSDKHelper::instance();
    sdk->sendData(key, 14018, QStringLiteral("<contactInfo>unclosed"), 0);
    sdk->sendData(key, 14018, QString(PrivateProto::MaxBodyLength + 1, QLatin1Char('x')), 0);
    sdk->sendCmd(key, 14002, 0);
    QTRY_VERIFY_WITH_TIMEOUT(dev->requestCount(14002) == 1, 2000);
    QCOMPARE(dev->requestCount(14018), 0);
    QCOMPARE(dev->emptyFrames(), 0);
}

void TestTcpSession::faultsOfTheWire_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("split at every byte") << "split";
    QTest::newRow("garbage before magic") << "garbage";
    QTest::newRow("oversized length header") << "oversized";
    QTest::newRow("reply and stream in one frame") << "bundle";
    QTest::newRow("stream and reply in one frame") << "bundleStreamFirst";
    QTest::newRow("reply body holding 90001") << "body90001";
    QTest::newRow("delayed reply") << "delay";
    QTest::newRow("session held past a heartbeat's reply timeout") << "held";
}

void TestTcpSession::faultsOfTheWire()
{
    QFETCH(QString, fault);
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    if (fault == "split") {
        dev->setSplitWrites(1, 0);
        // Room for a slow byte-by-byte reply on a loaded machine: a frame
        // whose bytes stop coming is given up after most of the reply timeout.
        SdkTimings timings = fastTimings();
        timings.replyTimeoutMs = 5000;
        KelvoSDKHelper::instance()->session(key)->setTimings(timings);
    } else if (fault == "garbage")
        dev->injectGarbageBeforeNextFrame(QByteArray("\x07\x03\x18garbage<PrivateProto>", 24));
    else if (fault == "oversized")
        dev->injectOversizedHeaderBeforeNextFrame();
    else if (fault == "bundle")
        dev->bundleNextReplyWithStream(false);
    else if (fault == "bundleStreamFirst")
        dev->bundleNextReplyWithStream(true);
    else if (fault == "body90001")
        dev->setExtraReplyBody(QStringLiteral("<serial>90001</serial><time>14304</time>"));
    else if (fault == "delay")
        dev->setReplyDelay(150);
    else if (fault == "held") {
        // The session's thread held (as a database wait holds it) for twice
        // the reply timeout right after a heartbeat: the time its reply
        // could not be read is not the device's.
        KelvoSDKHelper::instance()->session(key)->sendHeartbeat();
        QThread::msleep(ulong(2 * fastTimings().replyTimeoutMs));
    }

    auto *sdk = KelvoSDKHelper::instance();
    // The delayed reply is still taken, and really came late: seen after a
    // deadline armed before the request.
    std::unique_ptr<Deadline> delayed(fault == "delay" ? new Deadline(140) : nullptr);
    QList<bool> versionDelayed;
    QObject scope;
    connect(sdk, &KelvoSDKHelper::signalCommonInfo, &scope, [&](const RecvInfo &info) {
        if (info.ip == key.ip && PrivateProto::headCommand(info.xml) == 14002)
            versionDelayed.append(delayed && delayed->passed());
    });
    sdk->sendCmd(key, 14002, 0);
    sdk->sendCmd(key, 13002, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 13002) == 1, 5000);
    QCOMPARE(rec.count(key.ip, 14002), 1);
    const Received version = rec.of(key.ip, 14002).first();
    QCOMPARE(findValuesInXml(version.info.xml, "body").value("UID"), dev->uid());
    QVERIFY(version.info.data.isEmpty());
    QCOMPARE(findValuesInXml(rec.of(key.ip, 13002).first().info.xml, "TCPIP").value("IP"), key.ip);
    if (fault.startsWith("bundle")) {
        // The stream message of the same frame follows on a pacing tick.
        QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 90001) == 1, 2000);
        QCOMPARE(rec.of(key.ip, 90001).first().info.data, SimDevice::mediaFrame(0, dev->playback().keyFrameSize));
    }
    if (fault == "delay")
        QCOMPARE(versionDelayed, QList<bool>{true});
    if (fault == "held")
        QTRY_COMPARE(rec.count(key.ip, 35001), 1);
    QVERIFY(sdk->isConnected(key));
    QCOMPARE(dev->acceptedCount(), 1);
}

void TestTcpSession::pushedMessagesAndStore()
{
    FacadeRecorder rec;
    auto dev = startLoggedIn(rec);
    QVERIFY(dev);
    const loginDev key = dev->loginKey();
    auto *sdk = KelvoSDKHelper::instance();

    dev->pushAlarm(QStringLiteral("<alarmType>MD</alarmType><time>20261207101010</time>"));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 35003) == 1, 2000);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 35003).first().info.xml, "body").value("alarmType"), QStringLiteral("MD"));

    // A set changes what the next get returns.
    sdk->sendData(key, 14018,
                  QStringLiteral("<contactInfo><contactAddress>%1</contactAddress></contactInfo>")
                      .arg(PrivateProto::escapeText("a&b@example.com")),
                  0);
    sdk->sendCmd(key, 14017, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 14017) == 1, 2000);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 14017).first().info.xml, "contactInfo").value("contactAddress"),
             QStringLiteral("a&b@example.com"));
    QCOMPARE(rec.count(key.ip, 14018), 1);

    // Password reset with the security code.
    sdk->sendData(key, 14020, "<securityCodeCheck>000000</securityCodeCheck><password>x</password>", 0);
    sdk->sendData(key, 14020, "<securityCodeCheck>123456</securityCodeCheck><password>new1</password>", 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.count(key.ip, 14020) == 2, 2000);
    QCOMPARE(findValuesInXml(rec.of(key.ip, 14020).first().info.xml, "head").value("result"), QStringLiteral("6"));
    QCOMPARE(findValuesInXml(rec.of(key.ip, 14020).last().info.xml, "head").value("result"), QStringLiteral("0"));
    QCOMPARE(dev->state().password, QStringLiteral("new1"));
}

void TestTcpSession::ignoresApplicationProxy()
{
    // A proxy configured for the process must not carry device connections.
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", 9));
    FacadeRecorder rec;
    auto dev = startDevice();
    QVERIFY(dev);
    const bool ok = connectAndLogin(*dev, rec);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(ok);
    QCOMPARE(dev->acceptedCount(), 1);
}

QTEST_GUILESS_MAIN(TestTcpSession)
#include "tst_TcpSession.moc"
