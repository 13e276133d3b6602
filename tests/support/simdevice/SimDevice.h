#pragma once

// A simulated device of the private protocol, for tests and for trying the
// client by hand. Every device listens on a real TCP socket (loopback), parses
// the client's frames with the wire rules and answers with real envelopes.
//
// Overview
//   SimDevice            one IPC or NVR: TCP server, state, handler table,
//                        request log, pushes, faults, playback streams.
//   SimConnection        one accepted client connection of a device.
//   SimSearchResponder   answers the UDP search (Cmd::Search ->
//                        Cmd::SearchAnswer, unicast back) and applies
//                        Cmd::Readdress / Cmd::ResetCredentials for the
//                        devices it knows.
//
// Using it in a test
//   SimDevice dev(SimDevice::Nvr);             // or SimDevice::Ipc
//   QVERIFY(dev.listen());                      // 127.0.0.1, port 0
//   loginDev key; key.ip = dev.address().toString(); key.port = dev.port();
//   ... drive the client, then inspect dev.requests(), dev.storedBody(...) ...
// Bind on another address of 127.0.0.0/8 the test owns to run several devices
// with the same port layout in parallel: dev.listen(QHostAddress("127.31.0.7")).
//
// State
//   state()             credentials, channels, record days, security code, ...
//   Generic store       storedBody(getCmd) is the reply body of a get command.
//                       A command whose number is in the store is answered with
//                       that body (result 0). A command whose number minus one
//                       (or the get named by mapSetToGet) is in the store is a
//                       set: the top-level elements of its body replace the
//                       same-named elements of the stored body (new ones are
//                       appended) and it is answered with result 0 and an empty
//                       body. Any other command without a handler is answered
//                       with result 0 and an empty body.
//   Channels            each body lives per head channel: a get on channel n
//                       reads channel n's own body when it has one, else
//                       channel 0's; a set on channel n merges into channel
//                       n's body (starting from channel 0's). Without a
//                       channel argument the store calls mean channel 0.
//   Preloaded gets      Cmd::GetVersion, Cmd::GetNetwork (<TCPIP>),
//                       Cmd::GetCapabilities (<CapList>), Cmd::GetContact
//                       (<contactInfo><contactAddress>), Cmd::GetSecurityCode
//                       (<QRCodeInfo>).
//
// Handler table
//   setHandler(cmd, fn) replaces or adds the handler of a command; fn gets the
//   connection and the parsed request and answers with conn->reply(...). The
//   built-in handlers (Cmd::Login, Cmd::Heartbeat, Cmd::ResetPassword,
//   Cmd::UpgradeBegin, Cmd::UpgradeChunk, Cmd::QueryRecords to
//   Cmd::ResumePlayback) can be replaced the same way; removeHandler(cmd)
//   falls back to the generic store.
//
// Faults (all settable at any time)
//   setRefuseConnections   stop listening (connects are refused), keeps the port
//   dropConnections        abort every client connection now
//   setSilent              read but never answer (heartbeat timeout)
//   setReplyDelay          answer replies after a delay
//   setSplitWrites         write frames in chunks of n bytes (1: every byte),
//                          one chunk per interval
//   injectGarbageBeforeNextFrame, injectOversizedHeaderBeforeNextFrame
//   bundleNextReplyWithStream   next reply and a Cmd::PlaybackData message in
//                          one frame
//   pushMessage / pushAlarm / pushStreamFrame / pushFrame / pushRaw
//                          unsolicited messages (alarms, PTZ replies, stream
//                          data, raw bytes) to every connection
//   setForcedResult        one command answered with that result and an
//                          empty body, ahead of any handler; nothing stored
//   setCommandDelay        reply delay of one command (replaces setReplyDelay)
//   setCommandSilent       one command read but never answered
//   planReplies            the fates of the next requests of one command,
//                          one each: answered after that many ms (held, as a
//                          proxy may), kept until releaseHeld (Held),
//                          answered and a copy kept until releaseHeld
//                          (Repeated), or never (a negative entry: dropped)
//   setExtraReplyBody      text appended to every reply body (e.g. the number
//                          of Cmd::PlaybackData as the text of an element)
//   setReplyRewrite        the reply to one command, as the handler made it,
//                          rewritten into any bytes (hostile replies, see
//                          SimHostile::rewrite), once or every time
//   PlaybackOptions        dropMiddleOfFrame, startSequence (65534 wraps), ...

