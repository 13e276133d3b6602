#pragma once

// Recorded camera replies copied under tests/onvif/fixtures, each folder with
// its LICENSE. Sources (MIT):
//   easy_onvif_workspace/  github.com/faithoflifedev/easy_onvif_workspace, packages/easy_onvif/test/xml/
//   onvif/                 github.com/agsh/onvif (branch v0.x), test/serverMockup/
//   onvif-discovery/       github.com/vicmaeg/onvif-discovery, OnvifDiscovery.Tests/Resources/

#include <QByteArray>
#include <QFile>
#include <QString>

inline QString fixturePath(const QString &relative)
{
    return QStringLiteral(KELVO_TEST_SOURCE_DIR "/tests/onvif/fixtures/") + relative;
}

inline QString cameraDir(const QString &model)
{
    return fixturePath(QStringLiteral("easy_onvif_workspace/packages/easy_onvif/test/xml/") + model);
}

inline QByteArray readFixture(const QString &relative)
{
    QFile f(fixturePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray readCameraFile(const QString &model, const QString &file)
{
    QFile f(cameraDir(model) + QLatin1Char('/') + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
