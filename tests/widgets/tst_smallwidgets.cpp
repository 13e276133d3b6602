#include "HeaderViewPrivate.h"
#include "MsgTipInfoDlg.h"
#include "ManageWidget.h"
#include "PageWidget.h"
#include "SwitchControl.h"
#include "TypedDateTimeEdit.h"
#include "VideoLabel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

#include "../support/Keyboard.h"

class TstSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pagerWithoutRecords();
    void pagerMoves();
    void pagerNewTotalReturnsToFirstPage();
    void pagerPageSizeChange();
    void pagerCountsBeyondSixteenBits();

    void switchToggles();
    void switchIgnoresDisabledAndRightButton();
    void switchPaintsState();

    void headerCheckBox();

    void manageWidgetButtons();

    void videoLabelFrame();

    void typedDateTime_data();
    void typedDateTime();

private:
    static QLabel *label(PageWidget &p, const char *name) { return p.findChild<QLabel *>(QLatin1String(name)); }
    static QPushButton *button(QWidget &w, const char *name) { return w.findChild<QPushButton *>(QLatin1String(name)); }
};

void TstSmallWidgets::initTestCase()
{
    Q_INIT_RESOURCE(Resources);
}

void TstSmallWidgets::pagerWithoutRecords()
{
    PageWidget pager;
    pager.show();
    pager.setTotalRecords(0);
    QCOMPARE(label(pager, "labelTotalRecords")->text(), QStringLiteral("0"));
    QCOMPARE(label(pager, "pageCurrent")->text(), QStringLiteral("1"));
    QCOMPARE(label(pager, "pageTotal")->text(), QStringLiteral("0"));
    for (const char *name : {"pushButtonFirst", "pushButtonPrevious", "pushButtonNext", "pushButtonLast"})
        QVERIFY2(!button(pager, name)->isEnabled(), name);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 0,30;"));
}

