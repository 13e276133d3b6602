#include "RemoteCommon.h"

#include "CommonHelper.h"
#include "Platform.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QMutexLocker>

#include <cstring>

namespace {

QMutex g_rootMutex;
QString g_rootOverride;

QString keyOf(int connection, int channel)
{
    return QStringLiteral("%1,%2").arg(connection).arg(channel);
}

} // namespace

RemoteCommon *RemoteCommon::instance()
{
    static RemoteCommon *common = new RemoteCommon; // lives as long as the process
    return common;
}

RemoteCommon::RemoteCommon() = default;

RemoteCommon::~RemoteCommon()
{
    logout();
}

QString RemoteCommon::storeRoot()
{
    QMutexLocker lock(&g_rootMutex);
    return g_rootOverride.isEmpty() ? CommonHelper::appWritableDir() + QStringLiteral("/cloud") : g_rootOverride;
}

void RemoteCommon::setStoreRootForTesting(const QString &root)
{
    QMutexLocker lock(&g_rootMutex);
    g_rootOverride = root;
}

bool RemoteCommon::login(const QString &account, const QString &password, cloud::LoginError *error)
{
    logout();
    auto library = std::make_unique<cloud::LocalCloudLibrary>(storeRoot());
    QList<cloud::Device> devices;
    cloud::LoginError why = cloud::LoginError::None;
    if (!library->login(account, password, &devices, &why)) {
        if (why == cloud::LoginError::StoreUnreadable)
            qWarning() << "Cloud login of" << account << "failed: the store cannot be read in" << storeRoot();
        else
            qWarning() << "Cloud login refused for" << account;
        if (error)
            *error = why;
        return false;
    }
    if (error)
        *error = cloud::LoginError::None;
    library->setMediaCallback(
        [this](int c, int ch, const char *d, qint64 n, int codec, quint64 ts) { onMedia(c, ch, d, n, codec, ts); });
    library->setStateCallback([this](const QString &id, bool on) { onState(id, on); });
    library->setEndCallback([this](int c, int ch) { onEnded(c, ch); });
    QMutexLocker lock(&m_mutex);
    m_library = std::move(library);
    int number = 1;
    for (const cloud::Device &d : qAsConst(devices)) {
        auto record = QSharedPointer<IotDeviceInfo>::create();
        record->device_id = d.id;
        record->device_name = d.name;
        record->channels = d.channels;
        record->connection = number++;
        record->online = true;
        m_records.insert(record->connection, record);
    }
    m_loggedIn = true;
    qInfo() << "Cloud login of" << account << "with" << devices.size() << "devices";
    return true;
}

void RemoteCommon::logout()
{
    QStringList keys;
    {
        QMutexLocker lock(&m_mutex);
        keys = m_streams.keys();
    }
    for (const QString &key : qAsConst(keys))
        stopConnectionByKey(key);
    std::unique_ptr<cloud::Library> library;
    {
        QMutexLocker lock(&m_mutex);
        library = std::move(m_library);
        m_records.clear();
        m_loggedIn = false;
    }
    if (library)
        library->logout();
}

bool RemoteCommon::isLoggedIn() const
{
    QMutexLocker lock(&m_mutex);
    return m_loggedIn;
}

QList<QSharedPointer<IotDeviceInfo>> RemoteCommon::devices() const
{
    QMutexLocker lock(&m_mutex);
    return m_records.values();
}

bool RemoteCommon::parseStreamKey(const QString &key, int &connection, int &channel)
{
    const QStringList parts = key.split(QLatin1Char(','));
    if (parts.size() != 2)
        return false;
    bool okC = false, okCh = false;
    const int c = parts.at(0).trimmed().toInt(&okC, 10);
    const int ch = parts.at(1).trimmed().toInt(&okCh, 10);
    if (!okC || !okCh || c < 0 || ch < 0 || ch > 255)
        return false;
    connection = c;
    channel = ch;
    return true;
}

