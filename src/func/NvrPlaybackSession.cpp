#include "NvrPlaybackSession.h"

#include "CommonHelper.h"
#include "DataProcessor.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "Platform.h"
#include "RecordRequests.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr int kMonthDelayMs = 50;
constexpr int kPreviousMonthDelayMs = 150;
constexpr int kChannelDelayMs = 200;
constexpr int kFinishDelayMs = 1000;
constexpr int kVideoParamSize = 536;
constexpr int kCodecNameSize = 256;
// The NVR reports recorded minutes: footage may end anywhere in its last one.
constexpr qint64 kMinuteMs = 60 * 1000;
// A frame reaches on to the next one; a gap longer than this is a hole, not a frame.
constexpr qint64 kFrameReachMaxMs = 1000;
// Looks at what a broken connection still has on its way to the session
// (every few ms, for about a second at most).
constexpr int kDrainPollMs = 5;
constexpr int kDrainTries = 200;

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

qint64 midnight(const QDate &date)
{
    return QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
}

uint32_t le32(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(block.constData() + offset));
}
} // namespace

NvrPlaybackSession::NvrPlaybackSession(QObject *parent)
    : QObject(parent)
{
    registerKelvoMetaTypes();
    qRegisterMetaType<NvrPlaybackSession::DownloadEnd>("NvrPlaybackSession::DownloadEnd");
    m_day = QDate::currentDate();
    m_watchdogTimer = new QTimer(this);
    m_watchdogTimer->setInterval(1000);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(1000);
    connect(m_watchdogTimer, &QTimer::timeout, this, &NvrPlaybackSession::watchdogTick);
    connect(m_progressTimer, &QTimer::timeout, this, &NvrPlaybackSession::progressTick);
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, &NvrPlaybackSession::recvCommonInfo,
            Qt::QueuedConnection);
    // Queued as the messages are, so a loss is taken in its place among them.
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::streamLost, this, &NvrPlaybackSession::onStreamLost,
            Qt::QueuedConnection);
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::disconnectDev, this, &NvrPlaybackSession::onConnectionLost,
            Qt::QueuedConnection);
}

NvrPlaybackSession::~NvrPlaybackSession()
{
    m_watchdogTimer->stop();
    m_progressTimer->stop();
}

void NvrPlaybackSession::setActive(bool active)
{
    m_active = active;
    if (!active)
        m_monthDays.clear();
}

void NvrPlaybackSession::setWatchdogTimings(int tickMs, int idleLimitMs)
{
    m_watchdogTimer->setInterval(tickMs);
    m_idleLimitMs = idleLimitMs;
}

void NvrPlaybackSession::setProgressInterval(int ms)
{
    m_progressTimer->setInterval(ms);
}

bool NvrPlaybackSession::splitKey(const QString &key, QString *ip, int *channel)
{
    const QStringList parts = key.split(QLatin1Char('_'));
    if (parts.size() < 2) {
        qWarning() << "Invalid device key format:" << key;
        return false;
    }
    *ip = parts.first();
    *channel = parts.last().toInt();
    return true;
}

QString NvrPlaybackSession::currentIp() const
{
    return m_currentKey.split(QLatin1Char('_')).first();
}

QString NvrPlaybackSession::paneKey(int pane) const
{
    return valid(pane) ? m_panes[size_t(pane)].key : QString();
}

QDate NvrPlaybackSession::paneDay(int pane) const
{
    return valid(pane) ? m_panes[size_t(pane)].day : QDate();
}

qint64 NvrPlaybackSession::panePosition(int pane) const
{
    return valid(pane) ? m_panes[size_t(pane)].position : 0;
}

QMap<int, QString> NvrPlaybackSession::paneKeys() const
{
    QMap<int, QString> keys;
    for (int i = 0; i < PaneCount; ++i)
        if (!m_panes[size_t(i)].key.isEmpty())
            keys.insert(i, m_panes[size_t(i)].key);
    return keys;
}

int NvrPlaybackSession::paneOf(const QString &key) const
{
    if (key.isEmpty())
        return -1;
    for (int i = 0; i < PaneCount; ++i)
        if (m_panes[size_t(i)].key == key)
            return i;
    return -1;
}

int NvrPlaybackSession::freePane(const QString &key) const
{
    if (key.isEmpty()) {
        qWarning() << "Empty device ID in getFreeIndex";
        return -1;
    }
    const int playing = paneOf(key);
    if (playing >= 0)
        return playing;
    // A pane that says which channel it lost keeps saying it while another
    // pane is free; the channel itself plays again where it was.
    int wordless = -1;
    int anyFree = -1;
    for (int i = 0; i < PaneCount; ++i) {
        if (!m_panes[size_t(i)].key.isEmpty())
            continue;
        const QString lost = m_lost[size_t(i)].key;
        if (lost == key)
            return i;
        if (lost.isEmpty() && wordless < 0)
            wordless = i;
        if (anyFree < 0)
            anyFree = i;
    }
    return wordless >= 0 ? wordless : anyFree;
}

FUN_DEV_INFO *NvrPlaybackSession::paneRecord(int pane) const
{
    const QString key = paneKey(pane);
    return key.isEmpty() ? nullptr : DeviceInfoManager::instance()->findDevInfo(key);
}

