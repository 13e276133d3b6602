// Makes a client database holding the given devices, for scripts/try:
//   kelvo_trydb DB --ipc NAME@ADDR:PORT:RTSPPORT --nvr NAME@ADDR:PORT/N ...
// A database that exists is replaced. Devices use the default device login.

#include "KelvoCommon.h"
#include "OrmCore.h"
#include "OrmHelper.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || args.size() % 2 == 0) {
        std::fprintf(
            stderr, "usage: kelvo_trydb DB (--ipc NAME@ADDR:PORT:RTSPPORT | --nvr NAME@ADDR:PORT/N)...\n");
        return 2;
    }
    const QString path = args.first();
    QFile::remove(path);
    OrmDatabase::setDatabaseName(path);
    QString error;
    if (!OrmHelper::instance()->init(&error)) {
        std::fprintf(stderr, "kelvo_trydb: %s\n", qPrintable(error));
        return 1;
    }
    static const QRegularExpression deviceArgument(
        QStringLiteral("^([^@]+)@(127\\.[0-9.]+):([0-9]+)(?::([0-9]+))?(?:/([0-9]+))?$"));
    std::vector<std::unique_ptr<FUN_DEV_INFO>> devices;
    QList<FUN_DEV_INFO *> list;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const auto m = deviceArgument.match(args.at(i + 1));
        if ((args.at(i) != QLatin1String("--ipc") && args.at(i) != QLatin1String("--nvr")) || !m.hasMatch()) {
            std::fprintf(stderr, "kelvo_trydb: bad device %s %s\n", qPrintable(args.at(i)),
                qPrintable(args.at(i + 1)));
            return 2;
        }
        devices.emplace_back(new FUN_DEV_INFO);
        FUN_DEV_INFO *dev = devices.back().get();
        dev->name = m.captured(1);
        dev->ip = m.captured(2);
        dev->sn = dev->ip;
        dev->devPort = uint16_t(m.captured(3).toUInt());
        if (!m.captured(4).isEmpty())
            dev->rtspPort = uint16_t(m.captured(4).toUInt());
        if (args.at(i) == QLatin1String("--nvr")) {
            dev->devType = 1;
            dev->channelNum = uint8_t(m.captured(5).isEmpty() ? 4 : m.captured(5).toUInt());
        }
        list << dev;
    }
    OrmHelper::AddDevs(list);
    OrmDatabase::closeAllConnections();
    std::printf("DB %s with %d devices\n", qPrintable(path), int(list.size()));
    return 0;
}
