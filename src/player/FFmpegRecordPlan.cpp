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

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char *kTimeFormat = "hhmmsszzz";
QMutex g_indexMutex;
QSet<QString> g_openSegments; // under g_indexMutex: files recorders of this process write now

// A recorder of this process or of another writes it now: nothing of it is
// completed, listed or removed.
bool beingWritten(const QString &path)
{
    return g_openSegments.contains(path) || FFmpegRecordPlan::segmentInUse(path);
}

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
        if (e.found && !beingWritten(e.path))
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

// The names of MP4 files among the JSON strings of the index bytes, as
// written (escapes left as they are): a name the index lists is one of them.
QSet<QByteArray> listedFileNames(const QByteArray &bytes)
{
    QSet<QByteArray> names;
    const char *p = bytes.constData();
    const int n = bytes.size();
    for (int i = 0; i < n; ++i) {
        if (p[i] != '"')
            continue;
        int j = i + 1;
        while (j < n && p[j] != '"')
            j += p[j] == '\\' ? 2 : 1;
        if (j >= n)
            break;
        if (j - i - 1 > 4 && qstrncmp(p + j - 4, ".mp4", 4) == 0)
            names.insert(QByteArray(p + i + 1, j - i - 1));
        i = j;
    }
    return names;
}

// The recorder's segments in a day folder that the index bytes do not name
// (all of them without bytes), leaving out those being written now. A name
// is looked up, not searched for, and only a file the index does not name
// is looked at further and opened to ask whether a recorder holds it: a day
// that needs no repair costs one read of its folder and one pass over its
// index.
QStringList unlistedSegments(const QString &dayDir, const QByteArray &bytes)
{
    QStringList names;
    const QString dayName = QFileInfo(dayDir).fileName();
    const QSet<QByteArray> listed = listedFileNames(bytes);
    DIR *dir = ::opendir(QFile::encodeName(dayDir).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.endsWith(".mp4") || listed.contains(name))
            continue;
        const QString fileName = QFile::decodeName(name);
        const QString path = dayDir + QLatin1Char('/') + fileName;
        // A plain file of the folder only, never what a link points to.
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isFile() || !RecordIndex::isSegmentName(dayName, fileName))
            continue;
        if (!beingWritten(path))
            names << fileName;
    }
    ::closedir(dir);
    names.sort();
    return names;
}

// A new segment file, made and locked before anything is written into it: the
// lock tells every other process (another client's repair) that a recorder
// writes it. -1 when it cannot be made.
int createLockedSegment(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    // Blocking: another process looking whether it is in use holds it a moment only.
    int locked;
    do
        locked = ::flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0)
        qWarning() << "record plan cannot lock its segment; another client would not see it written:" << path
                   << ::strerror(errno);
    return fd;
}

} // namespace

