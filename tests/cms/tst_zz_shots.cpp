#include "AddClientDevDlg.h"
#include "EditClientDevDlg.h"
#include "DeviceBatchModify.h"
#include "DeviceGroupManage.h"
#include "ModifyNetInfoDlg.h"
#include "ModifyAllIPDlg.h"
#include "ForgotPassword.h"
#include "DeviceManageWidget.h"
#include "CSearchManageWidget.h"
#include "DeviceInfoManager.h"
#include "OrmHelper.h"
#include <QApplication>
#include <QFile>
#include <QtTest>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(Resources);
    QFile css(":/Resources/css/TAVIK_Style.css");
    if (css.open(QIODevice::ReadOnly)) app.setStyleSheet(QString::fromUtf8(css.readAll()));
    OrmHelper::instance()->init();
    DeviceInfoManager::instance()->getGroupsFromDatabase();
    auto *d1 = new FUN_DEV_INFO; d1->ip = "192.168.1.20"; d1->name = "Gate"; d1->model="X1"; d1->loginStatus = 1; d1->mac="aa:bb:cc:00:11:22";
    auto *d2 = new FUN_DEV_INFO; d2->ip = "192.168.1.30"; d2->name = "Recorder"; d2->devType = 1;
    DeviceInfoManager::instance()->addDevInfo(d1); DeviceInfoManager::instance()->addDevInfo(d2);
    FUN_DEV_INFO copy = *d1;
    QList<QWidget*> ws;
    ws << new AddClientDevDlg << new DeviceBatchModify << new DeviceGroupManage << new ModifyAllIPDlg << new CSearchManageWidget;
    auto *e = new EditClientDevDlg; e->setDevInfo(&copy); ws << e;
    auto *m = new ModifyNetInfoDlg; SearchDevInfo s; s.ip="192.168.1.40"; s.netmask="255.255.255.0"; s.gateway="192.168.1.1"; s.preferredDns="8.8.8.8"; s.standbyDns="8.8.4.4"; m->setDevInfo(s); ws << m;
    auto *f = new ForgotPassword; f->setDevInfo(&copy); ws << f;
    auto *p = new DeviceManageWidget; p->resize(1400, 500); p->getDevFormDBToAddTableView(); ws << p;
    for (QWidget *w : ws) { w->show(); QTest::qWait(100); w->grab().save(QString("/tmp/dp/shot_%1.png").arg(w->metaObject()->className())); }
    return 0;
}
