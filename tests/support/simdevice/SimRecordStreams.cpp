#include "SimRecordStreams.h"

#include "SimDevice.h"

#include <QDateTime>
#include <QHash>
#include <QPointer>
#include <QTimer>

namespace SimRecordStreams {
namespace {

constexpr int kFragmentSize = 8000;

QHash<const SimDevice *, Setup> &setups()
{
    static QHash<const SimDevice *, Setup> all;
    return all;
}

// One stream of one connection.
class Stream : public QObject
{
public:
    Stream(SimConnection *conn, const Setup &setup, bool download, uint32_t startMs)
        : QObject(conn)
        , m_conn(conn)
        , m_setup(setup)
        , m_download(download)
        , m_startMs(startMs)
    {
        setObjectName(QStringLiteral("simRecordStream"));
        m_timer.setParent(this);
        connect(&m_timer, &QTimer::timeout, this, [this] { sendNext(); });
    }

    void start()
    {
        if (m_download) {
            if (!m_setup.sendDownloadData)
                return;
            while (sendNext()) {
            }
            return;
        }
        m_timer.start(qMax(1, m_setup.frameIntervalMs));
    }
    void setPaused(bool paused)
    {
        if (m_download || m_done)
            return;
        if (paused)
            m_timer.stop();
        else
            m_timer.start(qMax(1, m_setup.frameIntervalMs));
    }
    void stop()
    {
        m_done = true;
        m_timer.stop();
    }
    // A recorder jumps to the asked time and sends from a key frame there.
    void seek(uint32_t startMs)
    {
        if (m_download)
            return;
        m_startMs = startMs;
        m_next = 0;
        if (m_done) {
            m_done = false;
            m_timer.start(qMax(1, m_setup.frameIntervalMs));
        }
    }

private:
    bool sendNext()
    {
        const int limit = m_setup.silentAfterFrames >= 0 ? qMin(m_setup.silentAfterFrames, int(m_setup.frames.size()))
                                                         : int(m_setup.frames.size());
        if (m_done || m_next >= limit) {
            m_timer.stop();
            m_done = true;
            return false;
        }
        const bool lost = m_next == m_setup.lostFrame;
        const Frame &frame = m_setup.frames.at(m_next++);
        const uint32_t time = m_startMs + uint32_t(frame.ms);
        const int count = qMax(1, int((frame.data.size() + kFragmentSize - 1) / kFragmentSize));
        if (lost) {
            m_sequence = uint16_t(m_sequence + count);
            return true;
        }
        for (int i = 0; i < count; ++i) {
            const QByteArray part = frame.data.mid(i * kFragmentSize, kFragmentSize);
            StreamFragmentHeader h;
            const bool first = i == 0;
            h.setWord(0, first ? time : 0);
            h.setWord(1, 0x00010203);
            h.setSequence(int16_t(m_sequence++));
            h.setFragmentLength(uint16_t(part.size()));
            h.bytes[12] = count == 1 ? 0x11 : (first ? 0x01 : (i == count - 1 ? 0x10 : 0x00));
            h.bytes[13] = first && frame.key ? 1 : 0;
            h.setWord(4, uint32_t(m_next));
            const QByteArray data = h.toByteArray() + part;
            m_conn->sendMessage(m_download ? Cmd::DownloadData : Cmd::PlaybackData, 0,
                                QStringLiteral("<dataLen>%1</dataLen>").arg(data.size()), 0, data);
        }
        return true;
    }

