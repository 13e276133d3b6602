#include "AlarmInfoWidget.h"
#include "ui_AlarmInfoWidget.h"

#include "AlarmInfoProcessing.h"
#include "AlarmRecordWriter.h"
#include "AlarmSettingsStore.h"
#include "CommonHelperWidgets.h"
#include "DeviceAlarmHandler.h"
#include "DeviceTree.h"
#include "FileChooser.h"
#include "HeaderViewPrivate.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "SettingsKeeper.h"
#include "OrmAccessQueue.h"
#include "SharedTexts.h"
#include "TableHelpers.h"
#include "WidgetHelpers.h"

#include <QAction>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QStandardItemModel>
#include <limits>

namespace {

constexpr int kToastMs = 2000;
// Room a cell leaves around its text.
constexpr int kCellPadding = 10;
// Room a column title leaves around its text: the section's padding in the
// client's style sheet (6 px a side) and its border.
constexpr int kTitlePadding = 14;
// The search column's width when its texts need no more.
constexpr int kLeftWidth = 220;
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

} // namespace

AlarmInfoWidget::AlarmInfoWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::AlarmInfoWidget)
    , m_model(new QStandardItemModel(this))
    , m_processing(new AlarmInfoProcessing(nullptr))
{
    ui->setupUi(this);
    ui->treeView->setHeaderHidden(true);
    ui->comboBoxStatus->setView(new QListView(ui->comboBoxStatus));
    ui->comboBoxType->setView(new QListView(ui->comboBoxType));

    ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime().addMonths(-1));
    ui->dateTimeEdit->setCalendarPopup(true);

    initTable();
    connect(m_processing, &AlarmInfoProcessing::signalsDealWithAlarm, this, &AlarmInfoWidget::dealWithAlarm);
    connect(ui->lineEditDevice, &QLineEdit::textChanged, this, &AlarmInfoWidget::onTxtFilterChanged);
    connect(ui->widgetPage, &PageWidget::changedPageSize, this, &AlarmInfoWidget::on_pushButtonSearch_clicked);
    connect(ui->widgetPage, &PageWidget::changedPage, this, &AlarmInfoWidget::setQuery);
    connect(m_header, &HeaderViewPrivate::columnCheck, this, &AlarmInfoWidget::viewAllChkBoxStateChanged);
    connect(ui->tableView, &QTableView::clicked, this, &AlarmInfoWidget::viewTableItemClicked);
    connect(ui->treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onTreeCurrentChanged(current); });
    connect(&m_reads, &OrmAccessQueue::waitingChanged, this, &AlarmInfoWidget::showWaiting);
    m_reads.setSaid(tr("the alarms marked solved"));

    ui->lineEditDevice
        ->addAction(QIcon(QStringLiteral(":/Resources/Skin/Default/ptzNew/3DSite_hover.png")),
                    QLineEdit::TrailingPosition)
        ->setText(tr("&Open..."));
    setFilterPlaceholder();

    // The status filter is not offered: it stays at "All".
    ui->label_4->hide();
    ui->comboBoxStatus->hide();

    // Two lines of room, kept while nothing is said: the table never moves
    // when a read fails or answers again.
    QSizePolicy room = ui->labelReadState->sizePolicy();
    room.setRetainSizeWhenHidden(true);
    ui->labelReadState->setSizePolicy(room);
    ui->labelReadState->setWordWrap(true);
    ui->labelReadState->setText(QStringLiteral("X\nX"));
    ui->labelReadState->setMinimumHeight(ui->labelReadState->sizeHint().height());
    ui->labelReadState->clear();
    ui->labelReadState->hide();
}

AlarmInfoWidget::~AlarmInfoWidget()
{
    delete m_processing;
    delete ui;
}

void AlarmInfoWidget::initTable()
{
    ui->tableView->setModel(m_model);
    setTableViewStyle(ui->tableView, true);
    // One line per record: a wrapped time or type would show only its first word.
    ui->tableView->setWordWrap(false);
    m_header = new HeaderViewPrivate(ui->tableView, 0);
    ui->tableView->setHorizontalHeader(m_header);
    initTableHeader();
    ui->tableView->viewport()->installEventFilter(this);
}

