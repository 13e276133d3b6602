#pragma once

#include "ConfigConversation.h"
#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

#include <QHash>
#include <QMap>
#include <QPointer>

class CNVREditClientUserDlg;
class MsgTipInfoDlg;
class QCheckBox;
class QTableWidget;
class QTableWidgetItem;

namespace Ui {
class CNVRUserManageDlg;
}

// The user accounts an NVR keeps: list (Cmd::GetUsers), add, edit, rights and
// delete (all Cmd::EditUser), password reveal and the contact (Cmd::GetContact,
// Cmd::SetContact). It shares the camera user dialog's request function, delete
// question, table helpers and contact dialog. Like it, it keeps the NVR's
// address rather than its record, and its conversation with the NVR brings back
// the answers to what this dialog and its account, rights and contact dialogs
// sent, and nothing else. A list or contact that cannot be read, and a request
// the NVR cannot be sent while it is offline, are said with the failure toast;
// the table keeps what it showed.
class CNVRUserManageDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRUserManageDlg(QWidget *parent = nullptr);
    ~CNVRUserManageDlg() override;

    static constexpr int MaxUsers = 15;
    // Accounts a list may show: a bound on what a device can make the table hold.
    static constexpr int MaxListedUsers = 1024;

    void updateDevice(FUN_DEV_INFO *dev);
    void getUsers();
    void resetHeaderCheckBox();
    QString contact() const { return m_contact; }

    QString buildUserAcountXml(const QString &key) const;
    bool isEditableUser(const QString &key) const;

    // Test seams: the header box placement (100 ms) and the re-read after an
    // accepted edit (500 ms).
    static void setDelays(int headerMs, int reloadMs);

public slots:
    void addWidgetHeaderSectionPress(int logicalIndex);
    void addWidgetAllChkBoxStateChanged();
    void addWidgetTableItemClicked(QTableWidgetItem *item);
    void onbtnCloseClicked();
    void onDelBtnClicked(QString key);
    void onEditBtnClicked(QString key);
    void onEditAuthorityBtnClicked(QString key);
    void onbtAddUserClicked();
    void onbtDelectSelectUserClicked();
    void onbtEditContactClicked();
    void updateText();

    void onReply(QObject *requester, const ConfigReply &reply);
    UserRequestRoute route() { return UserRequestRoute{m_conversation, this}; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void parseUserList(const QString &xml);
    void parseGetUserContactXml(const QString &xml);
    void setUserInfo(const QHash<QString, QString> &user, int row);
    void showUserPassword(const QString &key);
    FUN_DEV_INFO *device() const;
    // The failure toast, once while it shows.
    void sayFailed();
    void updateStateTexts();

    QString m_devIp;
    ConfigConversation *m_conversation;
    QCheckBox *m_headerBox = nullptr;
    QMap<QString, QHash<QString, QString>> m_users;
    QList<QHash<QString, QString>> m_rows; // the accounts in table order
    Ui::CNVRUserManageDlg *ui;
    QString m_contact;
    CNVREditClientUserDlg *m_editDlg = nullptr;
    QPointer<MsgTipInfoDlg> m_failedTip;

    static int s_headerDelayMs;
    static int s_reloadDelayMs;
};
