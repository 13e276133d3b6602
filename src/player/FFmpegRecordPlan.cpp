#include "FFmpegRecordPlan.h"

#include "Mp4Writer.h"
#include "Platform.h"
#include "PlayerCommon.h"
#include "RecordIndex.h"
#include "StorageMark.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <vector>

#include <sys/stat.h>

namespace {
const char *kTimeFormat = "hhmmsszzz";
QMutex g_indexMutex;
QSet<QString> g_openSegments; // under g_indexMutex: files recorders of this process write now

bool writeIndex(const QString &dayDir, const QJsonArray &array)
{
    QString error;
    if (RecordIndex::write(dayDir, array, &error))
        return true;
    qWarning() << "day index not written, the previous one stays:" << dayDir + QStringLiteral("/record.json") << error;
    return false;
}

QJsonObject entryObject(const QString &fileName, const QString &startTime, const QString &endTime)
{
    return QJsonObject{{QStringLiteral("fileName"), fileName},
                       {QStringLiteral("startTime"), startTime},
                       {QStringLiteral("endTime"), endTime}};
}

// The index to change. One that cannot be opened or parsed would otherwise be
// replaced by the one new entry, and every other segment of the day would go
// from the list: it is rebuilt from the segments found in the folder. False
// for an index that is refused (a link, too large): it is not written at all.
bool currentIndex(const QString &dayDir, QJsonArray &array)
{
    const RecordIndex::Day day = RecordIndex::readWithFootage(dayDir);
    if (day.status == RecordIndex::Status::Refused)
        return false;
    array = day.raw;
    if (day.status == RecordIndex::Status::Unreadable || day.status == RecordIndex::Status::BadJson)
        qWarning() << "day index unusable, rebuilt from its segments:" << dayDir << day.error;
    for (const RecordIndex::Entry &e : day.entries) {
        if (e.found && !g_openSegments.contains(e.path))
            array.append(entryObject(e.fileName, e.startTime, e.endTime));
    }
    return true;
}

// A segment file of the recorder that holds no packet of footage (the disk was full when
// it was made, or a kill came within its first GOP) is removed; one that
// cannot be read only when this recorder has just failed to write it.
bool removeEmptySegment(const QString &dayDir, const QString &fileName, bool unreadableToo = false)
{
    const QString path = dayDir + QLatin1Char('/') + fileName;
    const QFileInfo info(path);
    if (!RecordIndex::isSegmentName(QFileInfo(dayDir).fileName(), fileName) || info.isSymLink() || !info.isFile())
        return false;
    const qint64 ms = FFmpegRecordPlan::fileDurationMs(path);
    if (ms > 0 || (ms < 0 && !unreadableToo))
        return false;
    if (!QFile::remove(path)) {
        qWarning() << "cannot remove an empty segment:" << path;
        return false;
    }
    return true;
}

// The end of a segment of footage ms long that starts at start, within its day.
QString endOf(const QTime &start, qint64 ms)
{
    QTime end = start.addMSecs(int(qMin<qint64>(ms, 86400000)));
    if (end < start)
        end = QTime(23, 59, 59, 999); // a day index never spans two days
    return end.toString(kTimeFormat);
}

// The recorder's segments in a day folder that the index bytes do not name
// (all of them without bytes), leaving out those being written now.
QStringList unlistedSegments(const QString &dayDir, const QByteArray &bytes)
{
    QStringList names;
    const QString dayName = QFileInfo(dayDir).fileName();
    const QStringList files =
        QDir(dayDir).entryList({QStringLiteral("*.mp4")}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : files) {
        if (RecordIndex::isSegmentName(dayName, name) && !g_openSegments.contains(dayDir + QLatin1Char('/') + name)
            && !bytes.contains(QByteArray("\"") + name.toUtf8() + "\""))
            names << name;
    }
    return names;
}

} // namespace

