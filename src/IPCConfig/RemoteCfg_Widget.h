#pragma once

// Base of every page of the camera configuration window. The window knows a
// page only through this class: it hands the page the camera on every
// selection (updateDevice, which asks the camera again), the replies to the
// page's own requests (parseXml, with the whole reply text; only usable,
// successful replies to reads), and the results of its saves after its own
// toast (onSaveResult). A page asks through request(), which goes through the
// window's conversation (ConfigConversation.h) so that the reply comes back
// to the page that asked.

#include "ConfigConversation.h"
#include "KelvoCommon.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>

class RemoteCfg_Widget : public QWidget
{
    Q_OBJECT

public:
    // One day's periods, each (start, end) as "hh:mm:ss"; a week is seven of
    // them, Sunday first.
    using Periods = QList<QPair<QString, QString>>;
    using Week = QList<Periods>;

    // The common part of a detection reply, built afresh for every reply.
    struct ipcCfgParams
    {
        QHash<QString, QString> bodyValues;
        Week timeList;
        bool hasWhiteLight = false;
        bool hasVoiceAlarm = false;
        int whiteLightEnable = 0;
        int whiteLightStatus = 0;
        int durationTime = 60;
        int voiceAlarmEnable = 0;
        int audioFile = 5;
        int playCount = 3;
        bool supportChannel = false; // filled by the page
        int channel = 0;             // filled by the page
    };

    explicit RemoteCfg_Widget(QWidget *parent = nullptr);
    ~RemoteCfg_Widget() override;

    // The low byte of the channel member: what the page's commands carry.
    uint8_t getChannel() const { return uint8_t(channel & 0xff); }
    QString pageTitle() const { return title; }

    // A null record changes nothing and sends nothing; otherwise the page
    // keeps the record and sends its get command(s).
    virtual void updateDevice(FUN_DEV_INFO *dev) = 0;
    // Acts only on the ids the page asked for.
    virtual void parseXml(int cmd, const QString &xml) = 0;
    virtual void onSaveResult(int cmd, bool ok);

    // The window's conversation with the camera; none for a page on its own.
    void setConversation(ConfigConversation *conversation) { m_conversation = conversation; }
    ConfigConversation *conversation() const { return m_conversation; }

    // Detection fragments. The readers take whole replies or one element of
    // them; parseSupervisedTime always appends seven days, so a day missing
    // from the reply never moves the next day's periods onto it.
    void parseDetectionXml(const QString &xml, ipcCfgParams &params) const;
    static void parseSupervisedTime(const QString &fragment, Week &days);
    static void parseWhiteLight(const QString &fragment, int &enable, int &status, int &durationTime);
    static void parseVoiceAlarm(const QString &fragment, int &enable, int &audioFile, int &playCount);
    // The days of the schedule body: element form for an empty CPU text or a
    // listed chip, else text form; seven days of six periods at most.
    static QString buildScheduleXml(const Week &days, const QString &cpu);
    static QString dayName(int index);
    // The tip shown instead of saving a day of more than four periods.
    static void showPeriodLimitTip();

signals:
    // A page that must end the window's exec (a restart, a reset) asks for it.
    void closeWindowRequested();

protected:
    // Sends to the page's camera: through the conversation, which brings the
    // reply back to this page; without one straight to the device, and no
    // reply comes back. False when nothing was sent.
    bool request(unsigned int cmd, const QString &body = QString(), uint8_t channel = 0,
                 RequestKind kind = RequestKind::Read);

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    // The window assigns the tree text of the page.
    friend class RemoteConfigSetting;
    QString title;
    bool supportChannel = false;
    int channel = 0;
    FUN_DEV_INFO *m_pDeviceInfo = nullptr;

private:
    QPointer<ConfigConversation> m_conversation;
};
