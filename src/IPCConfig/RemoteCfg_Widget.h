#pragma once

// Base of every page of the camera configuration window. The window knows a
// page only through this class: it hands the page the camera on every
// selection (updateDevice, which asks the camera again), the replies to the
// page's own requests (parseXml, with the whole reply text; only usable,
// successful replies to reads), and the results of its saves after its own
// toast (onSaveResult). A page asks through request(), which goes through the
// window's conversation (ConfigConversation.h) so that the reply comes back
// to the page that asked.
//
// The reads of one visit are a round (ConfigReadRound.h): begun on every
// selection, refresh and channel change. A page whose round failed (a reply
// with a result other than 0, one that cannot be read or lacks the page's
// elements, none in time, or a camera that is not connected) says so, stays
// marked and saves nothing: its controls do not show the camera's settings,
// and a Save would write them. Until it was read the page shows no values at
// all rather than what its controls were built with (ConfigPageMarks.h); a
// page read before keeps that reading on show. A page saves only once every
// required read of its current round came whole and successful; a page never
// read saves nothing. Optional reads never fail the page: their controls stay disabled
// and their set commands unsent when they did not answer.
//
// What the operator changed is known from his acts on the controls
// (OperatorEdits.h), never from what the controls show.

#include "ConfigConversation.h"
#include "ConfigPageSession.h"
#include "ConfigReadRound.h"
#include "IpcBodies.h"
#include "KelvoCommon.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <functional>

class QLabel;
class QTimer;

class RemoteCfg_Widget : public QWidget
{
    Q_OBJECT

public:
    enum class ReadState {
        Idle,    // nothing asked yet (or a page that reads nothing)
        Pending, // reads out
        Done,    // every read came whole and successful
        Failed,  // a read failed, never came, or could not be sent
    };

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
        // The texts as the camera sent them: what a Save sends back for
        // every value the operator did not change.
        IpcBody::Detection received;
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

    // A new round: the window calls it on every selection, before
    // updateDevice; a page calls it before asking again (another channel).
    void beginReading();
    // The window after updateDevice: a camera that is not connected is said
    // also on a page that asks it nothing.
    void endVisit();
    // The window hands each reply to a read of this page here, before
    // parseXml: true when parseXml is to get it (a successful, complete reply
    // of the current round).
    bool readAnswered(const ConfigReply &reply);
    ReadState readState() const;
    // What the page says when its camera refuses what it was asked to do (a
    // Save, an action). A read that failed is said in words of its own.
    virtual QString failureText() const;
    // The window hands each answer to a Save of this page here (the camera's
    // reply, or none in time, or the connection lost): said once, in words
    // that fit; a page whose Save did not go through keeps the operator's
    // values, marked as not saved. Then onSaveResult().
    void saveAnswered(const ConfigReply &reply);
    // Whether the page shows its "not saved" mark.
    bool notSavedShown() const;

    // Elides the texts of a widget that do not fit, once its layout has
    // given them the widths of the current language (never while hidden:
    // then when shown). Texts elided before are whole again first, so a
    // longer room gets the whole text back.
    static void elideWhenLaidOut(QWidget *widget);
    static void elideNow(QWidget *widget);

    // Test seam: how long a read may go unanswered.
    static void setReadTimeoutMs(int ms);
    static int readTimeoutMs();

    // The window's conversation with the camera; none for a page on its own.
    void setConversation(ConfigConversation *conversation);
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
    // A Read belongs to the round; a Save that cannot be sent is said.
    // change: what a Save's answer changes of the client's record of the
    // camera (ConfigRequest::change; such a Save stands alone on its line).
    bool request(unsigned int cmd, const QString &body = QString(), uint8_t channel = 0,
                 RequestKind kind = RequestKind::Read, const RecordChange &change = RecordChange());
    // A read the page can do without (defaults for the "Default" button, a
    // list that has a fallback): not part of the round.
    bool requestOptional(unsigned int cmd, uint8_t channel = 0);
    // A page whose Saves each send a part of it (Image Settings' sections,
    // Device Settings' tabs) marks each part apart: a refused part stays
    // marked until that part is stored or read again. savePart sends the
    // Save of one part; takeSaveAnswer names the part an answer belongs to
    // (answerOfPart). sendingPart: the part a Save sends now, -1 outside.
    bool savePart(int part, unsigned int cmd, const QString &body, uint8_t channel = 0);
    void answerOfPart(int part);
    int sendingPart() const { return m_sendingPart; }
    // Reads the page sends later in this round (after a delay): the round is
    // not done before they came.
    void expectReads(const QList<unsigned int> &cmds, uint8_t channel = 0);
    // Runs send after ms, unless a new round began meanwhile: a read planned
    // for an earlier round (the page selected twice in a row, another
    // channel) would otherwise answer the new round's expected read, and the
    // new round's own read would reopen it after it looked done.
    void laterInThisRound(int ms, std::function<void()> send);
    // Whether an optional read of the current round answered.
    bool optionalAnswered(unsigned int cmd) const { return round()->optionalOk(cmd); }
    // Whether a successful reply to a read brings what the page needs (its
    // block); one that does not fails the round. Every usable one by default.
    virtual bool replyComplete(int cmd, const QString &xml) const;
    // Whether a Save may go out now; when not, says so. Always true for a
    // page on its own (no conversation, no replies).
    bool canSave();
    // The channel the round's reads went to: where a Save belongs.
    uint8_t readChannel() const { return uint8_t(std::max(0, round()->channel())); }
    // Says why the page holds no reading of the camera (a toast): the read
    // failed, nothing was configured.
    void sayFailure() const;
    // A page that tells the outcome of a Save itself (a camera that moved
    // breaks its connection instead of answering): true when it did.
    virtual bool takeSaveAnswer(const ConfigReply &reply);
    // What the page shows of the values its Save sends, by name: an answer
    // that comes once the page shows other values leaves its mark as it is
    // (ConfigPageSession). Every page that saves says it.
    virtual ConfigPageSession::Shown shownValues() const;

    bool event(QEvent *event) override;

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    // The window assigns the tree text of the page.
    friend class RemoteConfigSetting;
    QString title;
    bool supportChannel = false;
    int channel = 0;
    FUN_DEV_INFO *m_pDeviceInfo = nullptr;

private:
    // The page's own form goes into a scroll area of the page's, between
    // its marks (above it) and its last row of buttons (below it): a form
    // taller than the window scrolls, never its Save or its marks. Done once
    // the form is built, before the page is first shown.
    void keepActionsInView();
    void onRoundFailed(const QString &why);
    void onRoundDone();
    void followRound(ConfigReadRound *round);
    void showNotSaved(bool show);
    // Reads the page again (a new round) when it is shown and not reading.
    void readAgainSoon();

    QPointer<ConfigConversation> m_conversation;
    QPointer<ConfigPageSession> m_session; // its not-saved state
    ConfigReadRound *m_ownRound = nullptr; // a page on its own
    QPointer<ConfigReadRound> m_round;     // the session's
    ConfigReadRound *round() const { return m_round ? m_round.data() : m_ownRound; }
    bool m_everFailed = false;  // marked until a later round reads the camera whole
    bool m_unsaid = false;      // a failure not yet said (the page was not shown)
    bool m_roundFailed = false; // this round's failure was taken in
    bool m_elidePending = false;
    int m_sendingPart = -1;
    bool m_partsMarked = false; // the page marks its parts apart (savePart)
    bool m_actionsKept = false;
};
