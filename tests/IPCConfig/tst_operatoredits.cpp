// What counts as the operator's change of a page's value: acts on controls,
// never what the page itself shows, and what a Save then sends.

#include "OperatorEdits.h"
#include "../support/Wheel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <QSpinBox>
#include <QtTest>

#include <functional>

class TestOperatorEdits : public QObject
{
    Q_OBJECT

private slots:
    // For each kind of control: the page setting it (outside a fill too, for
    // the controls whose signals say only what the operator did) marks
    // nothing; the operator's act marks its key; the next fill forgets it.
    void actsOnly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("pageSetMarks");
        QTest::newRow("list") << "combo" << false;
        QTest::newRow("editable list") << "editable" << false;
        QTest::newRow("tick") << "check" << false;
        QTest::newRow("slider") << "slider" << false;
        QTest::newRow("text") << "line" << false;
        // These say only "value changed": the page must fill them in a Filling scope.
        QTest::newRow("spin box") << "spin" << true;
        QTest::newRow("date") << "date" << true;
    }

    void actsOnly()
    {
        QFETCH(QString, kind);
        QFETCH(bool, pageSetMarks);
        QWidget page;
        OperatorEdits edits;
        std::function<void()> pageSets, operatorActs;
        QWidget *control = nullptr;
        if (kind == "combo" || kind == "editable") {
            auto *box = new QComboBox(&page);
            box->addItems({"a", "b", "c"});
            box->setEditable(kind == "editable");
            control = box;
            pageSets = [box] { box->setCurrentIndex(2); };
            operatorActs = kind == "combo" ? std::function<void()>([box] {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Up);
            })
                                           : std::function<void()>([box] { QTest::keyClicks(box->lineEdit(), "x"); });
        } else if (kind == "check") {
            auto *tick = new QCheckBox(&page);
            control = tick;
            pageSets = [tick] { tick->setChecked(true); };
            operatorActs = [tick] { QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(4, tick->height() / 2)); };
        } else if (kind == "slider") {
            auto *slider = new QSlider(Qt::Horizontal, &page);
            control = slider;
            pageSets = [slider] { slider->setValue(40); };
            operatorActs = [slider] { QTest::keyClick(slider, Qt::Key_Right); };
        } else if (kind == "line") {
            auto *line = new QLineEdit(&page);
            control = line;
            pageSets = [line] { line->setText("page"); };
            operatorActs = [line] { QTest::keyClicks(line, "typed"); };
        } else if (kind == "spin") {
            auto *spin = new QSpinBox(&page);
            control = spin;
            pageSets = [spin] { spin->setValue(7); };
            operatorActs = [spin] { QTest::keyClick(spin, Qt::Key_Up); };
        } else {
            auto *date = new QDateTimeEdit(&page);
            control = date;
            pageSets = [date] { date->setDateTime(date->dateTime().addDays(1)); };
            operatorActs = [date] { QTest::keyClick(date, Qt::Key_Up); };
        }
        edits.watch("value", control);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        {
            OperatorEdits::Filling fill(edits);
            pageSets();
        }
        QVERIFY(!edits.edited("value"));
        {
            OperatorEdits::Filling fill(edits);
            operatorActs();
        }
        QVERIFY(!edits.anyEdited());
        pageSets();
        QCOMPARE(edits.edited("value"), pageSetMarks);
        edits.reset();
        operatorActs();
        QVERIFY(edits.edited("value"));
        {
            OperatorEdits::Filling fill(edits);
        }
        QVERIFY(!edits.anyEdited());
    }

    // The wheel turned over a control the operator has not taken in hand
    // scrolls the page around it: the value stays, nothing is marked, the
    // control does not take the keyboard, nor does the keyboard a window
    // gives its first control count as taken. Taken in hand by a click or by
    // Tab from the field before it, the wheel steps it, and that is his act.
    void wheelNeedsControlInHand_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("taken"); // "click", "Tab"; "first, click": the window's first control
        for (const char *kind : {"list", "editable list", "spin box", "slider", "date"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, clicked").arg(kind))) << QString(kind) << "click";
            QTest::newRow(qPrintable(QStringLiteral("%1, tabbed to").arg(kind))) << QString(kind) << "Tab";
        }
        for (const char *kind : {"list", "spin box"})
            QTest::newRow(qPrintable(QStringLiteral("%1 the window's first, clicked").arg(kind)))
                << QString(kind) << "first, click";
    }

    void wheelNeedsControlInHand()
    {
        QFETCH(QString, kind);
        QFETCH(QString, taken);
        QScrollArea window;
        auto *page = new QWidget;
        auto *column = new QVBoxLayout(page);
        // The window gives the keyboard to the first control made.
        const bool first = taken.startsWith(QLatin1String("first"));
        QLineEdit *before = first ? nullptr : new QLineEdit(page);
        QWidget *control = nullptr;
        if (kind.endsWith(QLatin1String("list"))) {
            auto *box = new QComboBox(page);
            box->addItems({"a", "b", "c", "d"});
            box->setCurrentIndex(1);
            box->setEditable(kind.startsWith(QLatin1String("editable")));
            control = box;
        } else if (kind == QLatin1String("spin box")) {
            auto *spin = new QSpinBox(page);
            spin->setValue(50);
            control = spin;
        } else if (kind == QLatin1String("slider")) {
            auto *slider = new QSlider(Qt::Horizontal, page);
            slider->setRange(0, 100);
            slider->setValue(50);
            control = slider;
        } else {
            control = new QDateTimeEdit(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)), page);
        }
        if (first)
            before = new QLineEdit(page);
        column->addWidget(before);
        column->addWidget(control);
        column->addSpacing(2000);
        window.setWidget(page);
        window.resize(300, 300);
        OperatorEdits edits;
        edits.watch("value", control);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(control->hasFocus(), first);
        QScrollBar *scroll = window.verticalScrollBar();

        const QString shown = Wheel::shown(control);
        Wheel::turn(control, -3);
        QVERIFY(scroll->value() > 0);
        Wheel::turn(control, 3);
        QCOMPARE(scroll->value(), 0);
        const QStringList moved = Wheel::turnOverEach(page);
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral("; "))));
        QCOMPARE(Wheel::shown(control), shown);
        QVERIFY(!edits.anyEdited());
        QCOMPARE(control->hasFocus(), first);

        if (taken == QLatin1String("Tab")) {
            QTest::mouseClick(before, Qt::LeftButton);
            QTest::keyClick(before, Qt::Key_Tab);
            QVERIFY(control->hasFocus());
        } else {
            QVERIFY(Wheel::takeInHand(control));
        }
        const int scrolled = scroll->value();
        QVERIFY(Wheel::changes(control));
        QVERIFY(edits.edited("value"));
        QCOMPARE(scroll->value(), scrolled);
    }

    // What a Save sends for a key: the reported text while untouched, the
    // control's once the operator acted or when nothing was reported; a
    // reported value the list lacks is an entry of its own, so picking a
    // listed one is a change.
    void sends()
    {
        OperatorEdits edits;
        QComboBox box;
        box.addItem("H264", "0");
        box.addItem("H265", "1");
        edits.setReported({{"format", "7"}, {"name", " sp "}});
        edits.watch("format", &box);
        {
            OperatorEdits::Filling fill(edits);
            QCOMPARE(OperatorEdits::selectOrAdd(&box, QStringLiteral("7")), 2);
            QCOMPARE(OperatorEdits::selectOrAdd(&box, QStringLiteral("1")), 1);
            QCOMPARE(OperatorEdits::selectOrAdd(&box, QStringLiteral("7")), 2);
        }
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.currentText(), QStringLiteral("7"));
        QCOMPARE(edits.send("format", box.currentData().toString()), QStringLiteral("7"));
        QCOMPARE(edits.send("name", "sp"), QStringLiteral(" sp "));
        QCOMPARE(edits.send("missing", "mine"), QStringLiteral("mine"));

        emit box.activated(0);
        QCOMPARE(edits.send("format", box.itemData(0).toString()), QStringLiteral("0"));
        OperatorEdits::Values values;
        edits.take(values, "format", "0");
        edits.take(values, "name", "sp");
        QCOMPARE(values, (OperatorEdits::Values{{"format", "0"}, {"name", " sp "}}));
        edits.mark("name");
        QCOMPARE(edits.send("name", "sp"), QStringLiteral("sp"));
        QCOMPARE(edits.editedKeys(), (QSet<QString>{"format", "name"}));
    }
};

QTEST_MAIN(TestOperatorEdits)
#include "tst_operatoredits.moc"
