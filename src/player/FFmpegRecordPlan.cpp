#include "FFmpegRecordPlan.h"

#include "Mp4Writer.h"
#include "Platform.h"
#include "PlayerCommon.h"
#include "RecordIndex.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSaveFile>
#include <QDirIterator>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {
const char *kTimeFormat = "hhmmsszzz";
QMutex g_indexMutex;
QSet<QString> g_openSegments; // under g_indexMutex: files recorders of this process write now

QJsonArray readIndex(const QString &dayDir)
{
    return RecordIndex::readArray(dayDir);
}

bool writeIndex(const QString &path, const QJsonArray &array)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    f.write(QJsonDocument(array).toJson(QJsonDocument::Indented));
    return f.commit();
}

} // namespace

// 0 when the file holds no video frame, -1 when it cannot be read (kept: the
// file may be unreadable for another reason).
qint64 FFmpegRecordPlan::fileDurationMs(const QString &path)
{
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return QFile::exists(path) && QFileInfo(path).size() > 0 ? -1 : 0;
    qint64 ms = 0;
    if (avformat_find_stream_info(fmt, nullptr) >= 0) {
        const int v = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        AVPacket *pkt = av_packet_alloc();
        bool frame = false;
        while (v >= 0 && !frame && av_read_frame(fmt, pkt) >= 0) {
            frame = pkt->stream_index == v;
            av_packet_unref(pkt);
        }
        av_packet_free(&pkt);
        if (frame)
            ms = qMax<qint64>(1, fmt->duration > 0 ? fmt->duration / 1000 : 1);
    }
    avformat_close_input(&fmt);
    return ms;
}

FFmpegRecordPlan::FFmpegRecordPlan()
    : QThread(nullptr)
{
}

FFmpegRecordPlan::~FFmpegRecordPlan()
{
    requestStop();
    wait();
}

void FFmpegRecordPlan::setFileLength(int seconds)
{
    if (seconds > 0)
        m_fileLength = seconds;
}

void FFmpegRecordPlan::setParams(const QString &url, const QString &folder)
{
    m_url = url;
    m_folder = folder;
}

void FFmpegRecordPlan::requestStop()
{
    m_stop = true;
}

void FFmpegRecordPlan::setClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

QDateTime FFmpegRecordPlan::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

bool FFmpegRecordPlan::updateDayIndex(const QString &dayDir, const QString &fileName, const QString &startTime,
                                      const QString &endTime)
{
    QMutexLocker lock(&g_indexMutex);
    const QString path = dayDir + QStringLiteral("/record.json");
    QJsonArray array = readIndex(dayDir);
    QJsonObject entry{{QStringLiteral("fileName"), fileName},
                      {QStringLiteral("startTime"), startTime},
                      {QStringLiteral("endTime"), endTime}};
    bool found = false;
    for (int i = 0; i < array.size(); ++i) {
        if (array.at(i).toObject().value(QStringLiteral("fileName")).toString() == fileName) {
            array[i] = entry;
            found = true;
            break;
        }
    }
    if (!found)
        array.append(entry);
    return writeIndex(path, array);
}

