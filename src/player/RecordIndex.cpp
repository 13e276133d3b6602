#include "RecordIndex.h"

#include "FFmpegRecordPlan.h"
#include "Platform.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QTime>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace RecordIndex {

namespace {

// Inside `folder` (both canonical): the folder itself does not count.
bool isInside(const QString &canonical, const QString &folder)
{
    return !canonical.isEmpty() && !folder.isEmpty() && canonical.startsWith(folder + QLatin1Char('/'));
}

QString text(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isString() ? v.toString() : QString();
}

std::atomic_bool g_failing{false};
QMutex g_failMutex;
std::function<bool(const QString &)> g_fails; // under g_failMutex

const QRegularExpression &segmentPattern()
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{8})([0-9]{6})(_[0-9]+)?\\.mp4$"));
    return re;
}

} // namespace

void setWriteFailureForTesting(std::function<bool(const QString &path)> fails)
{
    QMutexLocker lock(&g_failMutex);
    g_fails = std::move(fails);
    g_failing = bool(g_fails);
}

bool writeFails(const QString &path)
{
    if (!g_failing)
        return false;
    QMutexLocker lock(&g_failMutex);
    return g_fails && g_fails(path);
}

bool isDayName(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[0-9]{8}$"));
    return re.match(name).hasMatch();
}

bool isSegmentName(const QString &dayName, const QString &fileName)
{
    const QRegularExpressionMatch m = segmentPattern().match(fileName);
    return m.hasMatch() && m.captured(1) == dayName;
}

QString segmentStartTime(const QString &fileName)
{
    const QRegularExpressionMatch m = segmentPattern().match(fileName);
    if (!m.hasMatch() || !QTime::fromString(m.captured(2), QStringLiteral("hhmmss")).isValid())
        return QString();
    return m.captured(2) + QStringLiteral("000");
}

bool isChannelName(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^CH_[0-9]{2,3}$"));
    return re.match(name).hasMatch();
}

bool ownTree(const QString &root, const QString &path)
{
    const QString top = QDir::cleanPath(root);
    const QString below = QDir::cleanPath(path);
    if (top.isEmpty() || !below.startsWith(top + QLatin1Char('/')))
        return false;
    const QStringList parts = below.mid(top.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString at = top;
    for (const QString &part : parts) {
        if (part == QLatin1String("..") || part == QLatin1String("."))
            return false;
        at += QLatin1Char('/') + part;
        const QFileInfo info(at);
        if (info.isSymLink()) {
            qWarning() << "recording folder refused, a link:" << at << "->" << info.symLinkTarget();
            return false;
        }
        if (!info.exists())
            return true; // made by the recorder when it gets there
        if (!info.isDir()) {
            qWarning() << "recording folder refused, not a folder:" << at;
            return false;
        }
    }
    return true;
}

QStringList dayFolders(const QString &root)
{
    QStringList found;
    const QString top = QDir::cleanPath(root);
    if (top.isEmpty() || !QFileInfo(top).isDir())
        return found;
    const auto subFolders = [](const QString &dir) {
        return QDir(dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
    };
    for (const QFileInfo &device : subFolders(top)) {
        for (const QFileInfo &sub : subFolders(device.filePath())) {
            if (isDayName(sub.fileName())) {
                found << sub.filePath();
            } else if (isChannelName(sub.fileName())) {
                for (const QFileInfo &day : subFolders(sub.filePath())) {
                    if (isDayName(day.fileName()))
                        found << day.filePath();
                }
            }
        }
    }
    return found;
}

QString resolve(const QString &dayDir, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)) || QDir::isAbsolutePath(name)) {
        qWarning() << "record index entry refused, not a file of its day folder:" << name << "in" << dayDir;
        return QString();
    }
    return dayDir + QLatin1Char('/') + name;
}

bool isOwnFile(const QString &dayDir, const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // A link may stay inside the folder (a file renamed by hand); one that
        // leads out of it, or nowhere, is refused.
        const QString folder = QFileInfo(dayDir).canonicalFilePath();
        if (!isInside(info.canonicalFilePath(), folder)) {
            qWarning() << "record index entry refused, a link out of its day folder:" << path << "->"
                       << info.symLinkTarget();
            return false;
        }
    }
    if (info.exists() && !info.isFile()) {
        qWarning() << "record index entry refused, not a file:" << path;
        return false;
    }
    return true;
}

QByteArray readBytes(const QString &dayDir, Status *status, QString *error)
{
    const auto result = [status](Status st) {
        if (status)
            *status = st;
        return QByteArray();
    };
    const QString path = dayDir + QLatin1Char('/') + fileName();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return result(Status::Missing);
    if (info.isSymLink() || !info.isFile()) {
        qWarning() << "record index refused, not a plain file:" << path;
        return result(Status::Refused);
    }
    if (info.size() > MaxBytes) {
        qWarning() << "record index refused, larger than" << MaxBytes << "bytes:" << path << info.size();
        return result(Status::Refused);
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        // The caller says it, in its own words.
        if (error)
            *error = f.errorString();
        return result(Status::Unreadable);
    }
    // It may have grown since the size was taken.
    QByteArray bytes = f.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes) {
        qWarning() << "record index refused, larger than" << MaxBytes << "bytes:" << path;
        return result(Status::Refused);
    }
    if (status)
        *status = Status::Ok;
    return bytes;
}