void AlarmInfoWidget::initTableHeader()
{
    m_headerLabels = QStringList{tr("IP"), tr("Names"), tr("Type"), tr("Time"), tr("Status"), tr("Remark")};
    m_model->setHorizontalHeaderLabels(m_headerLabels);
    fitColumns();
}

void AlarmInfoWidget::fitColumns()
{
    // Each column as wide as its title and the texts of its rows (the time
    // never less than a whole time stamp, the first column's texts beside
    // their check boxes); what the table has beyond that is shared out and
    // the remark column takes the rest, to the viewport's edge and no
    // further. Texts wider than the table make it scroll rather than cut
    // them. The header's own stretch is not used: it keeps the last column
    // at least its default width, one scroll bar's worth too wide once the
    // rows outgrow the table.
    QTableView *view = ui->tableView;
    const QFontMetrics fm = view->fontMetrics();
    const int room = view->viewport()->width();
    const int timeWidth = fm.horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + kCellPadding;
    const int checkWidth = view->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view) + 8;
    // The select-all box is drawn at the first title's left and the title is
    // centred: the box's room on both sides keeps the title clear of it.
    const int boxRoom = HeaderViewPrivate::indicatorRect(QRect()).width() + kCellPadding / 2;
    constexpr int columns = 6;
    int needs[columns] = {};
    int total = 0;
    for (int column = 0; column < columns; ++column) {
        needs[column] = m_header->fontMetrics().horizontalAdvance(m_headerLabels.value(column)) + kTitlePadding
                        + (column == 0 ? 2 * boxRoom : 0);
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QStandardItem *item = m_model->item(row, column);
            if (item && !item->text().isEmpty())
                needs[column] = qMax(needs[column], fm.horizontalAdvance(item->text()) + kCellPadding
                                                        + (item->isCheckable() ? checkWidth : 0));
        }
        if (column == 3)
            needs[column] = qMax(needs[column], timeWidth);
        total += needs[column];
    }
    const int share = qMax(0, room - total) / columns;
    int used = 0;
    for (int column = 0; column < columns - 1; ++column) {
        view->setColumnWidth(column, needs[column] + share);
        used += needs[column] + share;
    }
    view->horizontalHeader()->setStretchLastSection(false);
    view->setColumnWidth(columns - 1, qMax(needs[columns - 1], room - used));
}

void AlarmInfoWidget::onTreeCurrentChanged(const QModelIndex &current)
{
    // The filter moves the view's current item when it hides it; the
    // operator's choice stays what it was.
    if (m_filtering)
        return;
    m_deviceItem = ui->treeView->proxyModel()->mapToSource(current);
}

void AlarmInfoWidget::onTxtFilterChanged(const QString &text)
{
    m_filtering = true;
    ui->treeView->setFilterText(text);
    m_filtering = false;
    const QModelIndex shown = ui->treeView->proxyModel()->mapFromSource(m_deviceItem);
    if (shown.isValid() && shown != ui->treeView->currentIndex()) {
        m_filtering = true;
        ui->treeView->setCurrentIndex(shown);
        m_filtering = false;
    }
}

void AlarmInfoWidget::on_pushButtonSearch_clicked()
{
    AlarmRecordStore::Filter filter;
    filter.status = ui->comboBoxStatus->currentIndex() - 1;
    filter.alarmType = ui->comboBoxType->currentIndex() - 1;
    filter.after = ui->dateTimeEdit->dateTime().toString(kTimeFormat);
    if (m_deviceItem.isValid()) {
        filter.byDevice = true;
        const QString key = m_deviceItem.data(DeviceTree::KeyRole).toString();
        filter.deviceMatches = AlarmSettingsStore::isDeviceKey(key);
        filter.deviceName = m_deviceItem.data(Qt::DisplayRole).toString();
    }
    readRecords(true, AlarmRecordStore::condition(filter));
}