int FFmpegRecordPlan::repairDayIndex(const QString &dayDir)
{
    QMutexLocker lock(&g_indexMutex);
    // Only the day folder's own files are ever looked at or removed: an
    // entry that names anything else is left as it is (playback refuses it).
    RecordIndex::Status status = RecordIndex::Status::Missing;
    const QByteArray bytes = RecordIndex::readBytes(dayDir, &status);
    // An open entry has an empty endTime, and JSON writes an empty text only
    // as "": an index without it has nothing to repair (most days of a year).
    if (status != RecordIndex::Status::Ok || !bytes.contains("\"\""))
        return 0;
    const QJsonArray array = RecordIndex::parse(bytes, dayDir, &status);
    if (status != RecordIndex::Status::Ok)
        return 0;
    // Complete entries are kept as they are without a look at their names.
    const auto isOpen = [](const QJsonValue &value) {
        const QJsonValue end = value.toObject().value(QStringLiteral("endTime"));
        return value.isObject() && end.isString() && end.toString().isEmpty();
    };
    if (std::none_of(array.begin(), array.end(), isOpen))
        return 0;
    QJsonArray kept;
    int repaired = 0;
    for (const QJsonValue &value : array) {
        if (!isOpen(value)) {
            kept.append(value);
            continue;
        }
        const RecordIndex::Entry e = RecordIndex::entryOf(dayDir, value);
        QJsonObject o = value.toObject();
        if (e.path.isEmpty() || g_openSegments.contains(e.path) || !RecordIndex::isOwnFile(dayDir, e.path)) {
            kept.append(value);
            continue;
        }
        const int startOfDay = RecordIndex::timeOfDayMs(e.startTime);
        const QTime start = startOfDay < 0 ? QTime() : QTime::fromMSecsSinceStartOfDay(startOfDay);
        const qint64 ms = fileDurationMs(e.path);
        if (ms == 0) {
            // A segment the recorder opened and never wrote a frame into; only
            // its own kind of file is removed.
            if (e.fileName.endsWith(QLatin1String(".mp4"), Qt::CaseInsensitive) && QFileInfo(e.path).isFile()
                && !QFileInfo(e.path).isSymLink())
                QFile::remove(e.path);
            ++repaired;
            continue;
        }
        if (start.isValid() && ms > 0) {
            QTime end = start.addMSecs(int(qMin<qint64>(ms, 86400000)));
            if (end < start)
                end = QTime(23, 59, 59, 999); // a day index never spans two days
            o.insert(QStringLiteral("endTime"), end.toString(kTimeFormat));
            ++repaired;
        }
        kept.append(o);
    }
    if (repaired > 0)
        writeIndex(dayDir + QLatin1Char('/') + RecordIndex::fileName(), kept);
    return repaired;
}

int FFmpegRecordPlan::repairRecordings(const QString &root)
{
    int repaired = 0;
    QDirIterator it(root, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString dayDir = QFileInfo(it.next()).path();
        const int n = repairDayIndex(dayDir);
        if (n > 0)
            qInfo() << "repaired" << n << "recording entries left open in" << dayDir;
        repaired += n;
    }
    return repaired;
}

