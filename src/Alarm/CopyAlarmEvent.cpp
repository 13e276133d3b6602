#include "CopyAlarmEvent.h"
#include "ui_CopyAlarmEvent.h"

#include "AlarmSettingsStore.h"

CopyAlarmEvent::CopyAlarmEvent(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CopyAlarmEvent)
{
    ui->setupUi(this);
    ui->treeView->setHeaderHidden(true);
    ui->treeView->setNvrHidden(true);
}

CopyAlarmEvent::~CopyAlarmEvent()
{
    delete ui;
}

void CopyAlarmEvent::reloadDevices()
{
    ui->treeView->reload();
}

DeviceTree *CopyAlarmEvent::tree() const
{
    return ui->treeView;
}

void CopyAlarmEvent::on_pushButtonSave_clicked()
{
    CopyInfo info;
    const QString key = AlarmSettingsStore::deviceKeyOf(ui->treeView, ui->treeView->currentIndex());
    if (!key.isEmpty())
        info.devList << key;
    info.bType = ui->checkBoxType->isChecked();
    info.bLinkage = ui->checkBoxLinkage->isChecked();
    info.bArming = ui->checkBoxArming->isChecked();
    emit signalsCopyAlarm(info);
    close();
}

void CopyAlarmEvent::on_pushButtonExit_clicked()
{
    close();
}
