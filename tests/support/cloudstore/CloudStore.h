#pragma once

// Makes a local cloud store for the stand-in cloud library from clips made by
// the ffmpeg tool: one account with two devices (H.264 with two channels,
// H.265 with three), recordings at 08:00:00 and 08:10:00 (a gap between them)
// on each of the given days. Used by the kelvo_cloudstore program and the tests.

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace cloudstore {

constexpr const char *Account = "demo";
constexpr const char *Password = "demo-pass";

struct StoreDevice
{
    const char *id;
    const char *name;
    const char *codec;
    QList<int> channels;
};

inline QList<StoreDevice> storeDevices()
{
    return {{"cam-h264", "Porch", "h264", {0, 1}}, {"cam-h265", "Garage", "h265", {0, 1, 2}}};
}

inline bool makeClip(const QString &path, const QString &codec, int seconds)
{
    QStringList args{"-loglevel",
                     "error",
                     "-y",
                     "-f",
                     "lavfi",
                     "-i",
                     "testsrc2=size=320x240:rate=25",
                     "-t",
                     QString::number(seconds),
                     "-pix_fmt",
                     "yuv420p",
                     "-bf",
                     "0",
                     "-g",
                     "25"};
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
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Folder layout: see src/iot/CloudLibrary.h.
inline bool makeStore(const QString &root, const QList<QDate> &days, int seconds, QString *error)
{
    if (!QDir().mkpath(root)) {
        *error = QStringLiteral("cannot create ") + root;
        return false;
    }
    QJsonArray devices;
    for (const StoreDevice &d : storeDevices()) {
        const QString clip = root + QStringLiteral("/clip-") + QLatin1String(d.codec) + QStringLiteral(".mp4");
        if (!QFile::exists(clip) && !makeClip(clip, QLatin1String(d.codec), seconds)) {
            *error = QStringLiteral("ffmpeg could not make ") + clip;
            return false;
        }
        QJsonArray channels;
        for (int ch : d.channels) {
            channels.append(ch);
            for (const QDate &day : days) {
                const QString folder = root + QLatin1Char('/') + QLatin1String(d.id) + QLatin1Char('/')
                                       + QString::number(ch) + QLatin1Char('/')
                                       + day.toString(QStringLiteral("yyyyMMdd"));
                QDir().mkpath(folder);
                for (const char *name : {"080000.mp4", "081000.mp4"}) {
                    QFile::remove(folder + QLatin1Char('/') + QLatin1String(name));
                    if (!QFile::copy(clip, folder + QLatin1Char('/') + QLatin1String(name))) {
                        *error = QStringLiteral("cannot write into ") + folder;
                        return false;
                    }
                }
            }
        }
        devices.append(
            QJsonObject{{"id", QLatin1String(d.id)}, {"name", QLatin1String(d.name)}, {"channels", channels}});
    }
    const QJsonObject account{
        {"account", QLatin1String(Account)}, {"password", QLatin1String(Password)}, {"devices", devices}};
    QFile f(root + QStringLiteral("/accounts.json"));
    if (!f.open(QIODevice::WriteOnly)
        || f.write(QJsonDocument(QJsonObject{{"accounts", QJsonArray{account}}}).toJson()) < 0) {
        *error = QStringLiteral("cannot write ") + f.fileName();
        return false;
    }
    return true;
}

} // namespace cloudstore
