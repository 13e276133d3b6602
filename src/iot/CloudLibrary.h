#pragma once

// The cloud media library as this client uses it: an account login, the
// account's devices and channels, a connection per device, a channel's
// recordings on a day, the days of a month that hold recordings, and record
// streams started at a second of a day, paused, resumed and stopped. Media and
// connection states arrive through callbacks on the library's own threads.
//
// LocalCloudLibrary is the one implementation: it plays a local store.
//   <root>/accounts.json  {"accounts":[{"account":..,"password":..,
//                           "devices":[{"id":..,"name":..,"channels":[0,1]}]}]}
//   <root>/<device id>/<channel>/<yyyyMMdd>/<hhmmss>.mp4   one file per recording,
//                           named by its start time of day
// A stream demuxes the files of the day from the asked second on, turns them
// into Annex-B access units and hands them out at the recorded pace.

#include <QDate>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

namespace cloud {

struct Device
{
    QString id;
    QString name;
    QList<int> channels;
};

// One recording of a day: start in seconds after midnight, length in seconds.
struct Record
{
    qint64 start = 0;
    quint32 length = 0;
    int type = 1;
};

// (connection, channel, data, size, codec indicator: 1 H.265 else H.264,
// timestamp: ms since the epoch of the recorded instant)
using MediaCallback = std::function<void(int, int, const char *, qint64, int, quint64)>;
// (device id, connected)
using StateCallback = std::function<void(const QString &, bool)>;
// (connection, channel): a record stream played its last recording of the
// day to the end (not called for a stream that was stopped or replaced).
using EndCallback = std::function<void(int, int)>;

enum class LoginError {
    None,
    WrongCredentials, // the store was read and names no such account
    StoreUnreadable,  // missing, unreadable or not what the store holds
};

enum RecordAction { Pause = 1, Resume = 2 };

class Library
{
public:
    virtual ~Library() = default;

    virtual bool login(const QString &account, const QString &password, QList<Device> *devices,
                       LoginError *error = nullptr) = 0;
    virtual void logout() = 0;
    // A connection to a device of the account: its number (> 0), or 0.
    virtual int connect(const QString &deviceId) = 0;
    virtual void disconnect(int connection) = 0;
    virtual bool recordList(const QString &deviceId, int channel, const QDate &day, QVector<Record> *records) = 0;
    // "yyyyMMdd" texts of the days of the month with recordings, at most max.
    virtual bool recordDays(const QString &deviceId, int channel, int year, int month, int max, QStringList *days) = 0;
    // Starts (or starts again) the channel's record stream at startSecond of day.
    virtual bool startRecord(int connection, int channel, const QDate &day, qint64 startSecond) = 0;
    virtual bool recordAction(int connection, int channel, int action) = 0;
    // Returns once the stream's thread has ended: no media callback for it follows.
    virtual void stopRecord(int connection, int channel) = 0;

    // Set before the first stream starts.
    virtual void setMediaCallback(MediaCallback callback) = 0;
    virtual void setStateCallback(StateCallback callback) = 0;
    virtual void setEndCallback(EndCallback callback) = 0;
};

class RecordStream;

class LocalCloudLibrary : public Library
{
public:
    explicit LocalCloudLibrary(const QString &root);
    ~LocalCloudLibrary() override;

    QString root() const { return m_root; }

    bool login(const QString &account, const QString &password, QList<Device> *devices,
               LoginError *error = nullptr) override;
    void logout() override;
    int connect(const QString &deviceId) override;
    void disconnect(int connection) override;
    bool recordList(const QString &deviceId, int channel, const QDate &day, QVector<Record> *records) override;
    bool recordDays(const QString &deviceId, int channel, int year, int month, int max, QStringList *days) override;
    bool startRecord(int connection, int channel, const QDate &day, qint64 startSecond) override;
    bool recordAction(int connection, int channel, int action) override;
    void stopRecord(int connection, int channel) override;
    void setMediaCallback(MediaCallback callback) override;
    void setStateCallback(StateCallback callback) override;
    void setEndCallback(EndCallback callback) override;

    // The accounts file is read whole: anything larger is not a store.
    static constexpr qint64 MaxAccountsBytes = 4 << 20;

    // Folder of a channel's day (exposed for the store maker and tests).
    static QString dayFolder(const QString &root, const QString &deviceId, int channel, const QDate &day);

private:
    bool ownsDevice(const QString &deviceId) const;
    QString deviceOf(int connection) const;
    std::shared_ptr<RecordStream> takeStream(int connection, int channel);

    const QString m_root;
    mutable QMutex m_mutex;
    QList<Device> m_devices; // of the logged-in account
    bool m_loggedIn = false;
    QMap<int, QString> m_connections; // number -> device id
    int m_nextConnection = 1;
    QMap<QPair<int, int>, std::shared_ptr<RecordStream>> m_streams;
    std::shared_ptr<MediaCallback> m_media;
    std::shared_ptr<EndCallback> m_end;
    StateCallback m_state;
};

} // namespace cloud