// ---- selection ---------------------------------------------------------------

void NvrPlaybackSession::select(const QString &key)
{
    m_currentKey = key;
    m_pendingPlayKey.clear();
    query(key, m_day, true);
    query(key, m_day, false);
}

void NvrPlaybackSession::play(const QString &key)
{
    if (key.isEmpty() || paneOf(key) >= 0)
        return;
    m_currentKey = key;
    m_pendingPlayKey.clear();
    const Channel channel = m_channels.value(key);
    if (!channel.segments.isEmpty() && channel.segmentsDay == m_day) {
        startAt(key, channel.segments.front().start);
        return;
    }
    m_pendingPlayKey = key;
    query(key, m_day, true);
    query(key, m_day, false);
}

void NvrPlaybackSession::pickDay(const QDate &date)
{
    if (!date.isValid() || m_currentKey.isEmpty()) {
        qDebug() << "Invalid date or device ID";
        return;
    }
    if (date == m_shownDate) {
        qDebug() << "Same date selected, no action needed";
        return;
    }
    m_shownDate = date;
    m_pendingPlayKey.clear();
    const int pane = paneOf(m_currentKey);
    if (pane >= 0)
        stop(pane);
    query(m_currentKey, date, true);
    query(m_currentKey, date, false);
}

bool NvrPlaybackSession::followPane(int pane)
{
    const QString key = paneKey(pane);
    if (key.isEmpty())
        return false;
    m_currentKey = key;
    m_shownDate = paneDay(pane);
    return true;
}

// ---- record queries ----------------------------------------------------------

void NvrPlaybackSession::query(const QString &key, const QDate &date, bool byMonth)
{
    QString ip;
    int channel = 0;
    if (!splitKey(key, &ip, &channel))
        return;
    const QString day = dayText(date);
    if (byMonth) {
        if (m_monthDays.value(ip).contains(day))
            return;
        FUN_DEV_INFO *nvr = DeviceInfoManager::instance()->findDevInfo(ip);
        if (!nvr)
            return;
        if (nvr->loginStatus != 1) {
            qDebug() << "Device offline:" << ip;
            return;
        }
        const loginDev connection = toLoginDev(nvr);
        RecordQueryInfo month;
        month.channel = uint8_t(channel);
        month.time = day;
        month.byMonth = 1;
        QTimer::singleShot(kMonthDelayMs, this,
                           [connection, month] { KelvoSDKHelper::instance()->sessionQueryRecord(connection, month); });
        RecordQueryInfo previous = month;
        previous.time = dayText(date.addMonths(-1));
        QTimer::singleShot(kPreviousMonthDelayMs, this, [connection, previous] {
            KelvoSDKHelper::instance()->sessionQueryRecord(connection, previous);
        });
        qDebug() << "Requested monthly records for:" << ip << day;
        return;
    }
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record)
        return;
    DeviceInfoManager::instance()->loginDevice(record);
    m_channels[key].asked = date;
    const loginDev connection = toLoginDev(record);
    RecordQueryInfo request;
    request.channel = uint8_t(channel);
    request.time = day;
    request.byMonth = 0;
    QTimer::singleShot(kChannelDelayMs, this,
                       [connection, request] { KelvoSDKHelper::instance()->sessionQueryRecord(connection, request); });
    qDebug() << "Requested daily records for:" << key << day;
}

void NvrPlaybackSession::recvCommonInfo(const RecvInfo &info)
{
    if (!m_active || info.xml.isEmpty())
        return;
    // Frames come here 25 times a second per channel: they are told by the
    // head the receive worker read, never by reading their text. A text the
    // worker refused belongs to no case.
    if (!info.head.usable)
        return;
    switch (info.head.cmd) {
    case Cmd::QueryRecords:
        onRecordQueryReply(info.xml, info);
        break;
    case Cmd::StreamAnswer:
        onStreamAnswer(info);
        break;
    case Cmd::PlaybackData:
        onStreamData(info);
        break;
    case Cmd::DownloadData:
        onDownloadData(info);
        break;
    case Cmd::Login:
        onLoginReply(info);
        break;
    default:
        break;
    }
}

void NvrPlaybackSession::onRecordQueryReply(const QString &xml, const RecvInfo &info)
{
    if (xml.isEmpty()) {
        qDebug() << "Empty NVR record response received";
        return;
    }
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    const int byMonth = body.value(QStringLiteral("ByMonth")).trimmed().toInt();
    const QString stream = body.value(QStringLiteral("Stream")).trimmed();
    if (byMonth >= 1) {
        // The month query went on the NVR's own connection: the reply names it.
        takeMonthDays(stream, info.ip);
        return;
    }
    // A day reply comes on the channel's own connection, so it belongs to that
    // channel and to the day asked for it, whatever is selected by now.
    if (!info.ip.isEmpty() && info.channel != 0) {
        const QString key = devKey(info.ip, info.channel);
        const QDate asked = m_channels.value(key).asked;
        takeDayRecords(stream, key, asked.isValid() ? asked : m_day);
        return;
    }
    takeDayRecords(stream, m_currentKey, m_day);
}

