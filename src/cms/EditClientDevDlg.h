#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"

#include <memory>

namespace Ui {
class EditClientDevDlg;
}

// Edits a copy of one registered device record: name, ports, group, credentials
// and, for an ONVIF camera, the authentication mode. For a device of the private
// protocol it also leads to the password reset.
class EditClientDevDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit EditClientDevDlg(QWidget *parent = nullptr);
    ~EditClientDevDlg() override;

    // The record is not owned; the form is written into it on OK.
    void setDevInfo(FUN_DEV_INFO *dev);

signals:
    void resetPassword(QString ip, QString password);

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void on_pushButtonForgot_clicked();
    void onEnterPressed() override;
    void parseQRCodeInfo(const devXmlInfo &info);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateTitle();

    const std::unique_ptr<Ui::EditClientDevDlg> m_ui;
    FUN_DEV_INFO *m_dev = nullptr;
    bool m_refused = false;
    QString m_resetInfo;
    QString m_shownPassword; // what the password field showed when opened
};