bool FFmpegRecordPlan::segmentInUse(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// 0 when the file holds no packet of footage at all (audio-only footage is
// footage), -1 when it cannot be read (kept: the file may be unreadable for
// another reason, or still being written).
qint64 FFmpegRecordPlan::fileDurationMs(const QString &path)
{
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return QFile::exists(path) && QFileInfo(path).size() > 0 ? -1 : 0;
    // The packets decide, and nothing is probed: a segment just begun holds
    // its header and no picture yet, and decoding to learn its picture format
    // would only warn in the log at every segment.
    AVPacket *pkt = av_packet_alloc();
    bool footage = false;
    while (!footage && av_read_frame(fmt, pkt) >= 0) {
        const AVMediaType type = fmt->streams[pkt->stream_index]->codecpar->codec_type;
        footage = type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    // The container knows the length: a fragmented file's fragments are
    // read as it opens, so one still growing reads as far as it is written.
    qint64 known = fmt->duration > 0 ? fmt->duration / 1000 : 0;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream *st = fmt->streams[i];
        if (st->duration > 0)
            known = qMax<qint64>(known, av_rescale_q(st->duration, st->time_base, AVRational{1, 1000}));
    }
    const qint64 ms = footage ? qMax<qint64>(1, known) : 0;
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
        if (e.path.isEmpty() || beingWritten(e.path) || !RecordIndex::isOwnFile(dayDir, e.path)) {
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
    // Only inside the storage folder that holds this client's mark, and while
    // this process holds that mark locked: a folder without it may be anyone's
    // (its disk not mounted yet, a stranger's folder under its name, a folder
    // inside another client's storage), and where another client records, its
    // segment just opened holds no frame yet and its entries are open.
    const StorageMark::Hold hold(root);
    if (!hold.ours()) {
        if (hold.elsewhere())
            qWarning() << "Recordings not repaired: another client records into the storage folder" << root;
        else
            qInfo() << "Recordings not repaired: the folder holds no storage mark of this client" << root;
        return 0;
    }
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

// What one run writes: the segment open now, the packets since the last key
// frame (a new segment starts with them) and the stream's own time.
struct FFmpegRecordPlan::Segment
{
    Segment(const QString &treeRoot, const StorageMark::Seat &storage, AVStream *video)
        : root(treeRoot)
        , seat(storage)
        , stream(video)
    {
    }
    // Stream time of the packet: the segment length is counted from packet
    // to packet, so arrival jitter cannot stretch a segment by a GOP; steps
    // that are not plausible (no time, the jump when RTCP sync arrives) count
    // as the last plausible step. True when the segment is long enough.
    bool advance(const AVPacket *pkt, int fileLengthSecs);

    const QString root; // nothing below it is used through a link
    const StorageMark::Seat &seat;
    AVStream *const stream;
    Mp4Writer writer;
    QString dir, name;
    int lockFd = -1; // the segment's lock, held until it is closed and listed
    bool writeFailed = false;
    QDateTime start;
    QDateTime lastPacketTime;
    qint64 elapsed = 0;        // stream time (ms) since the segment's first packet
    qint64 writtenElapsed = 0; // the same at the segment's last written packet
    qint64 prevMedia = -1;
    qint64 lastStep = 40;
    bool havePrev = false;
    std::vector<player::PacketPtr> gop; // packets since the last key frame
};

bool FFmpegRecordPlan::Segment::advance(const AVPacket *pkt, int fileLengthSecs)
{
    const int64_t ts = pkt->dts != AV_NOPTS_VALUE ? pkt->dts : pkt->pts;
    const qint64 mediaMs = ts == AV_NOPTS_VALUE ? -1 : av_rescale_q(ts, stream->time_base, AVRational{1, 1000});
    if (prevMedia >= 0 && mediaMs >= 0 && mediaMs >= prevMedia && mediaMs - prevMedia <= 1000) {
        if (mediaMs > prevMedia)
            lastStep = mediaMs - prevMedia;
        elapsed += mediaMs - prevMedia;
    } else if (havePrev) {
        elapsed += lastStep;
    }
    prevMedia = mediaMs;
    havePrev = true;
    return elapsed + lastStep / 2 >= qint64(fileLengthSecs) * 1000;
}

void FFmpegRecordPlan::run()
{
    ThreadStack::install();
    // Nothing below the root is used through a link: a device, channel or day
    // folder that leads out of the recordings tree is not repaired, and no
    // footage goes into it.
    const QString root = m_root.isEmpty() ? m_folder : m_root;
    // Folders are made only below the storage folder: an unmounted disk
    // leaves an empty mount point, and what were written below it would be
    // hidden once the disk is back. And only below the folder it started in:
    // a disk mounted over that one may become the storage, but the segments
    // written before stay under it, with their entries.
    const StorageMark::Seat seat(m_root);
    if (!seat.stillStorage()) {
        qWarning() << "record plan storage folder is not there, or not the one recorded into:" << m_root;
        emit recordError(m_url, player::ErrWriteFailed);
        return;
    }
    repairRecentDays(root);

    player::IoInterrupt irq;
    irq.stop = &m_stop;
    AVFormatContext *fmt = nullptr;
    const int vIdx = openStream(&fmt, &irq);
    if (vIdx < 0)
        return;
    Segment segment(root, seat, fmt->streams[vIdx]);
    record(fmt, vIdx, &irq, segment);
    closeSegment(segment);
    avformat_close_input(&fmt);
}

void FFmpegRecordPlan::repairRecentDays(const QString &root)
{
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
}

int FFmpegRecordPlan::openStream(AVFormatContext **fmt, player::IoInterrupt *irq)
{
    const int ret = player::openInput(fmt, m_url, irq, 5000, false);
    if (ret < 0) {
        qWarning() << "record plan cannot open" << player::maskUrl(m_url) << player::ffErrorText(ret);
        if (!m_stop)
            emit recordError(m_url, player::ErrOpenFailed);
        return -1;
    }
    const int vIdx = av_find_best_stream(*fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (vIdx < 0) {
        avformat_close_input(fmt);
        emit recordError(m_url, player::ErrNoStream);
    }
    return vIdx;
}

void FFmpegRecordPlan::record(AVFormatContext *fmt, int vIdx, player::IoInterrupt *irq, Segment &segment)
{
    AVPacket *pkt = av_packet_alloc();
    qint64 lastVideo = player::nowMs();
    while (!m_stop) {
        irq->arm(5000);
        const int ret = av_read_frame(fmt, pkt);
        irq->disarm();
        if (irq->expired && !m_stop) {
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
        const bool goOn = takeVideoPacket(segment, pkt);
        av_packet_unref(pkt);
        if (!goOn)
            break;
    }
    av_packet_free(&pkt);
}

bool FFmpegRecordPlan::takeVideoPacket(Segment &segment, const AVPacket *pkt)
{
    const bool key = pkt->flags & AV_PKT_FLAG_KEY;
    const QDateTime t = now();
    const bool lengthReached = segment.advance(pkt, m_fileLength);
    if (key)
        segment.gop.clear();
    if (!segment.gop.empty() || key)
        segment.gop.push_back(player::clonePacket(pkt));
    if (!segment.writer.isOpen()) {
        segment.elapsed = 0;
        if (key && !openSegment(segment, t)) {
            emit recordError(m_url, player::ErrWriteFailed);
            return false;
        }
    } else if (t.date() != segment.start.date() || (key && lengthReached)) {
        closeSegment(segment);
        segment.elapsed = 0;
        if (!openSegment(segment, t)) {
            emit recordError(m_url, player::ErrWriteFailed);
            return false;
        }
    } else if (pkt->size > 0 && !writePacket(segment, pkt)) {
        // Disk full or gone: close what was written (and list it) rather
        // than go on producing a file that silently lacks its video.
        qWarning() << "record plan cannot write" << segment.writer.path();
        emit recordError(m_url, player::ErrWriteFailed);
        return false;
    }
    segment.lastPacketTime = t;
    segment.writtenElapsed = segment.elapsed;
    return true;
}

// Every write of a segment goes through here (a test may make it fail as a
// full disk would).
bool FFmpegRecordPlan::writePacket(Segment &segment, const AVPacket *p)
{
    if (RecordIndex::writeFails(segment.writer.path()) || !segment.writer.write(p)) {
        segment.writeFailed = true;
        return false;
    }
    return true;
}

bool FFmpegRecordPlan::openSegment(Segment &segment, const QDateTime &at)
{
    segment.start = at;
    segment.dir = m_folder + QLatin1Char('/') + at.date().toString(QStringLiteral("yyyyMMdd"));
    if (!segment.seat.stillStorage()) {
        qWarning() << "record plan storage folder went away:" << m_root;
        return false;
    }
    if (!RecordIndex::ownTree(segment.root, segment.dir) || !Platform::makePrivateDir(segment.dir)) {
        qWarning() << "record plan cannot use the folder" << segment.dir;
        return false;
    }
    const QString base = at.toString(QStringLiteral("yyyyMMddhhmmss"));
    const auto taken = [&](const QString &name) {
        const QFileInfo info(segment.dir + QLatin1Char('/') + name);
        return info.exists() || info.isSymLink();
    };
    segment.name = base + QStringLiteral(".mp4");
    for (int n = 1; taken(segment.name); ++n)
        segment.name = base + QStringLiteral("_%1.mp4").arg(n);
    const QString path = segment.dir + QLatin1Char('/') + segment.name;
    segment.writeFailed = false;
    segment.lockFd = createLockedSegment(path);
    if (segment.lockFd < 0 || !segment.writer.open(path, segment.stream->codecpar, segment.stream->time_base, true)) {
        if (segment.lockFd < 0)
            qWarning() << "record plan cannot create" << path << ::strerror(errno);
        // The file may have been made before the header failed.
        removeEmptySegment(segment.dir, segment.name, true);
        releaseSegmentLock(segment);
        return false;
    }
    {
        QMutexLocker lock(&g_indexMutex);
        g_openSegments.insert(path);
    }
    for (const player::PacketPtr &p : segment.gop) {
        if (!writePacket(segment, p.get())) {
            closeSegment(segment);
            return false;
        }
    }
    if (!updateDayIndex(segment.dir, segment.name, at.time().toString(kTimeFormat), QString()))
        qWarning() << "record plan could not list" << path << "in its day index";
    emit segmentOpened(path);
    return true;
}

void FFmpegRecordPlan::closeSegment(Segment &segment)
{
    if (!segment.writer.isOpen())
        return;
    segment.writer.close();
    const QString path = segment.dir + QLatin1Char('/') + segment.name;
    // Whatever comes of it, the segment is no longer written.
    const auto done = [&] {
        {
            QMutexLocker lock(&g_indexMutex);
            g_openSegments.remove(path);
        }
        releaseSegmentLock(segment);
    };
    if (!segment.seat.stillStorage()) {
        // The file is complete on its disk; what is at its path now is not
        // that disk. Its entry stays open and is completed from the file when
        // the disk is back.
        qWarning() << "record plan closed a segment of a storage folder that went away:" << path;
        done();
        return;
    }
    // The disk was full from the start: a file without a single frame is of
    // no use to anyone and leaves with its entry.
    if ((segment.writeFailed || segment.writer.packetCount() == 0)
        && removeEmptySegment(segment.dir, segment.name, true)) {
        qWarning() << "record plan removed a segment that holds no footage:" << path;
        removeFromDayIndex(segment.dir, segment.name);
        done();
        return;
    }
    // The last packet's arrival, and the first packet's time taken back from
    // it through the stream's own time: the first packets of a connection
    // arrive in a burst, so the first one's arrival is late.
    QDateTime end = segment.lastPacketTime.isValid() ? segment.lastPacketTime : now();
    QDateTime start = qMin(segment.start, end.addMSecs(-segment.writtenElapsed));
    const QDateTime dayStart(segment.start.date(), QTime(0, 0));
    if (start < dayStart)
        start = dayStart;
    if (end.date() != segment.start.date())
        end = QDateTime(segment.start.date(), QTime(23, 59, 59, 999));
    // On a full disk this fails and the entry stays open: it is listed with
    // the length of its file until a recorder completes it.
    updateDayIndex(segment.dir, segment.name, start.time().toString(kTimeFormat), end.time().toString(kTimeFormat));
    done();
    emit segmentClosed(path);
}

void FFmpegRecordPlan::releaseSegmentLock(Segment &segment)
{
    if (segment.lockFd >= 0)
        ::close(segment.lockFd);
    segment.lockFd = -1;
}