// 0 when the file holds no packet of footage at all (audio-only footage is
// footage), -1 when it cannot be read (kept: the file may be unreadable for
// another reason, or still being written).
qint64 FFmpegRecordPlan::fileDurationMs(const QString &path)
{
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return QFile::exists(path) && QFileInfo(path).size() > 0 ? -1 : 0;
    // Without its stream information the packets can still be read, and
    // they decide; the duration then comes from the container alone.
    (void)avformat_find_stream_info(fmt, nullptr);
    AVPacket *pkt = av_packet_alloc();
    bool footage = false;
    while (!footage && av_read_frame(fmt, pkt) >= 0) {
        const AVMediaType type = fmt->streams[pkt->stream_index]->codecpar->codec_type;
        footage = type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    const qint64 ms = footage ? qMax<qint64>(1, fmt->duration > 0 ? fmt->duration / 1000 : 1) : 0;
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

void FFmpegRecordPlan::setStorageRoot(const QString &root)
{
    m_root = root;
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
    QJsonArray array;
    if (!currentIndex(dayDir, array))
        return false;
    const QJsonObject entry = entryObject(fileName, startTime, endTime);
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
    return writeIndex(dayDir, array);
}

bool FFmpegRecordPlan::removeFromDayIndex(const QString &dayDir, const QString &fileName)
{
    QMutexLocker lock(&g_indexMutex);
    QJsonArray array;
    if (!currentIndex(dayDir, array))
        return false;
    bool found = false;
    for (int i = array.size() - 1; i >= 0; --i) {
        if (array.at(i).toObject().value(QStringLiteral("fileName")).toString() == fileName) {
            array.removeAt(i);
            found = true;
        }
    }
    return !found || writeIndex(dayDir, array);
}

int FFmpegRecordPlan::repairDayIndex(const QString &dayDir)
{
    QMutexLocker lock(&g_indexMutex);
    // Only the day folder's own files are ever looked at or removed: an
    // entry that names anything else is left as it is (playback refuses it).
    RecordIndex::Status status = RecordIndex::Status::Missing;
    QString error;
    const QByteArray bytes = RecordIndex::readBytes(dayDir, &status, &error);
    if (status == RecordIndex::Status::Refused || status == RecordIndex::Status::Unreadable)
        return 0;
    // Segments the index does not name: the disk was full when their entry
    // was to be written, or the index was lost.
    QStringList unlisted = unlistedSegments(dayDir, bytes);
    // An open entry has an empty endTime, and JSON writes an empty text only
    // as "": an index without it that names every segment has nothing to
    // repair (most days of a year).
    if (unlisted.isEmpty() && (status != RecordIndex::Status::Ok || !bytes.contains("\"\"")))
        return 0;
    QJsonArray array;
    if (status == RecordIndex::Status::Ok) {
        array = RecordIndex::parse(bytes, dayDir, &status, &error);
        if (status != RecordIndex::Status::Ok) {
            qWarning() << "day index unusable, rebuilt from its segments:" << dayDir << error;
            unlisted = unlistedSegments(dayDir, QByteArray());
        }
    }
    // Complete entries are kept as they are without a look at their names.
    const auto isOpen = [](const QJsonValue &value) {
        const QJsonValue end = value.toObject().value(QStringLiteral("endTime"));
        return value.isObject() && end.isString() && end.toString().isEmpty();
    };
    QJsonArray kept;
    int repaired = 0;
    for (const QJsonValue &value : qAsConst(array)) {
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
            // a file the recorder named itself is removed.
            removeEmptySegment(dayDir, e.fileName);
            ++repaired;
            continue;
        }
        if (start.isValid() && ms > 0) {
            o.insert(QStringLiteral("endTime"), endOf(start, ms));
            ++repaired;
        }
        kept.append(o);
    }
    for (const QString &name : qAsConst(unlisted)) {
        if (removeEmptySegment(dayDir, name)) {
            ++repaired;
            continue;
        }
        const QTime start = QTime::fromString(RecordIndex::segmentStartTime(name), kTimeFormat);
        const qint64 ms = fileDurationMs(dayDir + QLatin1Char('/') + name);
        if (!start.isValid() || ms <= 0)
            continue;
        kept.append(entryObject(name, start.toString(kTimeFormat), endOf(start, ms)));
        ++repaired;
    }
    if (repaired > 0 && !writeIndex(dayDir, kept))
        return 0;
    return repaired;
}

int FFmpegRecordPlan::repairRecordings(const QString &root)
{
    // Nothing is written into a folder that is not the storage folder or
    // below it (its disk not mounted yet, or a stranger's folder under its
    // name).
    bool inside = false;
    QString dir = QDir::cleanPath(root);
    for (int up = 0; up < 3 && !inside; ++up) {
        inside = StorageMark::check(dir) == StorageMark::State::Ours;
        if (!inside)
            dir = QFileInfo(dir).path();
    }
    if (!inside)
        return 0;
    // Another client records there (two accounts, or two machines on a shared
    // folder): its segment just opened holds no frame yet and its entries are
    // open, and nothing of it is this process's to complete or remove.
    const StorageMark::Hold hold(dir);
    if (hold.elsewhere()) {
        qWarning() << "Recordings not repaired: another client records into the storage folder" << dir;
        return 0;
    }
    // The root of the recordings, or a device's or a channel's folder.
    QStringList days;
    const QFileInfoList subs =
        QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
    for (const QFileInfo &sub : subs) {
        if (RecordIndex::isDayName(sub.fileName()))
            days << sub.filePath();
    }
    days += RecordIndex::dayFolders(root);
    int repaired = 0;
    for (const QString &dayDir : qAsConst(days)) {
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
    // Nothing below the root is used through a link: a device, channel or day
    // folder that leads out of the recordings tree is not repaired, and no
    // footage goes into it.
    const QString root = m_root.isEmpty() ? m_folder : m_root;
    // Folders are made only below the storage folder, known by its mark: an
    // unmounted disk leaves an empty mount point, and what were written below
    // it would be hidden once the disk is back. And only below the folder it
    // started in: a disk mounted over that one may become the storage, but
    // the segments written before stay under it, with their entries.
    struct stat rootAtStart = {};
    const bool rootKnown = !m_root.isEmpty() && ::stat(QFile::encodeName(m_root).constData(), &rootAtStart) == 0;
    const auto rootGone = [&] {
        if (m_root.isEmpty())
            return false;
        struct stat st;
        if (!rootKnown || ::stat(QFile::encodeName(m_root).constData(), &st) != 0 || st.st_dev != rootAtStart.st_dev
            || st.st_ino != rootAtStart.st_ino)
            return true;
        return StorageMark::check(m_root) != StorageMark::State::Ours;
    };
    if (rootGone()) {
        qWarning() << "record plan storage folder is not there, or not the one recorded into:" << m_root;
        emit recordError(m_url, player::ErrWriteFailed);
        return;
    }
    // A recorder that died just before midnight left its entry in yesterday's index.
    for (const QDate &day : {now().date().addDays(-1), now().date()}) {
        const QString dayName = day.toString(QStringLiteral("yyyyMMdd"));
        const QString dayDir = m_folder + QLatin1Char('/') + dayName;
        if (!RecordIndex::ownTree(root, dayDir))
            continue;
        const int fixed = repairDayIndex(dayDir);
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

    bool writeFailed = false;
    // Every write of a segment goes through here (a test may make it fail as
    // a full disk would).
    auto writePacket = [&](const AVPacket *p) {
        if (RecordIndex::writeFails(writer.path()) || !writer.write(p)) {
            writeFailed = true;
            return false;
        }
        return true;
    };
    auto closeSegment = [&]() {
        if (!writer.isOpen())
            return;
        writer.close();
        const QString path = segDir + QLatin1Char('/') + segName;
        if (rootGone()) {
            // The file is complete on its disk; what is at its path now is
            // not that disk. Its entry stays open and is completed from the
            // file when the disk is back.
            qWarning() << "record plan closed a segment of a storage folder that went away:" << path;
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.remove(path);
            return;
        }
        // The disk was full from the start: a file without a single frame is
        // of no use to anyone and leaves with its entry.
        if ((writeFailed || writer.packetCount() == 0) && removeEmptySegment(segDir, segName, true)) {
            qWarning() << "record plan removed a segment that holds no footage:" << path;
            removeFromDayIndex(segDir, segName);
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.remove(path);
            return;
        }
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
        // On a full disk this fails and the entry stays open: it is listed
        // with the length of its file until a recorder completes it.
        updateDayIndex(segDir, segName, start.time().toString(kTimeFormat), end.time().toString(kTimeFormat));
        {
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.remove(path);
        }
        emit segmentClosed(path);
    };
    auto openSegment = [&](const QDateTime &at) -> bool {
        segStart = at;
        segDir = m_folder + QLatin1Char('/') + at.date().toString(QStringLiteral("yyyyMMdd"));
        if (rootGone()) {
            qWarning() << "record plan storage folder went away:" << m_root;
            return false;
        }
        if (!RecordIndex::ownTree(root, segDir) || !Platform::makePrivateDir(segDir)) {
            qWarning() << "record plan cannot use the folder" << segDir;
            return false;
        }
        const QString base = at.toString(QStringLiteral("yyyyMMddhhmmss"));
        const auto taken = [&](const QString &name) {
            const QFileInfo info(segDir + QLatin1Char('/') + name);
            return info.exists() || info.isSymLink();
        };
        segName = base + QStringLiteral(".mp4");
        for (int n = 1; taken(segName); ++n)
            segName = base + QStringLiteral("_%1.mp4").arg(n);
        const QString path = segDir + QLatin1Char('/') + segName;
        writeFailed = false;
        if (!writer.open(path, st->codecpar, st->time_base, true)) {
            // The file may have been made before the header failed.
            removeEmptySegment(segDir, segName, true);
            return false;
        }
        {
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.insert(path);
        }
        for (const player::PacketPtr &p : gop) {
            if (!writePacket(p.get())) {
                closeSegment();
                return false;
            }
        }
        if (!updateDayIndex(segDir, segName, at.time().toString(kTimeFormat), QString()))
            qWarning() << "record plan could not list" << path << "in its day index";
        emit segmentOpened(path);
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
                emit recordError(m_url, player::ErrWriteFailed);
                av_packet_unref(pkt);
                break;
            }
        } else if (t.date() != segStart.date() || (key && lengthReached)) {
            // The length is measured in stream time: arrival jitter must not
            // stretch a segment by a whole GOP.
            closeSegment();
            segElapsed = 0;
            if (!openSegment(t)) {
                emit recordError(m_url, player::ErrWriteFailed);
                av_packet_unref(pkt);
                break;
            }
        } else if (pkt->size > 0 && !writePacket(pkt)) {
            // Disk full or gone: close what was written (and list it) rather
            // than go on producing a file that silently lacks its video.
            qWarning() << "record plan cannot write" << writer.path();
            emit recordError(m_url, player::ErrWriteFailed);
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
