#include "RecordScheduleThread.h"

#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "DeviceInfoManager.h"
#include "FFmpegRecordPlan.h"
#include "PlayerCommon.h"
#include "RecordIndex.h"
#include "SourceProbe.h"
#include "StorageMark.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <climits>
#include <utility>

namespace {

constexpr quint64 MinFreeGiB = 5;
constexpr qint64 ExpiryDays = 30;

struct ClockState
{
    QMutex mutex;
    QDateTime start;
    QElapsedTimer timer;
    double speed = 1.0;
};

ClockState &clockState()
{
    static ClockState state;
    return state;
}

std::atomic<int> g_secondsPerPlanMinute{60};

const qint64 kRetryDelaysMs[] = {1000, 2000, 4000, 8000, 16000, 30000};
std::atomic<bool> g_sourceProbe{true};

qint64 steadyMs()
{
    static QElapsedTimer clock;
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

QString entryId(const RECORD_DEVICE_INFO &d)
{
    return d.szDevId + QLatin1Char('|') + d.szDevIp + QLatin1Char('|') + QString::number(d.iChannelIdx);
}

int secondsOfDay(const QDateTime &now)
{
    const QTime t = now.time();
    return t.isValid() ? t.msecsSinceStartOfDay() / 1000 : 0;
}

// A day records nothing when its stored count is 0, whatever parts it holds.
bool hasParts(const RECORD_DAY_INFO &day)
{
    return day.iPartCount != 0 && !day.timePart.isEmpty();
}

} // namespace

namespace ScheduleClock {

QDateTime now()
{
    ClockState &c = clockState();
    QMutexLocker lock(&c.mutex);
    if (!c.start.isValid())
        return QDateTime::currentDateTime();
    return c.start.addMSecs(qint64(double(c.timer.elapsed()) * c.speed));
}

qint64 realMs(qint64 ms)
{
    ClockState &c = clockState();
    QMutexLocker lock(&c.mutex);
    if (!c.start.isValid() || c.speed <= 0)
        return ms;
    return std::max<qint64>(1, qint64(double(ms) / c.speed));
}

void setForTesting(const QDateTime &start, double speed)
{
    ClockState &c = clockState();
    QMutexLocker lock(&c.mutex);
    c.start = start;
    c.speed = speed > 0 ? speed : 1.0;
    c.timer.start();
}

} // namespace ScheduleClock

RecordScheduleThread::RecordScheduleThread()
    : QThread(nullptr)
{
}

RecordScheduleThread::~RecordScheduleThread()
{
    // Destroying a running QThread aborts the program; the page stops it first,
    // this only guards against a path that forgot to.
    stop();
}

void RecordScheduleThread::setPlan(const RECORD_PLAN_INFO *plan)
{
    m_hasPlan = plan != nullptr;
    m_plan = plan ? *plan : RECORD_PLAN_INFO();
}

void RecordScheduleThread::updatePlan(const RECORD_PLAN_INFO &plan)
{
    if (!isRunning()) {
        setPlan(&plan);
        return;
    }
    QMutexLocker lock(&m_lock);
    m_pendingPlan = plan;
    m_havePending = true;
    m_wake.wakeAll();
}

void RecordScheduleThread::takePendingPlan()
{
    QMutexLocker lock(&m_lock);
    if (!m_havePending)
        return;
    m_havePending = false;
    m_plan = m_pendingPlan;
    m_hasPlan = true;
}

int RecordScheduleThread::secondsPerPlanMinute()
{
    return g_secondsPerPlanMinute.load();
}

void RecordScheduleThread::setSecondsPerPlanMinuteForTesting(int seconds)
{
    g_secondsPerPlanMinute = seconds > 0 ? seconds : 60;
}

qint64 RecordScheduleThread::retryDelayMs(int failures)
{
    const int last = int(sizeof kRetryDelaysMs / sizeof kRetryDelaysMs[0]) - 1;
    return kRetryDelaysMs[qBound(0, failures - 1, last)];
}

int RecordScheduleThread::fileLengthSecs() const
{
    return (m_plan.iTimeFile > 0 ? int(m_plan.iTimeFile) : 30) * secondsPerPlanMinute();
}

void RecordScheduleThread::stop()
{
    {
        QMutexLocker lock(&m_lock);
        m_stop = true;
        m_wake.wakeAll();
    }
    if (QThread::currentThread() != this)
        wait();
    stopRecordThreads();
    StorageMark::release();
}

bool RecordScheduleThread::stopRequested()
{
    QMutexLocker lock(&m_lock);
    return m_stop;
}

void RecordScheduleThread::wake()
{
    QMutexLocker lock(&m_lock);
    m_event = true;
    m_wake.wakeAll();
}

bool RecordScheduleThread::waitMs(qint64 ms)
{
    return waitRealMs(ScheduleClock::realMs(ms));
}

bool RecordScheduleThread::waitRealMs(qint64 ms)
{
    QMutexLocker lock(&m_lock);
    if (m_stop)
        return false;
    if (!m_event && !m_havePending && ms > 0) {
        const qint64 real = std::min<qint64>(ms, qint64(UINT_MAX - 1));
        m_wake.wait(&m_lock, static_cast<unsigned long>(real));
    }
    m_event = false;
    return !m_stop;
}

void RecordScheduleThread::run()
{
    ThreadStack::install();
    if (stopRequested())
        return;
    for (;;) {
        takePendingPlan();
        const bool writeFailed = m_checkDiskNow;
        m_checkDiskNow = false;
        m_moved = false;
        if (storageGone()) {
            if (!waitForStorage())
                return;
            continue;
        }
        if (!checkDisk()) {
            // The storage went between the two looks: waited for above.
            if (m_storage != int(StorageMark::State::Ours))
                continue;
            if (!m_hasPlan) {
                StorageMark::release();
                emit sig_recordStopped(m_plan.iStorageType);
                return;
            }
            if (!waitForRoom())
                return;
            continue;
        }
        const bool failing = std::any_of(m_recorders.cbegin(), m_recorders.cend(),
                                         [](const Recorder &r) { return r.state == DiskFull; });
        if (writeFailed && failing && !m_writeFailSaid) {
            m_writeFailSaid = true;
            emit sig_recordWriteFailed();
        } else if (!failing) {
            m_writeFailSaid = false;
        }
        qint64 wait = -1;
        const bool inSchedule = isInSchedule(m_plan, ScheduleClock::now(), fileLengthSecs(), wait);
        if (!inSchedule) {
            stopRecordThreads();
            // Not recording until the next part: another client may take the folder meanwhile.
            StorageMark::release();
            reportAll(Idle);
            if (wait > 1) {
                // Until shortly before the next part; a new plan is looked at at once.
                const qint64 until = steadyMs() + ScheduleClock::realMs((wait - 1) * 1000);
                for (;;) {
                    if (!waitRealMs(until - steadyMs()))
                        return;
                    QMutexLocker lock(&m_lock);
                    if (m_havePending || steadyMs() >= until)
                        break;
                }
                continue;
            }
            if (wait < 0) {
                qInfo() << "Record plan holds no time part, the schedule ends";
                StorageMark::release();
                return;
            }
        }
        startRecordThreads();
        // Until the part's end or one file length; meanwhile recorders that
        // fail are started again, the missing channels looked for, and the
        // storage folder looked at: a disk that goes stops the recorders
        // within one look, not when their segments end.
        const qint64 passEnd = steadyMs() + ScheduleClock::realMs(wait > 1 ? wait * 1000 : 500);
        qint64 nextLook = steadyMs() + DiskProbeIntervalMs;
        for (;;) {
            const qint64 now = steadyMs();
            if (now >= passEnd)
                break;
            if (now >= nextLook) {
                if (storageGone() || m_moved)
                    break;
                nextLook = now + DiskProbeIntervalMs;
            }
            qint64 next = std::min(passEnd, nextLook);
            const qint64 due = serviceRecorders();
            if (due >= 0)
                next = std::min(next, due);
            if (m_missingRetryAt >= 0)
                next = std::min(next, m_missingRetryAt);
            if (!waitRealMs(next - steadyMs()))
                return;
            {
                QMutexLocker lock(&m_lock);
                if (m_havePending)
                    break;
            }
            if (m_missingRetryAt >= 0 && steadyMs() >= m_missingRetryAt)
                startRecordThreads();
            if (m_checkDiskNow)
                break;
        }
    }
}

bool RecordScheduleThread::waitForRoom()
{
    stopRecordThreads();
    reportAll(DiskFull);
    if (!m_diskFullSaid) {
        m_diskFullSaid = true;
        emit sig_recordStopped(m_plan.iStorageType);
    }
    for (;;) {
        if (!waitRealMs(DiskProbeIntervalMs))
            return false;
        takePendingPlan();
        if (checkDisk()) {
            qInfo() << "Disk space is back, recording resumes";
            m_diskFullSaid = false;
            return true;
        }
        // The storage itself went meanwhile: run waits for it.
        if (m_storage != int(StorageMark::State::Ours))
            return true;
        // A plan taken meanwhile may hold other channels.
        reportAll(DiskFull);
    }
}

int RecordScheduleThread::lookAtStorage(const QString &path)
{
    StorageMark::Look info;
    const StorageMark::State state = StorageMark::look(path, &info);
    m_storageDetail = info.detail;
    if (!info.notKept.isEmpty() && info.notKept != m_notKeptSaid) {
        m_notKeptSaid = info.notKept;
        emit sig_markNotKept(info.notKept);
    }
    if (info.moved) {
        // The recorders write under the mount point, on the disk below: their
        // segments end there, and new ones start on the disk.
        stopRecordThreads();
        m_moved = true;
        emit sig_storageMoved(path, info.mountPoint, info.earlierSource, info.earlierMountPoint);
    }
    if (info.remade) {
        // The recorders' files went with the folder: new ones start in the one made again.
        stopRecordThreads();
        m_moved = true;
        emit sig_storageRemade(path);
    }
    return int(state);
}

bool RecordScheduleThread::storageGone()
{
    if (!m_hasPlan)
        return false;
    const QString path = QDir::toNativeSeparators(m_plan.szStoragePath.trimmed());
    if (path.isEmpty())
        return false; // the disk check says it
    const auto state = StorageMark::State(lookAtStorage(path));
    const bool changed = m_storage != int(state);
    m_storage = int(state);
    if (state == StorageMark::State::Ours)
        return false;
    if (changed) {
        switch (state) {
        case StorageMark::State::Missing:
            qWarning() << "The storage folder is not there (its disk is not where it was found), stop recording:"
                       << path;
            break;
        case StorageMark::State::NotOurs:
            qWarning() << "The folder is not the storage folder recorded into (no mark of this client), nothing is "
                          "written into it:"
                       << path;
            break;
        case StorageMark::State::Held:
            qWarning() << "Another client records into the storage folder, nothing is written into it:" << path;
            break;
        case StorageMark::State::Unmounted:
            qWarning() << "The storage folder lies under" << m_storageDetail
                       << "where the mount table mounts a disk, and nothing is mounted there; waiting for it:" << path;
            break;
        case StorageMark::State::Unknown:
            qWarning() << "The storage folder's mark cannot be read from the database, waiting for it:" << path
                       << m_storageDetail;
            break;
        case StorageMark::State::Inside:
            qWarning() << "The storage folder lies inside another client's storage folder" << m_storageDetail
                       << "and is not taken, nothing is written into it:" << path;
            break;
        default:
            qWarning() << "The storage folder cannot be written, stop recording:" << path << m_storageDetail;
            break;
        }
    }
    return true;
}

void RecordScheduleThread::sayStorageUnavailable()
{
    if (m_storageSaid == m_storage)
        return;
    m_storageSaid = m_storage;
    emit sig_storageUnavailable(QDir::toNativeSeparators(m_plan.szStoragePath.trimmed()), m_storage, m_storageDetail);
}

bool RecordScheduleThread::waitForStorage()
{
    // The recorders close their segments on the disk they were written to.
    stopRecordThreads();
    // Said before the channels show it, so the page has the reason for them.
    sayStorageUnavailable();
    reportAll(NoStorage);
    for (;;) {
        if (!waitRealMs(DiskProbeIntervalMs))
            return false;
        takePendingPlan();
        if (!storageGone()) {
            qInfo() << "The storage folder is back, recording resumes";
            m_storageSaid = -1;
            emit sig_storageBack();
            return true;
        }
        sayStorageUnavailable();
        reportAll(NoStorage);
    }
}

bool RecordScheduleThread::checkDisk()
{
    if (!m_hasPlan)
        return false;
    const QString path = QDir::toNativeSeparators(m_plan.szStoragePath.trimmed());
    if (path.isEmpty()) {
        qWarning() << "Record plan without storage folder";
        return false;
    }
    // Made and marked on first use, or again on the disk it was removed
    // from: a folder that went away with its disk is not made again in its
    // place (an unmounted disk leaves its empty mount point).
    m_storage = lookAtStorage(path);
    if (m_storage != int(StorageMark::State::Ours))
        return false;
    quint64 freeGiB = 0;
    if (!CommonHelper::getDiskFreeSpace(path, freeGiB)) {
        if (!m_diskFullSaid)
            qWarning() << "The storage folder's volume cannot be read, stop recording:" << path;
        return false;
    }
    if (freeGiB >= MinFreeGiB) {
        m_noOldRecordOn = QDate();
        return true;
    }
    if (m_plan.iStorageType != 0) {
        if (!m_diskFullSaid)
            qWarning() << "Insufficient disk space, stop recording. Free:" << freeGiB << "GB";
        return false;
    }
    // Recordings only grow old when the day changes: a clean-up that found
    // nothing is not walked again every few seconds while the disk is full.
    const QDate today = ScheduleClock::now().date();
    if (m_noOldRecordOn == today)
        return false;
    if (deleteOldRecord(path, today))
        return true;
    m_noOldRecordOn = today;
    if (!m_diskFullSaid)
        qWarning() << "Insufficient disk space and no old recording to delete, stop recording. Free:" << freeGiB
                   << "GB";
    return false;
}

QStringList RecordScheduleThread::collectDayFolders(const QString &path)
{
    // Only the layout the recorders write: a date-named folder anywhere else
    // (the operator's own, or the storage folder itself) is not a recording
    // day, and a link may lead out of the storage folder, or round in a circle.
    return RecordIndex::dayFolders(path);
}

bool RecordScheduleThread::deleteOldRecord(const QString &path, const QDate &today)
{
    const auto dateOf = [](const QString &dir) {
        return QDate::fromString(QFileInfo(dir).fileName(), QStringLiteral("yyyyMMdd"));
    };
    QStringList days = collectDayFolders(path);
    std::stable_sort(days.begin(), days.end(), [&](const QString &a, const QString &b) {
        const QDate da = dateOf(a), db = dateOf(b);
        const qint64 ka = da.isValid() ? da.toJulianDay() : LLONG_MAX;
        const qint64 kb = db.isValid() ? db.toJulianDay() : LLONG_MAX;
        return ka < kb;
    });
    bool removed = false;
    for (const QString &dir : qAsConst(days)) {
        const QDate date = dateOf(dir);
        if (!date.isValid())
            continue;
        const qint64 age = date.daysTo(today);
        if (age < ExpiryDays)
            continue;
        // Only what the recorder wrote: its segments of that day and the
        // day index; anything else (and the folder with it) stays.
        const QString dayName = QFileInfo(dir).fileName();
        const QFileInfoList files = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        int gone = 0;
        for (const QFileInfo &file : files) {
            const bool ours =
                file.fileName() == RecordIndex::fileName() || RecordIndex::isSegmentName(dayName, file.fileName());
            if (ours && !file.isSymLink() && file.isFile() && !FFmpegRecordPlan::segmentInUse(file.filePath())
                && QFile::remove(file.filePath()))
                ++gone;
        }
        const bool emptied = QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        if (emptied && QDir().rmdir(dir)) {
            qInfo().nospace() << "Deleted expired record: " << QFileInfo(dir).absoluteFilePath() << " (Age: " << age
                              << " days)";
            removed = true;
        } else if (gone > 0) {
            qInfo().nospace() << "Deleted expired record: " << QFileInfo(dir).absoluteFilePath() << " (Age: " << age
                              << " days), " << gone << " files; the folder holds other files and stays";
            removed = true;
        }
    }
    return removed;
}

bool RecordScheduleThread::isInTimePart(const RECORD_DAY_INFO &day, const QDateTime &now, int fileLengthSecs,
                                        qint64 &wait)
{
    const qint64 s = secondsOfDay(now);
    for (const RECORD_TIME_PART &part : day.timePart) {
        const qint64 begin = qint64(part.sBeginTime) * 60;
        const qint64 end = qint64(part.sEndTime) * 60;
        if (begin <= s && s <= end) {
            wait = std::min<qint64>(end - s, fileLengthSecs);
            return true;
        }
    }
    return false;
}

bool RecordScheduleThread::isInSchedule(const RECORD_PLAN_INFO &plan, const QDateTime &now, int fileLengthSecs,
                                        qint64 &wait)
{
    wait = -1;
    if (plan.iTurnOn == 0 || plan.days.size() != 7 || !now.isValid())
        return false;
    const int today = now.date().dayOfWeek() - 1;
    const RECORD_DAY_INFO &day = plan.days.at(today);
    if (hasParts(day) && isInTimePart(day, now, fileLengthSecs, wait))
        return true;

    // Outside today's parts: how long until the next one starts.
    const qint64 s = secondsOfDay(now);
    qint64 next = -1;
    if (hasParts(day)) {
        for (const RECORD_TIME_PART &part : day.timePart) {
            const qint64 begin = qint64(part.sBeginTime) * 60;
            if (begin > s && (next < 0 || begin - s < next))
                next = begin - s;
        }
    }
    if (next >= 0) {
        wait = next;
        return false;
    }
    // The next seven days, tomorrow first and today's weekday a week later
    // last; the stored count is not consulted here, days without parts are
    // skipped.
    for (int i = 1; i <= 7; ++i) {
        const RECORD_DAY_INFO &ahead = plan.days.at((today + i) % 7);
        if (ahead.timePart.isEmpty())
            continue;
        int first = RecordPlanTime::DayMinutes;
        for (const RECORD_TIME_PART &part : ahead.timePart)
            first = std::min<int>(first, part.sBeginTime);
        const QDateTime start = QDateTime(now.date().addDays(i), QTime(0, 0)).addSecs(qint64(first) * 60);
        wait = std::max<qint64>(0, now.secsTo(start));
        return false;
    }
    return false;
}

FUN_DEV_INFO *RecordScheduleThread::findRecord(const RECORD_DEVICE_INFO &device)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return nullptr;
    if (!device.szDevId.isEmpty() && device.szDevId != device.szDevIp) {
        if (FUN_DEV_INFO *record = registry->findChannel(device.szDevId, device.iChannelIdx))
            return record;
        return nullptr;
    }
    // Without a serial number the record list finds a channel by its
    // address; so does the thread.
    return registry->getChannelInfo(device.szDevIp, device.iChannelIdx);
}

