#pragma once

#include "ConfigConversation.h"
#include "ConfigReadRound.h"
#include "DropShadowWidget.h"
#include "KelvoCommon.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QModelIndex>
#include <QPointer>

class CNVRChannelAddDevDlg;
class CNVRChannelModifyIPDlg;
class DialogReadMarks;
class HeaderViewPrivate;
class MsgTipInfoDlg;
class QStandardItemModel;
class QTableView;
class QTableWidgetItem;
class QTimer;

namespace Ui {
class CNVRChannelManageDlg;
}

// The cameras an NVR records as its channels: the channel list, a camera
// search run by the NVR, and adding, changing, deleting and re-addressing
// channel cameras. The NVR does the work; the dialog reads back the list.
// Its conversation with the NVR brings back only the answers to what the
// dialog and its IP dialog sent. Each channel of the list is a row of its
// own, also when two channels hold the same camera. A list that cannot be
// read, and a request that cannot be sent while the NVR is offline, are said
// with the failure toast; a list that failed is marked, with the way back
// (a fresh session and a new read) beside it.
//
// A channel is added, changed or deleted only from a list the NVR gave in
// full: a list that failed to load is not an empty one, and after a change
// the table is empty until the list is read again. An operation is said done
// when the NVR's answer says so, not when the request leaves.
class CNVRChannelManageDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    using Record = QHash<QString, QString>;
    // Cameras one search lists at most.
    static constexpr int MaxFoundCameras = 1024;
    // Channels a list may carry: more than an NVR has (its channels are
    // numbered in one byte).
    static constexpr int MaxListedChannels = 256;

    explicit CNVRChannelManageDlg(QWidget *parent = nullptr);
    ~CNVRChannelManageDlg() override;

    void setDevInfo(FUN_DEV_INFO *nvr);
    void initChannelTable();
    void startSearch(bool longWait);

    // False when nothing was sent.
    bool NVRChannelAdd(const QList<Record> &addList, const QList<int> &indexList);
    bool delNVRChannel(int channel);
    void searchIpc(int start);
    // Everything the conversation delivers for this dialog and its IP dialog.
    void recvCommonInfo(QObject *requester, const ConfigReply &reply);
    // Whether the channel list shown is a full read of the NVR: only then
    // are channels changed or deleted.
    // A re-read under way leaves the list shown a full read until it fails.
    bool isListRead() const { return m_listRead; }
    ConfigConversation *conversation() const { return m_conversation; }

    // "<ip>-<DoubleCam>": each lens of a dual-lens camera is a device.
    static QString deviceKey(const Record &record, const QString &ipElement);
    // "Private" for the private protocol in any letter case.
    static QString protocolText(const QString &protocol);
    static QString channelStatusText(const QString &status);

    static QString deleteDeviceText();
    static QString selectDeviceFirstText();
    // Said instead of adding, changing or deleting while no full list is shown.
    static QString listNotReadText();

    // Timer lengths (list request, search, refresh after a change); tests
    // shorten them. Dialogs created afterwards use them.
    static void setTimerLengths(int listMs, int searchMs, int refreshMs);

    CNVRChannelAddDevDlg *deviceDialog() const { return m_addDevDlg; }
    CNVRChannelModifyIPDlg *ipDialog() const { return m_modifyIpDlg; }
    QStandardItemModel *searchModel() const { return m_searchModel; }
    bool isSearching() const;

public slots:
    void onbtnCloseClicked();
    void onbtnSearchDevClicked();
    void onbtnAddDevClicked();
    void onbtnManualAddDevClicked();
    void onbtnModifyIPClicked();
    void onbtnDelDevClicked();
    void slotNVRChannelAdd(QList<QHash<QString, QString>> addList, QList<int> indexList);
    void slotNVRChannelModify(QList<QHash<QString, QString>> addList, QList<int> indexList);
    void onNVRDevSearchTimer();
    void onGetNVRListTimer();
    void addWidgetAllChkBoxStateChanged(int logicalIndex, bool checked);
    void addWidgetTableItemClicked(QTableWidgetItem *item);
    void onAddDevTableWidgetDoubleClicked(int row, int column);
    void searchViewAllChkBoxStateChanged(int logicalIndex, bool checked);
    void searchViewTableItemClicked(const QModelIndex &index);
    void on_pushButtonRefresh_clicked();
    void on_pushButtonModify_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    bool parseNVRChannelList(const QString &xml);
    void getNVRChannelList(const QString &xml);
    void parseSearchInfo(const QString &xml);
    void addSearchIpcToTableWidget();
    void refreshAfterOperation();
    void reloadAll();
    void updateTableHead();
    QList<int> freeRows() const;
    void setSearchControlsEnabled(bool on);
    // The failure toast, once while it shows: a change not sent, or (read)
    // a list that could not be read.
    void sayFailed(bool read = false);
    void updateStateTexts();
    // False, said, while the table shows no full list of the NVR.
    bool listUsable();
    // The table and the records emptied together: every record of the next
    // list is new, so the table is rebuilt in full.
    void clearChannels();
    // One operation of the operator (an add, a change, the deletes of one
    // click): its requests go out under one tag, and it is said done once
    // every one of them was answered with success.
    void beginOperation();
    bool sendChange(unsigned int cmd, const QString &body);
    void operationAnswered(const ConfigReply &reply);

    struct Operation
    {
        int unanswered = 0;
        bool failed = false;
    };

    FUN_DEV_INFO *m_nvr = nullptr;
    ConfigConversation *m_conversation;
    bool m_listRead = false;                // the table shows a full list of the NVR
    ConfigReadRound *m_round;               // the channel list
    QHash<quint64, Operation> m_operations; // by tag, while answers are owed
    quint64 m_operating = 0;                // the operation sent from now on; counts up
    QMap<QString, Record> m_searchDevs;
    bool m_searchCut = false;     // the cut of this search is logged
    QMap<int, Record> m_channels; // by channel number
    QPointer<MsgTipInfoDlg> m_failedTip;
    Ui::CNVRChannelManageDlg *ui;
    CNVRChannelModifyIPDlg *m_modifyIpDlg;
    CNVRChannelAddDevDlg *m_addDevDlg;
    QStandardItemModel *m_searchModel;
    QTimer *m_searchTimer;
    QTimer *m_listTimer;
    HeaderViewPrivate *m_addHeader;
    HeaderViewPrivate *m_searchHeader;
    DialogReadMarks *m_readMarks;
};
