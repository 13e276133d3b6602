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

#include <functional>

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
    QString path;       // the file inside the day folder by its name; empty when refused
                        // (what it is on disk: isOwnFile)
    bool found = false; // not in the index: a segment of the recorder found in the folder
};

struct Day
{
    Status status = Status::Missing;
    QString error;          // why the index could not be opened or parsed
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

// Reads the index of a day folder (dayDir/record.json). An index that cannot
// be opened (Unreadable) or parsed (BadJson) is not logged here: the reason
// comes back in error (Day::error) for the caller to say.
Day read(const QString &dayDir);
// The same without looking at the entries: the array as read (empty unless
// the status is Ok).
QJsonArray readArray(const QString &dayDir, Status *status = nullptr, QString *error = nullptr);
// The index's bytes, checked and bounded as above, not parsed (status Ok
// means read, not yet valid JSON).
QByteArray readBytes(const QString &dayDir, Status *status = nullptr, QString *error = nullptr);
QJsonArray parse(const QByteArray &bytes, const QString &dayDir, Status *status = nullptr, QString *error = nullptr);
// One entry of the array, its name resolved.
Entry entryOf(const QString &dayDir, const QJsonValue &value);

// The day as the recorder left it: the index's entries, then the recorder's
// segments in the folder that the index does not name (all of them when the
// index is missing or unusable), in time order, each from its name to the end
// of its footage. A segment that cannot be opened or holds no packet of footage is left
// out. An index lost to a full disk or a crash hides no footage this way.
Day readWithFootage(const QString &dayDir);

// Replaces the index of a day folder by a complete new one: written beside it,
// flushed and synced, then renamed over it. On any failure the old index stays
// as it was and false comes back (the reason in error). An index that is a
// link or no plain file is never written.
bool write(const QString &dayDir, const QJsonArray &array, QString *error = nullptr);

// What the recorder writes and so may remove again: in the day folder
// "yyyyMMdd", its segments "yyyyMMddhhmmss.mp4" of that day ("_N" before the
// dot when the name was taken), and the index.
bool isDayName(const QString &name);
bool isSegmentName(const QString &dayName, const QString &fileName);
// "hhmmss000" of a segment name; empty for any other name.
QString segmentStartTime(const QString &fileName);
// A channel's folder below its device's: "CH_" and its number.
bool isChannelName(const QString &name);
// Whether each folder from below root down to path is a real folder or not
// there yet: no link, no file in the way. Root itself may be a link (the
// operator's choice of storage folder); path must lie below it.
bool ownTree(const QString &root, const QString &path);
// The day folders of a recordings root's own layout, root/<device>/<day> and
// root/<device>/CH_NN/<day>: real folders, none reached through a link, in
// name order. Never root itself, nor a date-named folder anywhere else.
QStringList dayFolders(const QString &root);

// Tests on a machine that cannot mount a small file system: while the
// function says so for a path, writing the index or a segment there fails as
// on a full disk. An empty function ends it.
void setWriteFailureForTesting(std::function<bool(const QString &path)> fails);
bool writeFails(const QString &path);

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
