#include "ClientLook.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFontDatabase>

namespace ClientLook {

QFont applicationFont()
{
    QFont font;
    const QString arial = QStringLiteral("Arial");
    if (QFontDatabase().families().contains(arial, Qt::CaseInsensitive))
        font.setFamily(arial);
    else
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(14);
    return font;
}

bool loadStyleSheet()
{
    QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
    if (!css.open(QIODevice::ReadOnly)) {
        qWarning() << "Style sheet missing";
        return false;
    }
    qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
    return true;
}

bool apply()
{
    QApplication::setFont(applicationFont());
    return loadStyleSheet();
}

} // namespace ClientLook
