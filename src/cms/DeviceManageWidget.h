#pragma once

#include "KelvoCommon.h"

#include <QModelIndex>
#include <QPointer>
#include <QSet>
#include <QVector>
#include <QStringList>
#include <QWidget>

class HeaderViewPrivate;
class MsgTipInfoDlg;
class QStandardItemModel;

namespace Ui {
class DeviceManageWidget;
}

// The page of the client's device list: a table of every device with its state,
// the dialogs to search, add, edit, delete and batch-change devices, connection
// refresh and firmware upgrade. Changes leave on the signal bus; the shell
// stores them and calls back to add, remove or refresh rows.
class DeviceManageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceManageWidget(QWidget *parent = nullptr);
    ~DeviceManageWidget() override;

    enum Column { ColName, ColIp, ColType, ColState, ColSn, ColVersion, ColModel, ColMac, ColOperation, ColumnCount };
    static constexpr int CellSlack = 2;
    static constexpr int TitlePadding = 16;

    // Called by the shell.
    void getDevFormDBToAddTableView();
    void addDevToAddTableView(const QList<FUN_DEV_INFO *> &devs);
    void delAddTableView(const QList<FUN_DEV_INFO *> &devs);
    void updateDevStatus(FUN_DEV_INFO *dev);
    void updateDevRow(FUN_DEV_INFO *dev);
    // A change of the device list (a name, a group, a new device) waits for
    // the database: the words show for exactly as long as it does.
    void showStoreWaiting(bool waiting);

    QStringList getCheckedKeys() const;
    QStringList allKeys() const;
    int getRowIndexByIp(const QString &ip) const;
    QStandardItemModel *model() const { return m_model; }
    HeaderViewPrivate *header() const { return m_header; }
    // Addresses whose firmware upload runs and has not reached 100 %.
    QSet<QString> upgradingDevices() const { return m_upgradeSet; }

    // The widths of the columns before the operation column: each gets what
    // its header and shown cells need, and what is left is shared by weight.
    // When the room is short only the widest columns give way, down to a
    // common width, so a text is cut only when it really does not fit.
    static QVector<int> shareWidths(const QVector<int> &needed, const QVector<int> &weights, int available);

signals:
    void sigNetChanged();

public slots:
    void onSearchDevBtnClicked();
    void onDelDevBtnClicked();
    void onAddDevBtnClicked();
    void onEditDevBtnClicked();
    void onBatchModifyBtnClicked();
    void addAllChkBoxStateChanged();
    void addViewTableItemClicked(QModelIndex IndexSel);
    void onOneUpgradeFileBtnClicked();
    void onOneUpgradeBtnClicked();
    void on_pushButtonGroup_clicked();
    void on_pushButtonUpdate_clicked();

    void recvEditInfo(const QString &key);
    void recvDelInfo(const QString &key);
    void recvSetInfo(const QString &key);
    void recvUserInfo(const QString &key);
    void recvChannelInfo(const QString &key);
    void recvCommonInfo(const RecvInfo &info);
    void onDisconnectDev(const loginDev &dev);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    static constexpr int GroupRole = Qt::UserRole + 2;
    // Whether a device of this group and address belongs above the row.
    bool rowGoesBefore(const QString &group, const QString &ip, int row) const;
    void initTableView();
    void setColumnWidths();
    // Widths again once pending row changes have been laid out.
    void columnsChanged();
    void setHeaderTexts();
    void showDevInfo(FUN_DEV_INFO *dev);
    void setDevStatusText(const QString &ip, const QString &text);
    bool checkDevOK(FUN_DEV_INFO *dev);
    static bool isUpgradable(const FUN_DEV_INFO *dev);
    FUN_DEV_INFO *withValidDevice(const QString &key);
    QList<FUN_DEV_INFO *> checkedRecords() const;
    bool m_columnsSized = false;
    bool m_columnsPending = false;
    void deleteRecords(const QList<FUN_DEV_INFO *> &records);
    void upgradeDevice(const QString &key, const QString &path);
    void handleUploadFailure(const QString &ip, const QString &xml);
    void handleUploadProgress(const QString &ip, int progress);
    void handleUploadCompletion();
    void markUploadFailed(const QString &ip);

    Ui::DeviceManageWidget *ui;
    QStandardItemModel *m_model = nullptr;
    HeaderViewPrivate *m_header = nullptr;
    QPointer<MsgTipInfoDlg> m_storeWaitingTip;
    QSet<QString> m_upgradeSet;
    QSet<QString> m_upgradeFailed;
};