void NvrPlaybackSession::takeMonthDays(const QString &stream, const QString &ipOfReply)
{
    const QStringList days = stream.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QString ip = ipOfReply.isEmpty() ? currentIp() : ipOfReply;
    if (days.isEmpty()) {
        qDebug() << "No monthly records found for device:" << ip;
        return;
    }
    QSet<QString> &known = m_monthDays[ip];
    bool added = false;
    for (const QString &day : days) {
        const QString d = day.trimmed();
        if (!d.isEmpty() && !known.contains(d)) {
            known.insert(d);
            added = true;
        }
    }
    if (!added)
        return;
    // The calendar shows the NVR of the current channel.
    if (currentIp() == ip)
        emit markedDaysChanged(QStringList(known.cbegin(), known.cend()));
    qDebug() << "Updated monthly records for device:" << ip << "Total dates:" << known.size();
}

QList<QPair<int, int>> NvrPlaybackSession::minuteRuns(const QString &stream)
{
    QList<QPair<int, int>> runs;
    int start = -1;
    for (int i = 0; i < stream.size(); ++i) {
        const bool recorded = stream.at(i) != QLatin1Char('C');
        if (recorded && start < 0)
            start = i;
        else if (!recorded && start >= 0) {
            runs.append({start, i});
            start = -1;
        }
    }
    if (start >= 0)
        runs.append({start, int(stream.size())});
    return runs;
}

void NvrPlaybackSession::takeDayRecords(const QString &stream, const QString &key, const QDate &dateIn)
{
    const QDate date = dateIn.isValid() ? dateIn : m_day;
    const QList<QPair<int, int>> runs = minuteRuns(stream.left(24 * 60));
    const int pane = paneOf(key);
    if (runs.isEmpty()) {
        emit notice(Notice::NoRecords, key);
        if (pane >= 0)
            m_panes[size_t(pane)].refresh = Refresh();
        return;
    }
    const qint64 base = midnight(date);
    Segments segments;
    segments.reserve(runs.size());
    for (const auto &run : runs)
        segments.append({base + run.first * kMinuteMs, base + run.second * kMinuteMs});
    if (!DeviceInfoManager::instance()->findDevInfo(key)) {
        qWarning() << "Invalid device key:" << key;
        return;
    }
    Channel &channel = m_channels[key];
    channel.segments = segments;
    channel.segmentsDay = date;
    qDebug() << "Retrieved daily records for device:" << key << segments.size();

    emit dayRecordsChanged(key);
    if (key == m_currentKey && key == m_pendingPlayKey) {
        m_pendingPlayKey.clear();
        startAt(key, segments.front().start);
    }

    // A refresh asked past the known end: seek on only when the new list goes
    // beyond the play position (a seek empties the stream queue).
    if (pane >= 0 && m_panes[size_t(pane)].refresh.outstanding) {
        Refresh &refresh = m_panes[size_t(pane)].refresh;
        refresh.outstanding = false;
        if (segments.back().end > refresh.position)
            emit dayGrewPast(pane, refresh.position);
    }
}

// ---- streaming ---------------------------------------------------------------

int NvrPlaybackSession::startAt(const QString &key, qint64 startMs)
{
    if (key.isEmpty() || paneOf(key) >= 0)
        return -1;
    // The download has the channel's connection: a playback stop would log
    // it out under the download.
    if (key == m_download.key) {
        emit notice(Notice::DownloadRunning, key);
        return -1;
    }
    const QDate date = m_day;
    const int index = freePane(key);
    if (index < 0) {
        qWarning() << "No free view index for:" << key;
        return -1;
    }
    Pane &pane = m_panes[size_t(index)];
    pane = Pane();
    m_lost[size_t(index)] = Lost();
    pane.key = key;
    pane.day = date;
    pane.position = startMs;
    if (FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key))
        DeviceInfoManager::instance()->loginDevice(record);
    QTimer::singleShot(kChannelDelayMs, this, [this, key, date, startMs] {
        // Stopped or reset in the meantime: nothing to ask for.
        if (paneOf(key) >= 0)
            streamRequest(key, date, false, false, startMs);
    });
    emit notice(Notice::StartingStream, key);
    emit paneStarted(index, key);
    qDebug() << "New playback started at index:" << index << "Start time(ms):" << startMs;
    return index;
}

void NvrPlaybackSession::streamRequest(const QString &key, const QDate &date, bool stop, bool download, qint64 startMs)
{
    QString ip;
    int channel = 0;
    if (!splitKey(key, &ip, &channel))
        return;
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record) {
        qWarning() << "Device not found for key:" << key;
        return;
    }
    RecordStreamInfo request;
    request.channel = uint8_t(channel);
    request.startTime = startMs > 0 ? QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyyMMddhhmmss"))
                                    : dayText(date) + QStringLiteral("000000");
    request.endTime = dayText(date) + QStringLiteral("235959");
    request.download = download ? 1 : 0;
    if (stop)
        KelvoSDKHelper::instance()->sessionStopDownload(toLoginDev(record), request);
    else
        KelvoSDKHelper::instance()->downloadOrRecord(toLoginDev(record), request);
    qDebug() << "NVRChannelStream operation - Key:" << key << " Stop:" << stop << " Download:" << download
             << " Date:" << date;
}

