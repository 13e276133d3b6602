#pragma once

#include <QModelIndex>
#include <QStyledItemDelegate>
#include <QTableView>

class QStandardItemModel;

// A week of recording modes, 7 rows (Sunday first) of 48 half hours, each
// cell one mode character: '0' none, '1' general, '2' detection,
// '3' intelligence. Painted with the mouse; loaded and read as 336 characters.
class StoragePlanTableView : public QTableView
{
    Q_OBJECT

public:
    static constexpr int ModeRole = Qt::UserRole + 1;   // QChar
    static constexpr int PeriodRole = Qt::UserRole + 2; // "hh:mm-hh:mm"
    static constexpr int Rows = 7;
    static constexpr int Columns = 48;

    explicit StoragePlanTableView(QWidget *parent = nullptr);

    // Needs at least 336 characters; a shorter text changes nothing.
    void setRecordInfo(const QString &info) const;
    void getRecordInfo(QString &out);
    void setBrush(QChar brush);
    QChar brush() const { return m_brush; }

    static QString periodText(int column);

signals:
    void sigHoverCellText(QString text);
    // The mouse painted a cell (loading a text does not count).
    void cellPainted();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintCell(const QModelIndex &index);

    QStandardItemModel *m_model;
    QChar m_brush;
    bool m_painting = false;
    QPersistentModelIndex m_lastCell;
};

// Fills each cell in its mode's colour; the cell under the mouse in the
// hover colour.
class StoragePlanDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit StoragePlanDelegate(QObject *parent = nullptr);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    static QColor modeColour(QChar mode);
};
