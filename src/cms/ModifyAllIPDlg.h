#pragma once

#include "BroadService.h"
#include "DropShadowWidget.h"

#include <QList>

#include <memory>

class FoundDeviceTable;

namespace Ui {
class ModifyAllIPDlg;
}

// Gives several devices found by the LAN search consecutive free addresses of
// one subnet and re-addresses each by broadcast (Cmd::Readdress).
class ModifyAllIPDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit ModifyAllIPDlg(QWidget *parent = nullptr);
    ~ModifyAllIPDlg() override;

    // Takes the records over; an empty list changes nothing.
    void setDevices(const QList<SearchDevInfo *> &devices);
    // The search results whose addresses are not handed out (not owned; may be null).
    void setFoundDevices(const FoundDeviceTable *table);

    // Up to count free host addresses of the form's subnet, from the form's start
    // address upwards within its last part; startIp is not used.
    QList<QString> getAllFreeIPAddr(const QString &startIp, int count);
    void modifyIP();

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void onEnterPressed() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    const std::unique_ptr<Ui::ModifyAllIPDlg> m_ui;
    QList<SearchDevInfo *> m_devices;
    const FoundDeviceTable *m_found = nullptr;
    bool m_closed = false;
};