#include "KelvoCommon.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <tuple>

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;
class SimDevice;

// One message the device received.
struct SimRequest
{
    unsigned int cmd = 0;
    int channel = 0;              // head "channel" (0 when absent)
    QString xml;                  // the envelope text
    QString bodyText;             // inner text of "body", raw
    QHash<QString, QString> head; // children of "head"
    QHash<QString, QString> body; // children of "body" (findValuesInXml)
    QByteArray tail;              // binary data after the envelope (firmware chunks)
    int connectionId = 0;
};

// A synthetic stream: frames of a deterministic pattern (mediaFrame) cut into
// fragments with 20-byte headers. The first fragment of a frame carries the
// frame time and the key-frame flag; later fragments of the same frame carry
// time 0 and flag 0, so a receiver can tell whose header it kept.
struct PlaybackOptions
{
    int frameCount = 250;                // frames per stream (then the stream ends)
    int frameIntervalMs = 40;            // pace of Cmd::PlaybackData messages (one frame per tick)
    int keyInterval = 25;                // every n-th frame is a key frame (frame 0 is one)
    int keyFrameSize = 30000;            // bytes of a key frame (> 10000 passes the key gate)
    int deltaFrameSize = 3000;           // bytes of other frames
    int fragmentSize = 8000;             // media bytes per fragment (at most 65535)
    uint32_t frameTimeStepMs = 40;       // frame time advance per frame
    uint32_t firstFrameTimeMs = 3600000; // frame time of frame 0 (ms since midnight)
    int16_t startSequence = 0;           // sequence number of the first fragment (-2 = 65534)
    int dropMiddleOfFrame = -1;          // this frame loses one middle fragment (needs >= 3)
    bool markKeyFrames = true;           // false: the key-frame flag stays 0, as some recorders leave it
    QString codec = QStringLiteral("H264");
};

// What a device sent for one stream, for checks.
struct SimStreamFrame
{
    int index = 0;
    uint32_t frameId = 0;
    uint32_t timeMs = 0;
    bool key = false;
    QByteArray media;
};

class SimConnection : public QObject
{
    Q_OBJECT

public:
    SimConnection(SimDevice *device, QTcpSocket *socket, int id);
    ~SimConnection() override;

    SimDevice *device() const { return m_device; }
    int id() const { return m_id; }
    int channel() const { return m_channel; } // head channel of the last request
    bool loggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool on) { m_loggedIn = on; }
    QHostAddress peerAddress() const;
    quint16 peerPort() const;

    // Answers a request: the reply delay, the extra reply body and the
    // bundle fault apply. channel -1 echoes the connection's channel.
    void reply(unsigned int cmd, int result, const QString &body = QString(), int channel = -1);
    // An unsolicited message (no delay).
    void sendMessage(unsigned int cmd, int result, const QString &body = QString(), int channel = 0,
                     const QByteArray &tail = QByteArray());
    // One frame around the payload / raw bytes; faults of the write path apply.
    void sendFrame(const QByteArray &payload);
    void sendRaw(const QByteArray &bytes);
    void abort();
    // Ends the connection once what was written has left (no reset that
    // could take an answer still unread by the client with it).
    void hangUp();

    // Playback stream of this connection.
    // Sends the fragments of one synthetic frame (playback options apply).
    void sendStreamFrame(unsigned int cmd, int frameIndex);
    void startStream(bool download, int channel);
    void stopStream();
    void pauseStream(bool paused);
    void seekStream();
    bool streaming() const { return m_streamActive; }
    QList<SimStreamFrame> sentFrames() const { return m_sentFrames; }

signals:
    void closed(int id);

