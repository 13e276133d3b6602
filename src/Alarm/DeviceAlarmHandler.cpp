#include "DeviceAlarmHandler.h"

#include "AlarmInfoWidget.h"
#include "AlarmRecordWriter.h"
#include "AlarmSettingsStore.h"
#include "DeviceAlarmLinkage.h"
#include "MsgTipInfoDlg.h"
#include "OrmDao.h"
#include "OrmHelper.h"
#include "SignalsHelper.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QTimer>

namespace {

const QString kAlarmTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString kRangeTimeFormat = QStringLiteral("hh:mm:ss");

template <class T> QSqlError fill(QHash<QString, QSharedPointer<T>> &cache)
{
    QList<QSharedPointer<T>> rows;
    const QSqlError err = orm::dao::fetch_all(rows);
    for (const QSharedPointer<T> &row : qAsConst(rows))
        cache.insert(row->devip, row);
    return err;
}

int msecs(const QString &text)
{
    const QTime t = QTime::fromString(text, kRangeTimeFormat);
    return t.isValid() ? t.msecsSinceStartOfDay() : -1;
}

} // namespace

DeviceAlarmHandler::DeviceAlarmHandler(QObject *parent)
    : QObject(parent)
    , m_writer(new AlarmRecordWriter(this))
{
    qRegisterMetaType<AlarmRecordWriter::Failure>();
    m_reread.setSingleShot(true);
    m_reread.setInterval(RereadMs);
    connect(&m_reread, &QTimer::timeout, this, &DeviceAlarmHandler::updateAlarmDataBase);
    connect(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm, this,
            &DeviceAlarmHandler::updateAlarmDataBase);
    connect(m_writer, &AlarmRecordWriter::storeFailed, this,
            [this](AlarmRecordWriter::Failure why) { sayNotStored(why); });
    connect(m_writer, &AlarmRecordWriter::storeRecovered, this,
            [](qint64 lost) { MsgTipInfoDlg::showTip(storedAgainText(lost), ToastMs); });
    connect(m_writer, &AlarmRecordWriter::recordsDamaged, this,
            [] { MsgTipInfoDlg::showTip(AlarmInfoWidget::damagedText(), ToastMs); });
    if (OrmHelper::isInitialized())
        m_writer->checkRecords();
    if (OrmHelper::isReadOnly()) {
        // Said once for everything the client cannot save; the alarms lost
        // to it are not said again.
        m_writer->beginOutage(AlarmRecordWriter::ReadOnly);
        QTimer::singleShot(0, this, [] { MsgTipInfoDlg::showTip(readOnlyDatabaseText(), ToastMs); });
    }
}

QString DeviceAlarmHandler::readOnlyDatabaseText()
{
    return tr("The database cannot be written: settings and alarms will not be saved.");
}

QString DeviceAlarmHandler::notStoredText(int failure)
{
    switch (failure) {
    case AlarmRecordWriter::DiskFull:
        return tr("Alarms are not being saved: the disk is full.");
    case AlarmRecordWriter::ReadOnly:
        return tr("Alarms are not being saved: the database is read-only.");
    case AlarmRecordWriter::TooMany:
        return tr("Alarms are not being saved: they arrive faster than they can be stored.");
    case AlarmRecordWriter::Missing:
        return tr("Alarms are not being saved: the database file is missing.");
    case AlarmRecordWriter::Damaged:
        return tr("Alarms are not being saved: the database file is damaged.");
    case AlarmRecordWriter::Held:
        return tr("Alarms are not being saved: the database is in use by another program.");
    default:
        return tr("Alarms are not being saved: the database cannot be written.");
    }
}

QString DeviceAlarmHandler::storedAgainText(qint64 lost)
{
    return tr("Alarms are being saved again. Not saved meanwhile: %1.").arg(lost);
}

void DeviceAlarmHandler::sayNotStored(int failure)
{
    MsgTipInfoDlg::showTip(notStoredText(failure), ToastMs);
}

DeviceAlarmHandler::~DeviceAlarmHandler()
{
    shutdown();
}

