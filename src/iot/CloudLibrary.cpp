#include "CloudLibrary.h"

#include "CommonHelper.h"
#include "ThreadStack.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRegularExpression>

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cloud {

namespace {

using Clock = std::chrono::steady_clock;

struct DayFile
{
    QString path;
    qint64 start = 0; // seconds after midnight
};

QVector<DayFile> dayFiles(const QString &folder)
{
    static const QRegularExpression name(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2})\\.mp4$"));
    QVector<DayFile> files;
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    for (const QString &entry : QDir(folder).entryList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch m = name.match(entry);
        if (!m.hasMatch())
            continue;
        // A recording is a file of its day folder, not a link to elsewhere.
        const QFileInfo info(folder + QLatin1Char('/') + entry);
        if (info.isSymLink() && !info.canonicalFilePath().startsWith(canonicalFolder + QLatin1Char('/'))) {
            qWarning() << "cloud store: recording refused, a link out of its folder:" << info.filePath();
            continue;
        }
        const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (t.isValid())
            files.append({folder + QLatin1Char('/') + entry, t.msecsSinceStartOfDay() / 1000});
    }
    return files;
}

// A folder of the store is the store's only when it resolves inside it: a
// link to elsewhere would hand out files the store never held. A folder that
// does not exist is simply empty.
bool insideStore(const QString &root, const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink())
        return true;
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonical = info.canonicalFilePath();
    return !canonicalRoot.isEmpty() && !canonical.isEmpty() && canonical.startsWith(canonicalRoot + QLatin1Char('/'));
}

qint64 durationMs(const QString &path)
{
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return -1;
    qint64 ms = -1;
    if (avformat_find_stream_info(fmt, nullptr) >= 0 && fmt->duration > 0)
        ms = fmt->duration / 1000;
    avformat_close_input(&fmt);
    return ms;
}

} // namespace

// One record stream: its own thread demuxes the day's files from the asked
// second on and hands out Annex-B access units at the recorded pace.
class RecordStream
{
public:
    RecordStream(QVector<DayFile> files, const QDate &day, qint64 startSecond, int connection, int channel,
                 std::shared_ptr<MediaCallback> media, std::shared_ptr<EndCallback> end)
        : m_files(std::move(files))
        , m_day(day)
        , m_start(startSecond)
        , m_connection(connection)
        , m_channel(channel)
        , m_media(std::move(media))
        , m_end(std::move(end))
    {
    }

    ~RecordStream() { stop(); }

    void start()
    {
        m_thread = std::thread([this] { run(); });
    }

    void stop()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    void setPaused(bool paused)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_paused = paused;
        }
        m_wake.notify_all();
    }

