#pragma once

// Alarm settings of one device at a time: which event types are handled,
// which linkage actions an accepted alarm starts, and when each weekday is
// armed. The page edits the device's three settings rows and tells the alarm
// reception to reload after every save or applied copy.

#include "AlarmSettingsStore.h"
#include "CopyAlarmEvent.h"
#include "OrmEntities.h"
#include "OrmAccessQueue.h"
#include "TimelineDetect.h"

#include <QList>
#include <QPointer>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class AlarmEventWidget;
}

class CMoveDetectTimeline;
class MsgTipInfoDlg;
class QLabel;
class QModelIndex;
class QPushButton;

class AlarmEventWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AlarmEventWidget(QWidget *parent = nullptr);
    ~AlarmEventWidget() override;

    // What the page shows, as the device's rows (the columns it does not
    // show are the stored row's, taken when the row is written).
    cms_DealAlarmType getAlarmTypeInfo(const QString &devip) const;
    cms_DealAlarmLink getAlarmLinkInfo(const QString &devip) const;
    cms_DealAlarmTime getAlarmTimeInfo(const QString &devip) const;
    // Show a stored row.
    void setAlarmTypeInfo(const cms_DealAlarmType &row);
    void setAlarmLinkInfo(const cms_DealAlarmLink &row);
    void setAlarmTimeInfo(const cms_DealAlarmTime &row);

    static QString changeAlarmTime(const std::vector<std::shared_ptr<TimelineDetect>> &segments);

    void resetEventTypes();
    void resetLinkage();
    void resetArmingTime();

    // The key of the tree's current item; empty when it is no device.
    QString currentKey() const;

    // The pop-up and recording durations the alarm linkage honours, in whole
    // seconds; anything else it would replace by 5 s without a word.
    static constexpr int MinDurationS = 1;
    static constexpr int MaxDurationS = 86400;
    static bool isValidDuration(const QString &text);
    CopyAlarmEvent *copyDialog() const { return m_copyDialog; }
    // Shown while no device is chosen, above the form.
    static QString chooseDeviceText();
    // Shown there when the chosen device's settings could not be read: the
    // page offers no Save built on what it could not read.
    static QString readFailedText(const QSqlError &error);

public slots:
    void onDeviceItemClicked(const QModelIndex &index);
    void on_pushButtonBasic_clicked();
    void on_pushButtonSmart_clicked();
    void on_pushButtonOther_clicked();
    void on_pushButtonIO_clicked();
    void on_pushButtonDefault_clicked();
    void on_pushButtonCopy_clicked();
    void on_pushButtonSave_clicked();
    void on_checkBoxAllWeek_clicked();
    void dealWithCopy(CopyAlarmEvent::CopyInfo info);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggleGroup(bool &shown, QPushButton *button, QWidget *body);
    void resetAll();
    // What the hint above the settings says when a device's settings could
    // not be read, by reason.
    static QStringList unreadTexts();
    void fitHintRoom();
    void hideUnusedControls();
    // Nothing can be saved or copied without a device whose settings were
    // read: Save and Copy wait for them, and the page says to choose one, or
    // that its settings could not be read.
    void updateDeviceChosen();
    // Reads the shown device's rows, off the GUI thread, the page waiting.
    void loadShown();
    void showWaiting(bool waiting);
    // False (and the operator told) when a shown duration cannot be stored.
    bool durationsValid();
    // Stores alarm settings rows in one transaction; a database another
    // program holds is waited for with the page answering. What did not land
    // is said; sayStored: what did is said too (it always is after a wait).
    // settled runs after, with the outcome.
    void storeRows(const QString &what, bool sayStored, const std::function<QSqlError()> &write,
                   const std::function<void(const QSqlError &)> &settled = {});
    // The shown device's rows as the database holds them (null: no row, the
    // page shows a new one's values), as last read or stored.
    struct StoredRows
    {
        QSharedPointer<cms_DealAlarmType> type;
        QSharedPointer<cms_DealAlarmLink> link;
        QSharedPointer<cms_DealAlarmTime> time;
    };
    void showStored();
    template <class T> static std::function<QSqlError()> rowWrite(const T &row, const QString &key)
    {
        return [row, key] { return AlarmSettingsStore::storeShown(key, row); };
    }

    Ui::AlarmEventWidget *ui;
    const QString m_expandedStyle = QStringLiteral("border-image: url(:/Resources/Skin/Default/icon/expand.png);");
    const QString m_collapsedStyle = QStringLiteral("border-image: url(:/Resources/Skin/Default/icon/PREVIOUS.png);");
    bool m_basicShown = true;
    bool m_smartShown = true;
    bool m_otherShown = true;
    bool m_ioShown = true;
    // The device whose settings the page shows (empty: none), and its name
    // for telling the operator when it is gone.
    QString m_shownKey;
    QString m_shownName;
    // The shown device's rows: being read, read, or not readable (said).
    enum class Load { None, Reading, Read, Failed };
    Load m_load = Load::None;
    QSqlError m_loadError;
    quint64 m_loadSerial = 0;
    StoredRows m_stored;
    // Of the latest Save: only its fate decides what the page shows.
    quint64 m_saveSerial = 0;
    QList<CMoveDetectTimeline *> m_timelines;
    QList<QPushButton *> m_dayButtons;
    CopyAlarmEvent *m_copyDialog = nullptr;
    QLabel *m_chooseHint = nullptr;
    OrmAccessQueue m_queue;
    QPointer<MsgTipInfoDlg> m_waitingTip;
};
