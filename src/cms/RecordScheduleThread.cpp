#include "RecordScheduleThread.h"

#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "FFmpegRecordPlan.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <climits>

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

RecordScheduleThread::RecordScheduleThread() : QThread(nullptr) {}

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

int RecordScheduleThread::secondsPerPlanMinute()
{
    return g_secondsPerPlanMinute.load();
}

void RecordScheduleThread::setSecondsPerPlanMinuteForTesting(int seconds)
{
    g_secondsPerPlanMinute = seconds > 0 ? seconds : 60;
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
}

bool RecordScheduleThread::stopRequested()
{
    QMutexLocker lock(&m_lock);
    return m_stop;
}

bool RecordScheduleThread::waitMs(qint64 ms)
{
    QMutexLocker lock(&m_lock);
    if (m_stop)
        return false;
    const qint64 real = std::min<qint64>(ScheduleClock::realMs(ms), qint64(UINT_MAX - 1));
    m_wake.wait(&m_lock, static_cast<unsigned long>(std::max<qint64>(real, 0)));
    return !m_stop;
}

void RecordScheduleThread::run()
{
    ThreadStack::install();
    if (stopRequested())
        return;
    for (;;) {
        if (!checkDisk()) {
            emit sig_recordStopped(m_plan.iStorageType);
            return;
        }
        qint64 wait = -1;
        const bool inSchedule = isInSchedule(m_plan, ScheduleClock::now(), fileLengthSecs(), wait);
        if (!inSchedule) {
            stopRecordThreads();
            if (wait > 1) {
                if (!waitMs((wait - 1) * 1000))
                    return;
                continue;
            }
            if (wait < 0) {
                qInfo() << "Record plan holds no time part, the schedule ends";
                return;
            }
        }
        startRecordThreads();
        if (!waitMs(wait > 1 ? wait * 1000 : 500))
            return;
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
    QDir().mkpath(path);
    quint64 freeGiB = 0;
    if (!CommonHelper::getDiskFreeSpace(path, freeGiB))
        return false;
    if (freeGiB >= MinFreeGiB)
        return true;
    if (m_plan.iStorageType != 0) {
        qWarning() << "Insufficient disk space, stop recording. Free:" << freeGiB << "GB";
        return false;
    }
    return deleteOldRecord(path, ScheduleClock::now().date());
}

QStringList RecordScheduleThread::collectDayFolders(const QString &path)
{
    static const QRegularExpression dayName(QStringLiteral("^[0-9]{8}$"));
    QStringList found;
    QStringList pending{path};
    while (!pending.isEmpty()) {
        const QString dir = pending.takeLast();
        if (dayName.match(QFileInfo(dir).fileName()).hasMatch()) {
            found << dir;
            continue;
        }
        // Links are not followed: a link could lead out of the storage folder,
        // or round in a circle.
        const QFileInfoList subs =
            QDir(dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
        for (auto it = subs.crbegin(); it != subs.crend(); ++it)
            pending << it->filePath();
    }
    return found;
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
        if (QDir(dir).removeRecursively()) {
            qInfo().nospace() << "Deleted expired record: " << QFileInfo(dir).absoluteFilePath() << " (Age: " << age
                              << " days)";
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

void RecordScheduleThread::startRecordThreads()
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return;
    for (const RECORD_DEVICE_INFO &dev : qAsConst(m_plan.devices)) {
        const ENUM_STREAM_TYPE stream = dev.iStreamType > 0 ? STREAM_SUB : STREAM_MAIN;
        // Without a serial number the record list finds a channel by its
        // address; so does the thread.
        FUN_DEV_INFO *record = dev.szDevId.isEmpty() ? registry->getChannelInfo(dev.szDevIp, dev.iChannelIdx)
                                                     : registry->findChannel(dev.szDevId, dev.iChannelIdx);
        if (!record) {
            qWarning() << "not found device: " << dev.szDevIp << dev.iChannelIdx;
            continue;
        }
        const QString key = CommonHelper::getDevKey(record);
        const QString url = CommonHelper::getDevUrl(record, stream);
        const QString folder = CommonHelper::getVideoRootDir(record);
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
            r.plan = std::make_shared<FFmpegRecordPlan>();
            r.plan->setFileLength(fileLengthSecs());
            r.plan->setParams(url, folder);
            r.plan->setClock(&ScheduleClock::now);
            r.plan->start(QThread::InheritPriority);
            m_recorders.insert(key, r);
            qInfo() << "start record plan thread." << key;
        } else if (!it->plan->isRunning()) {
            it->plan->start(QThread::InheritPriority);
            qInfo() << "restart record plan thread." << key;
        }
    }
}

void RecordScheduleThread::stopRecordThreads()
{
    for (const Recorder &r : qAsConst(m_recorders))
        r.plan->requestStop();
    // Each recorder's destructor waits for its thread; asked together, they end together.
    m_recorders.clear();
}