bool NvrPlaybackSession::sendStop(const QString &key, bool download)
{
    if (key.isEmpty()) {
        qWarning() << "Empty device key in sendStopCMD";
        return false;
    }
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record) {
        qWarning() << "Device not found for key:" << key;
        return false;
    }
    QString ip;
    int channel = 0;
    if (!splitKey(key, &ip, &channel))
        return false;
    RecordStreamInfo request;
    request.channel = uint8_t(channel);
    request.download = download ? 1 : 0;
    KelvoSDKHelper::instance()->stopDownload(toLoginDev(record), request);
    qDebug() << "Sent stop command for" << (download ? "download" : "playback") << "on device:" << key;
    return true;
}

void NvrPlaybackSession::onStreamAnswer(const RecvInfo &info)
{
    if (info.ip.isEmpty() || info.xml.isEmpty()) {
        qWarning() << "Invalid replay info received";
        return;
    }
    const QString key = devKey(info.ip, info.channel);
    const QString param =
        findValuesInXml(info.xml, QStringLiteral("body")).value(QStringLiteral("VideoParam")).trimmed();
    // A short block reads as if zero-filled; the name stays inside its field.
    QByteArray block = QByteArray::fromBase64(param.toLatin1()).left(kVideoParamSize);
    block.append(QByteArray(kVideoParamSize - block.size(), '\0'));
    const QByteArray codec = QByteArray(block.constData(), int(qstrnlen(block.constData(), kCodecNameSize)));
    const bool h265 = codec.contains("H265");
    qDebug() << "ReplayInfo: " << key << codec << le32(block, 256) << le32(block, 260) << le32(block, 268);

    if (m_download.running && key == m_download.key) {
        m_download.answered = true;
        // The recorder may send more than was asked (from an earlier key
        // frame, or on to the end of its file): the file keeps the range.
        emit downloadWriterWanted(m_download.partPath, h265, m_download.rangeStart, m_download.rangeEnd);
        qDebug() << "Starting video recording for:" << key << "Path:" << m_download.partPath;
        return;
    }
    const int index = paneOf(key);
    if (index < 0)
        return;
    qDebug() << "Initializing playback for device:" << key << "at view index:" << index;
    Pane &pane = m_panes[size_t(index)];
    pane.paused = false;
    pane.connectionLost = false;
    pane.loginSinceLoss = false;
    pane.sinceData.start();
    emit paneStreamReady(index, key, h265);
    if (!m_watchdogTimer->isActive())
        m_watchdogTimer->start();
}

void NvrPlaybackSession::onStreamData(const RecvInfo &info)
{
    if (info.data.isEmpty() || info.mediaHeader.skipFlag())
        return;
    const QString key = devKey(info.ip, info.channel);
    const int index = paneOf(key);
    if (index < 0)
        return;
    m_panes[size_t(index)].sinceData.start();
    emit streamData(key, info.data, qint64(info.mediaHeader.frameTimeMs()));
}

void NvrPlaybackSession::watchdogTick()
{
    QList<int> expired;
    bool watching = false;
    for (int i = 0; i < PaneCount; ++i) {
        const Pane &pane = m_panes[size_t(i)];
        if (pane.key.isEmpty() || !pane.sinceData.isValid())
            continue;
        watching = true;
        const qint64 idle = pane.sinceData.elapsed();
        // Frames the client itself has not yet passed on are no silence.
        if (!pane.paused && idle > m_idleLimitMs && !holdsUnread(pane.key)) {
            qInfo() << "watchdog: stream idle" << idle << "ms > 5000, treat as replay END. key=" << pane.key
                    << " idx=" << i << "(limit" << m_idleLimitMs << "ms)";
            expired.append(i);
        }
    }
    if (!watching) {
        m_watchdogTimer->stop();
        return;
    }
    for (int index : qAsConst(expired)) {
        const QString key = m_panes[size_t(index)].key;
        // Silence on a connection that broke is no end of the footage.
        const bool lost = m_panes[size_t(index)].connectionLost || !connectionStands(key);
        const bool backAlready = m_panes[size_t(index)].loginSinceLoss;
        if (lost)
            qInfo() << "watchdog: the connection of" << key << "was lost; playback stopped";
        stop(index);
        emit notice(lost ? Notice::ConnectionLost : Notice::PlaybackEnded, key);
        if (lost) {
            m_lost[size_t(index)].key = key;
            emit paneConnectionLost(index, key);
            // Logged in to again before the silence was judged: no later
            // login would say it.
            if (backAlready)
                sayBack(index);
        }
    }
    const bool left = std::any_of(m_panes.cbegin(), m_panes.cend(),
                                  [](const Pane &p) { return !p.key.isEmpty() && p.sinceData.isValid(); });
    if (!left)
        m_watchdogTimer->stop();
}

