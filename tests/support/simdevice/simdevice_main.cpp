// Runs simulated cameras and recorders on loopback addresses, so the client
// can be tried by hand:
//   kelvo_simdevice --ipc 127.0.0.2 --nvr 127.0.0.3/8 --search 127.0.0.1:2018
//   kelvo_simdevice --count 256 --base 127.77.0.1 --port 0      (bench load)
// Options
//   --ipc ADDR[:PORT]           one camera (repeatable)
//   --nvr ADDR[:PORT][/N]       one recorder with N channels (default 4)
//   --count N --base ADDR       N devices on consecutive addresses from ADDR
//   --kind ipc|nvr              kind of the --count devices (default ipc)
//   --port P                    default port (2028; 0 picks a free one)
//   --user U --password P       credentials of every device
//   --search [ADDR:]PORT        answer the UDP search there (loopback only)
//   --summertime                recorders keep a daylight-saving rule
//   --clip FILE.mp4             recorders play back and download this clip (H.264
//                               or H.265) and report recordings today and yesterday
//   --alarms N[:INTERVAL_MS[:TYPE]]
//                               once a client has logged in, every device pushes N
//                               alarm events (N "forever": without end, at least
//                               100 ms apart) of TYPE (default 0, motion) at the
//                               current time, INTERVAL_MS apart (default 1000);
//                               the environment variable KELVO_SIM_ALARMS takes
//                               the same text when the option is not given
// Every device prints "READY <kind> <ip> <port> <uid>" once it listens; the
// search responder prints "SEARCH <ip> <port>". Only 127.0.0.0/8 is accepted.
// A device alone at its address keeps its UID (serial number) from one run to
// the next whatever port it gets, as a real device does: SIMIPC-127-0-0-2.

#include "SimAlarm.h"
#include "SimDevice.h"
#include "SimRecordStreams.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTextStream>

#include <QDate>

#include <cstdio>

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

namespace {

struct DeviceArg
{
    SimDevice::Kind kind = SimDevice::Ipc;
    QHostAddress address;
    int port = -1;
    int channels = 4;
};

bool parseAddress(const QString &text, QHostAddress *address, int *port, int *channels)
{
    QString rest = text;
    const int slash = rest.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        bool ok = false;
        *channels = rest.mid(slash + 1).toInt(&ok);
        if (!ok || *channels < 1 || *channels > 255)
            return false;
        rest = rest.left(slash);
    }
    const int colon = rest.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        bool ok = false;
        *port = rest.mid(colon + 1).toInt(&ok);
        if (!ok || *port < 0 || *port > 65535)
            return false;
        rest = rest.left(colon);
    }
    if (!address->setAddress(rest))
        return false;
    return address->isLoopback() && address->protocol() == QAbstractSocket::IPv4Protocol;
}

// The access units of a clip as a recorder sends them (Annex B, times from the
// first frame), so playback by hand shows a real picture.
QVector<SimRecordStreams::Frame> clipFrames(const QString &path)
{
    QVector<SimRecordStreams::Frame> out;
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return out;
    const int index = avformat_find_stream_info(fmt, nullptr) < 0
                          ? -1
                          : av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodecID codec = index < 0 ? AV_CODEC_ID_NONE : fmt->streams[index]->codecpar->codec_id;
    if (codec != AV_CODEC_ID_H264 && codec != AV_CODEC_ID_HEVC) {
        avformat_close_input(&fmt);
        return out;
    }
    AVStream *st = fmt->streams[index];
    AVBSFContext *bsf = nullptr;
    if (av_bsf_alloc(av_bsf_get_by_name(codec == AV_CODEC_ID_HEVC ? "hevc_mp4toannexb" : "h264_mp4toannexb"), &bsf)
        < 0) {
        avformat_close_input(&fmt);
        return out;
    }
    avcodec_parameters_copy(bsf->par_in, st->codecpar);
    bsf->time_base_in = st->time_base;
    AVPacket *pkt = av_packet_alloc();
    qint64 first = AV_NOPTS_VALUE;
    if (av_bsf_init(bsf) >= 0) {
        while (av_read_frame(fmt, pkt) >= 0) {
            if (pkt->stream_index != index || av_bsf_send_packet(bsf, pkt) < 0) {
                av_packet_unref(pkt);
                continue;
            }
            while (av_bsf_receive_packet(bsf, pkt) == 0) {
                const qint64 ms = av_rescale_q(pkt->pts, st->time_base, AVRational{1, 1000});
                if (first == AV_NOPTS_VALUE)
                    first = ms;
                out.push_back({QByteArray(reinterpret_cast<const char *>(pkt->data), pkt->size), ms - first,
                               bool(pkt->flags & AV_PKT_FLAG_KEY)});
                av_packet_unref(pkt);
            }
        }
    }
    av_packet_free(&pkt);
    av_bsf_free(&bsf);
    avformat_close_input(&fmt);
    return out;
}

