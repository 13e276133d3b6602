#pragma once

// "Alarm Info": the stored alarm records, filtered by time, event type and
// device, one page at a time; the checked records can be marked solved with a
// handling note, and the page shown exported to a workbook.

#include "AlarmRecordStore.h"
#include "OrmAccessQueue.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace Ui {
class AlarmInfoWidget;
}

class AlarmInfoProcessing;
class HeaderViewPrivate;
class MsgTipInfoDlg;
class QModelIndex;
class QStandardItemModel;

class AlarmInfoWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int IdRole = Qt::UserRole + 1;

    explicit AlarmInfoWidget(QWidget *parent = nullptr);
    ~AlarmInfoWidget() override;

    QStandardItemModel *model() const { return m_model; }
    // What the operator is told when the records cannot be read: a damaged
    // file is named as such, a held one as held, never as permissions.
    static QString unreadableText(const QSqlError &error);
    static QString damagedText();
    // Said beside it when the table keeps what the last read showed.
    static QString keptText();
    HeaderViewPrivate *header() const { return m_header; }
    AlarmInfoProcessing *processingDialog() const { return m_processing; }

public slots:
    void on_pushButtonSearch_clicked();
    void on_pushButtonBat_clicked();
    void on_pushButtonExport_clicked();
    void viewAllChkBoxStateChanged();
    void viewTableItemClicked(const QModelIndex &index);
    void onTxtFilterChanged(const QString &text);
    void setQuery();
    void dealWithAlarm(const QString &info);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillTable(const QList<QSharedPointer<CustomAlarmInfo>> &rows);
    // A read that failed shows nothing of its own: the table, the count and
    // the page stay those of the last read that answered, and the words
    // (labelReadState, in a room of its own) say they are not read now,
    // until a read answers again.
    void showUnreadable(const QSqlError &error);
    // Reads the records off the GUI thread; withCount: a new search (where),
    // whose count and first page both answer before either is shown; else a
    // page of the last search that answered.
    void readRecords(bool withCount, const OrmQuery &where);
    void showWaiting(bool waiting);
    void initTable();
    void initTableHeader();
    void fitColumns();
    void setFilterPlaceholder();
    void onTreeCurrentChanged(const QModelIndex &current);

    Ui::AlarmInfoWidget *ui;
    HeaderViewPrivate *m_header = nullptr;
    QStandardItemModel *m_model = nullptr;
    AlarmInfoProcessing *m_processing = nullptr;
    QStringList m_headerLabels;
    // The condition of the last search that answered, and where its shown
    // page starts.
    OrmQuery m_where;
    qint64 m_shownStart = 0;
    bool m_answered = false;
    // The operator's tree item in the source model: it still filters when
    // the text filter hides it.
    QPersistentModelIndex m_deviceItem;
    bool m_filtering = false;
    OrmAccessQueue m_reads;
    // The latest read asked for: an earlier one's answer is not shown.
    quint64 m_readSerial = 0;
    QPointer<MsgTipInfoDlg> m_waitingTip;
};