void FFmpegRecordPlan::run()
{
    ThreadStack::install();
    player::IoInterrupt irq;
    irq.stop = &m_stop;
    // A recorder that died just before midnight left its entry in yesterday's index.
    for (const QDate &day : {now().date().addDays(-1), now().date()}) {
        const QString dayName = day.toString(QStringLiteral("yyyyMMdd"));
        const int fixed = repairDayIndex(m_folder + QLatin1Char('/') + dayName);
        if (fixed > 0)
            qInfo() << "completed" << fixed << "recording entries left open in" << dayName;
    }

    AVFormatContext *fmt = nullptr;
    int ret = player::openInput(&fmt, m_url, &irq, 5000, false);
    if (ret < 0) {
        qWarning() << "record plan cannot open" << player::maskUrl(m_url) << player::ffErrorText(ret);
        if (!m_stop)
            emit recordError(m_url, player::ErrOpenFailed);
        return;
    }
    const int vIdx = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (vIdx < 0) {
        avformat_close_input(&fmt);
        emit recordError(m_url, player::ErrNoStream);
        return;
    }
    AVStream *st = fmt->streams[vIdx];

    Mp4Writer writer;
    QDateTime segStart;
    qint64 segElapsed = 0;     // stream time (ms) since the segment's first packet
    qint64 writtenElapsed = 0; // the same at the segment's last written packet
    qint64 prevMedia = -1, lastStep = 40;
    bool havePrev = false;
    QDateTime lastPacketTime;
    QString segDir, segName;
    std::vector<player::PacketPtr> gop; // packets since the last key frame

    auto closeSegment = [&]() {
        if (!writer.isOpen())
            return;
        writer.close();
        // The last packet's arrival, and the first packet's time taken back
        // from it through the stream's own time: the first packets of a
        // connection arrive in a burst, so the first one's arrival is late.
        QDateTime end = lastPacketTime.isValid() ? lastPacketTime : now();
        QDateTime start = qMin(segStart, end.addMSecs(-writtenElapsed));
        const QDateTime dayStart(segStart.date(), QTime(0, 0));
        if (start < dayStart)
            start = dayStart;
        if (end.date() != segStart.date())
            end = QDateTime(segStart.date(), QTime(23, 59, 59, 999));
        updateDayIndex(segDir, segName, start.time().toString(kTimeFormat), end.time().toString(kTimeFormat));
        {
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.remove(segDir + QLatin1Char('/') + segName);
        }
        emit segmentClosed(segDir + QLatin1Char('/') + segName);
    };
    auto openSegment = [&](const QDateTime &at) -> bool {
        segStart = at;
        segDir = m_folder + QLatin1Char('/') + at.date().toString(QStringLiteral("yyyyMMdd"));
        Platform::makePrivateDir(segDir);
        QString base = at.toString(QStringLiteral("yyyyMMddhhmmss"));
        segName = base + QStringLiteral(".mp4");
        for (int n = 1; QFile::exists(segDir + QLatin1Char('/') + segName); ++n)
            segName = base + QStringLiteral("_%1.mp4").arg(n);
        const QString path = segDir + QLatin1Char('/') + segName;
        if (!writer.open(path, st->codecpar, st->time_base, true))
            return false;
        {
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.insert(path);
        }
        updateDayIndex(segDir, segName, at.time().toString(kTimeFormat), QString());
        emit segmentOpened(path);
        for (const player::PacketPtr &p : gop)
            writer.write(p.get());
        return true;
    };

    AVPacket *pkt = av_packet_alloc();
    qint64 lastVideo = player::nowMs();
    while (!m_stop) {
        irq.arm(5000);
        ret = av_read_frame(fmt, pkt);
        irq.disarm();
        if (irq.expired && !m_stop) {
            av_packet_unref(pkt);
            qWarning() << "record plan stream stalled" << player::maskUrl(m_url);
            emit recordError(m_url, player::ErrNoFrames);
            break;
        }
        if (ret == AVERROR(EAGAIN))
            continue;
        if (ret < 0) {
            if (!m_stop) {
                qWarning() << "record plan stream ended" << player::maskUrl(m_url) << player::ffErrorText(ret);
                emit recordError(m_url, player::ErrStreamBroken);
            }
            break;
        }
        if (pkt->stream_index != vIdx) {
            av_packet_unref(pkt);
            if (player::nowMs() - lastVideo > 5000) {
                emit recordError(m_url, player::ErrNoFrames);
                break;
            }
            continue;
        }
        lastVideo = player::nowMs();
        const bool key = pkt->flags & AV_PKT_FLAG_KEY;
        const QDateTime t = now();
        const int64_t ts = pkt->dts != AV_NOPTS_VALUE ? pkt->dts : pkt->pts;
        // The segment length is counted in stream time, from packet to packet,
        // so arrival jitter cannot stretch a segment by a GOP; steps that are
        // not plausible (no time, the jump when RTCP sync arrives) count as
        // the last plausible step.
        const qint64 mediaMs = ts == AV_NOPTS_VALUE ? -1 : av_rescale_q(ts, st->time_base, AVRational{1, 1000});
        if (prevMedia >= 0 && mediaMs >= 0 && mediaMs >= prevMedia && mediaMs - prevMedia <= 1000) {
            if (mediaMs > prevMedia)
                lastStep = mediaMs - prevMedia;
            segElapsed += mediaMs - prevMedia;
        } else if (havePrev) {
            segElapsed += lastStep;
        }
        prevMedia = mediaMs;
        havePrev = true;
        const bool lengthReached = segElapsed + lastStep / 2 >= qint64(m_fileLength) * 1000;
        if (key)
            gop.clear();
        if (!gop.empty() || key)
            gop.push_back(player::clonePacket(pkt));
        if (!writer.isOpen()) {
            segElapsed = 0;
            if (key && !openSegment(t)) {
                emit recordError(m_url, player::ErrOpenFailed);
                av_packet_unref(pkt);
                break;
            }
        } else if (t.date() != segStart.date() || (key && lengthReached)) {
            // The length is measured in stream time: arrival jitter must not
            // stretch a segment by a whole GOP.
            closeSegment();
            segElapsed = 0;
            if (!openSegment(t)) {
                emit recordError(m_url, player::ErrOpenFailed);
                av_packet_unref(pkt);
                break;
            }
        } else if (pkt->size > 0 && !writer.write(pkt)) {
            // Disk full or gone: close what was written (and list it) rather
            // than go on producing a file that silently lacks its video.
            qWarning() << "record plan cannot write" << writer.path();
            emit recordError(m_url, player::ErrStreamBroken);
            av_packet_unref(pkt);
            break;
        }
        lastPacketTime = t;
        writtenElapsed = segElapsed;
        av_packet_unref(pkt);
    }
    closeSegment();
    av_packet_free(&pkt);
    avformat_close_input(&fmt);
}