int usage(const QString &why)
{
    std::fprintf(stderr, "kelvo_simdevice: %s\n", qPrintable(why));
    std::fprintf(stderr, "usage: kelvo_simdevice [--ipc ADDR[:PORT]]... [--nvr ADDR[:PORT][/N]]... "
                         "[--count N --base ADDR [--kind ipc|nvr]] [--port P] [--user U --password P] "
                         "[--search [ADDR:]PORT] [--summertime] [--clip FILE.mp4] "
                         "[--alarms N[:INTERVAL_MS[:TYPE]]]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QList<DeviceArg> deviceArgs;
    int defaultPort = 2028;
    int count = 0;
    QHostAddress base;
    SimDevice::Kind countKind = SimDevice::Ipc;
    QString user = QStringLiteral("admin");
    QString password = QStringLiteral("402917");
    QString search;
    bool summertime = false;
    QString clip;

    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const auto value = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args.at(++i);
            return true;
        };
        QString v;
        if (a == QLatin1String("--ipc") || a == QLatin1String("--nvr")) {
            if (!value(&v))
                return usage(a + QStringLiteral(" needs an address"));
            DeviceArg s;
            s.kind = a == QLatin1String("--nvr") ? SimDevice::Nvr : SimDevice::Ipc;
            if (!parseAddress(v, &s.address, &s.port, &s.channels))
                return usage(QStringLiteral("not a loopback address: ") + v);
            deviceArgs.append(s);
        } else if (a == QLatin1String("--count")) {
            if (!value(&v) || (count = v.toInt()) <= 0 || count > 65000)
                return usage(QStringLiteral("bad --count"));
        } else if (a == QLatin1String("--base")) {
            int p = -1, c = 0;
            if (!value(&v) || !parseAddress(v, &base, &p, &c))
                return usage(QStringLiteral("bad --base (loopback only)"));
        } else if (a == QLatin1String("--kind")) {
            if (!value(&v))
                return usage(QStringLiteral("bad --kind"));
            countKind = v == QLatin1String("nvr") ? SimDevice::Nvr : SimDevice::Ipc;
        } else if (a == QLatin1String("--port")) {
            bool ok = false;
            if (!value(&v) || (defaultPort = v.toInt(&ok), !ok) || defaultPort < 0 || defaultPort > 65535)
                return usage(QStringLiteral("bad --port"));
        } else if (a == QLatin1String("--user")) {
            if (!value(&user))
                return usage(QStringLiteral("bad --user"));
        } else if (a == QLatin1String("--password")) {
            if (!value(&password))
                return usage(QStringLiteral("bad --password"));
        } else if (a == QLatin1String("--summertime")) {
            summertime = true;
        } else if (a == QLatin1String("--clip")) {
            if (!value(&clip))
                return usage(QStringLiteral("bad --clip"));
        } else if (a == QLatin1String("--alarms")) {
            SimAlarms::Plan plan;
            if (!value(&v) || !SimAlarms::parsePlan(v, &plan))
                return usage(QStringLiteral("bad --alarms"));
            SimAlarms::setPlan(plan);
        } else if (a == QLatin1String("--search")) {
            if (!value(&search))
                return usage(QStringLiteral("bad --search"));
        } else {
            return usage(QStringLiteral("unknown option ") + a);
        }
    }
    if (count > 0) {
        if (base.isNull())
            return usage(QStringLiteral("--count needs --base"));
        const quint32 first = base.toIPv4Address();
        for (int i = 0; i < count; ++i) {
            DeviceArg s;
            s.kind = countKind;
            s.address = QHostAddress(first + quint32(i));
            if (!s.address.isLoopback())
                return usage(QStringLiteral("--count runs past 127.255.255.255"));
            deviceArgs.append(s);
        }
    }
    if (deviceArgs.isEmpty())
        deviceArgs.append(DeviceArg{SimDevice::Ipc, QHostAddress(QHostAddress::LocalHost), -1, 4});

    QVector<SimRecordStreams::Frame> frames;
    if (!clip.isEmpty() && (frames = clipFrames(clip)).isEmpty()) {
        std::fprintf(stderr, "kelvo_simdevice: no H.264 or H.265 video in %s\n", qPrintable(clip));
        return 1;
    }

    QTextStream out(stdout);
    QList<SimDevice *> devices;
    QHash<quint32, int> perAddress;
    for (const DeviceArg &s : qAsConst(deviceArgs))
        ++perAddress[s.address.toIPv4Address()];
    for (const DeviceArg &s : qAsConst(deviceArgs)) {
        auto *dev = new SimDevice(s.kind, &app);
        if (perAddress.value(s.address.toIPv4Address()) == 1) {
            dev->setUid(QStringLiteral("SIM%1-%2")
                            .arg(s.kind == SimDevice::Nvr ? QStringLiteral("NVR") : QStringLiteral("IPC"),
                                 s.address.toString().replace(QLatin1Char('.'), QLatin1Char('-'))));
        }
        dev->state().user = user;
        dev->state().password = password;
        dev->state().maxChannels = s.channels;
        dev->state().channelStates = QString(s.channels, QLatin1Char('1'));
        if (summertime && s.kind == SimDevice::Nvr) {
            QString body = dev->storedBody(Cmd::GetTimeConfig);
            body.replace(QStringLiteral("</timeConfig>"),
                         QStringLiteral("<summertime><enable>1</enable><offset>60</offset><weekStartTime>3:0:0:02:00"
                                        "</weekStartTime><weekEndTime>10:0:0:03:00</weekEndTime></summertime>"
                                        "</timeConfig>"));
            dev->setStoredBody(Cmd::GetTimeConfig, body);
        }
        if (!frames.isEmpty() && s.kind == SimDevice::Nvr) {
            SimRecordStreams::Setup &setup = SimRecordStreams::setup(*dev);
            setup.frames = frames;
            if (frames.size() > 1)
                setup.frameIntervalMs = int(qBound<qint64>(1, frames.last().ms / (frames.size() - 1), 1000));
            const QDate today = QDate::currentDate();
            dev->state().recordDays = QStringList{today.addDays(-1).toString(QStringLiteral("yyyyMMdd")),
                                                  today.toString(QStringLiteral("yyyyMMdd"))};
        }
        const quint16 port = quint16(s.port >= 0 ? s.port : defaultPort);
        if (!dev->listen(s.address, port))
            return 1;
        // A recorder tried by hand reports the address it listens on.
        if (s.kind == SimDevice::Nvr)
            dev->setStoredValue(Cmd::GetNvrNetwork, QStringLiteral("IP"), dev->address().toString());
        out << "READY " << (s.kind == SimDevice::Nvr ? "nvr " : "ipc ") << dev->address().toString() << ' '
            << dev->port() << ' ' << dev->uid() << Qt::endl;
        devices.append(dev);
    }

    if (!search.isEmpty()) {
        QHostAddress addr(QHostAddress::LocalHost);
        int port = 2018, channels = 0;
        QString text = search;
        if (!text.contains(QLatin1Char(':')))
            text = QStringLiteral("127.0.0.1:") + text;
        if (!parseAddress(text, &addr, &port, &channels))
            return usage(QStringLiteral("bad --search (loopback only)"));
        auto *responder = new SimSearchResponder(&app);
        if (!responder->bind(addr, quint16(port)))
            return 1;
        for (SimDevice *d : qAsConst(devices))
            responder->addDevice(d);
        out << "SEARCH " << responder->address().toString() << ' ' << responder->port() << Qt::endl;
    }
    return app.exec();
}
