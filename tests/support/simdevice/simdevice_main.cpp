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
// Every device prints "READY <kind> <ip> <port> <uid>" once it listens; the
// search responder prints "SEARCH <ip> <port>". Only 127.0.0.0/8 is accepted.

#include "SimDevice.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

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

int usage(const QString &why)
{
    std::fprintf(stderr, "kelvo_simdevice: %s\n", qPrintable(why));
    std::fprintf(stderr, "usage: kelvo_simdevice [--ipc ADDR[:PORT]]... [--nvr ADDR[:PORT][/N]]... "
                         "[--count N --base ADDR [--kind ipc|nvr]] [--port P] [--user U --password P] "
                         "[--search [ADDR:]PORT] [--summertime]\n");
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
        deviceArgs.append(DeviceArg { SimDevice::Ipc, QHostAddress(QHostAddress::LocalHost), -1, 4 });

    QTextStream out(stdout);
    QList<SimDevice *> devices;
    for (const DeviceArg &s : qAsConst(deviceArgs)) {
        auto *dev = new SimDevice(s.kind, &app);
        dev->state().user = user;
        dev->state().password = password;
        dev->state().maxChannels = s.channels;
        dev->state().channelStates = QString(s.channels, QLatin1Char('1'));
        if (summertime && s.kind == SimDevice::Nvr) {
            QString body = dev->storedBody(14006);
            body.replace(QStringLiteral("</timeConfig>"),
                         QStringLiteral("<summertime><enable>1</enable><offset>60</offset><weekStartTime>3:0:0:02:00"
                                        "</weekStartTime><weekEndTime>10:0:0:03:00</weekEndTime></summertime>"
                                        "</timeConfig>"));
            dev->setStoredBody(14006, body);
        }
        const quint16 port = quint16(s.port >= 0 ? s.port : defaultPort);
        if (!dev->listen(s.address, port))
            return 1;
        // A recorder tried by hand reports the address it listens on.
        if (s.kind == SimDevice::Nvr)
            dev->setStoredValue(13001, QStringLiteral("IP"), dev->address().toString());
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
