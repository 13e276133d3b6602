#pragma once

// The camera's contact address, a telephone number or an e-mail address. The
// window holds the page in its stack but offers no entry for it. The address
// the camera reported goes back as it came; a typed one is checked.

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

namespace Ui {
class BRN_DevContactInfo_Widget;
}

class BRN_DevContactInfo_Widget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit BRN_DevContactInfo_Widget(QWidget *parent = nullptr);
    ~BRN_DevContactInfo_Widget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

    // Whether the whole (trimmed) text is a telephone number or, holding an
    // '@', an e-mail address.
    static bool isValidContact(const QString &text);

public slots:
    void onSave();

protected:
    ConfigPageSession::Shown shownValues() const override;
    void changeEvent(QEvent *event) override;

private:
    Ui::BRN_DevContactInfo_Widget *ui;
    IpcBody::Values m_received;
    OperatorEdits m_shown;
};