QVector<RecordScheduleThread::EntryTarget>
RecordScheduleThread::lookUpTargets(const QVector<RECORD_DEVICE_INFO> &devices, const QString &storagePath)
{
    QVector<EntryTarget> targets;
    targets.reserve(devices.size());
    for (const RECORD_DEVICE_INFO &dev : devices) {
        EntryTarget target;
        if (FUN_DEV_INFO *record = findRecord(dev)) {
            target.key = CommonHelper::getDevKey(record);
            target.url = CommonHelper::getDevUrl(record, dev.iStreamType > 0 ? STREAM_SUB : STREAM_MAIN);
            // The plan's folder, as the page read it or the operator chose
            // it: the settings are not read again at each pass, where a
            // database another program holds would give the defaults.
            target.folder = CommonHelper::getVideoRootDir(record, storagePath);
            target.channel = record->channelIdx > 0;
        }
        targets.append(target);
    }
    return targets;
}

bool RecordScheduleThread::targetsOfPlan(QVector<EntryTarget> &targets)
{
    // The records' fields are written on the GUI thread without a lock; read
    // from here, a text could be read in the middle of its assignment. So
    // they are read there, between two of its events.
    const QString storagePath = m_plan.szStoragePath.trimmed();
    if (QThread::currentThread() == thread()) {
        targets = lookUpTargets(m_plan.devices, storagePath);
        return true;
    }
    quint64 lookup = 0;
    {
        QMutexLocker lock(&m_lock);
        lookup = ++m_lookup;
        m_lookupDone = false;
    }
    // The answer goes to this object, which is not deleted before the loop
    // has ended; a call still queued then is dropped with it.
    QMetaObject::invokeMethod(
        this,
        [this, lookup, devices = m_plan.devices, storagePath] {
            const QVector<EntryTarget> found = lookUpTargets(devices, storagePath);
            QMutexLocker lock(&m_lock);
            if (lookup != m_lookup)
                return;
            m_targets = found;
            m_lookupDone = true;
            m_wake.wakeAll();
        },
        Qt::QueuedConnection);
    QMutexLocker lock(&m_lock);
    while (!m_lookupDone && !m_stop)
        m_wake.wait(&m_lock);
    if (!m_lookupDone)
        return false;
    targets = std::exchange(m_targets, {});
    return true;
}

