#pragma once

// Icons of the device trees, each loaded once. The owning classes forward to these.

#include <QIcon>
#include <QString>

class TreeIcons
{
public:
    static QIcon iconNvrNormal();
    static QIcon iconNvrHighlight();
    static QIcon iconDeviceNormal();
    static QIcon iconDeviceHighlight();
    static QIcon iconErrPassword();
    static QIcon iconDevicePlay();
    static QIcon iconPlayRecord();
    static QIcon iconRecord();
    static QIcon iconGroup();

    // The icon of a resource path; a plain placeholder while the resource is missing.
    static QIcon load(const QString &resourcePath);
};
