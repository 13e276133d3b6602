#include "CVideoPlayback.h"
#include "MyCalendar.h"
#include "ReplayControl.h"
#include "TimeLine.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QSlider>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

namespace {

// 1440 px between the 16 px margins: one pixel is one minute.
constexpr int kWidth = 1440 + 2 * TimeLine::Margin;
constexpr int64_t kMinute = 60 * 1000;

void wheel(QWidget *w, int dy, int dx = 0, QPoint at = QPoint(700, 30))
{
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(dx, dy), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(w, &event);
}

ArchiveRecordPtr segment(const TimeLine &t, int fromMinute, int toMinute)
{
    return std::make_shared<ArchiveRecord>(t.dayStart() + fromMinute * kMinute, t.dayStart() + toMinute * kMinute);
}

// A hidden widget gets its resize event only when shown.
void layOut(TimeLine &line, int width)
{
    line.resize(width, 60);
    line.show();
    QVERIFY(QTest::qWaitForWindowExposed(&line));
}

QWidget *child(QWidget *parent, const char *name)
{
    return parent->findChild<QWidget *>(QLatin1String(name));
}

QAbstractButton *button(QWidget *parent, const char *name)
{
    return parent->findChild<QAbstractButton *>(QLatin1String(name));
}

} // namespace

class TstReplayWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerReplayMetaTypes();
    }

    // The three layers the operator sees: background, segment, cursor.
    void timeLinePaintsSegmentsAndCursor()
    {
        TimeLine line;
        line.setCursorColor(qRgb(255, 0, 0));
        layOut(line, kWidth);
        const int64_t day = line.dayStart();
        line.setRecords({std::make_shared<ArchiveRecord>(day, line.dayEnd() + 1)});
        line.setCurrentTime(day + 12 * 60 * kMinute);
        const QImage image = line.grab().toImage();
        QCOMPARE(QColor(image.pixel(4, 50)), QColor(19, 22, 27));
        QCOMPARE(QColor(image.pixel(int(line.xForTime(day + 6 * 60 * kMinute)), 50)), QColor(0, 128, 0));
        QCOMPARE(QColor(image.pixel(int(line.xForTime(day + 12 * 60 * kMinute)), 50)), QColor(255, 0, 0));
        // The first hour tick is white from the top.
        QCOMPARE(QColor(image.pixel(TimeLine::Margin, 2)), QColor(Qt::white));
    }

    // Too narrow for its margins, or not laid out at all: paints and returns.
    void timeLineTooNarrowStillPaints()
    {
        TimeLine line;
        wheel(&line, 120);
        QCOMPARE(line.zoom(), 1.0f);
        layOut(line, 20);
        QVERIFY(!line.grab().isNull());
        wheel(&line, -120);
        QVERIFY(!line.grab().isNull());
    }

    void timeLineWheel_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<float>("zoom");
        QTest::newRow("notch in") << QList<int>{120} << 1.125f;
        QTest::newRow("notch out at 1 stays") << QList<int>{-120} << 1.0f;
        const double z2 = 1.125 * (1 + 0.125 * (0.125 * 4 / 239 + 1));
        QTest::newRow("in then out") << QList<int>{120, 120, -120}
                                     << float(z2 * (1 - 0.125 * ((z2 - 1) * 4 / 239 + 1)));
        QTest::newRow("three thirds make a notch") << QList<int>{40, 40, 40} << 1.125f;
        QTest::newRow("a small turn alone does nothing") << QList<int>{40} << 1.0f;
        QTest::newRow("zero does nothing") << QList<int>{0} << 1.0f;
        QTest::newRow("a turn back starts over") << QList<int>{80, -40, 80} << 1.0f;
        QTest::newRow("stops exactly at the top") << QVector<int>(60, 120).toList() << 240.0f;
        QTest::newRow("all the way back out")
            << (QVector<int>(60, 120).toList() + QVector<int>(60, -120).toList()) << 1.0f;
    }

    void timeLineWheel()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(float, zoom);
        TimeLine line;
        layOut(line, kWidth);
        float before = line.zoom();
        int axisBefore = line.axisWidth();
        for (int d : deltas) {
            before = line.zoom();
            axisBefore = line.axisWidth();
            wheel(&line, d);
            QVERIFY(line.offset() <= 0);
            QVERIFY(line.offset() + line.axisWidth() >= kWidth);
        }
        QVERIFY2(qAbs(line.zoom() - zoom) < 1e-4f, qPrintable(QString::number(line.zoom())));
        if (zoom == 240.0f && before < 240.0f)
            QCOMPARE(line.axisWidth(), int(axisBefore * (240.0 / before)));
        // A horizontal scroll is not a zoom.
        const float now = line.zoom();
        wheel(&line, 0, -120);
        QCOMPARE(line.zoom(), now);
        // Every resize undoes the zoom.
        line.resize(kWidth + 10, 60);
        QCOMPARE(line.zoom(), 1.0f);
        QCOMPARE(line.axisWidth(), kWidth + 10);
        QCOMPARE(line.offset(), 0);
    }

    void timeLineClicks_data()
    {
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("selected"); // index of the segment, -1 none
        QTest::newRow("inside the first") << 90 << int(Qt::LeftButton) << 0;
        QTest::newRow("inside the second") << 600 << int(Qt::LeftButton) << 1;
        QTest::newRow("between") << 300 << int(Qt::LeftButton) << -1;
        QTest::newRow("right button") << 90 << int(Qt::RightButton) << -1;
    }

    void timeLineClicks()
    {
        QFETCH(int, minute);
        QFETCH(int, button);
        QFETCH(int, selected);
        TimeLine line;
        layOut(line, kWidth);
        line.setClickLockInterval(50);
        const std::vector<ArchiveRecordPtr> records{segment(line, 60, 120), segment(line, 540, 660)};
        line.setRecords(records);
        QSignalSpy spy(&line, &TimeLine::recordSelected);
        const int x = int(line.xForTime(line.dayStart() + minute * kMinute)) + 1;
        QTest::mouseClick(&line, Qt::MouseButton(button), Qt::NoModifier, QPoint(x, 30));
        QCOMPARE(spy.count(), selected < 0 ? 0 : 1);
        if (selected >= 0) {
            QCOMPARE(spy.at(0).at(0).value<ArchiveRecordPtr>(), records.at(size_t(selected)));
            QCOMPARE(spy.at(0).at(1).value<int64_t>(), line.timeForX(x));
        }
        // Locked after any button, even for a click on a segment...
        const int other = int(line.xForTime(line.dayStart() + 100 * kMinute));
        QTest::mouseClick(&line, Qt::LeftButton, Qt::NoModifier, QPoint(other, 30));
        QCOMPARE(spy.count(), selected < 0 ? 0 : 1);
        // ...until the lock runs out.
        QTRY_VERIFY_WITH_TIMEOUT((QTest::mouseClick(&line, Qt::LeftButton, Qt::NoModifier, QPoint(other, 30)),
                                  spy.count() == (selected < 0 ? 1 : 2)),
                                 5000);
    }

    void controlStartsWithSpeedTextAndOneXChecked()
    {
        ReplayControl bar;
        QCOMPARE(button(&bar, "pushButtonSpeed")->text(), QStringLiteral("Speed"));
        QStringList texts;
        for (QAction *a : bar.speedMenu()->actions())
            texts << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
        QCOMPARE(texts, (QStringList{"8.0X", "4.0X", "2.0X", "1.0X*", "0.5X"}));
        for (QWidget *w : QList<QWidget *>{child(&bar, "pushButtonFast"), child(&bar, "pushButtonSlow"),
                                           child(&bar, "pushButtonFrame"), child(&bar, "pushButtonVolume"),
                                           child(&bar, "horizontalSliderVolume")})
            QVERIFY(w->isHidden());
    }

    // The bar's icon buttons have no text: without their style sheet image the
    // operator sees blank squares. Checked states show another image.
    void controlIconButtonsShowAnImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checkedDiffers");
        QTest::newRow("pause") << "pushButtonPause" << true;
        QTest::newRow("stop") << "pushButtonStop" << false;
        QTest::newRow("frame") << "pushButtonFrame" << false;
        QTest::newRow("fast") << "pushButtonFast" << false;
        QTest::newRow("slow") << "pushButtonSlow" << false;
        QTest::newRow("capture") << "pushButtonCapture" << false;
        QTest::newRow("full") << "pushButtonFull" << false;
        QTest::newRow("volume") << "pushButtonVolume" << true;
    }

    void controlIconButtonsShowAnImage()
    {
        QFETCH(QString, name);
        QFETCH(bool, checkedDiffers);
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        ReplayControl bar;
        bar.setStyleSheet(QString::fromUtf8(css.readAll()));
        auto *b = bar.findChild<QAbstractButton *>(name);
        QVERIFY(b);
        b->show();
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const auto lightPixels = [](const QImage &image) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) > 150;
            return n;
        };
        const bool checkable = b->isCheckable();
        b->setChecked(false);
        const QImage plain = b->grab().toImage();
        QVERIFY2(lightPixels(plain) > 10, qPrintable(name));
        if (checkable) {
            b->setChecked(true);
            const QImage checked = b->grab().toImage();
            QVERIFY(lightPixels(checked) > 10);
            QCOMPARE(checked != plain, checkedDiffers);
        }
    }

    // The menu runs modally: it is driven from a timer and checked afterwards.
    void controlSpeedMenuAboveTheButton()
    {
        ReplayControl bar;
        bar.setGeometry(100, 500, 799, 42);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy speed(&bar, &ReplayControl::signalSpeed);
        QRect menuGeometry;
        QTimer::singleShot(100, &bar, [&] {
            QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            menuGeometry = menu->geometry();
            menu->actions().last()->trigger();
            menu->close();
        });
        QTest::mouseClick(child(&bar, "pushButtonSpeed"), Qt::LeftButton);
        QCOMPARE(speed.count(), 1);
        QCOMPARE(speed.at(0).at(0).toFloat(), 0.5f);
        QCOMPARE(button(&bar, "pushButtonSpeed")->text(), QStringLiteral("0.5X"));
        const QPoint buttonTop = child(&bar, "pushButtonSpeed")->mapToGlobal(QPoint(0, 0));
        QCOMPARE(menuGeometry.left(), buttonTop.x());
        QCOMPARE(menuGeometry.bottom() + 1, buttonTop.y());
    }

    void controlSetSpeed_data()
    {
        QTest::addColumn<float>("speed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("checked");
        QTest::newRow("listed") << 2.0f << "2.0X"
                                << "2.0X";
        QTest::newRow("nearly listed") << 0.5000001f << "0.5X"
                                       << "0.5X";
        QTest::newRow("not listed") << 3.0f << "Speed"
                                    << "1.0X";
    }

    void controlSetSpeed()
    {
        QFETCH(float, speed);
        QFETCH(QString, text);
        QFETCH(QString, checked);
        ReplayControl bar;
        QSignalSpy spy(&bar, &ReplayControl::signalSpeed);
        bar.setSpeed(speed);
        QCOMPARE(button(&bar, "pushButtonSpeed")->text(), text);
        QCOMPARE(bar.speedGroup()->checkedAction()->text(), checked);
        QCOMPARE(spy.count(), 0);
    }

    void controlPauseAndSound()
    {
        ReplayControl bar;
        child(&bar, "pushButtonVolume")->show();
        child(&bar, "horizontalSliderVolume")->show();
        QSignalSpy pause(&bar, &ReplayControl::signalPause);
        QSignalSpy mute(&bar, &ReplayControl::signalMute);
        QSignalSpy volume(&bar, &ReplayControl::signalVolume);
        QTest::mouseClick(child(&bar, "pushButtonPause"), Qt::LeftButton);
        QTest::mouseClick(child(&bar, "pushButtonPause"), Qt::LeftButton);
        bar.setPauseState(true);
        QTest::mouseClick(child(&bar, "pushButtonPause"), Qt::LeftButton);
        QCOMPARE(pause.count(), 3);
        QCOMPARE((QList<bool>{pause.at(0).at(0).toBool(), pause.at(1).at(0).toBool(), pause.at(2).at(0).toBool()}),
                 (QList<bool>{true, false, false}));
        QVERIFY(!button(&bar, "pushButtonPause")->isChecked());

        QTest::mouseClick(child(&bar, "pushButtonVolume"), Qt::LeftButton);
        static_cast<QSlider *>(child(&bar, "horizontalSliderVolume"))->setValue(40);
        QCOMPARE(volume.count(), 0);
        QTest::mouseClick(child(&bar, "pushButtonVolume"), Qt::LeftButton);
        QCOMPARE(mute.count(), 2);
        QCOMPARE(mute.at(1).at(0).toBool(), false);
        QCOMPARE(volume.count(), 0);
        static_cast<QSlider *>(child(&bar, "horizontalSliderVolume"))->setValue(60);
        QCOMPARE(volume.count(), 1);
        QCOMPARE(volume.at(0).at(0).toInt(), 60);
    }

    // The dot is the only difference a mark makes, a radius-3 dot near the
    // top-right corner of the day's cell.
    void calendarDotsMarkedDays()
    {
        MyCalendar calendar;
        calendar.resize(310, 220);
        calendar.setSelectedDate(QDate(2024, 3, 20));
        calendar.setCurrentPage(2024, 3);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        auto *view = calendar.findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(view);
        const QImage plain = view->viewport()->grab().toImage();
        calendar.setMarkedDays({QStringLiteral("20240305")});
        const QImage marked = view->viewport()->grab().toImage();
        QRect changed;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (plain.pixel(x, y) != marked.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        QVERIFY(changed.isValid());
        QVERIFY(changed.width() <= 8 && changed.height() <= 8);
        QCOMPARE(QColor(marked.pixel(changed.center())), QColor(Qt::red));
        const QModelIndex cell = view->indexAt(changed.center());
        QCOMPARE(cell.data().toInt(), 5);
        const QRect r = view->visualRect(cell);
        QVERIFY(qAbs(changed.center().x() - (r.x() + r.width() - 5)) <= 1);
        QVERIFY(qAbs(changed.center().y() - (r.y() + 5)) <= 1);
        calendar.clearMarkedDays();
        QCOMPARE(view->viewport()->grab().toImage(), plain);
    }

    void pageStartsOnTheNvrTabWithoutCloud()
    {
        CVideoPlayback page;
        QTabWidget *tabs = page.tabWidget();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), int(CVideoPlayback::NvrTab));
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("pageLocal"));
        QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("pageNVR"));
        QCOMPARE(tabs->widget(2)->objectName(), QStringLiteral("pageIOT"));
        QVERIFY(!tabs->isTabVisible(CVideoPlayback::CloudTab));
        page.setCloudTabVisible(true);
        tabs->setCurrentIndex(CVideoPlayback::CloudTab);
        page.setCloudTabVisible(false);
        QCOMPARE(tabs->currentIndex(), int(CVideoPlayback::NvrTab));
        QVERIFY(!tabs->isTabVisible(CVideoPlayback::CloudTab));
    }
};

QTEST_MAIN(TstReplayWidgets)
#include "tst_replaywidgets.moc"