QSharedPointer<IotDeviceInfo> RemoteCommon::recordOf(int connection) const
{
    return m_records.value(connection);
}

bool RemoteCommon::checkStreamKey(const QString &key) const
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return false;
    QMutexLocker lock(&m_mutex);
    const QSharedPointer<IotDeviceInfo> record = recordOf(c);
    return record && record->mode != 1;
}

QSharedPointer<IotDeviceInfo> RemoteCommon::getConnectionByKey(const QString &key) const
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return {};
    QMutexLocker lock(&m_mutex);
    return recordOf(c);
}

bool RemoteCommon::getIotRecordInfo(const QString &key, const QString &day, record_info_t *entries, unsigned int *count)
{
    int c = 0, ch = 0;
    if (!entries || !count || !parseStreamKey(key, c, ch))
        return false;
    QString device;
    {
        QMutexLocker lock(&m_mutex);
        const QSharedPointer<IotDeviceInfo> record = recordOf(c);
        if (!record || !m_library)
            return false;
        device = record->device_id;
    }
    QVector<cloud::Record> records;
    // The library outlives the call: only logout replaces it, on this thread.
    if (!m_library->recordList(device, ch, QDate::fromString(day, QStringLiteral("yyyyMMdd")), &records))
        return false;
    const unsigned int room = *count;
    unsigned int n = 0;
    for (const cloud::Record &r : qAsConst(records)) {
        if (n >= room)
            break;
        record_info_t &e = entries[n++];
        std::memset(&e, 0, sizeof e);
        e.start = r.start;
        e.length = r.length;
        e.type = r.type;
    }
    *count = n;
    return true;
}

bool RemoteCommon::getIotRecordInfoMonth(const QString &key, const QString &month, QStringList &days)
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return false;
    const QDate first = QDate::fromString(month, QStringLiteral("yyyyMMdd"));
    QString device;
    {
        QMutexLocker lock(&m_mutex);
        const QSharedPointer<IotDeviceInfo> record = recordOf(c);
        if (!record || !m_library || !first.isValid())
            return false;
        device = record->device_id;
    }
    return m_library->recordDays(device, ch, first.year(), first.month(), MaxMonthDays, &days);
}

bool RemoteCommon::startRecordStream(const QString &key, const QString &day, qint64 start)
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return false;
    const QDate date = QDate::fromString(day, QStringLiteral("yyyyMMdd"));
    int lib = 0;
    QString device;
    {
        QMutexLocker lock(&m_mutex);
        const QSharedPointer<IotDeviceInfo> record = recordOf(c);
        if (!record || !m_library || record->mode == 1 || !record->channels.contains(ch))
            return false;
        lib = record->libConnection;
        device = record->device_id;
    }
    if (lib == 0) {
        lib = m_library->connect(device);
        if (lib == 0)
            return false;
        QMutexLocker lock(&m_mutex);
        if (const QSharedPointer<IotDeviceInfo> record = recordOf(c))
            record->libConnection = lib;
    }
    {
        QMutexLocker lock(&m_mutex);
        // A restart keeps the receiver; the first media are reported again.
        Stream &stream = m_streams[key];
        stream.firstMedia = true;
        stream.ended = false;
        stream.lastMs = 0;
    }
    if (!m_library->startRecord(lib, ch, date, start)) {
        QMutexLocker lock(&m_mutex);
        if (!m_streams.value(key).receiver)
            m_streams.remove(key);
        return false;
    }
    return true;
}

void RemoteCommon::recordAction(const QString &key, int action)
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return;
    int lib = 0;
    {
        QMutexLocker lock(&m_mutex);
        const QSharedPointer<IotDeviceInfo> record = recordOf(c);
        if (!record || !m_library)
            return;
        lib = record->libConnection;
    }
    if (lib)
        m_library->recordAction(lib, ch, action);
}

