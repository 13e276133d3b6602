#pragma once

#include "BroadService.h"
#include "DropShadowWidget.h"
#include "ModifyNetInfoDlg.h"

#include <QHash>
#include <QModelIndex>
#include <QStringList>
#include <QTimer>

class HeaderViewPrivate;
class QStandardItemModel;

namespace Ui {
class CSearchManageWidget;
}

// Looks for devices on the local network, by the private LAN search or by
// ONVIF discovery, lists those the client does not know yet, and adds checked
// ones to the client; in the private mode it also re-addresses and restores
// found devices.
class CSearchManageWidget : public DropShadowWidget, public FoundDeviceTable
{
    Q_OBJECT

public:
    explicit CSearchManageWidget(QWidget *parent = nullptr);
    ~CSearchManageWidget() override;

    // Addresses that must not be listed; the list is taken over (swapped in).
    void setKnownKeys(QStringList &keys);
    // Empties the table and starts a search in the current mode.
    void restart();

    bool isExisted(const QString &ip) const override;
    bool isSearching() const;

    // First row whose item in column has exactly text; -1 when none.
    static int findRowByText(const QString &text, QStandardItemModel *model, int column);

    static constexpr int PrivateSearchMs = 2000;
    static constexpr int OnvifSearchMs = 3000;

public slots:
    void KelvoChkStateChanged();
    void onvifChkStateChanged();
    void onbtnCloseClicked();
    void onbtnCancleClicked();
    void onDevSearchTimer();
    void onSearchDevBtnClicked();
    void onModifyIPBtnClicked();
    void onModifyAllIPBtnClicked();
    void onAddDevToClientBtnClicked();
    void onRestoreBtnClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    bool isPrivateMode() const;
    void initTable();
    void setHeaderTexts();
    void startSearch();
    void stopSearch();
    void switchMode(bool privateMode);
    void addPrivateDevs();
    void addOnvifDev();
    void refreshOnvifRow(const QString &ip);
    void addDev(const SearchDevInfo &dev);
    void appendRow(const QStringList &texts, const QString &uid);
    QStringList checkedIds() const;
    QList<SearchDevInfo> checkedDevices() const;
    bool addRowToClient(int row);
    void showNotAddedTip();
    void showSearchAgainTip();
    void onColumnCheck(int column, bool checked);
    void onTableClicked(const QModelIndex &index);
    void onTableDoubleClicked(const QModelIndex &index);

    Ui::CSearchManageWidget *ui;
    QStandardItemModel *m_model;
    HeaderViewPrivate *m_header;
    QHash<QString, SearchDevInfo> m_foundDevs;
    QTimer m_searchTimer;
    bool m_onvifPending = false;
    QStringList m_knownKeys;
};
