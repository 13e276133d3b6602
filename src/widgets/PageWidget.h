#pragma once

#include <QWidget>

namespace Ui {
class PageWidget;
}

// Pager under a result table: total, page size, first/previous/next/last and
// the SQL clause of the current page. Counters are 64-bit, so no table wraps.
class PageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PageWidget(QWidget *parent = nullptr);
    ~PageWidget() override;

    void setTotalRecords(qint64 total);
    // Shows the page that starts at startIndex of the same total, without
    // asking for it (the owner keeps showing it).
    void setStartIndex(qint64 startIndex);
    // No count was ever read (the owner's first read failed): the total and
    // the page count show no number rather than a 0 nobody counted, until
    // the next setTotalRecords.
    void setTotalUnread();
    QString getLimitSql() const;

    qint64 totalRecords() const { return m_totalRecords; }
    qint64 currentPage() const { return m_currentPage; }
    qint64 pageCount() const { return m_pageCount; }
    qint64 startIndex() const { return m_startIndex; }
    int pageSize() const { return m_pageSize; }

signals:
    void changedPage(qint64 startIndex, int pageSize);
    void changedPageSize(int pageSize);

private slots:
    void onFirstClicked();
    void onPreviousClicked();
    void onNextClicked();
    void onLastClicked();
    void onPageSizeChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    void updateButtons();
    void updateLabels();
    static qint64 pagesFor(qint64 total, int pageSize);

    Ui::PageWidget *ui;
    qint64 m_startIndex = 0;
    qint64 m_currentPage = 1;
    qint64 m_pageCount = 1;
    qint64 m_totalRecords = 0;
    int m_pageSize = 30;
    bool m_unread = false;
};
