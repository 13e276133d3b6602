#pragma once

#include "ConfigConversation.h"
#include "ConfigReadRound.h"
#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

#include <QHash>
#include <QPointer>

class CNVREditClientUserDlg;
class DialogReadMarks;
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
// the table keeps what it showed. A read that failed is marked until one
// succeeds, with the way back (a fresh session and a new read) beside it.
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

    // key names a row of the list as shown (rowKey); a key of an older list
    // names nothing: two accounts may carry the same name, so an account is
    // never looked up again by its name.
    QString buildUserAcountXml(const QString &key) const;
    bool isEditableUser(const QString &key) const;
    QString rowKey(int row) const;
    // The account a key names; null when it names none of the shown list.
    const QHash<QString, QString> *account(const QString &key) const;

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

    // Everything the conversation delivers for this dialog and the account,
    // rights and contact dialogs it opens.
    void recvCommonInfo(QObject *requester, const ConfigReply &reply);
    // Whether the table shows a full read of the accounts: only then is an
    // account added, changed or deleted.
    // A re-read under way leaves the list shown a full read until it fails.
    bool isListRead() const { return m_listRead; }
    UserRequestRoute route() { return UserRequestRoute{m_conversation, this}; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void parseUserList(const QString &xml);
    void parseGetUserContactXml(const QString &xml);
    void setUserInfo(const QHash<QString, QString> &user, int row);
    void showUserPassword(const QString &key);
    FUN_DEV_INFO *device() const;
    // The failure toast, once while it shows: a change not sent, or (read)
    // a list or contact that could not be read.
    void sayFailed(bool read = false);
    // The contact and the accounts, as on opening.
    void readAll();
    // False, said, while the accounts shown are no full read.
    bool listUsable();
    void placeOver(QWidget *dialog) const;
    // What became of a change (an account's or the contact).
    void saySaveAnswer(const ConfigReply &reply);
    void updateStateTexts();

    QString m_devIp;
    ConfigConversation *m_conversation;
    bool m_listRead = false;  // the last finished read of the list succeeded
    ConfigReadRound *m_round; // the account list
    QCheckBox *m_headerBox = nullptr;
    QList<QHash<QString, QString>> m_rows; // the accounts in table order
    int m_listNumber = 0;                  // which list the row keys belong to
    Ui::CNVRUserManageDlg *ui;
    QString m_contact;
    CNVREditClientUserDlg *m_editDlg = nullptr;
    QPointer<MsgTipInfoDlg> m_failedTip;
    DialogReadMarks *m_readMarks;
    bool m_listAfterQueue = false; // the list is read once no change of this dialog waits

    static int s_headerDelayMs;
    static int s_reloadDelayMs;
};
