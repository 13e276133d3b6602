#pragma once

// The hour grid of the weekly arming-time editor: seven rows (Sunday first)
// of 24 hour cells, each armed or not. A stroke of the mouse paints one state:
// the opposite of the cell it starts on.

#include "RemoteCfg_Widget.h"

#include <QModelIndex>
#include <QStyledItemDelegate>
#include <QTableView>

class QStandardItemModel;

class DeploymentTimeDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

class DeploymentTimeTableView : public QTableView
{
    Q_OBJECT

public:
    // Where a cell keeps its armed flag.
    static constexpr int ArmedRole = Qt::UserRole + 1;
    static constexpr int Days = 7;
    static constexpr int Hours = 24;

    explicit DeploymentTimeTableView(QWidget *parent = nullptr);
    ~DeploymentTimeTableView() override;

    void clearDay(int day);
    void clearAll();
    // Whole hours, end excluded; a run to midnight ends at "24:00:00". Always
    // seven days.
    RemoteCfg_Widget::Week getCheckedTimes() const;
    // Arms every hour the period touches.
    void setChecked(int day, const QPair<QString, QString> &period) const;

    bool isArmed(int day, int hour) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setArmed(const QModelIndex &index, bool armed) const;

    QStandardItemModel *m_model;
    DeploymentTimeDelegate *m_delegate;
    bool m_paintValue = false;
    bool m_pressed = false;
    QPersistentModelIndex m_lastMoved;
};
