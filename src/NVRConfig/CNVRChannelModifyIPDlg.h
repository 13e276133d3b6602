#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "OperatorEdits.h"
#include "UserRequestRoute.h"

#include <QHash>

namespace Ui {
class CNVRChannelModifyIPDlg;
}

// New address of a wired camera the NVR found: the NVR re-addresses the
// camera (Cmd::ReaddressCamera); the client never talks to the camera itself.
class CNVRChannelModifyIPDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRChannelModifyIPDlg(QWidget *parent = nullptr);
    ~CNVRChannelModifyIPDlg() override;

    void setDevInfo(const QHash<QString, QString> &record, FUN_DEV_INFO *nvr);
    // The channel dialog's conversation, which reads the NVR's answer; none:
    // the request goes straight to the NVR.
    void setRoute(const UserRequestRoute &route) { m_route = route; }

    void onEnterPressed() override;

public slots:
    void onbtnOkClicked();
    void onbtnCloseclicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    FUN_DEV_INFO *m_nvr = nullptr;
    QHash<QString, QString> m_record;
    OperatorEdits m_edits; // the camera's login as listed, and what was typed over it
    UserRequestRoute m_route;
    Ui::CNVRChannelModifyIPDlg *ui;
};