void DeviceAlarmHandler::updateAlarmDataBase()
{
    m_reread.stop();
    struct Caches
    {
        QHash<QString, QSharedPointer<cms_DealAlarmLink>> links;
        QHash<QString, QSharedPointer<cms_DealAlarmTime>> times;
        QHash<QString, QSharedPointer<cms_DealAlarmType>> types;
    };
    const bool takeOver = !m_namedRowsTaken;
    // The registry is read here, on its own thread.
    const QHash<QString, QString> owners = takeOver ? AlarmSettingsStore::namedOwners() : QHash<QString, QString>();
    const auto read = std::make_shared<Caches>();
    const auto readAll = [takeOver, owners, read] {
        QSqlError err = takeOver ? AlarmSettingsStore::takeOverNamedRows(owners) : QSqlError();
        if (err.text().isEmpty())
            err = fill(read->links);
        if (err.text().isEmpty())
            err = fill(read->times);
        if (err.text().isEmpty())
            err = fill(read->types);
        return err;
    };
    const auto use = [this, takeOver, read](const QSqlError &error) {
        if (!error.text().isEmpty()) {
            qWarning().noquote() << "Alarm settings not read; read again in" << RereadMs
                                 << "ms, the alarms follow those read before:" << error.text();
            m_reread.start();
            return;
        }
        if (takeOver)
            m_namedRowsTaken = true;
        m_links.swap(read->links);
        m_times.swap(read->times);
        m_types.swap(read->types);
        m_settingsRead = true;
        if (!m_pending.empty() && !m_drainPosted) {
            m_drainPosted = true;
            QMetaObject::invokeMethod(this, &DeviceAlarmHandler::drainPending, Qt::QueuedConnection);
        }
    };
    m_reads.enqueue(OrmAccessQueue::Item::reading(QStringLiteral("alarm settings read for the alarms"), readAll, use));
}

template <class T>
QSharedPointer<T> DeviceAlarmHandler::lookup(const QHash<QString, QSharedPointer<T>> &cache, const FUN_DEV_INFO *dev)
{
    // Never by name: a device may be named after another one's address.
    return cache.value(dev->ip);
}

CustomAlarmInfo DeviceAlarmHandler::parseAlarmXml(const QString &xml)
{
    CustomAlarmInfo record;
    record.alarmType =
        findValuesInXml(xml, QStringLiteral("body")).value(QStringLiteral("alarmType")).toInt(nullptr, 10);
    const QHash<QString, QString> t = findValuesInXml(xml, QStringLiteral("alarmTime"));
    auto value = [&t](const char *key) { return t.value(QLatin1String(key)).toInt(nullptr, 10); };
    const QDateTime moment(QDate(value("year"), value("month"), value("day")),
                           QTime(value("hour"), value("minute"), value("second"), 0));
    if (moment.isValid())
        record.alarmTime = moment.toString(kAlarmTimeFormat);
    return record;
}

bool DeviceAlarmHandler::isAlarmTypeEnabled(const cms_DealAlarmType *row, int type)
{
    if (!row)
        return false;
    switch (type) {
    case 0:
        return row->bMotionDetection;
    case 1:
        return row->bFaceDetection;
    case 2:
        return row->bHumanDetection;
    case 5:
        return row->bAudioNoise;
    default:
        return false;
    }
}

bool DeviceAlarmHandler::isInArmingTime(const cms_DealAlarmTime *row, const QString &alarmTime)
{
    if (!row)
        return false;
    const QDateTime moment = QDateTime::fromString(alarmTime, kAlarmTimeFormat);
    const struct
    {
        const QString &ranges;
        bool armed;
    } days[] = {
        {row->timeMon, row->bMon}, {row->timeTue, row->bTue}, {row->timeWed, row->bWed}, {row->timeThu, row->bThu},
        {row->timeFri, row->bFri}, {row->timeSat, row->bSat}, {row->timeSun, row->bSun},
    };
    const int day = moment.date().dayOfWeek(); // 0 for an invalid date
    if (day < 1 || day > 7 || !days[day - 1].armed)
        return false;
    return isTimeInRanges(moment.time(), days[day - 1].ranges);
}

bool DeviceAlarmHandler::isTimeInRanges(const QTime &time, const QString &ranges)
{
    const int t = time.isValid() ? time.msecsSinceStartOfDay() : -1;
    for (const QString &part : ranges.split(QLatin1Char(';'))) {
        const QStringList bounds = part.split(QLatin1Char('-'));
        if (bounds.size() != 2)
            continue;
        if (msecs(bounds.at(0)) <= t && t <= msecs(bounds.at(1)))
            return true;
    }
    return false;
}

