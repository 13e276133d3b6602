#pragma once

// Test media: MP4 files made with the ffmpeg tool and the loopback RTSP server.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QObject>
#include <QSize>
#include <QTest>

#include <memory>

#include <signal.h>
#include <sys/types.h>

struct AVFrame;

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

namespace testmedia {

// testsrc2 clip; codec "h264" or "h265". Returns the path or "" on failure.
inline QString makeClip(const QString &name, const QString &codec, int seconds, int w = 320, int h = 240, int fps = 25,
                        const QString &dir = QDir::currentPath())
{
    const QString path = QDir(dir).filePath(name);
    if (QFile::exists(path))
        return path;
    QStringList args{"-loglevel",
                     "error",
                     "-y",
                     "-f",
                     "lavfi",
                     "-i",
                     QStringLiteral("testsrc2=size=%1x%2:rate=%3").arg(w).arg(h).arg(fps),
                     "-t",
                     QString::number(seconds),
                     "-pix_fmt",
                     "yuv420p",
                     "-bf",
                     "0",
                     "-g",
                     QString::number(fps)};
    if (codec == QLatin1String("h265"))
        args << "-c:v"
             << "libx265"
             << "-x265-params"
             << "log-level=error"
             << "-tag:v"
             << "hvc1";
    else
        args << "-c:v"
             << "libx264";
    args << path;
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QString();
    return path;
}

// Probes a file with ffprobe; returns the number of decodable video frames
// (-1 when ffprobe rejects the file).
inline int probeFrames(const QString &path, double *duration = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                        "stream=nb_read_frames:format=duration", "-of", "default=nw=1", path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return -1;
    int frames = -1;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        if (line.startsWith("nb_read_frames="))
            frames = line.mid(15).toInt();
        else if (line.startsWith("duration=") && duration)
            *duration = line.mid(9).toDouble();
    }
    return frames;
}

// Counts the pictures a player hands out without keeping them (a spy would
// hold every frame and trip the player's in-flight limit).
class FrameLog : public QObject
{
public:
    template <class Player> explicit FrameLog(Player *p)
    {
        QObject::connect(p, &Player::emitFrame, this, [this](std::shared_ptr<AVFrame> f, qint64 ms) {
            if (f) {
                size = QSize(f->width, f->height);
                format = f->format;
            }
            pts.append(ms);
        });
    }
    int count() const { return pts.size(); }
    void clear() { pts.clear(); }
    QVector<qint64> pts;
    QSize size;
    int format = -1;
};

// A clock made of pictures, for checks that nothing comes: a second player
// of a long clip, unpaused and shown nowhere. What the witness shows in a
// while, a player that had not held would have shown too; on a loaded
// machine both slow down together, where a fixed sleep is too short or too
// long. Player is FFmpegPlayer (kept a parameter so that this header does
// not need the player library).
template <class Player> class Witness
{
public:
    explicit Witness(const QString &url)
        : m_log(&m_player)
    {
        m_player.setPlayUrl(url);
        m_player.play();
    }
    ~Witness()
    {
        m_player.requestStop();
        m_player.wait();
    }
    // Waits for `count` more pictures of the witness.
    bool pictures(int count, int timeoutMs = 30000)
    {
        const int target = m_log.count() + count;
        return QTest::qWaitFor([&] { return m_log.count() >= target; }, timeoutMs);
    }

private:
    Player m_player;
    FrameLog m_log;
};

struct AnnexBFrame
{
    QByteArray data;
    qint64 ms;
    bool key;
};

// The frames of an MP4 file as a device would push them: Annex B with ms times.
inline QVector<AnnexBFrame> annexBFrames(const QString &path)
{
    QVector<AnnexBFrame> out;
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(fmt, nullptr);
    AVStream *st = fmt->streams[0];
    const AVBitStreamFilter *f =
        av_bsf_get_by_name(st->codecpar->codec_id == AV_CODEC_ID_HEVC ? "hevc_mp4toannexb" : "h264_mp4toannexb");
    AVBSFContext *bsf = nullptr;
    av_bsf_alloc(f, &bsf);
    avcodec_parameters_copy(bsf->par_in, st->codecpar);
    bsf->time_base_in = st->time_base;
    av_bsf_init(bsf);
    AVPacket *pkt = av_packet_alloc();
    while (av_read_frame(fmt, pkt) >= 0) {
        if (av_bsf_send_packet(bsf, pkt) < 0) {
            av_packet_unref(pkt);
            continue;
        }
        while (av_bsf_receive_packet(bsf, pkt) == 0) {
            out.push_back({QByteArray(reinterpret_cast<const char *>(pkt->data), pkt->size),
                           av_rescale_q(pkt->pts, st->time_base, AVRational{1, 1000}),
                           bool(pkt->flags & AV_PKT_FLAG_KEY)});
            av_packet_unref(pkt);
        }
    }
    av_packet_free(&pkt);
    av_bsf_free(&bsf);
    avformat_close_input(&fmt);
    return out;
}

class RtspServer
{
public:
    ~RtspServer() { quit(); }
    // mounts: "/name=/path/file.mp4[:h265]"
    bool start(const QStringList &mounts, const QString &user = QString(), const QString &pass = QString(),
               bool digest = false)
    {
        QStringList args;
        if (m_fixedPort > 0)
            args << "--port" << QString::number(m_fixedPort);
        if (!m_address.isEmpty())
            args << "--address" << m_address;
        for (const QString &m : mounts)
            args << "--mount" << m;
        if (!user.isEmpty())
            args << "--user" << user << "--pass" << pass;
        if (digest)
            args << "--digest";
        m_proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proc.start(QStringLiteral(KELVO_RTSP_SERVER), args);
        if (!m_proc.waitForStarted(5000))
            return false;
        // Its first start in a fresh HOME builds the GStreamer plugin
        // registry: seconds, and many more on a loaded machine.
        QDeadlineTimer deadline(120000);
        QByteArray out;
        while (!out.contains('\n')) {
            if (!m_proc.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
                return false;
            out += m_proc.readAllStandardOutput();
        }
        const int at = out.indexOf("PORT ");
        if (at < 0)
            return false;
        m_port = out.mid(at + 5, out.indexOf('\n', at) - at - 5).trimmed().toInt();
        return m_port > 0;
    }
    QString url(const QString &mount, const QString &cred = QString()) const
    {
        return QStringLiteral("rtsp://") + (cred.isEmpty() ? QString() : cred + "@") + QStringLiteral("127.0.0.1:")
               + QString::number(m_port) + mount;
    }
    void stopStreams()
    {
        m_proc.write("stop\n");
        m_proc.waitForBytesWritten(1000);
    }
    // Freezes the server process: connections stay open, nothing is sent.
    void freeze() { ::kill(pid_t(m_proc.processId()), SIGSTOP); }
    void thaw() { ::kill(pid_t(m_proc.processId()), SIGCONT); }
    void quit()
    {
        if (m_proc.state() == QProcess::NotRunning)
            return;
        thaw();
        m_proc.write("quit\n");
        m_proc.closeWriteChannel();
        if (!m_proc.waitForFinished(3000)) {
            m_proc.kill();
            m_proc.waitForFinished(3000);
        }
    }
    int port() const { return m_port; }
    // The next start listens on this port (a server that comes back).
    void setPort(int port) { m_fixedPort = port; }
    // The next start listens on this loopback address (a camera's own).
    void setAddress(const QString &address) { m_address = address; }

private:
    QProcess m_proc;
    int m_port = 0;
    int m_fixedPort = 0;
    QString m_address;
};

} // namespace testmedia