bool NvrPlaybackSession::seek(int index, qint64 ms)
{
    FUN_DEV_INFO *record = paneRecord(index);
    if (!record)
        return false;
    Pane &pane = m_panes[size_t(index)];
    const QString key = pane.key;
    const QString timeText = QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyyMMddhhmmss"));
    const qint64 previous = pane.position;
    pane.position = ms;
    if (ms < previous) {
        qDebug() << "Backward seek, restart stream from:" << timeText;
        streamRequest(key, pane.day, true, false, 0);
        pane.paused = false;
        pane.sinceData.invalidate();
        emit paneRestarting(index);
        streamRequest(key, pane.day, false, false, ms);
        emit notice(Notice::StartingStream, key);
        return true;
    }
    qDebug() << "Seeking to time:" << timeText;
    emit paneSeeking(index);
    KelvoSDKHelper::instance()->seekPlay(toLoginDev(record), timeText);
    return true;
}

bool NvrPlaybackSession::pause(int index)
{
    FUN_DEV_INFO *record = paneRecord(index);
    if (!record)
        return false;
    m_panes[size_t(index)].paused = true;
    KelvoSDKHelper::instance()->pausePlay(toLoginDev(record));
    return true;
}

bool NvrPlaybackSession::resume(int index, float speed)
{
    FUN_DEV_INFO *record = paneRecord(index);
    if (!record)
        return false;
    Pane &pane = m_panes[size_t(index)];
    pane.paused = false;
    KelvoSDKHelper::instance()->resumePlay(toLoginDev(record));
    if (speed > 0) {
        const bool fast = speed >= 1.0f;
        KelvoSDKHelper::instance()->setPlaySpeed(toLoginDev(record), uchar(fast ? speed : 1.0f / speed), fast);
    }
    pane.sinceData.start();
    if (!m_watchdogTimer->isActive())
        m_watchdogTimer->start();
    return true;
}

bool NvrPlaybackSession::setSpeed(int index, float speed)
{
    FUN_DEV_INFO *record = paneRecord(index);
    if (!record || speed <= 0)
        return false;
    const bool fast = speed >= 1.0f;
    KelvoSDKHelper::instance()->setPlaySpeed(toLoginDev(record), uchar(fast ? speed : 1.0f / speed), fast);
    return true;
}

void NvrPlaybackSession::stop(int index)
{
    if (index < 0) {
        qWarning() << "Invalid index in stop:" << index;
        return;
    }
    if (FUN_DEV_INFO *record = paneRecord(index)) {
        const QString key = CommonHelper::getDevKey(record);
        sendStop(key, false);
        DeviceInfoManager::instance()->logoutDevice(record);
        qDebug() << "Stop playback - Index:" << index << "Device:" << key;
    }
    QString key;
    if (valid(index)) {
        key = m_panes[size_t(index)].key;
        m_panes[size_t(index)] = Pane();
        m_lost[size_t(index)] = Lost();
    }
    emit paneStopped(index, key);
}

void NvrPlaybackSession::playedTo(int index, double second)
{
    const QString key = paneKey(index);
    if (key.isEmpty())
        return;
    Pane &pane = m_panes[size_t(index)];
    const Segments segments = m_channels.value(key).segments;
    if (segments.isEmpty())
        return;
    const qint64 t = midnight(pane.day) + qint64(second + 5.0) * 1000;
    if (t <= segments.back().end)
        return;
    // The day may still be recording: ask again, once at a time and not
    // more often than the refresh interval.
    // An answer lost for longer than the interval does not block the next one.
    Refresh &refresh = pane.refresh;
    if (refresh.since.isValid() && refresh.since.elapsed() < m_refreshIntervalMs)
        return;
    qDebug() << "Updating records for device:" << key;
    refresh.outstanding = true;
    refresh.position = t;
    refresh.since.start();
    query(key, pane.day, false);
}

void NvrPlaybackSession::reset()
{
    endDownload();
    for (int i = 0; i < PaneCount; ++i) {
        const QString key = m_panes[size_t(i)].key;
        if (key.isEmpty())
            continue;
        sendStop(key, false);
        if (FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key))
            DeviceInfoManager::instance()->logoutDevice(record);
        m_panes[size_t(i)] = Pane();
        emit paneStopped(i, key);
    }
    m_lost.fill(Lost());
    m_channels.clear();
    m_watchdogTimer->stop();
    m_shownDate = QDate();
    m_currentKey.clear();
    m_pendingPlayKey.clear();
}

// ---- download ----------------------------------------------------------------

qint64 NvrPlaybackSession::recordedEndWithin(const QString &key, qint64 from, qint64 to) const
{
    const Channel channel = m_channels.value(key);
    // Without the day's list the range end is all we know.
    if (channel.segmentsDay != QDateTime::fromMSecsSinceEpoch(from).date())
        return to;
    qint64 end = 0;
    for (const Segment &s : channel.segments)
        if (s.start < to && s.end > from)
            end = qMax<qint64>(end, qMin<qint64>(s.end, to));
    // A list holding nothing of the range proves nothing: the recorder may
    // send footage of it all the same, and only its end shows it all came.
    return end > 0 ? end : to;
}