void DeviceAlarmHandler::handleDeviceAlarm(const QString &xml, FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    if (m_closing) {
        // Nothing is queued once the close began: what would have been
        // stored is counted, as the close's own loss; one that cannot be
        // judged for want of settings is counted too.
        qint64 lost = 1;
        if (m_settingsRead) {
            std::vector<CustomAlarmInfo> rows;
            handleOne(xml, dev, false, &rows);
            lost = qint64(rows.size());
            m_refusedAtClose += lost;
        } else {
            ++m_unreadAtClose;
        }
        if (lost > 0)
            m_closeLossByDevice[AlarmRecordWriter::deviceLabel(dev->name, dev->sn)] += lost;
        return;
    }
    // Judged only on settings that were read: until then the alarm waits.
    if (!m_coalescing && m_settingsRead) {
        std::vector<CustomAlarmInfo> rows;
        handleOne(xml, dev, true, &rows);
        m_writer->append(rows);
        return;
    }
    if (m_pending.size() >= size_t(MaxPending)) {
        // Waiting on settings a held database keeps from being read, or on a
        // writer it holds up, they are lost to the hold.
        const bool held = m_reads.isWaiting() || m_writer->waitsForDatabase();
        m_writer->dropped(1, held ? AlarmRecordWriter::Held : AlarmRecordWriter::TooMany,
                          QStringLiteral("alarm of %1: %2 alarms wait to be handled%3")
                              .arg(dev->ip)
                              .arg(MaxPending)
                              .arg(held ? QStringLiteral(", the database is in use by another program") : QString()),
                          AlarmRecordWriter::deviceLabel(dev->name, dev->sn));
        return;
    }
    // A copy: the device may be removed before the event is handled.
    m_pending.push_back(PendingAlarm{xml, *dev});
    if (!m_drainPosted) {
        m_drainPosted = true;
        QMetaObject::invokeMethod(this, &DeviceAlarmHandler::drainPending, Qt::QueuedConnection);
    }
}

void DeviceAlarmHandler::setCoalescing(bool on)
{
    m_coalescing = on;
    m_writer->setGatherMs(on ? AlarmRecordWriter::GatherMs : 0);
}

void DeviceAlarmHandler::drainPending()
{
    m_drainPosted = false;
    if (!m_settingsRead)
        return;
    QElapsedTimer budget;
    budget.start();
    std::vector<CustomAlarmInfo> rows;
    while (!m_pending.empty()) {
        PendingAlarm alarm = std::move(m_pending.front());
        m_pending.pop_front();
        handleOne(alarm.xml, &alarm.dev, true, &rows);
        if (budget.elapsed() >= DrainBudgetMs)
            break;
    }
    m_writer->append(rows);
    // The rest after what else waits for the GUI thread.
    if (!m_pending.empty() && !m_drainPosted) {
        m_drainPosted = true;
        QMetaObject::invokeMethod(this, &DeviceAlarmHandler::drainPending, Qt::QueuedConnection);
    }
}

void DeviceAlarmHandler::handleOne(const QString &xml, FUN_DEV_INFO *dev, bool linkage,
                                   std::vector<CustomAlarmInfo> *rows)
{
    CustomAlarmInfo record = parseAlarmXml(xml);
    record.devName = dev->name;
    record.status = 0;
    record.handler = dev->sn;

    if (!isAlarmTypeEnabled(lookup(m_types, dev).data(), record.alarmType))
        return;
    if (!isInArmingTime(lookup(m_times, dev).data(), record.alarmTime))
        return;

    // A row that cannot be stored does not hold the linkage back: the operator
    // still sees and records the alarm.
    if (linkage)
        startAlarmLinkage(record, dev);
    rows->push_back(std::move(record));
}

