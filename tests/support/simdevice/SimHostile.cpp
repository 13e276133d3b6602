#include "SimHostile.h"

#include "KelvoCommon.h"
#include "SimDevice.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qint64 SendBufferBound = 256 * 1024; // bytes queued per connection before the peer waits
constexpr uint32_t StuckLength = 0x800000;

QByteArray frameOf(const QByteArray &payload)
{
    QByteArray f("\x07\x03\x18\x20", 4);
    const uint32_t n = uint32_t(payload.size());
    for (int i = 0; i < 4; ++i)
        f.append(char((n >> (8 * i)) & 0xff));
    return f + payload;
}

qint64 queuedBytes(SimConnection *c)
{
    const auto *socket = c->findChild<QTcpSocket *>();
    return socket ? socket->bytesToWrite() : 0;
}

// Every device answers the control command, so the floods can be switched on
// from another process.
static SimDeviceExtension ext([](SimDevice &d) {
    auto *hostile = new SimHostile(&d, &d);
    d.setHandler(SimHostile::ControlCmd, [hostile](SimConnection *c, const SimRequest &r) {
        const QString name = r.body.value(QStringLiteral("mode")).trimmed();
        if (name == QLatin1String("reply")) {
            SimHostile::ReplyFault fault;
            bool cmdOk = false;
            const unsigned int cmd = r.body.value(QStringLiteral("cmd")).trimmed().toUInt(&cmdOk);
            if (!SimHostile::faultFromName(r.body.value(QStringLiteral("fault")).trimmed(), &fault) || !cmdOk) {
                c->reply(SimHostile::ControlCmd, 1);
                return;
            }
            bool timesOk = false;
            const int times = r.body.value(QStringLiteral("times")).trimmed().toInt(&timesOk);
            c->device()->setReplyRewrite(cmd, SimHostile::rewrite(fault), timesOk ? times : -1);
            c->reply(SimHostile::ControlCmd, 0);
            return;
        }
        bool ok = false;
        const qint64 count = r.body.value(QStringLiteral("messages")).trimmed().toLongLong(&ok);
        SimHostile::Mode mode;
        if (name == QLatin1String("stop")) {
            hostile->stop();
        } else if (SimHostile::modeFromName(name, &mode)) {
            hostile->start(mode, ok ? count : -1);
        } else {
            c->reply(SimHostile::ControlCmd, 1);
            return;
        }
        c->reply(SimHostile::ControlCmd, 0, QStringLiteral("<sent>%1</sent>").arg(hostile->messagesSent()));
    });
});

} // namespace

SimHostile::SimHostile(SimDevice *device, QObject *parent)
    : QObject(parent)
    , m_device(device)
{
    m_timer = new QTimer(this);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &SimHostile::pump);
}

bool SimHostile::modeFromName(const QString &name, Mode *mode)
{
    static const QHash<QString, Mode> names = {
        {QStringLiteral("endless-middle"), EndlessMiddle}, {QStringLiteral("stuck-header"), StuckHeader},
        {QStringLiteral("stream-flood"), StreamFlood},     {QStringLiteral("big-frames"), BigFrameFlood},
        {QStringLiteral("download-flood"), DownloadFlood},
    };
    if (!names.contains(name))
        return false;
    *mode = names.value(name);
    return true;
}

bool SimHostile::faultFromName(const QString &name, ReplyFault *fault)
{
    static const QHash<QString, ReplyFault> names = {
        {QStringLiteral("nested-70"), Nested70},
        {QStringLiteral("nested-40000"), Nested40000},
        {QStringLiteral("cut-off"), CutOff},
        {QStringLiteral("garbage"), Garbage},
        {QStringLiteral("result-fail"), ResultFail},
        {QStringLiteral("result-empty"), ResultEmpty},
        {QStringLiteral("result-absent"), ResultAbsent},
        {QStringLiteral("result-hex"), ResultHex},
        {QStringLiteral("numbers-min"), NumbersMin},
        {QStringLiteral("numbers-max"), NumbersMax},
        {QStringLiteral("cut-short"), CutShort},
    };
    if (!names.contains(name))
        return false;
    *fault = names.value(name);
    return true;
}

QString SimHostile::replaceNumbers(const QString &envelope, const QString &number)
{
    const int body = envelope.indexOf(QLatin1String("<body>"));
    if (body < 0)
        return envelope;
    static const QRegularExpression lone(QStringLiteral(">\\s*-?\\d+\\s*<"));
    QString tail = envelope.mid(body);
    tail.replace(lone, QStringLiteral(">%1<").arg(number));
    return envelope.left(body) + tail;
}

