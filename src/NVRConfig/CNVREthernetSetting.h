#pragma once

#include "AddressCheck.h"
#include "ConfigConversation.h"
#include "KelvoCommon.h"
#include "NvrBodies.h"
#include "OperatorEdits.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>

namespace Ui {
class CNVREthernetSetting;
}

class QLineEdit;

// The NVR's wired network: DHCP, addresses, MTU, the optional Wi-Fi and PoE
// switches, an address check and the app-binding QR code. Read from a
// Cmd::GetNvrNetwork reply, saved with Cmd::SetNetwork. A Save writes back what
// the operator left alone as the NVR reported it; nothing is sent while the
// page holds no read.
class CNVREthernetSetting : public QWidget
{
    Q_OBJECT

public:
    explicit CNVREthernetSetting(QWidget *parent = nullptr);
    ~CNVREthernetSetting() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    // The window's conversation: the NVR's answers to this page's requests
    // reach the window through it. None: sent straight to the NVR.
    void setConversation(ConfigConversation *conversation);
    void parseNetInfo(const QString &xml);
    void setIpFieldsEnabled(bool on);

    // The MTU the NVR accepts; text that is no number counts as 0.
    static bool isMtuInRange(const QString &text);

    // Whether the page shows a read of the NVR (see CNVRBasicSetting).
    void setReadOk(bool ok);
    bool isReadOk() const { return m_readOk; }

public slots:
    void onSaveBtnClicked();
    void onDhcpChangeCheck(int state);
    void onPingBtnClicked();
    void onPhoneMonitorBtnClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    // The address fields with their elements, in the order of the body.
    QList<QPair<const char *, QLineEdit *>> addressFields() const;
    // False, with the reason, when an address the operator typed is none or
    // a static setting he changed does not hold together; the field at fault
    // is marked.
    bool checkTypedAddresses(QString &message);
    // The address test of Ping and Save: 0 when usable, else the fault, said
    // in message with its field marked.
    int checkAddresses(const AddressCheck::Network &network, QString &message);

    Ui::CNVREthernetSetting *ui;
    QString m_qrText;
    FUN_DEV_INFO *m_dev = nullptr;
    QPointer<ConfigConversation> m_conversation;
    QString m_currentIp;
    OperatorEdits m_edits;       // the TCPIP block
    OperatorEdits m_switchEdits; // Wi-Fi and PoE switches
    bool m_readOk = false;
};
