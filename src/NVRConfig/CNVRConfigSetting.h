#pragma once

#include "ConfigConversation.h"
#include "DropShadowWidget.h"
#include "KelvoCommon.h"

#include <QHash>
#include <QList>

#include <functional>

class QPushButton;

namespace Ui {
class CNVRConfigSetting;
}

// Remote configuration of one NVR: four main buttons and two pairs of
// sub-tabs select the pages; selecting a page asks the NVR for its settings.
// The window's conversation with the NVR brings back the answers to what the
// window and its pages sent: a read answer goes by command id to the page
// that reads it, the answer to a save the pages sent becomes the result
// toast. Anything else the NVR sends (a set reply out of the blue, alarms,
// logins) changes nothing. A read that fails, or cannot be sent because the
// NVR is offline, is reported and leaves its page greyed with what it
// showed: a page saves only what a read of the NVR gave it.
class CNVRConfigSetting : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRConfigSetting(QWidget *parent = nullptr);
    ~CNVRConfigSetting() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    void onReply(QObject *requester, const ConfigReply &reply);
    ConfigConversation *conversation() const { return m_conversation; }
    void updateButtonState(unsigned short cmd);

public slots:
    void onCloseBtnClicked();
    void onButtonsClicked();
    void changePage(QPushButton *btn);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initWidget();
    void initReplyParsers();
    void initPageSelectors();

    Ui::CNVRConfigSetting *ui;
    ConfigConversation *m_conversation;
    FUN_DEV_INFO *m_dev = nullptr;
    QList<QPushButton *> m_mainButtons;
    QList<QPushButton *> m_subButtons;
    QPushButton *m_currentButton = nullptr;
    QHash<int, std::function<void(const QString &)>> m_replyParsers;
    QHash<QPushButton *, std::function<void(unsigned short &)>> m_pageSelectors;
    // Read command -> tells its page whether it holds a read of the NVR.
    QHash<int, std::function<void(bool)>> m_readStates;
    // Tells the page of a read that it holds none; text: the toast, if any.
    void readFailed(int cmd, const QString &text);
};
