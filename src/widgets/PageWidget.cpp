#include "PageWidget.h"

#include "ui_PageWidget.h"

#include <QListView>

#include <algorithm>

PageWidget::PageWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageWidget)
{
    ui->setupUi(this);
    ui->comboBoxPageSize->setView(new QListView(ui->comboBoxPageSize));
    connect(ui->pushButtonFirst, &QPushButton::clicked, this, &PageWidget::onFirstClicked);
    connect(ui->pushButtonPrevious, &QPushButton::clicked, this, &PageWidget::onPreviousClicked);
    connect(ui->pushButtonNext, &QPushButton::clicked, this, &PageWidget::onNextClicked);
    connect(ui->pushButtonLast, &QPushButton::clicked, this, &PageWidget::onLastClicked);
    connect(ui->comboBoxPageSize, &QComboBox::currentTextChanged, this, &PageWidget::onPageSizeChanged);
    ui->label->show();
    ui->labelTotalRecords->show();
    ui->label_3->show();
}

PageWidget::~PageWidget()
{
    delete ui;
}

qint64 PageWidget::pagesFor(qint64 total, int pageSize)
{
    if (pageSize <= 0)
        return 0;
    return total / pageSize + (total % pageSize ? 1 : 0);
}

void PageWidget::setTotalRecords(qint64 total)
{
    m_unread = false;
    m_totalRecords = std::max<qint64>(0, total);
    m_currentPage = 1;
    m_startIndex = 0;
    m_pageCount = pagesFor(m_totalRecords, m_pageSize);
    updateLabels();
    updateButtons();
}

void PageWidget::setStartIndex(qint64 startIndex)
{
    if (m_pageSize <= 0)
        return;
    m_currentPage = std::max<qint64>(0, startIndex) / m_pageSize + 1;
    m_startIndex = (m_currentPage - 1) * m_pageSize;
    updateLabels();
    updateButtons();
}

void PageWidget::setTotalUnread()
{
    m_unread = true;
    updateLabels();
    updateButtons();
}

QString PageWidget::getLimitSql() const
{
    return QStringLiteral(" limit %2,%3;").arg(m_startIndex).arg(m_pageSize);
}

void PageWidget::onFirstClicked()
{
    if (m_pageCount < 2 || m_currentPage == 1)
        return;
    m_currentPage = 1;
    m_startIndex = 0;
    refresh();
}

void PageWidget::onPreviousClicked()
{
    if (m_currentPage < 2)
        return;
    --m_currentPage;
    m_startIndex -= m_pageSize;
    refresh();
}

void PageWidget::onNextClicked()
{
    if (m_currentPage >= m_pageCount)
        return;
    ++m_currentPage;
    m_startIndex += m_pageSize;
    refresh();
}

void PageWidget::onLastClicked()
{
    if (m_pageCount < 2 || m_currentPage == m_pageCount)
        return;
    m_currentPage = m_pageCount;
    m_startIndex = (m_pageCount - 1) * m_pageSize;
    refresh();
}

// The page size changes under the owner's feet: go back to the first page of
// the same total, so a click before the owner's new count stays in range.
void PageWidget::onPageSizeChanged(const QString &text)
{
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!ok || size <= 0)
        return;
    m_startIndex = 0;
    m_pageSize = size;
    m_currentPage = 1;
    m_pageCount = pagesFor(m_totalRecords, m_pageSize);
    emit changedPageSize(m_pageSize);
    updateLabels();
    updateButtons();
}

void PageWidget::refresh()
{
    emit changedPage(m_startIndex, m_pageSize);
    updateButtons();
    updateLabels();
}

void PageWidget::updateButtons()
{
    const bool several = m_pageCount > 1;
    ui->pushButtonFirst->setEnabled(several && m_currentPage != 1);
    ui->pushButtonPrevious->setEnabled(several && m_currentPage != 1);
    ui->pushButtonNext->setEnabled(several && m_currentPage != m_pageCount);
    ui->pushButtonLast->setEnabled(several && m_currentPage != m_pageCount);
}

void PageWidget::updateLabels()
{
    // The form's 20 px minimum would cut long counts off: grow with the text.
    const auto show = [this](QLabel *label, qint64 value) {
        label->setText(m_unread && label != ui->pageCurrent ? QStringLiteral("-") : QString::number(value));
        label->setMinimumWidth(std::max(20, label->fontMetrics().horizontalAdvance(label->text()) + 4));
    };
    show(ui->labelTotalRecords, m_totalRecords);
    show(ui->pageCurrent, m_currentPage);
    show(ui->pageTotal, m_pageCount);
}

void PageWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateLabels();
    }
    QWidget::changeEvent(event);
}
