// Writes the client database of scripts/try:
//   kelvo_trydb DB [--wait SECONDS] DEVICE...
// each DEVICE --ipc NAME@ADDR:PORT:RTSPPORT[#SERIAL] or --nvr NAME@ADDR:PORT[:RTSPPORT][/N][#SERIAL].
// A missing database is made with the given devices (default device login;
// the serial number the device reports, else its address)
// and alarm settings for every camera (motion alarms armed all week, each
// with a video pop-up of 5 seconds), and keeps snapshots, downloads and scheduled
// recordings in Snap, Record and Backup beside it, so deleting the folder
// starts the try over. A database that exists is kept with everything the
// operator made in it; only the device and RTSP ports of the listed devices
// that it still holds are updated, as the simulated devices listen on new
// ports each time. A listed device the operator deleted stays deleted.
//
// A database another program holds (a backup, a browser with a write open)
// is not damaged: it is waited for, up to SECONDS (default 60), and still
// held then the tool ends with HeldExit, the file untouched. The wait is said
// once, and so is its end (free again, or given up). What the database layer
// logs is the client's log, not the tool's word: it would say the database
// is held at every try, and that it is ready when a file whose tables are
// damaged opens all the same. The tool says what came of its work itself,
// with the layer's reason when it failed.

#include "KelvoCommon.h"
#include "OrmCore.h"
#include "OrmHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>
#include <QtGlobal>

#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <memory>
#include <vector>

namespace {

constexpr int HeldExit = 3;
constexpr int DefaultWaitSeconds = 60;
constexpr int RetryMs = 500;

enum class Outcome { Done, Failed, Held };

// The layer's last warning or error: the reason of a step of the first start
// that failed.
QString g_layerReason;

void keepLayerQuiet(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "kelvo_trydb: %s\n", qPrintable(text));
    else if (type == QtWarningMsg || type == QtCriticalMsg)
        g_layerReason = text;
}

// Runs step again while another program holds the database, at most
// waitSeconds; says once that it waits, and how the wait ended.
Outcome waitingForHolder(const QString &db, int waitSeconds, const std::function<Outcome()> &step)
{
    QElapsedTimer since;
    since.start();
    bool said = false;
    for (;;) {
        const Outcome outcome = step();
        if (outcome != Outcome::Held) {
            if (said) {
                std::printf("kelvo_trydb: %s is free again\n", qPrintable(db));
                std::fflush(stdout);
            }
            return outcome;
        }
        if (since.elapsed() >= qint64(waitSeconds) * 1000) {
            std::fprintf(stderr, "kelvo_trydb: %s is still in use by another program after %d s; left as it is\n",
                         qPrintable(db), waitSeconds);
            return outcome;
        }
        if (!said) {
            std::printf("kelvo_trydb: %s is in use by another program; waiting for it (up to %d s)\n", qPrintable(db),
                        waitSeconds);
            std::fflush(stdout);
            said = true;
        }
        QThread::msleep(RetryMs);
    }
}

// "--wait SECONDS" taken out of the arguments; -1 when it is malformed.
int takeWaitSeconds(QStringList &args)
{
    const int at = args.indexOf(QStringLiteral("--wait"));
    if (at < 0)
        return DefaultWaitSeconds;
    bool ok = false;
    const int seconds = args.value(at + 1).toInt(&ok);
    args.erase(args.begin() + at, args.begin() + qMin(at + 2, args.size()));
    return ok && seconds >= 0 ? seconds : -1;
}

struct DeviceArg
{
    FUN_DEV_INFO info;
    bool hasRtspPort = false;
};

