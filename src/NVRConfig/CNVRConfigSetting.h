#pragma once

#include "ConfigConversation.h"
#include "ConfigReadRound.h"
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
// sub-tabs select the pages; selecting a page starts a read round of the
// page (ConfigReadRound). The window's conversation with the NVR brings back
// the answers to what the window and its pages sent: a read answer goes by
// command id to the round and the page that reads it, the answer to a save
// the pages sent becomes the result toast. Anything else the NVR sends (a
// set reply out of the blue, alarms, logins) changes nothing. A page is
// usable only once every read of its round answered with result 0 and the
// page's elements; a read that fails, comes without them, cannot be sent or
// is not answered in time is said, and leaves the page greyed with what it
// showed until a later round succeeds.
class CNVRConfigSetting : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRConfigSetting(QWidget *parent = nullptr);
    ~CNVRConfigSetting() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    // Everything the conversation delivers for the window and its pages.
    void recvCommonInfo(QObject *requester, const ConfigReply &reply);
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
    // One round per page, by the page's first read command: its session's.
    QHash<int, ConfigReadRound *> m_rounds;
    // Page -> tells it whether it holds a full read of the NVR.
    QHash<int, std::function<void(bool)>> m_readStates;
    // Page (its first read command) -> its widget.
    QHash<int, QWidget *> m_pageWidgets;
    // The toast of the failure being handed to a round; empty: the generic one.
    QString m_failureText;

    // The page (its first read command) a read command belongs to.
    static int pageOf(int readCmd);
    void startRound(int page);
    // Reads the page again when it is shown and not reading.
    void readAgainSoon(int page);
};
