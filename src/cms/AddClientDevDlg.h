#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "OrmAccessQueue.h"

#include <memory>

class QLineEdit;

namespace Ui {
class AddClientDevDlg;
}

// Adds one device by hand: checks the form, builds one new record and hands it
// to the rest of the client on the signal bus (the receiver takes it over).
// It closes once the record is stored; while the database waits it says so,
// and a record that was not stored is said with the reason.
class AddClientDevDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit AddClientDevDlg(QWidget *parent = nullptr);
    ~AddClientDevDlg() override;

signals:
    void addDev(FUN_DEV_INFO *devinfo);

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void onEnterPressed() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void initWidget();
    void fitTexts();
    void fillDevTypes();
    // The groups offered: read off the GUI thread while another program
    // holds the database; until read, nothing can be added.
    void readGroups();
    void addDevtoClient();
    void showError(const QString &text, bool toast, QLineEdit *atFault);
    void onDevStored(FUN_DEV_INFO *dev, const QString &failure);
    // The record is registered and stored: what follows, then the dialog closes.
    void addDone(FUN_DEV_INFO *dev);

    const std::unique_ptr<Ui::AddClientDevDlg> m_ui;
    // The record handed over whose row is not stored yet.
    FUN_DEV_INFO *m_adding = nullptr;
    OrmAccessQueue m_reads;
    bool m_groupsRead = false;
};
