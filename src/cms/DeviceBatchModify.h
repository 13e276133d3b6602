#pragma once

#include "DropShadowWidget.h"

namespace Ui {
class DeviceBatchModify;
}

// Asks for one device user name and password that the device page gives to
// every checked device.
class DeviceBatchModify : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit DeviceBatchModify(QWidget *parent = nullptr);
    ~DeviceBatchModify() override;

    void setUserPassword(const QString &user, const QString &password);
    void getUserPassword(QString &user, QString &password) const;

public slots:
    void onbtnCloseClicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void onEnterPressed() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::DeviceBatchModify *ui;
};
