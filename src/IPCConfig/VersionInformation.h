#pragma once

// The "Version Info" page: model, firmware, UID and MAC of the camera from the
// client's record (filled from the camera's version reply at login); it sends
// nothing.

#include "RemoteCfg_Widget.h"

namespace Ui {
class VersionInformation;
}

class VersionInformation : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit VersionInformation(QWidget *parent = nullptr);
    ~VersionInformation() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::VersionInformation *ui;
};
