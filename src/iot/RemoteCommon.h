#pragma once

// Cloud access for the pages: the cloud account, one connection record per
// cloud device (from login to logout), and the record streams of their
// channels. A stream key is "%1,%2" of a connection record and a channel.
// The library connection behind a record opens for its first record stream
// and closes with its last.
//
// Threads: media receivers run on the library's stream threads. A receiver is
// removed when its stream stops, and once stopConnectionByKey (or logout) has
// returned no callback of that stream runs any more. The registry mutex is
// never held while a receiver runs.

#include "CloudLibrary.h"

#include <QDate>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// One cloud device of the account.
struct IotDeviceInfo
{
    QString device_id;
    QString device_name;
    QList<int> channels;
    int connection = 0;    // the record's number, first part of its keys
    int libConnection = 0; // the library's connection, 0 while closed
    int mode = 0;          // 1: the connection serves live preview
    bool online = false;
};

// An entry of a day's record list, as the cloud library lays it out.
struct record_info_t
{
    int64_t start;   // seconds after the day's midnight
    uint32_t length; // seconds
    int32_t type;    // 1: a recording to show
    uint8_t reserved[16];
};
static_assert(sizeof(record_info_t) == 32, "record_info_t is 32 bytes");
static_assert(offsetof(record_info_t, start) == 0, "start at 0");
static_assert(offsetof(record_info_t, length) == 8, "length at 8");
static_assert(offsetof(record_info_t, type) == 12, "type at 12");

class RemoteCommon : public QObject
{
    Q_OBJECT

public:
    // (data, size, codec indicator: 1 H.265, timestamp: ms since the epoch)
    using MediaReceiver = std::function<void(const char *, qint64, int, quint64)>;

    static RemoteCommon *instance();

    // The local store behind the stand-in library: a "cloud" folder below
    // the writable application folder. Tests only: another folder; set before
    // the first login.
    static QString storeRoot();
    static void setStoreRootForTesting(const QString &root);

    bool login(const QString &account, const QString &password, cloud::LoginError *error = nullptr);
    // Every stream stopped, every connection closed, the records gone.
    void logout();
    bool isLoggedIn() const;
    QList<QSharedPointer<IotDeviceInfo>> devices() const;

    static bool parseStreamKey(const QString &key, int &connection, int &channel);
    bool checkStreamKey(const QString &key) const;
    QSharedPointer<IotDeviceInfo> getConnectionByKey(const QString &key) const;
    bool getIotRecordInfo(const QString &key, const QString &day, record_info_t *entries, unsigned int *count);
    bool getIotRecordInfoMonth(const QString &key, const QString &month, QStringList &days);
    bool startRecordStream(const QString &key, const QString &day, qint64 start);
    void recordAction(const QString &key, int action);
    void stopConnectionByKey(const QString &key);
    QString getPicturePath(const QString &key) const;
    void setMediaCallback(const QString &key, MediaReceiver receiver);
    // The key's stream played to the end of its day and was not started again since.
    bool recordEnded(const QString &key) const;

    // Tests only: the connection serves live preview (mode 1).
    void setModeForTesting(const QString &key, int mode);

    static constexpr int MaxMonthDays = 50;

signals:
    void signalRecvRecord(QString key);
    void signalCloseRecord(QString key);
    // A record stream reached the end of its recordings; lastMs is the time of
    // its last media packet (ms since the epoch, 0 when none came). Emitted
    // on the library's thread.
    void signalRecordEnded(QString key, qulonglong lastMs);
    void signalDeviceConnectStatus(QString device_id, bool bConnect);

private:
    RemoteCommon();
    ~RemoteCommon() override;

    void onMedia(int libConnection, int channel, const char *data, qint64 size, int codec, quint64 ts);
    void onState(const QString &deviceId, bool connected);
    void onEnded(int libConnection, int channel);
    QString keyOfLibStream(int libConnection, int channel) const;
    QSharedPointer<IotDeviceInfo> recordOf(int connection) const;

    mutable QMutex m_mutex;
    std::unique_ptr<cloud::Library> m_library;
    QMap<int, QSharedPointer<IotDeviceInfo>> m_records;
    struct Stream
    {
        std::shared_ptr<MediaReceiver> receiver;
        bool firstMedia = true;
        bool ended = false;
        quint64 lastMs = 0;
    };
    QMap<QString, Stream> m_streams; // key -> running record stream
    bool m_loggedIn = false;
};