void RecordScheduleThread::startRecordThreads()
{
    QVector<EntryTarget> targets;
    if (!targetsOfPlan(targets))
        return;
    QMap<QString, Recorder> kept;
    m_entryKeys.clear();
    bool missing = false;
    for (int i = 0; i < m_plan.devices.size() && i < targets.size(); ++i) {
        const RECORD_DEVICE_INFO &dev = m_plan.devices.at(i);
        const QString &key = targets.at(i).key;
        if (key.isEmpty()) {
            qWarning() << "not found device: " << dev.szDevIp << dev.iChannelIdx;
            m_entryKeys.append(QString());
            report(dev, Missing);
            missing = true;
            continue;
        }
        m_entryKeys.append(key);
        if (kept.contains(key))
            continue;
        const QString &url = targets.at(i).url;
        const QString &folder = targets.at(i).folder;
        auto it = m_recorders.find(key);
        if (it != m_recorders.end() && (it->url != url || it->folder != folder)) {
            // New credentials or port (the device was logged in again), or
            // another folder: the old recorder would go on with the old ones.
            qInfo() << "record plan thread follows a changed address:" << key;
            m_recorders.erase(it);
            it = m_recorders.end();
        }
        if (it == m_recorders.end()) {
            Recorder r;
            r.url = url;
            r.folder = folder;
            // <root>/<device>, or <root>/<device>/CH_NN for a channel.
            r.root = QFileInfo(folder).path();
            if (targets.at(i).channel)
                r.root = QFileInfo(r.root).path();
            startRecorder(r);
            qInfo() << "start record plan thread." << key;
            kept.insert(key, r);
        } else {
            kept.insert(key, *it);
            m_recorders.erase(it);
        }
        report(dev, kept.value(key).state);
    }
    // Channels that left the plan (or moved to another key) stop now.
    for (const Recorder &r : qAsConst(m_recorders))
        r.plan->requestStop();
    m_recorders.clear();
    m_recorders.swap(kept);

    if (missing) {
        ++m_missingFailures;
        m_missingRetryAt = steadyMs() + retryDelayMs(m_missingFailures);
    } else {
        m_missingFailures = 0;
        m_missingRetryAt = -1;
    }
}

