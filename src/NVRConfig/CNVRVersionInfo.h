#pragma once

#include "KelvoCommon.h"

#include <QWidget>

namespace Ui {
class CNVRVersionInfo;
}

// Read-only model, versions, serial number and MAC of the NVR (Cmd::GetVersion
// reply and the device record).
class CNVRVersionInfo : public QWidget
{
    Q_OBJECT

public:
    explicit CNVRVersionInfo(QWidget *parent = nullptr);
    ~CNVRVersionInfo() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    void parseVersionInfo(const QString &xml);
    // Greyed while the page shows no read of the NVR.
    void setReadOk(bool ok) { setEnabled(ok); }

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::CNVRVersionInfo *ui;
    FUN_DEV_INFO *m_dev = nullptr;
};