SimDevice::Rewrite SimHostile::rewrite(ReplyFault fault)
{
    const auto nested = [](int depth) {
        return [depth](const QString &envelope) {
            QString text = envelope;
            const int at = text.indexOf(QLatin1String("<body>"));
            const QString deep =
                QStringLiteral("<n>").repeated(depth) + QStringLiteral("1") + QStringLiteral("</n>").repeated(depth);
            text.insert(at < 0 ? text.size() : at + 6, deep);
            return text.toUtf8();
        };
    };
    const auto result = [](const QString &element) {
        return [element](const QString &envelope) {
            static const QRegularExpression any(QStringLiteral("<result>[^<]*</result>"));
            QString text = envelope;
            return text.replace(any, element).toUtf8();
        };
    };
    switch (fault) {
    case Nested70:
        return nested(70);
    case Nested40000:
        return nested(40000);
    case CutOff:
        // Cut inside the body, the closing tag still there: the message
        // reaches the readers, its elements do not end.
        return [](const QString &envelope) {
            const int body = envelope.indexOf(QLatin1String("<body>"));
            const int end = envelope.indexOf(QLatin1String("</body>"));
            const int cut = body < 0 || end <= body ? envelope.size() / 2 : body + 6 + (end - body - 6) / 2;
            return (envelope.left(cut) + QStringLiteral("</PrivateProto>\n")).toUtf8();
        };
    case CutShort:
        // Cut inside the body and nothing after it: no closing tag at all.
        return [](const QString &envelope) {
            const int body = envelope.indexOf(QLatin1String("<body>"));
            const int end = envelope.indexOf(QLatin1String("</body>"));
            const int cut = body < 0 || end <= body ? envelope.size() / 2 : body + 6 + (end - body - 6) / 2;
            return envelope.left(cut).toUtf8();
        };
    case Garbage:
        // The head as the device wrote it (a reader that only looks for
        // "<cmd>" and "<result>0" finds both), then bytes that are no XML.
        return [](const QString &envelope) {
            const int body = envelope.indexOf(QLatin1String("<body>"));
            QByteArray bytes = envelope.left(body < 0 ? 0 : body).toUtf8();
            static const char raw[] = "<body>\x01\xfe<<&&;]]>\x02 not a reply <a b='";
            bytes.append(raw, int(sizeof(raw)) - 1);
            for (int i = 0; i < 200; ++i)
                bytes.append(char((i * 37 + 11) & 0xff));
            bytes.append("</PrivateProto>\n");
            return bytes;
        };
    case ResultFail:
        return result(QStringLiteral("<result>fail</result>"));
    case ResultEmpty:
        return result(QStringLiteral("<result></result>"));
    case ResultAbsent:
        return result(QString());
    case ResultHex:
        return result(QStringLiteral("<result>0x5</result>"));
    case NumbersMin:
        return [](const QString &envelope) { return replaceNumbers(envelope, QStringLiteral("-2147483648")).toUtf8(); };
    case NumbersMax:
        return [](const QString &envelope) { return replaceNumbers(envelope, QStringLiteral("2147483647")).toUtf8(); };
    }
    return [](const QString &envelope) { return envelope.toUtf8(); };
}

void SimHostile::start(Mode mode, qint64 maxMessages)
{
    m_mode = mode;
    m_max = maxMessages;
    m_sent = 0;
    ++m_frameId;
    m_sequence = 0;
    if (mode == StuckHeader) {
        // The rest of the 8 MB never comes; what the device sends next is read as
        // part of it by a client that waits.
        const QByteArray head = frameOf(QByteArray()).left(4) + QByteArray("\x00\x00\x80\x00", 4);
        if (m_device)
            m_device->pushRaw(head + QByteArray(100, 'x'));
        m_sent = 1;
        return;
    }
    if (mode == EndlessMiddle && m_device)
        m_device->pushFrame(
            streamPayload(Cmd::PlaybackData, m_frameId, m_sequence++, 0x01, true, QByteArray(8000, 'F')));
    m_timer->start();
}

void SimHostile::setBurstGapMs(int ms)
{
    m_timer->setInterval(ms);
}

void SimHostile::stop()
{
    m_timer->stop();
}

bool SimHostile::running() const
{
    return m_timer->isActive();
}

QByteArray SimHostile::streamPayload(unsigned int cmd, uint32_t frameId, int16_t sequence, uint8_t type, bool key,
                                     const QByteArray &media)
{
    StreamFragmentHeader h;
    h.setSequence(sequence);
    h.setFragmentLength(uint16_t(qMin(media.size(), 0xffff)));
    h.bytes[12] = type;
    h.bytes[13] = key ? 1 : 0;
    h.setWord(4, frameId);
    const QByteArray tail = h.toByteArray() + media;
    QByteArray payload =
        SimDevice::envelope(cmd, 0, QStringLiteral("<dataLen>%1</dataLen>").arg(tail.size()), 0).toUtf8();
    payload.chop(1); // the data sits 4 bytes after the closing tag
    payload.append(4, '\0');
    return payload + tail;
}

QByteArray SimHostile::nextPayload()
{
    switch (m_mode) {
    case EndlessMiddle:
        return streamPayload(Cmd::PlaybackData, m_frameId, m_sequence++, 0x00, false, QByteArray(8000, 'M'));
    case StreamFlood:
    case BigFrameFlood: {
        const bool key = m_sent % 50 == 0;
        const int size = m_mode == BigFrameFlood ? 60000 : (key ? 12000 : 200);
        return streamPayload(Cmd::PlaybackData, ++m_frameId, m_sequence++, 0x11, key,
                             QByteArray(size, key ? 'K' : 'd'));
    }
    case DownloadFlood:
        return streamPayload(Cmd::DownloadData, ++m_frameId, m_sequence++, 0x11, m_sent % 50 == 0,
                             QByteArray(4000, 'D'));
    case StuckHeader:
        break;
    }
    return QByteArray();
}

void SimHostile::pump()
{
    if (!m_device || (m_max >= 0 && m_sent >= m_max)) {
        m_timer->stop();
        return;
    }
    const QList<SimConnection *> connections = m_device->connections();
    // A burst per turn of the event loop, and only into short send buffers.
    for (int i = 0; i < 64 && (m_max < 0 || m_sent < m_max); ++i) {
        bool roomy = false;
        for (SimConnection *c : connections)
            roomy = roomy || queuedBytes(c) < SendBufferBound;
        if (!roomy)
            return;
        const QByteArray payload = nextPayload();
        for (SimConnection *c : connections) {
            if (queuedBytes(c) < SendBufferBound)
                c->sendFrame(payload);
        }
        ++m_sent;
    }
}