private:
    void onReadyRead();
    void handlePayload(const QByteArray &payload);
    void writeOut(const QByteArray &bytes);
    void flushSplit();
    void sendNextFrame();
    QByteArray streamMessage(unsigned int cmd, int frameIndex);
    QList<QByteArray> streamMessages(unsigned int cmd, int frameIndex);

    SimDevice *m_device;
    QTcpSocket *m_socket;
    int m_id;
    int m_channel = 0;
    bool m_loggedIn = false;
    QByteArray m_in;
    QByteArray m_splitQueue;
    QTimer *m_splitTimer = nullptr;

    QTimer *m_streamTimer = nullptr;
    bool m_streamActive = false;
    bool m_streamDownload = false;
    int m_streamChannel = 0;
    int m_nextFrame = 0;
    uint16_t m_sequence = 0;
    QList<SimStreamFrame> m_sentFrames;
};

class SimDevice : public QObject
{
    Q_OBJECT

public:
    enum Kind { Ipc, Nvr };
    using Handler = std::function<void(SimConnection *conn, const SimRequest &request)>;

    struct State
    {
        QString user = QStringLiteral("admin");
        QString password = QStringLiteral("402917");
        int maxChannels = 4;                            // NVR: "MAXChannels" of the login reply
        QString channelStates = QStringLiteral("1100"); // NVR: "Ipcs_stat" of the heartbeat
        int loginFailResult = 5;                        // result of a refused login
        QString securityCode = QStringLiteral("123456");
        QStringList recordDays; // "yyyyMMdd" days with recordings (Cmd::QueryRecords by month)
        QString dayRecord;      // 1440 characters, 'C' = nothing recorded
        int speed = 1;
        bool paused = false;
    };

    // Page-specific behaviour (seeded bodies, set-to-get maps, handlers) lives
    // in files of its own beside this one, each registering an extension that
    // every new device runs at the end of its construction, so tests and the
    // kelvo_simdevice program serve the same device. Register with a static
    // SimDeviceExtension object in such a file.
    using Extension = std::function<void(SimDevice &device)>;
    static void registerExtension(Extension extension);

    explicit SimDevice(Kind kind = Ipc, QObject *parent = nullptr);
    ~SimDevice() override;

    Kind kind() const { return m_kind; }
    State &state() { return m_state; }
    const State &state() const { return m_state; }

    // Listening. Port 0 picks a free port; port() tells which.
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    void close();
    // Stops listening and ends every connection once what was written to it
    // has left.
    void hangUp();
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    loginDev loginKey(uint8_t channel = 0) const;

    // Identity used in Cmd::GetVersion and the search answer.
    QString uid() const;
    void setUid(const QString &uid);

    // Generic store of get replies, per head channel (see Channels above).
    void setStoredBody(unsigned int getCmd, const QString &body, int channel = 0);
    QString storedBody(unsigned int getCmd, int channel = 0) const;
    bool hasStoredBody(unsigned int getCmd, int channel = 0) const;
    // Text of the first element named `element` in a stored body.
    QString storedValue(unsigned int getCmd, const QString &element, int channel = 0) const;
    void setStoredValue(unsigned int getCmd, const QString &element, const QString &value, int channel = 0);
    void mapSetToGet(unsigned int setCmd, unsigned int getCmd);
    // Merges the top-level elements of `body` into the stored body of getCmd.
    void mergeStoredBody(unsigned int getCmd, const QString &body, int channel = 0);

    // Handler table.
    void setHandler(unsigned int cmd, Handler handler);
    void removeHandler(unsigned int cmd);
    bool hasHandler(unsigned int cmd) const { return m_handlers.contains(cmd); }

    // Requests received, in order.
    QList<SimRequest> requests() const { return m_requests; }
    QList<SimRequest> requests(unsigned int cmd) const;
    int requestCount(unsigned int cmd) const;
    void clearRequests() { m_requests.clear(); }

    // Connections.
    QList<SimConnection *> connections() const;
    int connectionCount() const { return m_connections.size(); }
    int acceptedCount() const { return m_accepted; }
    QList<qint64> acceptTimesMs() const { return m_acceptTimes; } // since construction