void AlarmInfoWidget::setQuery()
{
    if (m_where.text().isEmpty())
        return;
    readRecords(false, m_where);
}

void AlarmInfoWidget::readRecords(bool withCount, const OrmQuery &where)
{
    struct Read
    {
        qint64 total = -1;
        QList<QSharedPointer<CustomAlarmInfo>> rows;
    };
    const auto read = std::make_shared<Read>();
    // A new search shows its first page.
    const qint64 start = withCount ? 0 : ui->widgetPage->startIndex();
    const int pageSize = ui->widgetPage->pageSize();
    const quint64 serial = ++m_readSerial;
    const auto readAll = [read, where, start, pageSize, withCount] {
        QSqlError err;
        if (withCount)
            read->total = AlarmRecordStore::count(where, &err);
        if (err.text().isEmpty())
            read->rows = AlarmRecordStore::fetchPage(where, start, pageSize, &err);
        return err;
    };
    const auto shown = [this, read, serial, withCount, where, start](const QSqlError &error) {
        if (m_waitingTip)
            m_waitingTip->close();
        if (serial != m_readSerial)
            return;
        qDebug() << " get data" << where.text() << read->total << read->rows.size() << error.text();
        // The count may have read an index whose table pages are unreadable:
        // a count is shown only with the rows it counted.
        if (!error.text().isEmpty()) {
            showUnreadable(error);
            return;
        }
        if (withCount) {
            m_where = where;
            ui->widgetPage->setTotalRecords(qMax<qint64>(0, read->total));
        }
        m_answered = true;
        m_shownStart = start;
        ui->labelReadState->hide();
        fillTable(read->rows);
    };
    m_reads.enqueue(OrmAccessQueue::Item::reading(QStringLiteral("alarm records read"), readAll, shown));
    if (m_reads.isWaiting())
        showWaiting(true);
}

void AlarmInfoWidget::showWaiting(bool waiting)
{
    MsgTipInfoDlg::showWhile(m_waitingTip, waiting, SharedTexts::readWaitingText());
}

QString AlarmInfoWidget::unreadableText(const QSqlError &error)
{
    if (AlarmRecordWriter::failureOf(error) == AlarmRecordWriter::Damaged)
        return damagedText();
    if (OrmDatabase::isLocked(error))
        return tr("The alarm records cannot be read now: the database is in use by another program.");
    return tr("The alarm records cannot be read.");
}

QString AlarmInfoWidget::damagedText()
{
    return tr("The alarm records cannot be read: the database file is damaged.");
}

QString AlarmInfoWidget::keptText()
{
    return tr("Shown: the records of the last search that was read.");
}

void AlarmInfoWidget::showUnreadable(const QSqlError &error)
{
    qWarning().noquote() << "Alarm records not read:" << error.text();
    // A page asked for and not read: the pager goes back to the page shown.
    if (m_answered)
        ui->widgetPage->setStartIndex(m_shownStart);
    else
        ui->widgetPage->setTotalUnread();
    const QString said = unreadableText(error);
    ui->labelReadState->setText(m_answered ? said + QLatin1Char(' ') + keptText() : said);
    ui->labelReadState->show();
    MsgTipInfoDlg::showTip(said, DeviceAlarmHandler::ToastMs);
}

void AlarmInfoWidget::fillTable(const QList<QSharedPointer<CustomAlarmInfo>> &rows)
{
    m_model->clear();
    initTableHeader();
    for (const auto &record : rows) {
        auto *ip = new QStandardItem(record->handler);
        ip->setCheckable(true);
        ip->setData(QString::number(record->id), IdRole);
        const int type = record->alarmType + 1;
        const int status = record->status + 1;
        const QString typeText =
            type >= 1 && type < ui->comboBoxType->count() ? ui->comboBoxType->itemText(type) : QString();
        const QString statusText =
            status >= 1 && status < ui->comboBoxStatus->count() ? ui->comboBoxStatus->itemText(status) : QString();
        m_model->appendRow({ip, new QStandardItem(record->devName), new QStandardItem(typeText),
                            new QStandardItem(record->alarmTime), new QStandardItem(statusText),
                            new QStandardItem(record->records)});
    }
    setModelTextAlignment(m_model, Qt::AlignCenter);
    m_header->setCheckedHeader(false);
    fitColumns();
}

