#include "WidgetHelpers.h"

#include <QHeaderView>
#include <QTableView>

#include <QApplication>
#include <QtTest>

class tst_TableStyle : public QObject
{
    Q_OBJECT

private slots:
    void tableViewStyle();
    void backgroundColor();
};

void tst_TableStyle::tableViewStyle()
{
    QTableView view;
    view.show();
    for (int round = 0; round < 2; ++round) { // applying twice changes nothing
        setTableViewStyle(&view, round == 0);
        QVERIFY(view.verticalHeader()->isHidden());
        QCOMPARE(view.editTriggers(), QAbstractItemView::EditTriggers(QAbstractItemView::NoEditTriggers));
        QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(view.showGrid(), round == 0);
        QCOMPARE(view.focusPolicy(), Qt::NoFocus);
    }
    setTableViewStyle(nullptr, true);
}

void tst_TableStyle::backgroundColor()
{
    QWidget widget;
    const QColor color(40, 43, 48);
    setBackgroundColor(&widget, color);
    QVERIFY(widget.autoFillBackground());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(widget.palette().brush(group, QPalette::Window).color(), color);
        QCOMPARE(widget.palette().brush(group, QPalette::Window).style(), Qt::SolidPattern);
    }
    setBackgroundColor(nullptr, color);
}

QTEST_MAIN(tst_TableStyle)
#include "tst_tablestyle.moc"
