#pragma once

// "Copy" of the alarm settings page: the operator picks one target device and
// the parts to copy; Save hands them to the page, which writes its current
// values under the target.

#include "DropShadowWidget.h"

#include <QList>
#include <QMetaType>
#include <QString>

namespace Ui {
class CopyAlarmEvent;
}

class DeviceTree;

class CopyAlarmEvent : public DropShadowWidget
{
    Q_OBJECT

public:
    struct CopyInfo
    {
        // The target's device key; empty when the dialog's current item is
        // no device (a group or nothing), which the page then ignores.
        QList<QString> devList;
        bool bType = false;
        bool bLinkage = false;
        bool bArming = false;
    };

    explicit CopyAlarmEvent(QWidget *parent = nullptr);
    ~CopyAlarmEvent() override;

    // Rebuilt before every showing: the registry may have changed.
    void reloadDevices();
    DeviceTree *tree() const;

signals:
    void signalsCopyAlarm(CopyAlarmEvent::CopyInfo info);

private slots:
    void on_pushButtonSave_clicked();
    void on_pushButtonExit_clicked();

private:
    Ui::CopyAlarmEvent *ui;
};

Q_DECLARE_METATYPE(CopyAlarmEvent::CopyInfo)