    // Unsolicited messages to every connection.
    void pushMessage(unsigned int cmd, const QString &body, int result = 0, int channel = 0);
    void pushAlarm(const QString &body);
    void pushFrame(const QByteArray &payload);
    void pushRaw(const QByteArray &bytes);
    // One synthetic stream frame (Cmd::PlaybackData or Cmd::DownloadData) in
    // fragments, to every connection.
    void pushStreamFrame(unsigned int cmd, int frameIndex);

    // Faults.
    void setRefuseConnections(bool refuse);
    bool refusesConnections() const { return m_refuse; }
    void dropConnections();
    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }
    void setReplyDelay(int ms) { m_replyDelayMs = ms; }
    int replyDelay() const { return m_replyDelayMs; }
    void setSplitWrites(int chunk, int intervalMs = 0);
    int splitChunk() const { return m_splitChunk; }
    int splitInterval() const { return m_splitIntervalMs; }
    void injectGarbageBeforeNextFrame(const QByteArray &garbage);
    void injectOversizedHeaderBeforeNextFrame();
    void bundleNextReplyWithStream(bool streamFirst = false);
    // Per-command faults; clearForcedResult / a negative delay / false undo them.
    void setForcedResult(unsigned int cmd, int result) { m_forcedResults.insert(cmd, result); }
    void clearForcedResult(unsigned int cmd) { m_forcedResults.remove(cmd); }
    void setCommandDelay(unsigned int cmd, int ms);
    // The delay that applies to the reply of cmd.
    int replyDelayFor(unsigned int cmd) const
    {
        return m_plannedDelay >= 0 && cmd == m_plannedCmd ? m_plannedDelay : m_commandDelays.value(cmd, m_replyDelayMs);
    }
    void setCommandSilent(unsigned int cmd, bool silent);
    // The next requests of cmd, one entry each: answered after that many ms
    // (its reply made at once, with the values of that moment), or never
    // when negative. Later requests are answered as usual.
    void planReplies(unsigned int cmd, const QList<int> &delaysMs) { m_replyPlans[cmd] += delaysMs; }
    // Every command's planned fates, taken out (planReplies puts them back).
    QHash<unsigned int, QList<int>> takeReplyPlans() { return std::exchange(m_replyPlans, {}); }
    static constexpr int Held = 0x7fffffff;
    // Answered at once, and the same reply sent again by releaseHeld.
    static constexpr int Repeated = 0x7ffffffe;
    // Sends the oldest reply to cmd kept by a Held plan entry; false: none.
    bool releaseHeld(unsigned int cmd);
    int heldCount(unsigned int cmd) const;
    // Internal: keeps a reply of a Held plan entry.
    void keepHeld(unsigned int cmd, SimConnection *conn, const QByteArray &payload);
    void setExtraReplyBody(const QString &text) { m_extraReplyBody = text; }
    QString extraReplyBody() const { return m_extraReplyBody; }
    // The next `times` replies to cmd (-1: all) go out as rewrite(envelope text).
    using Rewrite = std::function<QByteArray(const QString &envelope)>;
    void setReplyRewrite(unsigned int cmd, Rewrite rewrite, int times = -1);
    void clearReplyRewrites() { m_rewrites.clear(); }
    // Internal: the payload of a reply to cmd, rewritten when a rewrite is due.
    QByteArray replyPayload(unsigned int cmd, const QString &envelope);

    // Playback streams.
    PlaybackOptions &playback() { return m_playback; }
    static QByteArray mediaFrame(int index, int size);
    int frameSize(int index) const;
    bool isKeyFrame(int index) const;
    static QByteArray videoParam(const QString &codec);

    // Firmware upload as received.
    QByteArray firmware() const { return m_firmware; }
    uint32_t firmwareAnnounced() const { return m_firmwareLength; }
    QList<QPair<uint32_t, uint32_t>> firmwareChunks() const { return m_firmwareChunks; } // (startPos, length)
    bool firmwareComplete() const { return m_firmwareComplete; }
    bool firmwareOrderError() const { return m_firmwareOrderError; }

    // Frames of length 0 received (a client that sends a refused envelope).
    int emptyFrames() const { return m_emptyFrames; }
    void countEmptyFrame() { ++m_emptyFrames; }

    // Search answer body (Cmd::SearchAnswer) of this device.
    QString searchAnswerBody() const;
    // Applies a Cmd::Readdress body; true when UID and credentials matched.
    bool applyModifyNetwork(const QHash<QString, QString> &body);
    // Applies a Cmd::ResetCredentials body; true when the UID matched.
    bool applyCredentialReset(const QHash<QString, QString> &body);

    // Internal: used by SimConnection.
    void dispatch(SimConnection *conn, const SimRequest &request);
    QByteArray takeWritePrefix();
    bool takeBundleRequest(bool *streamFirst);

    static QString envelope(unsigned int cmd, int result, const QString &body, int channel);

