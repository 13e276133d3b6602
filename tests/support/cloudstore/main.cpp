// kelvo_cloudstore <store folder> [days]
// Writes a local cloud store for the client's stand-in cloud library: account
// "demo", password "demo-pass", two devices, recordings on today and on the
// days before it (2 unless given).

#include "CloudStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: kelvo_cloudstore <store folder> [days]\n";
        return 2;
    }
    const int count = args.size() > 2 ? qBound(1, args.at(2).toInt(), 31) : 2;
    QList<QDate> days;
    for (int i = 0; i < count; ++i)
        days << QDate::currentDate().addDays(-i);
    QString error;
    if (!cloudstore::makeStore(args.at(1), days, 20, &error)) {
        err << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "cloud store written to " << args.at(1) << "\n";
    return 0;
}