NvrPlaybackSession::DownloadRefusal NvrPlaybackSession::startDownload(const QDateTime &start, const QDateTime &end)
{
    if (m_currentKey.isEmpty())
        return DownloadRefusal::NoChannel;
    if (!m_currentKey.contains(QLatin1Char('_')))
        return DownloadRefusal::NotAChannel;
    if (paneOf(m_currentKey) >= 0)
        return DownloadRefusal::ChannelPlaying;
    if (!m_download.key.isEmpty())
        return DownloadRefusal::DownloadRunning;
    if (start.date() != end.date())
        return DownloadRefusal::NotSameDay;
    if (end.toMSecsSinceEpoch() / 1000 <= start.toMSecsSinceEpoch() / 1000)
        return DownloadRefusal::EndNotAfterStart;
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(m_currentKey);
    if (!record) {
        qWarning() << "Device not found:" << m_currentKey;
        return DownloadRefusal::NoRecord;
    }
    DeviceInfoManager::instance()->loginDevice(record);
    QString ip;
    int channel = 0;
    if (!splitKey(m_currentKey, &ip, &channel))
        return DownloadRefusal::NoRecord;
    const QString folder = CommonHelper::getRecordDir(record, false);
    if (folder.isEmpty() || !Platform::makePrivateDir(folder)) {
        qWarning() << "Failed to create download directory:" << folder;
        return DownloadRefusal::NoFolder;
    }
    const QString timeFormat = QStringLiteral("yyyyMMddhhmmsszzz");
    // A download of the same start again gets a name of its own: the file
    // before it, whole or partial, is never replaced.
    const QString base = QDir(folder).filePath(start.toString(timeFormat));
    const auto taken = [](const QString &p) { return QFileInfo::exists(p) || QFileInfo(p).isSymLink(); };
    QString path = base + QStringLiteral(".mp4");
    for (int n = 1; taken(path) || taken(partialPathOf(path)); ++n)
        path = base + QStringLiteral("_%1.mp4").arg(n);

    Download &d = m_download;
    d = Download();
    d.path = QDir::toNativeSeparators(path);
    d.partPath = QDir::toNativeSeparators(partialPathOf(path));
    d.key = m_currentKey;
    d.rangeStart = d.lastStamp = start.toMSecsSinceEpoch();
    d.rangeEnd = end.toMSecsSinceEpoch();
    d.rangeDay = start.date();
    d.footageEnd = recordedEndWithin(d.key, d.rangeStart, d.rangeEnd);
    d.running = true;

    RecordStreamInfo request;
    request.channel = uint8_t(channel);
    request.startTime = start.toString(timeFormat);
    request.endTime = end.toString(timeFormat);
    request.download = 1;
    const loginDev connection = toLoginDev(record);
    const QString key = d.key;
    QTimer::singleShot(kChannelDelayMs, this, [this, connection, request, key] {
        if (m_download.key != key || m_download.judged)
            return;
        // A request that cannot be written is never answered: said at once.
        if (!KelvoSDKHelper::instance()->isConnected(connection)) {
            qWarning() << "download of" << key << "not asked: the connection to the recorder is down";
            finishDownload(Shortfall::ConnectionLost);
            return;
        }
        KelvoSDKHelper::instance()->downloadOrRecord(connection, request);
        // Counted from the request: a device that never answers, or answers
        // without data, ends the download as failed instead of holding it.
        m_progressTimer->start();
    });
    qDebug() << "Starting download - Device:" << d.key << "Path:" << d.path << "Time range:" << request.startTime
             << "to" << request.endTime;
    return DownloadRefusal::None;
}

void NvrPlaybackSession::onDownloadData(const RecvInfo &info)
{
    Download &d = m_download;
    if (info.data.isEmpty() || info.mediaHeader.skipFlag() || !d.running)
        return;
    // Only the download's channel writes into the file.
    if (devKey(info.ip, info.channel) != d.key)
        return;
    const qint64 stamp = midnight(d.rangeDay) + qint64(info.mediaHeader.frameTimeMs());
    emit downloadData(info.data, stamp, info.mediaHeader.frameFlag() == 1);
    if (d.received > 0 && stamp > d.lastStamp && stamp - d.lastStamp <= kFrameReachMaxMs)
        d.frameGap = stamp - d.lastStamp;
    if (d.firstStamp < 0 || stamp < d.firstStamp)
        d.firstStamp = stamp;
    ++d.received;
    d.lastStamp = stamp;
    // The frame lasts until the next: one that reaches the range's end
    // proves the end was seen, whatever happens to the connection after it.
    if (stamp + d.frameGap >= d.rangeEnd)
        d.reachedEnd = true;
}

void NvrPlaybackSession::onConnectionLost(const loginDev &dev)
{
    const QString key = devKey(dev.ip, dev.channel);
    for (Pane &pane : m_panes)
        if (pane.key == key) {
            pane.connectionLost = true;
            pane.loginSinceLoss = false;
        }
    // The recorder said back is gone again: its panes say so again. Its own
    // connection tells; a channel's may be only logged out.
    for (int i = 0; i < PaneCount; ++i) {
        Lost &lost = m_lost[size_t(i)];
        if (dev.channel == 0 && lost.back && lost.key.section(QLatin1Char('_'), 0, 0) == dev.ip) {
            lost.back = false;
            emit paneRecorderBack(i, lost.key, false);
        }
    }
    if (m_download.running && !m_download.judged && m_download.key == key) {
        qWarning() << "download of" << key << "lost its connection after" << m_download.received << "frames";
        settleLostConnection();
    }
}

