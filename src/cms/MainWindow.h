#pragma once

// The main window: the home cards of the seven pages (shown as the operator's
// rights allow), the pages built so far, and the device side of the client
// through its DeviceController.

#include "KelvoCommon.h"

#include <QDeadlineTimer>
#include <QList>
#include <QMargins>
#include <QSet>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>

class CVideoPlayback;
class DeviceAlarmHandler;
class DeviceController;
class DeviceManageWidget;
class MainViewVideoPreview;
class QToolButton;
class RecordSchedule;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Order of the cards and of the characters of a rights string.
    enum Page { LiveVideo, Playback, StorageSchedule, DeviceManagement, Settings, Access, Events, PageCount };
    Q_ENUM(Page)

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The logged-in operator: cards follow the rights; the device page is
    // filled and the device login sequence starts.
    void setRights(const QString &rights);
    QString rights() const { return m_rights; }
    void setUserName(const QString &name);
    // What follows the login: the device page and the live tree filled from
    // the database, the alarm settings read, the devices logged in.
    void initAfterLogin();

    // Card i is shown when character i of the rights is greater than '0'.
    static bool rightAllows(const QString &rights, int page);
    static QString pageTitle(int page);
    bool isCardVisible(int page) const;
    QToolButton *card(int page) const { return m_cards.value(page); }
    bool hasPage(int page) const;
    // -1 for the home cards.
    int currentPage() const;
    void showPage(int page);
    void showHome();

    DeviceController *deviceController() const { return m_controller; }
    DeviceAlarmHandler *alarmHandler() const { return m_alarmHandler; }
    DeviceManageWidget *devicePage() const { return m_devicePage; }
    MainViewVideoPreview *livePage() const { return m_livePage; }
    CVideoPlayback *playbackPage() const { return m_playbackPage; }
    RecordSchedule *schedulePage() const { return m_schedulePage; }
    // Delay from the rights to the start of the stored plan's recording (the
    // schedule page shows the plan from its making).
    static constexpr int PlanStartDelayMs = 2000;
    bool isClosing() const { return m_closing; }
    static constexpr int CloseBudgetMs = 5000;
    static constexpr int CloseNoticeMs = 1500;
    // Kept for what follows the wait: ending the players, the log.
    static constexpr int CloseRestMs = 500;
    static constexpr int CloseWaitMs = CloseBudgetMs - CloseNoticeMs - CloseRestMs;
    // The close's words: what waits for the database, and what was given up,
    // each change named as the operator knows it (OrmAccessQueue::Item::said);
    // alarms lost to an outage the close ends in, when it gave up nothing.
    static QString closingText(qint64 alarms, const QStringList &changes);
    static QString notSavedAtCloseText(qint64 alarms, const QStringList &changes);
    static QString alarmsNotSavedText(qint64 alarms);
    // Where a window goes on a screen's available area, given the size of
    // what it shows, its minimum, and the frame the window manager draws
    // round it: the frame inside the area, the window no larger than the
    // area leaves (nor smaller than its minimum), centred; a minimum too large
    // for the area starts at its top-left, so the title bar and what it holds
    // stay on the screen. Returns the geometry inside the frame.
    static QRect placement(const QRect &available, const QSize &wanted, const QSize &minimum,
                           const QMargins &frame = QMargins());
    static constexpr int FrameSettleStepMs = 50;
    static constexpr int FrameSettleSteps = 100;

public slots:
    void onTimeoutLoginDevice();
    void recvConnectDev(loginDev dev);
    void disconnectDev(loginDev dev);
    void dealAddDevices(QList<FUN_DEV_INFO *> devs);
    void dealDelDevices(QList<FUN_DEV_INFO *> devs);
    void dealModifyDevice(FUN_DEV_INFO *dev);
    void slotUpdateOnvifDevice(QString ip);
    // Dialogs of a record; they open here as they are built.
    void showDevConfigManage(FUN_DEV_INFO *dev);
    void showDevUser(FUN_DEV_INFO *dev);
    void showNVRChannels(FUN_DEV_INFO *dev);
    // Shutdown: live panes and recording stopped, the devices told and what
    // they sent until then read, then what every page and the alarms still
    // owe the database waited for with the window answering (its words say
    // what waits, naming the changes), until CloseWaitMs after the close
    // began; what is still owed then is given up, counted and said in the log
    // by kind, and on screen for CloseNoticeMs: the changes not stored since
    // the close began, each named, and the alarms not stored, those lost
    // earlier in the outage the close ends in included. The whole close stays
    // within CloseBudgetMs whatever holds the database; nothing starts during
    // it. Runs once.
    void closeApp();
    // The title bar's cloud button: the cloud login, or the confirmed logout.
    void onCloudButtonClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createUI();
    void wireDevices();
    void layoutCards();
    void onDevStatusChanged(FUN_DEV_INFO *dev);
    void askChannelStates(FUN_DEV_INFO *dev);
    void notAvailable(FUN_DEV_INFO *dev, const char *what);
    // The close's wait for the database and what it says (see closeApp).
    void waitForDatabaseAtClose(const QDeadlineTimer &waitEnds);
    // The count of the changes and their names, each once.
    static QString changesText(const QStringList &changes);
    // Runs the event loop until the deadline, or until more() says no.
    static void answerUntil(const QDeadlineTimer &deadline, const std::function<bool()> &more);
    void retranslate();
    static QString cardText(QToolButton *card, const QString &title);
    static constexpr int CardTextMargin = 14;
    // Fits the window into its screen's available area, frame included.
    void placeOnScreen();

    Ui::MainWindow *ui = nullptr;
    bool m_placed = false;
    QSize m_wantedSize;
    QMargins m_placedFrame;
    DeviceController *m_controller = nullptr;
    DeviceAlarmHandler *m_alarmHandler = nullptr;
    QList<QToolButton *> m_cards;
    QList<QWidget *> m_pages;
    DeviceManageWidget *m_devicePage = nullptr;
    MainViewVideoPreview *m_livePage = nullptr;
    RecordSchedule *m_schedulePage = nullptr;
    CVideoPlayback *m_playbackPage = nullptr;
    QString m_rights;
    QString m_userName;
    bool m_closing = false;
    bool m_closed = false;
    // Recorders asked for their channel states since their login.
    QSet<QString> m_statesAsked;
};
