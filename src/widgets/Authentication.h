#pragma once

#include "DropShadowWidget.h"

namespace Ui {
class Authentication;
}

// Asks for the password of the local account saved in the client settings
// before a protected action. exec() returns 1 only for the right password.
class Authentication : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit Authentication(QWidget *parent = nullptr);
    ~Authentication() override;

    void onEnterPressed() override;

public slots:
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void onbtnCloseclicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::Authentication *ui;
};
