#include "RecordIndex.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

} // namespace

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

QByteArray readBytes(const QString &dayDir, Status *status)
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
        qWarning() << "record index cannot be read:" << path << f.errorString();
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

QJsonArray parse(const QByteArray &bytes, const QString &dayDir, Status *status)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        qWarning() << "record index is no JSON array:" << dayDir + QLatin1Char('/') + fileName() << error.errorString();
        if (status)
            *status = Status::BadJson;
        return QJsonArray();
    }
    if (status)
        *status = Status::Ok;
    return doc.array();
}

QJsonArray readArray(const QString &dayDir, Status *status)
{
    Status st = Status::Missing;
    const QByteArray bytes = readBytes(dayDir, &st);
    if (st != Status::Ok) {
        if (status)
            *status = st;
        return QJsonArray();
    }
    return parse(bytes, dayDir, status);
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
    day.raw = readArray(dayDir, &day.status);
    day.entries.reserve(day.raw.size());
    for (const QJsonValue &value : qAsConst(day.raw)) {
        day.entries.append(entryOf(dayDir, value));
        if (day.entries.last().path.isEmpty())
            ++day.refused;
    }
    return day;
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
