#include "TreeIcons.h"

#include <QColor>
#include <QFile>
#include <QPixmap>

namespace {

const QString kDir = QStringLiteral(":/Resources/Skin/Default/MainWindow/");

// Kept for the whole process: icons must outlive every tree that shows them.
#define TREE_ICON(function, file)                                                                                      \
    QIcon TreeIcons::function()                                                                                        \
    {                                                                                                                  \
        static const QIcon *icon = new QIcon(load(kDir + QStringLiteral(file)));                                       \
        return *icon;                                                                                                  \
    }

} // namespace

QIcon TreeIcons::load(const QString &resourcePath)
{
    if (QFile::exists(resourcePath))
        return QIcon(resourcePath);
    QPixmap placeholder(16, 16);
    placeholder.fill(QColor(128, 128, 128));
    return QIcon(placeholder);
}

TREE_ICON(iconNvrNormal, "icon_nvr_normal.png")
TREE_ICON(iconNvrHighlight, "icon_nvr_highlight.png")
TREE_ICON(iconDeviceNormal, "icon_device_normal.png")
TREE_ICON(iconDeviceHighlight, "icon_device_highlight.png")
TREE_ICON(iconErrPassword, "icnErrPwCamera.png")
TREE_ICON(iconDevicePlay, "icon_device_play.png")
TREE_ICON(iconPlayRecord, "icnPlayRecord.png")
TREE_ICON(iconRecord, "icnRecord.png")
TREE_ICON(iconGroup, "icon_group.png")
