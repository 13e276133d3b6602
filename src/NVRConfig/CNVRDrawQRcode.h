#pragma once

#include "DropShadowWidget.h"

namespace Ui {
class CNVRDrawQRcode;
}

// Shows the QR code with which a phone app binds the NVR.
class CNVRDrawQRcode : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRDrawQRcode(QWidget *parent = nullptr);
    ~CNVRDrawQRcode() override;

    void setQRcode(const QString &text);

    void onEnterPressed() override;
    void onEscPressed() override;

private:
    Ui::CNVRDrawQRcode *ui;
};
