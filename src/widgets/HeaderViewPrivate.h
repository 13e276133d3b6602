#pragma once

#include <QHeaderView>

// Horizontal table header with a select-all check box in one column.
class HeaderViewPrivate : public QHeaderView
{
    Q_OBJECT

public:
    HeaderViewPrivate(QWidget *parent, int checkColumn);

    bool isChecked() const { return m_checked; }
    int checkColumn() const { return m_checkColumn; }
    // Where the box is drawn inside a section.
    static QRect indicatorRect(const QRect &section);

public slots:
    void setCheckedHeader(bool bChecked);
    void onHeaderClicked(int nIndex);

signals:
    void columnCheck(int logicalIndex, bool bChecked);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    int m_checkColumn;
    bool m_checked = false;
};