void RemoteCommon::stopConnectionByKey(const QString &key)
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return;
    int lib = 0;
    bool lastOnConnection = true;
    {
        // Out of the registry first, so no new callback finds the receiver...
        QMutexLocker lock(&m_mutex);
        m_streams.remove(key);
        const QSharedPointer<IotDeviceInfo> record = recordOf(c);
        if (record)
            lib = record->libConnection;
        for (const QString &other : m_streams.keys()) {
            int oc = 0, och = 0;
            if (parseStreamKey(other, oc, och) && oc == c)
                lastOnConnection = false;
        }
        if (record && lastOnConnection)
            record->libConnection = 0;
    }
    // ...then the stream's thread is joined without the mutex: a callback in
    // flight may still be running.
    if (lib && m_library) {
        m_library->stopRecord(lib, ch);
        if (lastOnConnection)
            m_library->disconnect(lib);
    }
    emit signalCloseRecord(key);
}

QString RemoteCommon::getPicturePath(const QString &key) const
{
    const QSharedPointer<IotDeviceInfo> record = getConnectionByKey(key);
    if (!record)
        return QString();
    QString base = CommonHelper::storagePaths().snapPath;
    if (base.isEmpty())
        base = CommonHelper::appWritableDir() + QStringLiteral("/Picture");
    const QString folder =
        base + QLatin1Char('/')
        + CommonHelper::safePathSegment(record->device_name.isEmpty() ? record->device_id : record->device_name);
    if (!Platform::makePrivateDir(folder))
        return QString();
    return folder + QLatin1Char('/') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz"))
           + QStringLiteral(".jpg");
}

void RemoteCommon::setMediaCallback(const QString &key, MediaReceiver receiver)
{
    QMutexLocker lock(&m_mutex);
    if (!m_streams.contains(key))
        return; // no stream: nothing would ever remove the receiver
    m_streams[key].receiver = std::make_shared<MediaReceiver>(std::move(receiver));
}

void RemoteCommon::setModeForTesting(const QString &key, int mode)
{
    int c = 0, ch = 0;
    if (!parseStreamKey(key, c, ch))
        return;
    QMutexLocker lock(&m_mutex);
    if (const QSharedPointer<IotDeviceInfo> record = recordOf(c))
        record->mode = mode;
}

void RemoteCommon::onMedia(int libConnection, int channel, const char *data, qint64 size, int codec, quint64 ts)
{
    std::shared_ptr<MediaReceiver> receiver;
    QString key;
    bool first = false;
    {
        QMutexLocker lock(&m_mutex);
        key = keyOfLibStream(libConnection, channel);
        auto it = m_streams.find(key);
        if (key.isEmpty() || it == m_streams.end())
            return;
        first = it->firstMedia;
        it->firstMedia = false;
        it->lastMs = ts;
        receiver = it->receiver;
    }
    if (first)
        emit signalRecvRecord(key);
    if (receiver)
        (*receiver)(data, size, codec, ts);
}

QString RemoteCommon::keyOfLibStream(int libConnection, int channel) const
{
    for (const QSharedPointer<IotDeviceInfo> &record : qAsConst(m_records)) {
        if (record->libConnection == libConnection)
            return keyOf(record->connection, channel);
    }
    return QString();
}

void RemoteCommon::onEnded(int libConnection, int channel)
{
    QString key;
    quint64 last = 0;
    {
        QMutexLocker lock(&m_mutex);
        key = keyOfLibStream(libConnection, channel);
        auto it = m_streams.find(key);
        if (key.isEmpty() || it == m_streams.end())
            return;
        it->ended = true;
        last = it->lastMs;
    }
    qInfo() << "cloud record stream" << key << "reached the end of its recordings";
    emit signalRecordEnded(key, last);
}

bool RemoteCommon::recordEnded(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_streams.value(key).ended;
}

void RemoteCommon::onState(const QString &deviceId, bool connected)
{
    emit signalDeviceConnectStatus(deviceId, connected);
}