bool parseDevices(const QStringList &args, std::vector<DeviceArg> *devices)
{
    static const QRegularExpression deviceArgument(QStringLiteral(
        "^([^@]+)@(127\\.[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}):([0-9]{1,5})(?::([0-9]{1,5}))?(?:/([0-9]{1,3}))?(?:#([A-Za-z0-9._-]{1,64}))?$"));
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const auto m = deviceArgument.match(args.at(i + 1));
        const bool ipc = args.at(i) == QLatin1String("--ipc");
        const bool ok = m.hasMatch() && (ipc || args.at(i) == QLatin1String("--nvr")) && m.captured(3).toUInt() <= 65535
                        && m.captured(4).toUInt() <= 65535
                        && (m.captured(5).isEmpty() || (m.captured(5).toUInt() >= 1 && m.captured(5).toUInt() <= 255));
        if (!ok) {
            std::fprintf(stderr, "kelvo_trydb: bad device %s %s\n", qPrintable(args.at(i)), qPrintable(args.at(i + 1)));
            return false;
        }
        DeviceArg d;
        FUN_DEV_INFO &dev = d.info;
        dev.name = m.captured(1);
        dev.ip = m.captured(2);
        // The serial number is what a schedule knows a device by: it must be
        // the one the device reports, or the schedule loses it next time.
        dev.sn = m.captured(6).isEmpty() ? dev.ip : m.captured(6);
        dev.devPort = uint16_t(m.captured(3).toUInt());
        d.hasRtspPort = !m.captured(4).isEmpty();
        if (d.hasRtspPort)
            dev.rtspPort = uint16_t(m.captured(4).toUInt());
        if (!ipc) {
            dev.devType = 1;
            dev.channelNum = uint8_t(m.captured(5).isEmpty() ? 4 : m.captured(5).toUInt());
        }
        devices->push_back(d);
    }
    return true;
}

// A camera of the try pushes motion alarms: each shows up with its pop-up,
// whatever the day and hour.
bool seedAlarmSettings(const QString &ip)
{
    cms_DealAlarmType type;
    type.devip = ip;
    type.bMotionDetection = true;
    cms_DealAlarmLink link;
    link.devip = ip;
    link.bVideoPopup = true;
    link.popupTime = QStringLiteral("5");
    cms_DealAlarmTime time;
    time.devip = ip;
    const QString wholeDay = QStringLiteral("00:00:00-23:59:59");
    for (QString *day :
         {&time.timeMon, &time.timeTue, &time.timeWed, &time.timeThu, &time.timeFri, &time.timeSat, &time.timeSun})
        *day = wholeDay;
    time.bALL = time.bMon = time.bTue = time.bWed = time.bThu = time.bFri = time.bSat = time.bSun = true;
    return orm::dao::insert(type).text().isEmpty() && orm::dao::insert(link).text().isEmpty()
           && orm::dao::insert(time).text().isEmpty();
}

bool keepFilesBeside(const QString &db)
{
    const QDir dir = QFileInfo(db).absoluteDir();
    QSqlError error;
    QSharedPointer<CMS_Config_V2> config = OrmHelper::getConfig(&error);
    if (!config)
        return false;
    config->SnapPath = dir.filePath(QStringLiteral("Snap"));
    config->RecordPath = dir.filePath(QStringLiteral("Record"));
    config->BackupPath = dir.filePath(QStringLiteral("Backup"));
    // The user's alone, as the folders the client makes are.
    for (const QString &path : {config->SnapPath, config->RecordPath, config->BackupPath}) {
        if (!QFileInfo(path).isDir() && ::mkdir(QFile::encodeName(path).constData(), 0700) != 0)
            return false;
    }
    return OrmHelper::saveConfig(config);
}

bool makeDatabase(const QString &db, std::vector<DeviceArg> &devices)
{
    QList<FUN_DEV_INFO *> list;
    for (DeviceArg &d : devices)
        list << &d.info;
    OrmTransaction tx;
    if (!keepFilesBeside(db)) {
        std::fprintf(stderr, "kelvo_trydb: cannot set the folders beside %s\n", qPrintable(db));
        return false;
    }
    OrmHelper::AddDevs(list);
    for (const DeviceArg &d : devices) {
        if (d.info.dbId <= 0) {
            std::fprintf(stderr, "kelvo_trydb: cannot add %s\n", qPrintable(d.info.ip));
            return false;
        }
        if (d.info.devType == 0 && !seedAlarmSettings(d.info.ip)) {
            std::fprintf(stderr, "kelvo_trydb: cannot write the alarm settings of %s\n", qPrintable(d.info.ip));
            return false;
        }
    }
    return tx.commit().text().isEmpty();
}

