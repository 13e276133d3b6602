#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

#include <QHash>

class QCheckBox;

namespace Ui {
class CNVRAuthSetting;
}

// The rights of one NVR account: ten positions of its local (8) and remote
// (10) right strings as check boxes, written back with 14014 operation 3.
// Positions without a box and the account's state are sent back as listed,
// so a rights change neither enables an account nor clears unseen rights.
class CNVRAuthSetting : public DropShadowWidget
{
    Q_OBJECT

public:
    // Where OK sends; the user dialog that opens this one sets it.
    void setRoute(const UserRequestRoute &route) { m_route = route; }
    explicit CNVRAuthSetting(QWidget *parent = nullptr);
    ~CNVRAuthSetting() override;

    void setAuthInfo(FUN_DEV_INFO *dev, const QHash<QString, QString> &user);

    static constexpr int LocalLength = 8;
    static constexpr int RemoteLength = 10;
    static const QString RightsTemplate;

    // The listed string padded with '0' to length, with the box positions
    // overwritten by the boxes' states.
    static QString mergeRights(QString listed, int length, const QList<QPair<int, bool>> &boxes);

public slots:
    void onbtnOkClicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    QList<QPair<int, QCheckBox *>> localBoxes() const;
    QList<QPair<int, QCheckBox *>> remoteBoxes() const;

    Ui::CNVRAuthSetting *ui;
    QString m_devIp;
    QString m_userName;
    QString m_password;
    QString m_status;
    QString m_local;
    QString m_remote;
    UserRequestRoute m_route;
};