bool NvrPlaybackSession::connectionStands(const QString &key)
{
    const FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    return record && KelvoSDKHelper::instance()->isConnected(toLoginDev(record));
}

bool NvrPlaybackSession::workerHolds(const QString &key)
{
    const FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    const TcpClient *client = record ? KelvoSDKHelper::instance()->session(toLoginDev(record)) : nullptr;
    return client && client->worker()->backlogBytes() > 0;
}

void NvrPlaybackSession::settleLostConnection()
{
    Download &d = m_download;
    if (!d.running || d.judged)
        return;
    m_progressTimer->stop();
    // Frames read before the break may still be on their way from the
    // receive worker: they are the recorder's and belong in the file.
    if (workerHolds(d.key) && d.drainTries++ < kDrainTries) {
        const QString key = d.key;
        QTimer::singleShot(kDrainPollMs, this, [this, key] {
            if (m_download.key == key)
                settleLostConnection();
        });
        return;
    }
    // Queued behind every message already on its way to this object.
    const QString key = d.key;
    QMetaObject::invokeMethod(
        this,
        [this, key] {
            Download &now = m_download;
            if (now.key != key || now.judged)
                return;
            // Frames to the range's end came before the break: nothing is missing.
            const bool whole = now.reachedEnd && now.lost == StreamLoss::None;
            finishDownload(whole ? Shortfall::None : Shortfall::ConnectionLost);
        },
        Qt::QueuedConnection);
}

void NvrPlaybackSession::onLoginReply(const RecvInfo &info)
{
    // The client logged in to the recorder again: a pane that lost it may
    // play again, and says so.
    if (!info.head.result.ok() || info.ip.isEmpty())
        return;
    for (Pane &pane : m_panes)
        if (pane.connectionLost && pane.key.section(QLatin1Char('_'), 0, 0) == info.ip)
            pane.loginSinceLoss = true;
    for (int i = 0; i < PaneCount; ++i) {
        Lost &lost = m_lost[size_t(i)];
        if (lost.key.isEmpty() || lost.back || lost.key.section(QLatin1Char('_'), 0, 0) != info.ip)
            continue;
        sayBack(i);
    }
}

void NvrPlaybackSession::sayBack(int index)
{
    Lost &lost = m_lost[size_t(index)];
    lost.back = true;
    qInfo() << "the recorder of" << lost.key << "answered a login again";
    emit paneRecorderBack(index, lost.key, true);
}

void NvrPlaybackSession::onStreamLost(const RecvInfo &who, StreamLoss loss)
{
    // A frame given up before its head came may have been the download's.
    const int cmd = who.head.cmd;
    if (!m_download.running || devKey(who.ip, who.channel) != m_download.key || (cmd != Cmd::DownloadData && cmd >= 0))
        return;
    noteDownloadLoss(loss);
}

void NvrPlaybackSession::noteDownloadLoss(StreamLoss loss)
{
    qWarning() << "download of" << m_download.key << "lost data:" << int(loss) << "after" << m_download.received
               << "frames; it is kept as partial";
    if (m_download.lost == StreamLoss::None)
        m_download.lost = loss;
}

bool NvrPlaybackSession::holdsUnread(const QString &key)
{
    const FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    return record && KelvoSDKHelper::instance()->holdsUnreadData(toLoginDev(record));
}

bool NvrPlaybackSession::holdsUnfinishedFrame(const QString &key)
{
    const FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    return record && KelvoSDKHelper::instance()->holdsUnfinishedFrame(toLoginDev(record));
}

int NvrPlaybackSession::calculateProgress(qint64 timeMs)
{
    Download &d = m_download;
    if (d.rangeEnd <= d.rangeStart) {
        qDebug() << "Invalid time range - End:" << d.rangeEnd << "Start:" << d.rangeStart;
        return 0;
    }
    if (timeMs < d.rangeStart) {
        qDebug() << "Received timestamp is before start time - Received:" << timeMs << "Start:" << d.rangeStart;
        return 0;
    }
    d.countDelta = d.received - d.countAtTick;
    d.countAtTick = d.received;
    const int percent = int(qMin<qint64>(100, (timeMs - d.rangeStart) * 100 / (d.rangeEnd - d.rangeStart)));
    const QString f = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    qDebug().noquote() << QStringLiteral("Download Progress - Current: %1 Start: %2 End: %3 Queue size: %4 Last count: "
                                         "%5 Total count: %6 Progress: %7%")
                              .arg(QDateTime::fromMSecsSinceEpoch(timeMs).toString(f),
                                   QDateTime::fromMSecsSinceEpoch(d.rangeStart).toString(f),
                                   QDateTime::fromMSecsSinceEpoch(d.rangeEnd).toString(f))
                              .arg(m_downloadQueueSize ? m_downloadQueueSize() : 0)
                              .arg(d.countDelta)
                              .arg(d.received)
                              .arg(percent);
    return percent;
}

