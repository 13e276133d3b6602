#pragma once

#include "ConfigConversation.h"
#include "KelvoCommon.h"
#include "OperatorEdits.h"

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QWidget>

namespace Ui {
class CNVRDiskBrowse;
}

// One disk as the NVR lists it (a <DeviceInfo> item of the Cmd::GetDisks reply).
struct NVR_DISK_INFO
{
    int DevIndex = 0;
    int VerifyMark = 0;
    // A format request names the disk by these texts exactly as listed:
    // "02" read as a number goes back as "2", and a mark beyond int becomes
    // another disk's mark.
    QString devIndexText;
    QString verifyMarkText;
    QString DevName;
    int Mounted = 0;
    int Total = 0; // MB
    int Used = 0;  // MB
    int Status = 0;
};

// The NVR's disks (format the checked ones) and its storage policy. A Save
// writes back a policy the operator left alone as the NVR reported it;
// nothing is formatted or saved while the page holds no read of the list or
// of the policy.
class QLabel;

class CNVRDiskBrowse : public QWidget
{
    Q_OBJECT

public:
    explicit CNVRDiskBrowse(QWidget *parent = nullptr);
    ~CNVRDiskBrowse() override;

    // Disks a list may carry: a bound on what a device can make the table hold.
    static constexpr int MaxListedDisks = 64;

    void setDevInfo(FUN_DEV_INFO *dev);
    // The window's conversation: the NVR's answers to this page's requests
    // reach the window through it. None: sent straight to the NVR.
    void setConversation(ConfigConversation *conversation);
    // Formats sent and not answered yet: the page shows it waits for them.
    int formatsOut() const { return m_formatsOut; }
    void parseDeviceInfo(const QString &xml);
    void parseStoragePolicy(const QString &xml);
    void deviceInfo(const QHash<QString, QString> &item);

    // The number after "HDD": 1 unless the name has a "-" after its first
    // character; then the text after the last "-" (0 when not a number).
    static int diskNumber(const QString &devName);

    // Whether the page shows a read of the disk list and of the policy; the
    // window clears one when its read fails or cannot be sent.
    void setListReadOk(bool ok);
    void setPolicyReadOk(bool ok);

public slots:
    void onFormatBtnClicked();
    void on_pushButtonSave_clicked();
    void updateText();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::CNVRDiskBrowse *ui;
    FUN_DEV_INFO *m_dev = nullptr;
    QPointer<ConfigConversation> m_conversation;
    void updateEnabled();
    void setDiskTexts(int row, const NVR_DISK_INFO &disk);
    void onReply(QObject *requester, const ConfigReply &reply);
    void showFormatWaiting();

    QMap<int, NVR_DISK_INFO> m_disks;
    // The policy as the NVR sent it, and what the operator changed of it.
    OperatorEdits m_edits;
    bool m_listReadOk = false;
    bool m_policyReadOk = false;
    int m_formatsOut = 0;
    bool m_formatCut = false; // a format's connection broke before it was answered
    QLabel *m_formatWaiting = nullptr;
    QMetaObject::Connection m_replies;
};
