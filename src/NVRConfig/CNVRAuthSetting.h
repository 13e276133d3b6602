#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "OperatorEdits.h"
#include "UserRequestRoute.h"

#include <QHash>

class QCheckBox;

namespace Ui {
class CNVRAuthSetting;
}

// The rights of one NVR account: ten positions of its local (8) and remote
// (10) right strings as check boxes, written back with Cmd::EditUser operation 3.
// Positions without a box, boxes left as shown and the account's state are
// sent back as listed, so a rights change neither enables an account nor
// clears unseen rights. When the NVR cannot be reached the dialog says so and
// stays open.
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
    // A box's position, whether it is ticked now, and whether the operator
    // clicked it since the dialog showed the listed string.
    struct Box
    {
        int position;
        bool checked;
        bool acted;
    };
    // The listed string as it is when the operator clicked no box; else
    // padded with '0' to length, with the positions of the clicked boxes
    // overwritten by their states.
    static QString mergeRights(QString listed, int length, const QList<Box> &boxes);

public slots:
    void onbtnOkClicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    QList<QPair<int, QCheckBox *>> localBoxes() const;
    QList<QPair<int, QCheckBox *>> remoteBoxes() const;
    QList<Box> states(const QString &prefix, const QList<QPair<int, QCheckBox *>> &boxes) const;

    Ui::CNVRAuthSetting *ui;
    QString m_devIp;
    QHash<QString, QString> m_account;
    QString m_local;
    QString m_remote;
    OperatorEdits m_edits; // which boxes the operator clicked ("local0", "remote8", ...)
    UserRequestRoute m_route;
};