void DeviceAlarmHandler::startAlarmLinkage(const CustomAlarmInfo &record, FUN_DEV_INFO *dev)
{
    Q_UNUSED(record)
    const QSharedPointer<cms_DealAlarmLink> link = lookup(m_links, dev);
    if (!link || !(link->bVideoPopup || link->bAudioPrompt || link->bSnapshotPictures || link->bLinkageRecording))
        return;
    if (runningLinkages() >= MaxLinkages) {
        // Once for a flood, not once for each of its alarms.
        if (m_withoutLinkage++ == 0)
            qWarning() << "Alarm of" << dev->ip << "stored without linkage:" << MaxLinkages << "linkages run already";
        return;
    }
    if (m_withoutLinkage > 1)
        qWarning() << m_withoutLinkage << "alarms were stored without linkage";
    m_withoutLinkage = 0;
    auto *linkage = new DeviceAlarmLinkage(nullptr);
    m_linkages.append(linkage);
    linkage->start(link, dev);
}

void DeviceAlarmHandler::setRowLimit(qint64 rows)
{
    m_writer->setRowLimit(rows);
}

int DeviceAlarmHandler::runningLinkages()
{
    m_linkages.removeAll(QPointer<DeviceAlarmLinkage>());
    return m_linkages.size();
}

void DeviceAlarmHandler::beginClose(QDeadlineTimer deadline)
{
    if (m_closing)
        return;
    m_closing = true;
    m_reread.stop();
    // What came before the close is stored; no linkage starts any more.
    std::vector<CustomAlarmInfo> rows;
    if (!m_settingsRead)
        givePendingUp(m_unreadAtClose, "the alarm settings were never read");
    while (!m_pending.empty()) {
        // A flood can leave more waiting than the close has time to judge:
        // what is left then is counted, so the close keeps its bound.
        if (deadline.hasExpired()) {
            givePendingUp(m_unhandledAtClose, "the close's time ran out");
            break;
        }
        PendingAlarm alarm = std::move(m_pending.front());
        m_pending.pop_front();
        handleOne(alarm.xml, &alarm.dev, false, &rows);
    }
    m_writer->appendAtClose(rows);
    m_writer->close(deadline);
    const QList<QPointer<DeviceAlarmLinkage>> running = m_linkages;
    m_linkages.clear();
    for (const QPointer<DeviceAlarmLinkage> &linkage : running)
        delete linkage.data();
}

void DeviceAlarmHandler::givePendingUp(qint64 &counted, const char *why)
{
    if (m_pending.empty())
        return;
    qWarning().noquote() << m_pending.size() << "alarms not handled at close:" << why;
    counted += qint64(m_pending.size());
    for (const PendingAlarm &alarm : m_pending)
        ++m_closeLossByDevice[AlarmRecordWriter::deviceLabel(alarm.dev.name, alarm.dev.sn)];
    m_pending.clear();
}

qint64 DeviceAlarmHandler::lostToTheClose() const
{
    return m_unreadAtClose + m_refusedAtClose + m_unhandledAtClose + m_writer->lostAtClose();
}

qint64 DeviceAlarmHandler::endClose()
{
    beginClose(QDeadlineTimer(OrmDatabase::BusyTimeoutMs));
    m_writer->wait();
    // The outage the close ends in is never over: its loss is said here.
    const qint64 earlier = m_writer->lostInOutage();
    const qint64 lost = lostToTheClose() + earlier;
    if (m_closed)
        return lost;
    m_closed = true;
    if (m_refusedAtClose > 0)
        qWarning() << m_refusedAtClose << "alarms came during the close and were not stored";
    if (lost == 0)
        return lost;
    qWarning() << "Alarms not stored at close:" << lost;
    QHash<QString, qint64> byDevice = m_writer->lostByDevice();
    for (auto it = m_closeLossByDevice.cbegin(); it != m_closeLossByDevice.cend(); ++it)
        byDevice[it.key()] += it.value();
    QStringList devices;
    for (auto it = byDevice.cbegin(); it != byDevice.cend(); ++it)
        devices << QStringLiteral("%1: %2").arg(it.key()).arg(it.value());
    devices.sort();
    qWarning().noquote() << QStringLiteral("Alarms not stored, %1 of them lost before the close, by device: %2")
                                .arg(earlier)
                                .arg(devices.join(QStringLiteral("; ")));
    return lost;
}

void DeviceAlarmHandler::shutdown()
{
    endClose();
}

qint64 DeviceAlarmHandler::alarmsWaiting()
{
    return qint64(m_pending.size()) + qint64(m_writer->queued());
}