private:
    // Waits until the wall-clock moment of ts (pause time does not count);
    // false once the stream is to stop.
    bool pace(qint64 ts)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_paced) {
            m_paced = true;
            m_baseTs = ts;
            m_baseWall = Clock::now();
        }
        for (;;) {
            if (m_stop)
                return false;
            if (m_paused) {
                const auto since = Clock::now();
                m_wake.wait(lock, [this] { return m_stop || !m_paused; });
                m_baseWall += Clock::now() - since;
                continue;
            }
            const auto due = m_baseWall + std::chrono::milliseconds(ts - m_baseTs);
            if (Clock::now() >= due)
                return true;
            m_wake.wait_until(lock, due, [this] { return m_stop || m_paused; });
        }
    }

    bool playFile(const DayFile &file, qint64 dayMs)
    {
        AVFormatContext *fmt = nullptr;
        if (avformat_open_input(&fmt, file.path.toUtf8().constData(), nullptr, nullptr) < 0)
            return true;
        avformat_find_stream_info(fmt, nullptr);
        const qint64 lengthMs = fmt->duration > 0 ? fmt->duration / 1000 : 0;
        const int vIdx = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (vIdx < 0 || file.start * 1000 + lengthMs <= m_start * 1000) {
            avformat_close_input(&fmt);
            return true;
        }
        AVStream *st = fmt->streams[vIdx];
        const bool h265 = st->codecpar->codec_id == AV_CODEC_ID_HEVC;
        AVBSFContext *bsf = nullptr;
        av_bsf_alloc(av_bsf_get_by_name(h265 ? "hevc_mp4toannexb" : "h264_mp4toannexb"), &bsf);
        avcodec_parameters_copy(bsf->par_in, st->codecpar);
        bsf->time_base_in = st->time_base;
        av_bsf_init(bsf);
        const qint64 offsetMs = std::max<qint64>(0, (m_start - file.start) * 1000);
        if (offsetMs > 0)
            av_seek_frame(fmt, vIdx, av_rescale_q(offsetMs, AVRational{1, 1000}, st->time_base), AVSEEK_FLAG_BACKWARD);
        // A gap between two files is not waited for.
        m_paced = false;
        bool goOn = true;
        AVPacket *pkt = av_packet_alloc();
        while (goOn && av_read_frame(fmt, pkt) >= 0) {
            if (pkt->stream_index != vIdx || av_bsf_send_packet(bsf, pkt) < 0) {
                av_packet_unref(pkt);
                continue;
            }
            while (goOn && av_bsf_receive_packet(bsf, pkt) == 0) {
                const int64_t pts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
                const qint64 ts = dayMs + file.start * 1000 + av_rescale_q(pts, st->time_base, AVRational{1, 1000});
                goOn = pace(ts);
                if (goOn)
                    (*m_media)(m_connection, m_channel, reinterpret_cast<const char *>(pkt->data), pkt->size,
                               h265 ? 1 : 0, quint64(ts));
                av_packet_unref(pkt);
            }
        }
        av_packet_free(&pkt);
        av_bsf_free(&bsf);
        avformat_close_input(&fmt);
        return goOn;
    }

    void run()
    {
        ThreadStack::install();
        const qint64 dayMs = QDateTime(m_day, QTime(0, 0)).toMSecsSinceEpoch();
        for (const DayFile &file : qAsConst(m_files)) {
            if (!playFile(file, dayMs))
                return;
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop)
                return;
        }
        if (m_end && *m_end)
            (*m_end)(m_connection, m_channel);
    }

    const QVector<DayFile> m_files;
    const QDate m_day;
    const qint64 m_start;
    const int m_connection;
    const int m_channel;
    const std::shared_ptr<MediaCallback> m_media;
    const std::shared_ptr<EndCallback> m_end;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_paused = false;
    bool m_paced = false;
    qint64 m_baseTs = 0;
    Clock::time_point m_baseWall;
};

LocalCloudLibrary::LocalCloudLibrary(const QString &root)
    : m_root(root)
    , m_media(std::make_shared<MediaCallback>([](int, int, const char *, qint64, int, quint64) {}))
{
}

LocalCloudLibrary::~LocalCloudLibrary()
{
    logout();
}

QString LocalCloudLibrary::dayFolder(const QString &root, const QString &deviceId, int channel, const QDate &day)
{
    return root + QLatin1Char('/') + CommonHelper::safePathSegment(deviceId) + QLatin1Char('/')
           + QString::number(channel) + QLatin1Char('/') + day.toString(QStringLiteral("yyyyMMdd"));
}