// The number of rows whose ports were updated, or -1 with the database's error.
int updatePorts(const std::vector<DeviceArg> &devices, QSqlError *error)
{
    OrmTransaction tx;
    if (!tx.error().text().isEmpty()) {
        *error = tx.error();
        return -1;
    }
    int updated = 0;
    for (const DeviceArg &d : devices) {
        QList<QSharedPointer<CMS_Devices>> rows;
        *error = orm::dao::fetch_by_query(
            OrmQuery(QStringLiteral("WHERE DevIP = :ip")).bind(QStringLiteral(":ip"), d.info.ip), rows);
        if (!error->text().isEmpty())
            return -1;
        for (const QSharedPointer<CMS_Devices> &row : qAsConst(rows)) {
            row->PTZPort = QString::number(d.info.devPort);
            if (d.hasRtspPort)
                row->VideoPort = QString::number(d.info.rtspPort);
            *error = orm::dao::update(row);
            if (!error->text().isEmpty())
                return -1;
            ++updated;
        }
    }
    *error = tx.commit();
    return error->text().isEmpty() ? updated : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(keepLayerQuiet);
    QStringList args = app.arguments().mid(1);
    const int waitSeconds = takeWaitSeconds(args);
    std::vector<DeviceArg> devices;
    if (waitSeconds < 0 || args.size() < 3 || args.size() % 2 == 0 || !parseDevices(args, &devices)) {
        std::fprintf(stderr, "usage: kelvo_trydb DB [--wait SECONDS] (--ipc NAME@ADDR:PORT:RTSPPORT[#SERIAL] | --nvr "
                             "NAME@ADDR:PORT[:RTSPPORT][/N][#SERIAL])...\n");
        return 2;
    }
    const QString path = args.first();
    const bool existed = QFileInfo::exists(path);
    OrmDatabase::setDatabaseName(path);
    QString error;
    const Outcome opened = waitingForHolder(path, waitSeconds, [&error] {
        bool locked = false;
        if (OrmHelper::instance()->init(&error, nullptr, &locked))
            return Outcome::Done;
        return locked ? Outcome::Held : Outcome::Failed;
    });
    int result = 0;
    if (opened != Outcome::Done) {
        if (opened == Outcome::Failed)
            std::fprintf(stderr, "kelvo_trydb: %s cannot be used: %s\n", qPrintable(path), qPrintable(error));
        result = opened == Outcome::Held ? HeldExit : 1;
    } else if (existed) {
        int updated = -1;
        QSqlError err;
        const Outcome moved = waitingForHolder(path, waitSeconds, [&] {
            updated = updatePorts(devices, &err);
            return updated >= 0 ? Outcome::Done : OrmDatabase::isLocked(err) ? Outcome::Held : Outcome::Failed;
        });
        if (moved == Outcome::Done) {
            std::printf("DB %s kept, ports of %d devices updated\n", qPrintable(path), updated);
        } else {
            if (moved == Outcome::Failed)
                std::fprintf(stderr, "kelvo_trydb: %s cannot be used: %s\n", qPrintable(path), qPrintable(err.text()));
            result = moved == Outcome::Held ? HeldExit : 1;
        }
    } else if (makeDatabase(path, devices)) {
        std::printf("DB %s made with %d devices\n", qPrintable(path), int(devices.size()));
    } else {
        if (!g_layerReason.isEmpty())
            std::fprintf(stderr, "kelvo_trydb: %s\n", qPrintable(g_layerReason));
        result = 1;
    }
    OrmDatabase::closeAllConnections();
    // A half-made database would be kept by the next start.
    if (result != 0 && !existed)
        QFile::remove(path);
    return result;
}
