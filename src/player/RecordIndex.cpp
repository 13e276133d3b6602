#include "RecordIndex.h"

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

}  // namespace

QString resolve(const QString &dayDir, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0))
        || QDir::isAbsolutePath(name)) {
        qWarning() << "record index entry refused, not a file of its day folder:" << name << "in" << dayDir;
        return QString();
    }
    const QString path = dayDir + QLatin1Char('/') + name;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // A link may stay inside the folder (a file renamed by hand); one that
        // leads out of it, or nowhere, is refused.
        const QString folder = QFileInfo(dayDir).canonicalFilePath();
        if (!isInside(info.canonicalFilePath(), folder)) {
            qWarning() << "record index entry refused, a link out of its day folder:" << path << "->"
                       << info.symLinkTarget();
            return QString();
        }
    }
    if (info.exists() && !info.isFile()) {
        qWarning() << "record index entry refused, not a file:" << path;
        return QString();
    }
    return path;
}

Day read(const QString &dayDir)
{
    Day day;
    const QString path = dayDir + QLatin1Char('/') + fileName();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return day;
    if (info.isSymLink() || !info.isFile()) {
        qWarning() << "record index refused, not a plain file:" << path;
        day.status = Status::Refused;
        return day;
    }
    if (info.size() > MaxBytes) {
        qWarning() << "record index refused, larger than" << MaxBytes << "bytes:" << path << info.size();
        day.status = Status::Refused;
        return day;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning() << "record index cannot be read:" << path << f.errorString();
        day.status = Status::Unreadable;
        return day;
    }
    // It may have grown since the size was taken.
    const QByteArray bytes = f.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes) {
        qWarning() << "record index refused, larger than" << MaxBytes << "bytes:" << path;
        day.status = Status::Refused;
        return day;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        qWarning() << "record index is no JSON array:" << path << error.errorString();
        day.status = Status::BadJson;
        return day;
    }
    day.status = Status::Ok;
    day.raw = doc.array();
    day.entries.reserve(day.raw.size());
    for (const QJsonValue &value : qAsConst(day.raw)) {
        if (!value.isObject()) {
            ++day.refused;
            day.entries.append(Entry());
            continue;
        }
        const QJsonObject o = value.toObject();
        Entry e;
        e.fileName = text(o, "fileName");
        e.startTime = text(o, "startTime");
        e.endTime = text(o, "endTime");
        e.path = resolve(dayDir, e.fileName);
        if (e.path.isEmpty())
            ++day.refused;
        day.entries.append(e);
    }
    return day;
}

}  // namespace RecordIndex