void RecordScheduleThread::startRecorder(Recorder &r)
{
    if (!r.plan) {
        r.plan = std::make_shared<FFmpegRecordPlan>();
        r.ended = std::make_shared<std::atomic_bool>(false);
        r.recorded = std::make_shared<std::atomic_bool>(false);
        r.writeFailed = std::make_shared<std::atomic_bool>(false);
        r.plan->setFileLength(fileLengthSecs());
        r.plan->setParams(r.url, r.folder);
        r.plan->setStorageRoot(r.root);
        r.plan->setClock(&ScheduleClock::now);
        FFmpegRecordPlan *plan = r.plan.get();
        const auto ended = r.ended;
        const auto recorded = r.recorded;
        const auto writeFailed = r.writeFailed;
        connect(
            plan, &FFmpegRecordPlan::recordError, plan,
            [writeFailed](const QString &, int code) {
                if (code == player::ErrWriteFailed)
                    *writeFailed = true;
            },
            Qt::DirectConnection);
        // Emitted in the recorder's own thread: the schedule thread only
        // learns that something happened and looks for itself.
        connect(
            plan, &QThread::finished, plan,
            [this, ended] {
                *ended = true;
                wake();
            },
            Qt::DirectConnection);
        connect(
            plan, &FFmpegRecordPlan::segmentOpened, plan,
            [this, recorded] {
                if (!recorded->exchange(true))
                    wake();
            },
            Qt::DirectConnection);
    }
    *r.ended = false;
    *r.recorded = false;
    *r.writeFailed = false;
    r.retryAt = -1;
    r.nextProbe = -1;
    r.sourceDown = false;
    r.state = Starting;
    r.plan->start(QThread::InheritPriority);
}