    SimConnection *m_conn;
    const Setup m_setup;
    const bool m_download;
    uint32_t m_startMs;
    QTimer m_timer;
    int m_next = 0;
    uint16_t m_sequence = 0;
    bool m_done = false;
};

// "yyyyMMddhhmmss" or with milliseconds: the time of day in ms.
uint32_t timeOfDayMs(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() < 14)
        return 0;
    const QTime time(t.mid(8, 2).toInt(), t.mid(10, 2).toInt(), t.mid(12, 2).toInt(),
                     t.size() >= 17 ? t.mid(14, 3).toInt() : 0);
    return time.isValid() ? uint32_t(time.msecsSinceStartOfDay()) : 0;
}

Stream *streamOf(SimConnection *conn)
{
    return dynamic_cast<Stream *>(
        conn->findChild<QObject *>(QStringLiteral("simRecordStream"), Qt::FindDirectChildrenOnly));
}

void install(SimDevice &device)
{
    SimDevice *dev = &device;
    QObject::connect(dev, &QObject::destroyed, [dev] { setups().remove(dev); });

    dev->setHandler(Cmd::QueryRecords, [dev](SimConnection *c, const SimRequest &r) {
        const Setup &s = setup(*dev);
        const int channel = r.body.value(QStringLiteral("ChannelId")).trimmed().toInt();
        const bool byMonth = r.body.value(QStringLiteral("ByMonth")).trimmed().toInt() != 0;
        const QString stream = byMonth ? s.monthDays.value(channel, dev->state().recordDays).join(QLatin1Char(';'))
                                       : s.dayRecords.value(channel, dev->state().dayRecord);
        const QString body = QStringLiteral("<ChannelId>%1</ChannelId><ByMonth>%2</ByMonth><Stream>%3</Stream>")
                                 .arg(channel)
                                 .arg(byMonth ? 1 : 0)
                                 .arg(stream);
        if (byMonth || s.dayReplyDelayMs <= 0) {
            c->reply(Cmd::QueryRecords, 0, body);
            return;
        }
        QPointer<SimConnection> conn(c);
        QTimer::singleShot(s.dayReplyDelayMs, dev, [conn, body] {
            if (conn)
                conn->reply(Cmd::QueryRecords, 0, body);
        });
    });
    dev->setHandler(Cmd::StartRecordStream, [dev](SimConnection *c, const SimRequest &r) {
        const Setup &s = setup(*dev);
        if (!s.answerStreamRequest)
            return;
        const bool download = r.body.value(QStringLiteral("DownloadRecord")).trimmed().toInt() != 0;
        const int channel = r.body.value(QStringLiteral("ChannelId")).trimmed().toInt();
        dev->state().paused = false;
        if (Stream *old = streamOf(c)) {
            old->stop();
            old->setObjectName(QString());
            old->deleteLater();
        }
        c->reply(Cmd::StartRecordStream, 0);
        if (s.frames.isEmpty()) {
            c->startStream(download, channel);
            return;
        }
        c->sendMessage(Cmd::StreamAnswer, 0,
                       QStringLiteral("<ChannelId>%1</ChannelId><VideoParam>%2</VideoParam>")
                           .arg(channel)
                           .arg(QString::fromLatin1(SimDevice::videoParam(s.codec).toBase64())));
        auto *stream = new Stream(c, s, download, timeOfDayMs(r.body.value(QStringLiteral("Time"))));
        stream->start();
    });
    dev->setHandler(Cmd::StopRecordStream, [](SimConnection *c, const SimRequest &) {
        c->stopStream();
        if (Stream *s = streamOf(c))
            s->stop();
        c->reply(Cmd::StopRecordStream, 0);
    });
    dev->setHandler(Cmd::SeekRecordStream, [](SimConnection *c, const SimRequest &r) {
        c->reply(Cmd::SeekRecordStream, 0);
        if (Stream *s = streamOf(c))
            s->seek(timeOfDayMs(r.body.value(QStringLiteral("Time"))));
        else
            c->seekStream();
    });
    dev->setHandler(Cmd::PausePlayback, [dev](SimConnection *c, const SimRequest &) {
        dev->state().paused = true;
        c->pauseStream(true);
        if (Stream *s = streamOf(c))
            s->setPaused(true);
        c->reply(Cmd::PausePlayback, 0);
    });
    dev->setHandler(Cmd::ResumePlayback, [dev](SimConnection *c, const SimRequest &) {
        dev->state().paused = false;
        c->pauseStream(false);
        if (Stream *s = streamOf(c))
            s->setPaused(false);
        c->reply(Cmd::ResumePlayback, 0);
    });
}

SimDeviceExtension extension(install);

} // namespace

Setup &setup(SimDevice &device)
{
    return setups()[&device];
}

} // namespace SimRecordStreams
