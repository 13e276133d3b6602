#pragma once

#include "ConfigConversation.h"
#include "ConfigReadRound.h"
#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

#include <QHash>
#include <QMap>

class DialogReadMarks;
class EditClientUserDlg;
class QCheckBox;
class QTableWidget;
class QTableWidgetItem;

namespace Ui {
class CUserManageDlg;
}

// The login accounts a camera keeps for itself: list (Cmd::GetUsers), add
// (Cmd::EditUser), delete (Cmd::DeleteUser), password change
// (Cmd::ChangePassword) and the contact the camera needs before its "admin"
// password may change (Cmd::GetContact, Cmd::SetContact). The dialog's
// conversation with its camera brings back the answers to what this dialog and
// its add, edit and contact dialogs sent, and nothing else.
//
// The dialog keeps the camera's address, not its record: a password change of
// the account the client logs in with replaces the registry's record, so the
// record is looked up at each use and nothing is sent once it is gone.
//
// A list or contact that cannot be read leaves the table as it was, marked
// until a read succeeds, with the way back (a fresh session and a new read)
// beside it; an account is added only while the table shows a full list.
class CUserManageDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CUserManageDlg(QWidget *parent = nullptr);
    ~CUserManageDlg() override;

    static constexpr int MaxUsers = 10;
    // Accounts a list may show: far more than a camera keeps, a bound on
    // what a device can make the table hold.
    static constexpr int MaxListedUsers = 1024;

    void updateDevice(FUN_DEV_INFO *dev);
    void getUsers();
    void resetHeaderCheckBox();
    QString deviceIp() const { return m_devIp; }

    // Sends a command of the user dialogs on channel 0 to the device registered
    // under ip (an empty body as a bare command); false, sending nothing, when
    // no such device is registered. Shared with the recorder's user dialog.
    static bool sendRequest(const QString &ip, unsigned int cmd, const QString &body = QString());
    // The same along a route; false when nothing was sent. tag: set to the
    // request's own tag, handed back with the answer that pays it. change:
    // what the answer changes of the client's record of the device
    // (ConfigRequest::change; such a request stands alone on its line).
    static bool sendRequest(const UserRequestRoute &route, const QString &ip, unsigned int cmd,
                            const QString &body = QString(), RequestKind kind = RequestKind::Other,
                            quint64 *tag = nullptr, const RecordChange &change = RecordChange());
    UserRequestRoute route() { return UserRequestRoute{m_conversation, this}; }
    ConfigConversation *conversation() const { return m_conversation; }
    // Whether the table shows a full read of the accounts.
    bool isListRead() const { return m_listRead; }
    // "Are you sure you want to delete this user?" over parent.
    static bool confirmDeleteUser(QWidget *parent);

    static bool isAllChecked(QTableWidget *table);
    static void setAllChecked(QTableWidget *table, bool checked);
    static QStringList getCheckedRows(QTableWidget *table, int column, bool asRowIndex);
    static int findRow(const QString &text, QTableWidget *table, int column);

    static QString configSuccessText();
    static QString configFailedText();
    static QString areYouSureText();
    static QString deleteUserText();

    // Test seams: the header box placement (100 ms) and the re-read after an
    // accepted password change (500 ms).
    static void setDelays(int headerMs, int reloadMs);

public slots:
    void addWidgetHeaderSectionPress(int logicalIndex);
    void addWidgetAllChkBoxStateChanged();
    void addWidgetTableItemClicked(QTableWidgetItem *item);
    void onbtnCloseClicked();
    void onDelBtnClicked(const QString &key);
    void onEditBtnClicked(const QString &key);
    void onbtAddUserClicked();
    void onbtDelectSelectUserClicked();
    void onbtEditContactClicked();

    void recvCommonInfo(QObject *requester, const ConfigReply &reply);

public:
    bool parseGetUserXml(const QString &xml);
    void parseGetUserContactXml(const QString &xml);
    void parseModifyPasswordResult(const ConfigReply &reply);
    // What became of a change: said, and a change not written because an
    // earlier answer of its line never came is offered the way back.
    void saySaveAnswer(const ConfigReply &reply, const QString &refusedText = QString());
    void offerReconnect(const ConfigReply &reply);
    void setUserInfo(const QHash<QString, QString> &user, int row);
    void showUserPassword(const QString &key);
    void updateText();
    void fitColumns();

protected:
    void changeEvent(QEvent *event) override;

private:
    FUN_DEV_INFO *device() const;
    // The contact and the accounts, as on opening.
    void readAll();

    Ui::CUserManageDlg *ui;
    ConfigConversation *m_conversation;
    QString m_devIp;
    QCheckBox *m_headerBox = nullptr;
    QMap<QString, QHash<QString, QString>> m_users;
    EditClientUserDlg *m_editDlg = nullptr;
    QString m_contact;
    bool m_listRead = false;  // the table shows a full read of the accounts
    ConfigReadRound *m_round; // the account list
    DialogReadMarks *m_readMarks;
    bool m_listAfterQueue = false; // the list is read once no change of this dialog waits

    static int s_headerDelayMs;
    static int s_reloadDelayMs;
};