void RecordScheduleThread::setSourceProbeForTesting(bool enabled)
{
    g_sourceProbe = enabled;
}

bool RecordScheduleThread::sourceReachable(const QString &url)
{
    return SourceProbe::reachable(url, ProbeTimeoutMs);
}

qint64 RecordScheduleThread::serviceRecorders()
{
    qint64 next = -1;
    const auto soonest = [&next](qint64 t) {
        if (t >= 0 && (next < 0 || t < next))
            next = t;
    };
    QHash<QString, bool> probed; // one probe per source and pass
    const auto reachable = [&probed](const QString &url) {
        const QString source = SourceProbe::sourceOf(url);
        auto it = probed.find(source);
        if (it == probed.end())
            it = probed.insert(source, sourceReachable(url));
        return it.value();
    };
    for (auto it = m_recorders.begin(); it != m_recorders.end(); ++it) {
        Recorder &r = it.value();
        const QString &key = it.key();
        if (r.retryAt < 0) {
            if (!*r.ended) {
                if (*r.recorded && r.state != Recording) {
                    r.state = Recording;
                    r.failures = 0;
                }
                continue;
            }
            // It ended by itself: its stream failed (or never came).
            r.plan->wait();
            const bool writeFailed = *r.writeFailed;
            // A recorder that opened a segment on a full disk did not record.
            r.failures = *r.recorded && !writeFailed ? 1 : r.failures + 1;
            r.state = writeFailed ? DiskFull : Retrying;
            if (writeFailed)
                m_checkDiskNow = true; // the disk may have filled since the last check
            const qint64 delay = retryDelayMs(r.failures);
            r.retryAt = steadyMs() + delay;
            r.sourceDown = g_sourceProbe.load() && !reachable(r.url);
            r.nextProbe = r.sourceDown ? steadyMs() + ProbeIntervalMs : -1;
            // Each step once, then every tenth try: a source gone for a day
            // must not fill the log.
            if (r.failures <= 6 || r.failures % 10 == 0)
                qWarning().nospace() << "record plan stream of " << key << " ended (" << r.failures
                                     << (r.failures == 1 ? " failure" : " failures") << "), next try in "
                                     << delay / 1000 << " s" << (r.sourceDown ? ", source refuses connections" : "");
        } else if (steadyMs() >= r.retryAt) {
            qInfo() << "restart record plan thread." << key;
            startRecorder(r);
        } else if (r.sourceDown && r.nextProbe >= 0 && steadyMs() >= r.nextProbe) {
            if (reachable(r.url)) {
                // The source is back: no need to wait out the step; the
                // steps start again from the first.
                qInfo() << "record plan source of" << key << "is back, restart record plan thread.";
                r.failures = 0;
                startRecorder(r);
            } else {
                r.nextProbe = steadyMs() + ProbeIntervalMs;
            }
        }
        soonest(r.retryAt);
        soonest(r.nextProbe);
    }
    for (int i = 0; i < m_plan.devices.size() && i < m_entryKeys.size(); ++i) {
        if (!m_entryKeys.at(i).isEmpty())
            report(m_plan.devices.at(i), m_recorders.value(m_entryKeys.at(i)).state);
    }
    return next;
}

void RecordScheduleThread::report(const RECORD_DEVICE_INFO &device, DeviceState state)
{
    const QString id = entryId(device);
    const auto it = m_reported.constFind(id);
    if (it != m_reported.constEnd() && it.value() == int(state))
        return;
    m_reported.insert(id, int(state));
    emit deviceStateChanged(device.szDevId, device.szDevIp, device.iChannelIdx, int(state));
}

void RecordScheduleThread::reportAll(DeviceState state)
{
    for (const RECORD_DEVICE_INFO &dev : qAsConst(m_plan.devices))
        report(dev, state);
    m_entryKeys.clear();
    m_missingFailures = 0;
    m_missingRetryAt = -1;
}

void RecordScheduleThread::stopRecordThreads()
{
    for (const Recorder &r : qAsConst(m_recorders))
        r.plan->requestStop();
    // Each recorder's destructor waits for its thread; asked together, they end together.
    m_recorders.clear();
}