void NvrPlaybackSession::progressTick()
{
    Download &d = m_download;
    if (!d.running || d.judged) {
        m_progressTimer->stop();
        return;
    }
    // calculateProgress leaves the counters as they were before a frame arrived
    // before the range; the stall count needs the delta either way.
    const int p = calculateProgress(d.lastStamp);
    if (d.lastStamp < d.rangeStart) {
        d.countDelta = d.received - d.countAtTick;
        d.countAtTick = d.received;
    }
    if (d.reachedEnd) {
        m_progressTimer->stop();
        d.stalls = 0;
        finishDownload(d.lost == StreamLoss::None ? Shortfall::None : Shortfall::DataLost);
    } else if (!connectionStands(d.key)) {
        // Broken (or logged out) without a word reaching this object yet.
        settleLostConnection();
    } else if (d.stalls >= 3) {
        m_progressTimer->stop();
        d.stalls = 0;
        // Fallen silent in the middle of a frame: that frame never comes.
        if (holdsUnfinishedFrame(d.key))
            noteDownloadLoss(StreamLoss::PieceMissing);
        // The NVR sends recorded minutes only: where its footage ends inside
        // the range, silence after frames of the last recorded minute is the
        // end. Where the footage covers the range's end, only frames that
        // reach it are.
        const bool footageEndsInside = d.footageEnd < d.rangeEnd;
        const bool sawEnd = footageEndsInside && d.received > 0 && d.lastStamp + kMinuteMs >= d.footageEnd;
        Shortfall why = Shortfall::None;
        if (d.lost != StreamLoss::None)
            why = Shortfall::DataLost;
        else if (d.received == 0)
            why = d.answered ? Shortfall::NoFootage : Shortfall::NoAnswer;
        else if (!sawEnd)
            why = Shortfall::Stopped;
        finishDownload(why);
    } else if (d.countDelta == 0) {
        // What the client itself has not yet read or passed on is no
        // silence of the recorder.
        if (!holdsUnread(d.key))
            ++d.stalls;
    } else {
        d.stalls = 0;
        if (!d.running)
            m_progressTimer->stop();
    }
    emit downloadProgress(p);
}

void NvrPlaybackSession::finishDownload(Shortfall why)
{
    Download &d = m_download;
    if (d.judged)
        return;
    d.judged = true;
    m_progressTimer->stop();
    if (why == Shortfall::None && d.lost != StreamLoss::None)
        why = Shortfall::DataLost;
    DownloadEnd end;
    end.why = why;
    end.lost = d.lost;
    end.rangeMs = d.rangeEnd - d.rangeStart;
    if (d.received > 0) {
        end.at = qBound(d.rangeStart, d.lastStamp + d.frameGap, d.rangeEnd);
        end.keptMs = qMax<qint64>(0, end.at - qMax(d.firstStamp, d.rangeStart));
    }
    const bool success = why == Shortfall::None;
    if (!success)
        qWarning() << "download of" << d.key << "is not whole:" << why << "after" << d.received << "frames,"
                   << end.keptMs << "ms of" << end.rangeMs << "kept";
    const QString key = d.key;
    QTimer::singleShot(kFinishDelayMs, this, [this, key] {
        if (m_download.key == key)
            endDownload();
    });
    emit downloadFinished(key, success ? d.path : d.partPath, success, d.received > 0, d.lost, end);
}

QString NvrPlaybackSession::partialPathOf(const QString &completePath)
{
    const QString suffix = QStringLiteral(".mp4");
    const QString stem =
        completePath.endsWith(suffix, Qt::CaseInsensitive) ? completePath.chopped(suffix.size()) : completePath;
    return stem + QStringLiteral(".partial") + suffix;
}

bool NvrPlaybackSession::completeDownloadFile(const QString &written, const QString &complete, QString *error)
{
    // The writer synced the file; the rename never replaces (a name taken
    // meanwhile keeps the file partial) and is whole only once its folder
    // is synced, as for every file the operator keeps.
    QString reason;
    if (!Platform::renameWhole(written, complete, &reason)) {
        const bool renamed = QFileInfo(complete).isFile() && !QFileInfo::exists(written);
        qWarning() << (renamed ? "download renamed, but its name may not survive a crash:"
                               : "download kept under its partial name:")
                   << written << "->" << complete << reason;
        if (error)
            *error = reason;
        return false;
    }
    qDebug() << "download complete:" << complete;
    return true;
}

bool NvrPlaybackSession::endDownload()
{
    if (m_download.key.isEmpty()) {
        qDebug() << "No active download to stop";
        return false;
    }
    const QString key = m_download.key;
    if (sendStop(key, true)) {
        qDebug() << "Download stopped for device:" << key;
    } else {
        // The record is gone with its connection: nothing is left to stop on
        // the device, and a kept key would refuse every later download.
        qWarning() << "Failed to stop download for device:" << key << "- local state cleared";
    }
    const bool received = m_download.received > 0;
    const QString path = m_download.partPath;
    m_download = Download();
    m_progressTimer->stop();
    emit downloadEnded(path, received);
    return true;
}