void AlarmInfoWidget::viewAllChkBoxStateChanged()
{
    setAllRowsChecked(m_model, m_header->isChecked());
}

void AlarmInfoWidget::viewTableItemClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    ui->tableView->selectRow(index.row());
    if (index.column() == 0)
        m_header->setCheckedHeader(m_model->rowCount() > 0 && isAllRowsChecked(m_model));
}

void AlarmInfoWidget::on_pushButtonBat_clicked()
{
    m_processing->exec();
}

void AlarmInfoWidget::dealWithAlarm(const QString &info)
{
    QList<qint64> ids;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row, 0);
        if (!item || item->checkState() != Qt::Checked)
            continue;
        ids << item->data(IdRole).toString().toLongLong();
        item->setCheckState(Qt::Unchecked);
    }
    m_header->setCheckedHeader(false);
    if (ids.isEmpty())
        return;
    // Through the page's queue: a database another program holds is waited
    // for off the GUI thread, and the page read after it comes after it.
    const auto mark = [ids, info] { return AlarmRecordStore::markSolved(ids, info); };
    const auto told = [ids, info](const QSqlError &error) {
        qDebug() << "batch" << ids << info << error.text();
        if (!error.text().isEmpty() && !OrmAccessQueue::closeBegun())
            MsgTipInfoDlg::showTip(SharedTexts::failureText(OrmDatabase::trouble(error)), kToastMs);
    };
    m_reads.enqueue({QStringLiteral("alarms marked solved"), QString(), true, mark, told});
    // The page shows what is stored now, on the same page: handled rows read
    // "solved" with their note (or, after a failure, still "pending").
    setQuery();
}

void AlarmInfoWidget::on_pushButtonExport_clicked()
{
    const QString chosen = FileChooser::saveFileName(
        this, tr("Save File"), QDir::homePath() + QStringLiteral("/alarmExcel.xlsx"), tr("excel (*.xlsx *.xls )"));
    if (chosen.isEmpty())
        return;
    const QString path = AlarmRecordStore::workbookPath(chosen);
    QVector<QStringList> rows;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_model->columnCount(); ++c) {
            const QStandardItem *item = m_model->item(r, c);
            cells << (item ? item->text() : QString());
        }
        rows << cells;
    }
    const QString error = AlarmRecordStore::writeWorkbook(path, m_headerLabels, rows);
    qDebug() << "export" << path << (error.isEmpty() ? QStringLiteral("saved") : error);
    if (!error.isEmpty())
        MsgTipInfoDlg::showTip(tr("Export failed"), kToastMs);
}

void AlarmInfoWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    // The operator's language as last read; the system's while none was.
    const QSharedPointer<CMS_Config_V2> settings = SettingsKeeper::row();
    CommonHelper::setWidgetsLocale(this, settings ? settings->Language : -1);
    initTableHeader();
    setFilterPlaceholder();
}

void AlarmInfoWidget::setFilterPlaceholder()
{
    // The search column widens to show the hint whole.
    ui->lineEditDevice->setPlaceholderText(tr("Enter the device name to filter"));
    ui->lineEditDevice->setMinimumWidth(lineEditWidthFor(ui->lineEditDevice, ui->lineEditDevice->placeholderText()));
    ui->widgetLeft->setMaximumWidth(qMax(kLeftWidth, ui->lineEditDevice->minimumWidth()));
}

bool AlarmInfoWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The viewport narrows when the rows outgrow the table and its scroll
    // bar shows, with the page's size unchanged.
    if (watched == ui->tableView->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void AlarmInfoWidget::showEvent(QShowEvent *event)
{
    setAttribute(Qt::WA_Mapped);
    QWidget::showEvent(event);
    ui->treeView->reload();
}
