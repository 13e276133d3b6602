#include "KelvoCommon.h"
#include "OrmHelper.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KelvoClient"));

    registerKelvoMetaTypes();
    qInfo() << "Starting" << QApplication::applicationName() << "in" << QDir::currentPath();

    QString error;
    OrmHelper *orm = OrmHelper::instance();
    if (!orm || !orm->init(&error)) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QObject::tr("The database could not be opened:\n%1").arg(error));
        return 1;
    }
    qInfo() << "Database" << QFileInfo(OrmDatabase::databaseName()).absoluteFilePath() << "opened,"
            << OrmHelper::getAllDevices().size() << "devices," << OrmHelper::getAllOrganizations().size()
            << "groups," << OrmHelper::getAllUsers().size() << "users";

    QMainWindow window;
    window.setWindowTitle(QApplication::applicationName());
    window.resize(1280, 800);
    window.show();

    const int rc = app.exec();
    OrmDatabase::closeAllConnections();
    return rc;
}
