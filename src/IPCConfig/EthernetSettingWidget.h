#pragma once

// The "TCP/IP" page: static address or DHCP, addresses, DNS and the MAC of the
// camera, read with Cmd::GetNetwork and written with Cmd::SetNetwork. A static
// address is checked for format, subnet and (when new) a host already answering
// on it.
//
// Under DHCP the record stays: the client cannot know the address the
// camera takes; the operator is told to find it with the device search.
// When a static address changes, the client's record follows the camera only once
// the camera has moved: its Cmd::SetNetwork answer with result 0 (such a Save
// carries the address as a change of the record, ConfigRequest::change, and
// stands alone on its line, so the answer is its own, also a late one), or,
// without answer, its old connection breaking soon after the request. A
// refusal moves nothing. The page then says where the camera went and, once
// the operator has read it, moves the record and closes the window; a window
// closed before the answer leaves the move to the record keeper
// (RecordKeeper.h).
//
// An untouched Save sends the camera's settings back as they came, without
// the checks (they are the camera's own); a changed one is checked whole.

#include "AddressCheck.h"
#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

class QLineEdit;
class QTimer;

namespace Ui {
class EthernetSettingWidget;
}

class EthernetSettingWidget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit EthernetSettingWidget(QWidget *parent = nullptr);
    ~EthernetSettingWidget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    bool replyComplete(int cmd, const QString &xml) const override;
    // The camera's answer to a Cmd::SetNetwork, whatever page is current by then.
    void onSaveResult(int cmd, bool ok) override;

    void setFieldsEnabled(bool enabled);
    // The address test of both buttons: "Check IP" asks it of the three
    // address fields as typed, Save (checkInput) of the setting it sends.
    // 0 when usable, else the fault (AddressCheck::Fault), said in message
    // with its field marked.
    int checkIp(const QString &ip, const QString &mask, const QString &gateway, QString &message);
    int checkIp(const AddressCheck::Network &network, QString &message);
    bool checkInput(QString &message);
    void updateDeviceInfoAfterIpChange();

    static QString ipAvailableText();
    static QString ipInUseText();
    static QString subnetMismatchText();
    // Said (and confirmed) before the window closes after the camera moved.
    static QString movedText(const QString &ip);
    // Said once the camera was switched to DHCP: its record stays.
    static QString dhcpText();

    // Test seams: how long after a Cmd::SetNetwork a broken connection still
    // means the camera moved, and the delay of the record's move to the new
    // address.
    static void setTimings(int moveWindowMs, int moveMs);
    bool movePending() const { return m_pendingActive; }

public slots:
    void on_radioButton_static_clicked();
    void on_radioButton_dhcp_clicked();
    void on_pushButton_checkIp_clicked();
    void on_pushButton_save_clicked();

protected:
    ConfigPageSession::Shown shownValues() const override;
    void changeEvent(QEvent *event) override;
    bool takeSaveAnswer(const ConfigReply &reply) override;

private:
    // The address, mask, gateway and DNS fields, in the address check's order.
    QList<QLineEdit *> addressEdits() const;
    // "Check IP": the three address fields as typed, nothing else.
    AddressCheck::Network addressOnly(const QString &ip, const QString &mask, const QString &gateway) const;
    void onDisconnected(const loginDev &dev);
    void followMove(bool silent);

    // What one Save sent, kept by its tag until its own answer settles it:
    // an answer to an earlier Save never moves the record to the address a
    // later one typed.
    struct Sent
    {
        QString oldIp;
        QString newIp; // empty: the address stays
        bool dhcpChosen = false;
    };
    // The Save a broken connection would mean the camera took: the earliest
    // moving one still owed.
    const Sent *firstMove() const;

    Ui::EthernetSettingWidget *ui;
    QTimer *m_moveWindow;
    SentByTag<Sent> m_sent;
    // The move being followed (updateDeviceInfoAfterIpChange reads it).
    QString m_pendingOldIp;
    QString m_pendingNewIp;
    bool m_pendingActive = false;
    // A Save answered with success, moving: followed once the window's words are said.
    bool m_answeredMove = false;
    IpcBody::Values m_received;
    OperatorEdits m_shown;

    static int s_moveWindowMs;
};