bool LocalCloudLibrary::login(const QString &account, const QString &password, QList<Device> *devices,
                              LoginError *error)
{
    const auto fail = [error](LoginError why) {
        if (error)
            *error = why;
        return false;
    };
    // A store that cannot be read is told apart from a wrong password: the
    // operator must look at the store, not retype the password.
    const QString accountsPath = m_root + QStringLiteral("/accounts.json");
    const QByteArray encoded = QFile::encodeName(accountsPath);
    // The type is looked at before the file is opened: opening a FIFO waits
    // for a writer, on the GUI thread. A link is not the store's own file.
    struct stat st
    {
    };
    if (::lstat(encoded.constData(), &st) != 0) {
        qWarning() << "Cloud store unreadable:" << accountsPath << qt_error_string(errno);
        return fail(LoginError::StoreUnreadable);
    }
    if (!S_ISREG(st.st_mode)) {
        qWarning() << "Cloud store unreadable:" << accountsPath << "is not a regular file";
        return fail(LoginError::StoreUnreadable);
    }
    // Replaced by something else between the look and the open: still no wait.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        qWarning() << "Cloud store unreadable:" << accountsPath << "cannot be opened as a regular file";
        return fail(LoginError::StoreUnreadable);
    }
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        qWarning() << "Cloud store unreadable:" << accountsPath << f.errorString();
        return fail(LoginError::StoreUnreadable);
    }
    if (f.size() > MaxAccountsBytes) {
        qWarning() << "Cloud store unreadable:" << accountsPath << "is larger than" << MaxAccountsBytes << "bytes";
        return fail(LoginError::StoreUnreadable);
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(f.read(MaxAccountsBytes + 1), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject() || !doc.object().value("accounts").isArray()) {
        qWarning() << "Cloud store unreadable:" << accountsPath
                   << (parse.error != QJsonParseError::NoError ? parse.errorString()
                                                               : QStringLiteral("no list of accounts"));
        return fail(LoginError::StoreUnreadable);
    }
    const QJsonArray accounts = doc.object().value("accounts").toArray();
    for (const QJsonValue &a : accounts) {
        const QJsonObject o = a.toObject();
        if (account.isEmpty() || o.value("account").toString() != account || o.value("password").toString() != password)
            continue;
        QList<Device> found;
        for (const QJsonValue &d : o.value("devices").toArray()) {
            Device dev;
            dev.id = d.toObject().value("id").toString();
            dev.name = d.toObject().value("name").toString();
            for (const QJsonValue &c : d.toObject().value("channels").toArray()) {
                if (c.toInt(-1) >= 0 && c.toInt() < 256)
                    dev.channels << c.toInt();
            }
            if (!dev.id.isEmpty())
                found << dev;
        }
        for (const Device &dev : qAsConst(found)) {
            QStringList folders{m_root + QLatin1Char('/') + CommonHelper::safePathSegment(dev.id)};
            for (int channel : dev.channels)
                folders << folders.first() + QLatin1Char('/') + QString::number(channel);
            for (const QString &folder : qAsConst(folders)) {
                if (!insideStore(m_root, folder)) {
                    qWarning() << "Cloud store unreadable:" << folder << "links out of the store";
                    return fail(LoginError::StoreUnreadable);
                }
            }
        }
        QMutexLocker lock(&m_mutex);
        m_devices = found;
        m_loggedIn = true;
        if (devices)
            *devices = found;
        if (error)
            *error = LoginError::None;
        return true;
    }
    return fail(LoginError::WrongCredentials);
}

void LocalCloudLibrary::logout()
{
    QList<int> connections;
    {
        QMutexLocker lock(&m_mutex);
        connections = m_connections.keys();
    }
    for (int c : qAsConst(connections))
        disconnect(c);
    QMutexLocker lock(&m_mutex);
    m_devices.clear();
    m_loggedIn = false;
}

bool LocalCloudLibrary::ownsDevice(const QString &deviceId) const
{
    for (const Device &d : m_devices) {
        if (d.id == deviceId)
            return true;
    }
    return false;
}

QString LocalCloudLibrary::deviceOf(int connection) const
{
    return m_connections.value(connection);
}

int LocalCloudLibrary::connect(const QString &deviceId)
{
    StateCallback state;
    int number = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_loggedIn || !ownsDevice(deviceId))
            return 0;
        number = m_nextConnection++;
        m_connections.insert(number, deviceId);
        state = m_state;
    }
    if (state)
        state(deviceId, true);
    return number;
}

void LocalCloudLibrary::disconnect(int connection)
{
    QList<QPair<int, int>> keys;
    QString device;
    StateCallback state;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_connections.contains(connection))
            return;
        for (auto it = m_streams.cbegin(); it != m_streams.cend(); ++it) {
            if (it.key().first == connection)
                keys << it.key();
        }
    }
    for (const auto &k : qAsConst(keys))
        stopRecord(k.first, k.second);
    {
        QMutexLocker lock(&m_mutex);
        device = m_connections.take(connection);
        state = m_state;
    }
    if (state)
        state(device, false);
}

