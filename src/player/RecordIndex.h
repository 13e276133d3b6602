#pragma once

// The day index "record.json" of a recording folder, read as what it is: a
// file anyone with access to the disk may have edited. Its size is checked
// before it is read, and an entry only ever names a file directly inside the
// index's own day folder: a name with a separator, "." or "..", an absolute
// path, a folder, or a link whose target lies outside the day folder is
// refused with a log line.

#include <QDate>
#include <QJsonArray>
#include <QString>
#include <QVector>

namespace RecordIndex {

// A day of 30-second segments takes about 230 kB; a recorder restarted every
// few seconds all day stays far below this.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

inline QString fileName()
{
    return QStringLiteral("record.json");
}

enum class Status {
    Ok,
    Missing,    // no index in the folder
    Refused,    // too large, a link, or not a file: not read
    Unreadable, // could not be opened or read
    BadJson,    // not a JSON array
};

struct Entry
{
    QString fileName;  // as listed
    QString startTime; // "hhmmsszzz" as listed ("" when missing or not text)
    QString endTime;
    QString path; // the file inside the day folder by its name; empty when refused
                  // (what it is on disk: isOwnFile)
};

struct Day
{
    Status status = Status::Missing;
    QJsonArray raw;         // the index as read
    QVector<Entry> entries; // one for each element of raw; refused ones with an empty path
    int refused = 0;
};

// The file that an entry's name stands for inside dayDir, or an empty string
// (logged) when the name would lead anywhere else. Looks at the name only.
QString resolve(const QString &dayDir, const QString &name);

// Whether a resolved path may be opened or removed: not a folder or other
// non-file, not a link out of dayDir (logged). A file that does not exist
// passes (there is nothing outside to reach). Looks at the disk.
bool isOwnFile(const QString &dayDir, const QString &path);

// Reads the index of a day folder (dayDir/record.json).
Day read(const QString &dayDir);
// The same without looking at the entries: the array as read (empty unless
// the status is Ok).
QJsonArray readArray(const QString &dayDir, Status *status = nullptr);
// The index's bytes, checked and bounded as above, not parsed (status Ok
// means read, not yet valid JSON).
QByteArray readBytes(const QString &dayDir, Status *status = nullptr);
QJsonArray parse(const QByteArray &bytes, const QString &dayDir, Status *status = nullptr);
// One entry of the array, its name resolved.
Entry entryOf(const QString &dayDir, const QJsonValue &value);

// An entry's time ("hhmmsszzz": nine digits, a valid time of day) as
// milliseconds since midnight, or -1. Read digit by digit: a day holds
// thousands of entries, and a general format parser per time made up most
// of a day's read.
int timeOfDayMs(const QString &text);

// The local times of one day as milliseconds since the epoch, as
// QDateTime(day, time) gives them. The day's offset from UTC is looked up
// once; a day on which it changes (daylight saving) is converted time by
// time.
class DayClock
{
public:
    explicit DayClock(const QDate &day);
    qint64 epochMs(int msOfDay) const;

private:
    QDate m_day;
    qint64 m_start = 0;
    bool m_linear = false;
};

} // namespace RecordIndex