void TstSmallWidgets::pagerMoves()
{
    PageWidget pager;
    pager.show();
    QSignalSpy pages(&pager, &PageWidget::changedPage);
    pager.setTotalRecords(61);
    QCOMPARE(label(pager, "pageTotal")->text(), QStringLiteral("3"));
    QVERIFY(!button(pager, "pushButtonFirst")->isEnabled());
    QVERIFY(!button(pager, "pushButtonPrevious")->isEnabled());
    QVERIFY(button(pager, "pushButtonNext")->isEnabled());
    QCOMPARE(pages.size(), 0);

    QTest::mouseClick(button(pager, "pushButtonLast"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 60,30;"));
    QCOMPARE(label(pager, "pageCurrent")->text(), QStringLiteral("3"));
    QVERIFY(!button(pager, "pushButtonNext")->isEnabled());
    QVERIFY(!button(pager, "pushButtonLast")->isEnabled());
    QVERIFY(button(pager, "pushButtonFirst")->isEnabled());
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.at(0).at(0).toLongLong(), 60);
    QCOMPARE(pages.at(0).at(1).toInt(), 30);

    QTest::mouseClick(button(pager, "pushButtonPrevious"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 30,30;"));
    QCOMPARE(label(pager, "pageCurrent")->text(), QStringLiteral("2"));
    QVERIFY(button(pager, "pushButtonNext")->isEnabled());

    QTest::mouseClick(button(pager, "pushButtonFirst"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 0,30;"));
    QTest::mouseClick(button(pager, "pushButtonNext"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 30,30;"));
    QCOMPARE(pages.size(), 4);

    // Disabled buttons and out-of-range clicks do nothing.
    QTest::mouseClick(button(pager, "pushButtonNext"), Qt::LeftButton);
    QTest::mouseClick(button(pager, "pushButtonNext"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 60,30;"));
    QCOMPARE(pages.size(), 5);
}

void TstSmallWidgets::pagerNewTotalReturnsToFirstPage()
{
    PageWidget pager;
    pager.show();
    pager.setTotalRecords(100);
    QTest::mouseClick(button(pager, "pushButtonLast"), Qt::LeftButton);
    QCOMPARE(pager.currentPage(), 4);
    pager.setTotalRecords(90);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 0,30;"));
    QCOMPARE(label(pager, "pageCurrent")->text(), QStringLiteral("1"));
    QCOMPARE(label(pager, "pageTotal")->text(), QStringLiteral("3"));
}

void TstSmallWidgets::pagerPageSizeChange()
{
    PageWidget pager;
    pager.show();
    QSignalSpy sizes(&pager, &PageWidget::changedPageSize);
    QSignalSpy pages(&pager, &PageWidget::changedPage);
    pager.setTotalRecords(200);
    QTest::mouseClick(button(pager, "pushButtonNext"), Qt::LeftButton);
    QTest::mouseClick(button(pager, "pushButtonNext"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 60,30;"));

    auto *combo = pager.findChild<QComboBox *>(QStringLiteral("comboBoxPageSize"));
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->itemText(5), QStringLiteral("1000"));
    combo->setCurrentText(QStringLiteral("50"));
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(sizes.at(0).at(0).toInt(), 50);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 0,50;"));
    // Clicks before the owner's new count stay in range.
    QTest::mouseClick(button(pager, "pushButtonLast"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 150,50;"));
    QCOMPARE(pages.size(), 3);
}

void TstSmallWidgets::pagerCountsBeyondSixteenBits()
{
    PageWidget pager;
    pager.show();
    pager.setTotalRecords(70000);
    QCOMPARE(label(pager, "labelTotalRecords")->text(), QStringLiteral("70000"));
    QCOMPARE(label(pager, "pageTotal")->text(), QStringLiteral("2334"));
    QTest::mouseClick(button(pager, "pushButtonLast"), Qt::LeftButton);
    QCOMPARE(pager.getLimitSql(), QStringLiteral(" limit 69990,30;"));
    QCOMPARE(label(pager, "pageCurrent")->text(), QStringLiteral("2334"));
}

void TstSmallWidgets::switchToggles()
{
    SwitchControl sw;
    QCOMPARE(sw.size(), QSize(60, 28));
    QVERIFY(!sw.isChecked());
    QSignalSpy toggled(&sw, &SwitchControl::toggled);
    sw.show();
    QTest::mouseClick(&sw, Qt::LeftButton);
    QVERIFY(sw.isChecked());
    QCOMPARE(toggled.size(), 1);
    QCOMPARE(toggled.at(0).at(0).toBool(), true);
    QTest::mouseClick(&sw, Qt::LeftButton);
    QVERIFY(!sw.isChecked());
    QCOMPARE(toggled.at(1).at(0).toBool(), false);

    sw.setChecked(true);
    QVERIFY(sw.isChecked());
    QCOMPARE(toggled.size(), 2);
}

void TstSmallWidgets::switchIgnoresDisabledAndRightButton()
{
    SwitchControl sw;
    sw.show();
    QSignalSpy toggled(&sw, &SwitchControl::toggled);
    QTest::mouseClick(&sw, Qt::RightButton);
    QVERIFY(!sw.isChecked());
    sw.setEnabled(false);
    QTest::mouseClick(&sw, Qt::LeftButton);
    QVERIFY(!sw.isChecked());
    QCOMPARE(toggled.size(), 0);
}

void TstSmallWidgets::switchPaintsState()
{
    SwitchControl sw;
    sw.setChecked(true);
    QImage on = sw.grab().toImage();
    // Track green, knob at the right end (x 34..54).
    QVERIFY(QColor(on.pixel(20, 14)).green() > 240 && QColor(on.pixel(20, 14)).red() < 20);
    QCOMPARE(QColor(on.pixel(44, 15)), QColor(Qt::white));
    sw.setChecked(false);
    QImage off = sw.grab().toImage();
    QCOMPARE(QColor(off.pixel(15, 15)), QColor(Qt::white));
    QVERIFY(QColor(off.pixel(44, 14)).green() < 200); // grey track
    sw.setEnabled(false);
    sw.setChecked(true);
    QImage disabled = sw.grab().toImage();
    QVERIFY(QColor(disabled.pixel(20, 14)).green() < 200);
}

void TstSmallWidgets::headerCheckBox()
{
    QStandardItemModel model(2, 3);
    QTableView view;
    auto *header = new HeaderViewPrivate(&view, 0);
    view.setHorizontalHeader(header);
    view.setModel(&model);
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy checks(header, &HeaderViewPrivate::columnCheck);

    const QPoint col0(header->sectionViewportPosition(0) + 10, header->height() / 2);
    const QPoint col1(header->sectionViewportPosition(1) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, col0);
    QCOMPARE(checks.size(), 1);
    QCOMPARE(checks.at(0).at(0).toInt(), 0);
    QCOMPARE(checks.at(0).at(1).toBool(), true);
    QVERIFY(header->isChecked());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, col1);
    QCOMPARE(checks.size(), 1);
    // QTest stamps each click a double-click interval after the one before:
    // the next click is a click of its own, not the second half of a double click.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, col0);
    QCOMPARE(checks.size(), 2);
    QCOMPARE(checks.at(1).at(1).toBool(), false);

    header->setCheckedHeader(true);
    QVERIFY(header->isChecked());
    QCOMPARE(checks.size(), 2);
    QVERIFY(!header->grab().isNull());
}

void TstSmallWidgets::manageWidgetButtons()
{
    ManageWidget row;
    row.show();
    QVERIFY(button(row, "pushButtonEdit")->isVisible());
    QVERIFY(button(row, "pushButtonDelete")->isVisible());
    for (const char *name :
         {"pushButtonPassword", "pushButtonUser", "pushButtonAuth", "pushButtonSet", "pushButtonChannel"})
        QVERIFY2(!button(row, name)->isVisible(), name);
    QCOMPARE(button(row, "pushButtonSet")->toolTip(), QStringLiteral("Remote Configuration"));
    QCOMPARE(button(row, "pushButtonEdit")->size(), QSize(24, 24));

    QSignalSpy edit(&row, &ManageWidget::signalEdit);
    QTest::mouseClick(button(row, "pushButtonEdit"), Qt::LeftButton);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.at(0).at(0).toString(), QString());

    row.setKey(QStringLiteral("192.168.1.64"));
    row.setSetVisible(true);
    row.setChannelVisible(true);
    row.setDeleteVisible(false);
    QVERIFY(button(row, "pushButtonSet")->isVisible());
    QVERIFY(!button(row, "pushButtonDelete")->isVisible());

    QSignalSpy set(&row, &ManageWidget::signalSet);
    QSignalSpy channel(&row, &ManageWidget::signalChannel);
    QTest::mouseClick(button(row, "pushButtonSet"), Qt::LeftButton);
    QTest::mouseClick(button(row, "pushButtonChannel"), Qt::LeftButton);
    QCOMPARE(set.at(0).at(0).toString(), QStringLiteral("192.168.1.64"));
    QCOMPARE(channel.at(0).at(0).toString(), QStringLiteral("192.168.1.64"));

    row.setPasswordVisible(true);
    row.setUserVisible(true);
    row.setAuthVisible(true);
    QSignalSpy password(&row, &ManageWidget::signalPassword);
    QSignalSpy user(&row, &ManageWidget::signalUser);
    QSignalSpy auth(&row, &ManageWidget::signalAuth);
    QTest::mouseClick(button(row, "pushButtonPassword"), Qt::LeftButton);
    QTest::mouseClick(button(row, "pushButtonUser"), Qt::LeftButton);
    QTest::mouseClick(button(row, "pushButtonAuth"), Qt::LeftButton);
    QCOMPARE(password.size() + user.size() + auth.size(), 3);
}

void TstSmallWidgets::videoLabelFrame()
{
    QWidget video;
    video.resize(200, 100);
    auto *overlay = new VideoLabel(&video);
    QVERIFY(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));
    overlay->setGeometry(0, 0, 100, 50);
    QVERIFY(overlay->showFrame());
    QImage framed = overlay->grab().toImage();
    QCOMPARE(QColor(framed.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(framed.pixel(99, 49)), QColor(Qt::red));
    overlay->setShowFrame(false);
    QImage plain = overlay->grab().toImage();
    QVERIFY(QColor(plain.pixel(0, 0)) != QColor(Qt::red));
}

void TstSmallWidgets::typedDateTime_data()
{
    QTest::addColumn<int>("clickAt");      // the character clicked; -1: clicked, then Ctrl+A
    QTest::addColumn<QString>("keyboard"); // "": key clicks without Shift; "US" or "Czech": Shift as the layout needs
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaves");     // a click into the next field afterwards; '\r' typed is Enter
    QTest::addColumn<QString>("shown");   // from 2026-12-08 08:56:10
    QTest::addColumn<QString>("refused"); // the text said to be no time; empty: nothing said
    const auto row = [](const char *name, int clickAt, const char *keyboard, const char *typed, bool leaves,
                        const char *shown, const char *refused) {
        QTest::newRow(name) << clickAt << QString(keyboard) << QString(typed) << leaves << QString(shown)
                            << QString(refused);
    };
    row("whole text over the selection", -1, "", "2026-12-09 07:10:00", false, "2026-12-09 07:10:00", "");
    row("whole text from a click into the year", 1, "", "2027-01-02 03:04:05", false, "2027-01-02 03:04:05", "");
    row("into the minutes", 14, "", "10", false, "2026-12-08 08:10:10", "");
    row("a separator ends a section", 11, "", "7:5:", false, "2026-12-08 07:05:10", "");
    row("a short day ended by leaving", 8, "", "3", true, "2026-12-03 08:56:10", "");
    row("US layout, ':' with Shift", 11, "US", "08:10:00", false, "2026-12-08 08:10:00", "");
    row("Czech layout, digits with Shift", -1, "Czech", "2026-12-08 09:31:00", false, "2026-12-08 09:31:00", "");
    row("no such month: taken back on leaving", 5, "", "13", true, "2026-12-08 08:56:10", "2026-13-08 08:56:10");
    row("no such day: taken back on leaving", 8, "", "32", true, "2026-12-08 08:56:10", "2026-12-32 08:56:10");
    row("31 February: taken back on Enter, not the 28th", 5, "Czech", "02-31\r", false, "2026-12-08 08:56:10",
        "2026-02-31 08:56:10");
}

void TstSmallWidgets::typedDateTime()
{
    QFETCH(int, clickAt);
    QFETCH(QString, keyboard);
    QFETCH(QString, typed);
    QFETCH(bool, leaves);
    QFETCH(QString, shown);
    QFETCH(QString, refused);
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    QWidget window;
    auto *edit = new TypedDateTimeEdit(&window);
    auto *next = new QLineEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    edit->setDisplayFormat(format);
    edit->setDateTime(QDateTime::fromString(QStringLiteral("2026-12-08 08:56:10"), format));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The field keeps the focus only in the active window.
    QApplication::setActiveWindow(&window);
    QLineEdit *line = edit->findChild<QLineEdit *>();
    const QFontMetrics fm = line->fontMetrics();
    const int at = qMax(0, clickAt);
    const int x = line->contentsRect().left() + 2 + fm.horizontalAdvance(line->text().left(at))
                  + fm.horizontalAdvance(line->text().mid(at, 1)) / 2;
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, line->height() / 2));
    if (clickAt < 0)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (keyboard.isEmpty())
        QTest::keyClicks(edit, typed);
    else
        Keyboard::type(edit, typed, keyboard == QLatin1String("US") ? Keyboard::Layout::Us : Keyboard::Layout::Czech);
    if (leaves) {
        QTest::mouseClick(next, Qt::LeftButton);
        QTRY_VERIFY(next->hasFocus());
    }
    QCOMPARE(line->text(), shown);
    QCOMPARE(edit->dateTime().toString(format), shown);
    // A text that is no time is said, with the time the field kept.
    QStringList said;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *toast = qobject_cast<MsgTipInfoDlg *>(w)) {
            said << toast->findChild<QLabel *>(QStringLiteral("labelText"))->text();
            delete toast;
        }
    }
    QCOMPARE(said, refused.isEmpty() ? QStringList() : QStringList{TypedDateTimeEdit::noSuchTimeText(refused, shown)});
}

QTEST_MAIN(TstSmallWidgets)
#include "tst_smallwidgets.moc"
