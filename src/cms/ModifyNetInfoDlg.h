#pragma once

#include "BroadService.h"
#include "DropShadowWidget.h"

#include <QStringList>

#include <memory>

// What the network dialogs need to know of the search results they were opened
// from: whether an address is already listed there.
class FoundDeviceTable
{
public:
    virtual ~FoundDeviceTable() = default;
    virtual bool isExisted(const QString &ip) const = 0;
};

namespace Ui {
class ModifyNetInfoDlg;
}

// Changes the network settings of one device found by the LAN search and
// re-addresses it by broadcast (Cmd::Readdress, addressed by its UID).
class ModifyNetInfoDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit ModifyNetInfoDlg(QWidget *parent = nullptr);
    ~ModifyNetInfoDlg() override;

    void setDevInfo(const SearchDevInfo &dev);
    // The search results to check a new address against (not owned; may be null).
    void setFoundDevices(const FoundDeviceTable *table);
    SearchDevInfo devInfo() const { return m_dev; }

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void onEnterPressed() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateTitle();

    const std::unique_ptr<Ui::ModifyNetInfoDlg> m_ui;
    SearchDevInfo m_dev;
    const FoundDeviceTable *m_found = nullptr;
};