bool LocalCloudLibrary::recordList(const QString &deviceId, int channel, const QDate &day, QVector<Record> *records)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_loggedIn || !ownsDevice(deviceId) || !day.isValid())
            return false;
    }
    records->clear();
    const QString folder = dayFolder(m_root, deviceId, channel, day);
    if (!insideStore(m_root, folder)) {
        qWarning() << "Cloud store unreadable:" << folder << "links out of the store";
        return false;
    }
    for (const DayFile &file : dayFiles(folder)) {
        const qint64 ms = durationMs(file.path);
        if (ms > 0)
            records->append({file.start, quint32((ms + 999) / 1000), 1});
    }
    return true;
}

bool LocalCloudLibrary::recordDays(const QString &deviceId, int channel, int year, int month, int max,
                                   QStringList *days)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_loggedIn || !ownsDevice(deviceId))
            return false;
    }
    const QDate first(year, month, 1);
    if (!first.isValid())
        return false;
    for (QDate d = first; d.month() == month && days->size() < max; d = d.addDays(1)) {
        const QString folder = dayFolder(m_root, deviceId, channel, d);
        if (!insideStore(m_root, folder)) {
            qWarning() << "Cloud store unreadable:" << folder << "links out of the store";
            continue;
        }
        if (!dayFiles(folder).isEmpty())
            days->append(d.toString(QStringLiteral("yyyyMMdd")));
    }
    return true;
}

bool LocalCloudLibrary::startRecord(int connection, int channel, const QDate &day, qint64 startSecond)
{
    QString device;
    std::shared_ptr<MediaCallback> media;
    {
        QMutexLocker lock(&m_mutex);
        device = deviceOf(connection);
        media = m_media;
    }
    if (device.isEmpty() || !day.isValid() || startSecond < 0 || startSecond >= 86400)
        return false;
    const QString folder = dayFolder(m_root, device, channel, day);
    if (!insideStore(m_root, folder)) {
        qWarning() << "Cloud store unreadable:" << folder << "links out of the store";
        return false;
    }
    const QVector<DayFile> files = dayFiles(folder);
    if (files.isEmpty())
        return false;
    // Starting again replaces the running stream of the channel.
    stopRecord(connection, channel);
    std::shared_ptr<EndCallback> end;
    {
        QMutexLocker lock(&m_mutex);
        end = m_end;
    }
    auto stream = std::make_shared<RecordStream>(files, day, startSecond, connection, channel, media, end);
    {
        QMutexLocker lock(&m_mutex);
        if (!m_connections.contains(connection))
            return false;
        m_streams.insert({connection, channel}, stream);
    }
    stream->start();
    return true;
}

bool LocalCloudLibrary::recordAction(int connection, int channel, int action)
{
    QMutexLocker lock(&m_mutex);
    const std::shared_ptr<RecordStream> stream = m_streams.value({connection, channel});
    if (!stream || (action != Pause && action != Resume))
        return false;
    stream->setPaused(action == Pause);
    return true;
}

std::shared_ptr<RecordStream> LocalCloudLibrary::takeStream(int connection, int channel)
{
    QMutexLocker lock(&m_mutex);
    return m_streams.take({connection, channel});
}

void LocalCloudLibrary::stopRecord(int connection, int channel)
{
    // Joined outside the mutex: the stream's callback may be running.
    if (std::shared_ptr<RecordStream> stream = takeStream(connection, channel))
        stream->stop();
}

void LocalCloudLibrary::setMediaCallback(MediaCallback callback)
{
    QMutexLocker lock(&m_mutex);
    m_media = std::make_shared<MediaCallback>(std::move(callback));
}

void LocalCloudLibrary::setEndCallback(EndCallback callback)
{
    QMutexLocker lock(&m_mutex);
    m_end = std::make_shared<EndCallback>(std::move(callback));
}

void LocalCloudLibrary::setStateCallback(StateCallback callback)
{
    QMutexLocker lock(&m_mutex);
    m_state = std::move(callback);
}

} // namespace cloud
