// Times the device-table operations on a throw-away database:
//   bench_orm [devices]   (default 2000)

#include "OrmHelper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 2000;
    QTextStream out(stdout);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    OrmDatabase::setDatabaseName(dir.filePath(QStringLiteral("bench.sqlite")));
    QElapsedTimer timer;
    timer.start();
    if (!OrmHelper::instance()->init())
        return 1;
    out << "init (create and seed): " << timer.elapsed() << " ms\n";

    std::vector<std::unique_ptr<FUN_DEV_INFO>> devs;
    QList<FUN_DEV_INFO *> list;
    for (int i = 0; i < count; ++i) {
        devs.emplace_back(new FUN_DEV_INFO());
        devs.back()->ip = QStringLiteral("10.%1.%2.%3").arg(i / 65536).arg((i / 256) % 256).arg(i % 256);
        devs.back()->name = QStringLiteral("cam %1").arg(i);
        list.append(devs.back().get());
    }

    timer.restart();
    OrmHelper::AddDevs(list);
    out << "AddDevs " << count << ": " << timer.elapsed() << " ms\n";

    timer.restart();
    QSqlError error;
    const int fetched = OrmHelper::getAllDevices(&error).size();
    out << "getAllDevices (" << fetched << " rows): " << timer.elapsed() << " ms\n";

    timer.restart();
    for (int i = 0; i < 200; ++i)
        OrmHelper::ModifyDev(list.at(i % count));
    out << "ModifyDev x200: " << timer.elapsed() << " ms\n";

    timer.restart();
    for (int i = 0; i < 1000; ++i)
        OrmHelper::checkUser(QStringLiteral("admin"), QStringLiteral("vemqa"), &error);
    out << "checkUser x1000: " << timer.elapsed() << " ms\n";

    OrmDatabase::closeAllConnections();
    return 0;
}