signals:
    void requestReceived(const SimRequest &request);
    void clientConnected(int connectionId);
    void clientDisconnected(int connectionId);

private:
    static QList<Extension> &extensions();
    void onNewConnection();
    void installDefaultHandlers();
    void handleGeneric(SimConnection *conn, const SimRequest &request);

    Kind m_kind;
    State m_state;
    QTcpServer *m_server = nullptr;
    QHostAddress m_address;
    quint16 m_port = 0;
    bool m_refuse = false;
    bool m_silent = false;
    int m_replyDelayMs = 0;
    int m_splitChunk = 0;
    int m_splitIntervalMs = 0;
    QByteArray m_garbage;
    bool m_oversized = false;
    bool m_bundle = false;
    bool m_bundleStreamFirst = false;
    QString m_extraReplyBody;
    PlaybackOptions m_playback;

    QMap<unsigned int, QString> m_store;                   // channel 0
    QMap<int, QMap<unsigned int, QString>> m_channelStore; // other head channels
    QHash<unsigned int, int> m_forcedResults;
    QHash<unsigned int, QPair<Rewrite, int>> m_rewrites;
    QHash<unsigned int, int> m_commandDelays;
    QSet<unsigned int> m_silentCommands;
    QHash<unsigned int, QList<int>> m_replyPlans;
    QList<std::tuple<unsigned int, QPointer<SimConnection>, QByteArray>> m_held;
    unsigned int m_plannedCmd = 0; // the request being handled under a plan
    int m_plannedDelay = -1;
    QHash<unsigned int, unsigned int> m_setToGet;
    QHash<unsigned int, Handler> m_handlers;
    QList<SimRequest> m_requests;
    QMap<int, QPointer<SimConnection>> m_connections;
    int m_nextId = 1;
    int m_accepted = 0;
    QElapsedTimer m_clock;
    QList<qint64> m_acceptTimes;

    QByteArray m_firmware;
    uint32_t m_firmwareLength = 0;
    QList<QPair<uint32_t, uint32_t>> m_firmwareChunks;
    bool m_firmwareComplete = false;
    bool m_firmwareOrderError = false;
    int m_emptyFrames = 0;
};

class SimSearchResponder : public QObject
{
    Q_OBJECT

public:
    explicit SimSearchResponder(QObject *parent = nullptr);
    ~SimSearchResponder() override;

    bool bind(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }

    void addDevice(SimDevice *device);
    void removeDevice(SimDevice *device);

    // Commands received (Cmd::Search, Cmd::Readdress, Cmd::ResetCredentials,
    // ...), in order.
    QList<SimRequest> requests() const { return m_requests; }
    int requestCount(unsigned int cmd) const;

signals:
    void requestReceived(const SimRequest &request);

private:
    void onReadyRead();

    QUdpSocket *m_socket = nullptr;
    QHostAddress m_address;
    quint16 m_port = 0;
    QList<QPointer<SimDevice>> m_devices;
    QList<SimRequest> m_requests;
};

// Registers an extension at start-up: `static SimDeviceExtension ext([](SimDevice &d) { ... });`
struct SimDeviceExtension
{
    explicit SimDeviceExtension(SimDevice::Extension extension) { SimDevice::registerExtension(std::move(extension)); }
    // Runs for devices of one kind only (the defaults of that kind).
    SimDeviceExtension(SimDevice::Kind kind, SimDevice::Extension extension)
    {
        SimDevice::registerExtension([kind, extension](SimDevice &device) {
            if (device.kind() == kind)
                extension(device);
        });
    }
};
