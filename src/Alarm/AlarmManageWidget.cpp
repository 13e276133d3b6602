#include "AlarmManageWidget.h"
#include "ui_AlarmManageWidget.h"

#include "CommonHelperWidgets.h"
#include "WidgetHelpers.h"

#include <QEvent>
#include <QStringListModel>

AlarmManageWidget::AlarmManageWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::AlarmManageWidget)
{
    ui->setupUi(this);
    setBackgroundColor(this, QColor(40, 43, 48));
    setAcceptDrops(true);
    connect(ui->listView, &QListView::clicked, this, &AlarmManageWidget::onListViewClicked);
    initListItems();
    m_model = new QStringListModel(this);
    ui->listView->setModel(m_model);
    ui->listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_model->setStringList(m_items);
    fitListWidth();
}

void AlarmManageWidget::fitListWidth()
{
    // The page list is as wide as its longest entry in the language shown.
    QListView *list = ui->listView;
    int widest = 0;
    for (const QString &item : qAsConst(m_items))
        widest = qMax(widest, list->fontMetrics().horizontalAdvance(item));
    list->setFixedWidth(qMax(160, widest + 16 + 2 * list->frameWidth()));
}

AlarmManageWidget::~AlarmManageWidget()
{
    delete ui;
}

AlarmEventWidget *AlarmManageWidget::eventPage() const
{
    return ui->pageEvent;
}

AlarmInfoWidget *AlarmManageWidget::infoPage() const
{
    return ui->pageAlarmInfo;
}

void AlarmManageWidget::initListItems()
{
    m_items = QStringList{tr("Alarm Event "), tr("Alarm Info")};
}

void AlarmManageWidget::onListViewClicked(const QModelIndex &index)
{
    // Looked up in the current texts, so it still works after a language change.
    const int page = m_items.indexOf(index.data(Qt::DisplayRole).toString());
    if (page >= 0 && page < ui->stackedWidget->count() && ui->stackedWidget->currentIndex() != page)
        ui->stackedWidget->setCurrentIndex(page);
}

void AlarmManageWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    initListItems();
    if (m_model)
        m_model->setStringList(m_items);
    fitListWidth();
}