QJsonArray parse(const QByteArray &bytes, const QString &dayDir, Status *status, QString *error)
{
    Q_UNUSED(dayDir)
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isArray()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                  : QStringLiteral("not an array");
        if (status)
            *status = Status::BadJson;
        return QJsonArray();
    }
    if (status)
        *status = Status::Ok;
    return doc.array();
}

QJsonArray readArray(const QString &dayDir, Status *status, QString *error)
{
    Status st = Status::Missing;
    const QByteArray bytes = readBytes(dayDir, &st, error);
    if (st != Status::Ok) {
        if (status)
            *status = st;
        return QJsonArray();
    }
    return parse(bytes, dayDir, status, error);
}

Entry entryOf(const QString &dayDir, const QJsonValue &value)
{
    Entry e;
    if (!value.isObject())
        return e;
    const QJsonObject o = value.toObject();
    e.fileName = text(o, "fileName");
    e.startTime = text(o, "startTime");
    e.endTime = text(o, "endTime");
    e.path = resolve(dayDir, e.fileName);
    return e;
}

Day read(const QString &dayDir)
{
    Day day;
    day.raw = readArray(dayDir, &day.status, &day.error);
    day.entries.reserve(day.raw.size());
    for (const QJsonValue &value : qAsConst(day.raw)) {
        day.entries.append(entryOf(dayDir, value));
        if (day.entries.last().path.isEmpty())
            ++day.refused;
    }
    return day;
}

Day readWithFootage(const QString &dayDir)
{
    Day day = read(dayDir);
    if (day.status == Status::Refused)
        return day;
    QSet<QString> listed;
    for (const Entry &e : qAsConst(day.entries))
        listed.insert(e.fileName);
    const QString dayName = QFileInfo(dayDir).fileName();
    QStringList names = QDir(dayDir).entryList({QStringLiteral("*.mp4")}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : qAsConst(names)) {
        if (listed.contains(name) || !isSegmentName(dayName, name))
            continue;
        const QTime start = QTime::fromString(segmentStartTime(name), QStringLiteral("hhmmsszzz"));
        const qint64 ms = start.isValid() ? FFmpegRecordPlan::fileDurationMs(dayDir + QLatin1Char('/') + name) : -1;
        if (ms <= 0)
            continue;
        Entry e;
        e.fileName = name;
        e.startTime = start.toString(QStringLiteral("hhmmsszzz"));
        QTime end = start.addMSecs(int(qMin<qint64>(ms, 86400000)));
        if (end < start)
            end = QTime(23, 59, 59, 999); // a day index never spans two days
        e.endTime = end.toString(QStringLiteral("hhmmsszzz"));
        e.path = dayDir + QLatin1Char('/') + name;
        e.found = true;
        day.entries.append(e);
    }
    return day;
}

bool write(const QString &dayDir, const QJsonArray &array, QString *error)
{
    const QString path = dayDir + QLatin1Char('/') + fileName();
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    // Never through a link, nor over a folder.
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return fail(QStringLiteral("the index is no plain file"));
    const QByteArray bytes = QJsonDocument(array).toJson(QJsonDocument::Indented);
    if (bytes.size() > MaxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(MaxBytes));
    if (writeFails(path))
        return fail(QString::fromLocal8Bit(::strerror(ENOSPC)));
    return Platform::writeWholeFile(path, bytes, error);
}

int timeOfDayMs(const QString &text)
{
    if (text.size() != 9)
        return -1;
    int digits[9];
    for (int i = 0; i < 9; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        digits[i] = c - '0';
    }
    const int hours = digits[0] * 10 + digits[1];
    const int minutes = digits[2] * 10 + digits[3];
    const int seconds = digits[4] * 10 + digits[5];
    const int ms = digits[6] * 100 + digits[7] * 10 + digits[8];
    if (hours > 23 || minutes > 59 || seconds > 59)
        return -1;
    return ((hours * 60 + minutes) * 60 + seconds) * 1000 + ms;
}

DayClock::DayClock(const QDate &day)
    : m_day(day)
{
    const QDateTime start(day, QTime(0, 0));
    const QDateTime noon(day, QTime(12, 0));
    const QDateTime end(day, QTime(23, 59, 59, 999));
    if (!start.isValid() || !noon.isValid() || !end.isValid())
        return;
    m_start = start.toMSecsSinceEpoch();
    m_linear = noon.toMSecsSinceEpoch() == m_start + 43200000 && end.toMSecsSinceEpoch() == m_start + 86399999;
}

qint64 DayClock::epochMs(int msOfDay) const
{
    if (m_linear)
        return m_start + msOfDay;
    return QDateTime(m_day, QTime::fromMSecsSinceStartOfDay(msOfDay)).toMSecsSinceEpoch();
}

} // namespace RecordIndex
