#include "CaptureScreen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace {

void send(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, pos, type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void drag(QWidget *w, const QPoint &from, const QPoint &to)
{
    send(w, QEvent::MouseMove, from);
    send(w, QEvent::MouseButtonPress, from);
    send(w, QEvent::MouseMove, (from + to) / 2);
    send(w, QEvent::MouseMove, to);
    send(w, QEvent::MouseButtonRelease, to);
}

} // namespace

class TstCaptureScreen : public QObject
{
    Q_OBJECT

private slots:
    void lookAndShade();
    void clickGivesOnePixel();
    void drawsNormalisedRectangle();
    void moveStopsAtEdges();
    void resizeByHandles_data();
    void resizeByHandles();
    void resizePastOppositeEdgeTurnsOver();
    void pressOutsideChangesNothing();
    void setSelectRectIsReturnedUnchanged();
    void cursorsFollowHandles();
    void paintsSelection();
};

void TstCaptureScreen::lookAndShade()
{
    CaptureScreen cs;
    QCOMPARE(cs.size(), QSize(400, 300));
    QVERIFY(cs.hasMouseTracking());
    QCOMPARE(cs.state(), int(CaptureScreen::None));
    QCOMPARE(cs.getSelectRect(), QRect());
    // Without a desktop grab the screens still give the area to dim.
    QVERIFY(!cs.shadeRect().isEmpty());
}

void TstCaptureScreen::clickGivesOnePixel()
{
    CaptureScreen cs;
    send(&cs, QEvent::MouseButtonPress, QPoint(50, 60));
    send(&cs, QEvent::MouseButtonRelease, QPoint(50, 60));
    QCOMPARE(cs.state(), int(CaptureScreen::Drawn));
    QCOMPARE(cs.getSelectRect(), QRect(50, 60, 1, 1));
}

void TstCaptureScreen::drawsNormalisedRectangle()
{
    CaptureScreen cs;
    drag(&cs, QPoint(200, 150), QPoint(100, 50));
    QCOMPARE(cs.getSelectRect(), QRect(QPoint(100, 50), QPoint(200, 150)));

    CaptureScreen clipped;
    drag(&clipped, QPoint(300, 200), QPoint(900, 900));
    QCOMPARE(clipped.getSelectRect(), QRect(QPoint(300, 200), QPoint(399, 299)));

    // Right-button presses do not start anything.
    CaptureScreen right;
    send(&right, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
    QCOMPARE(right.state(), int(CaptureScreen::None));
}

void TstCaptureScreen::moveStopsAtEdges()
{
    CaptureScreen cs;
    drag(&cs, QPoint(100, 100), QPoint(199, 149)); // 100 x 50
    drag(&cs, QPoint(150, 120), QPoint(170, 130));
    QCOMPARE(cs.getSelectRect(), QRect(120, 110, 100, 50));
    drag(&cs, QPoint(150, 120), QPoint(1000, 1000));
    QCOMPARE(cs.getSelectRect(), QRect(300, 250, 100, 50));
    drag(&cs, QPoint(350, 270), QPoint(-1000, -1000));
    QCOMPARE(cs.getSelectRect(), QRect(0, 0, 100, 50));
}

void TstCaptureScreen::resizeByHandles_data()
{
    QTest::addColumn<QPoint>("handle");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expected");
    // Selection (100,100)-(200,180).
    QTest::newRow("top-left") << QPoint(100, 100) << QPoint(80, 90) << QRect(QPoint(80, 90), QPoint(200, 180));
    QTest::newRow("top-right") << QPoint(200, 100) << QPoint(250, 60) << QRect(QPoint(100, 60), QPoint(250, 180));
    QTest::newRow("bottom-left") << QPoint(100, 180) << QPoint(50, 200) << QRect(QPoint(50, 100), QPoint(200, 200));
    QTest::newRow("bottom-right") << QPoint(200, 180) << QPoint(300, 250) << QRect(QPoint(100, 100), QPoint(300, 250));
    QTest::newRow("left") << QPoint(100, 140) << QPoint(60, 10) << QRect(QPoint(60, 100), QPoint(200, 180));
    QTest::newRow("top") << QPoint(150, 100) << QPoint(10, 40) << QRect(QPoint(100, 40), QPoint(200, 180));
    QTest::newRow("right") << QPoint(200, 140) << QPoint(390, 0) << QRect(QPoint(100, 100), QPoint(390, 180));
    QTest::newRow("bottom") << QPoint(150, 180) << QPoint(0, 299) << QRect(QPoint(100, 100), QPoint(200, 299));
}

void TstCaptureScreen::resizeByHandles()
{
    QFETCH(QPoint, handle);
    QFETCH(QPoint, to);
    QFETCH(QRect, expected);
    CaptureScreen cs;
    drag(&cs, QPoint(100, 100), QPoint(200, 180));
    QVERIFY(cs.handleAt(handle) != CaptureScreen::NoHandle);
    drag(&cs, handle, to);
    QCOMPARE(cs.state(), int(CaptureScreen::Resized));
    QCOMPARE(cs.getSelectRect(), expected);
    // The resize is committed: a following move starts from it.
    drag(&cs, expected.center(), expected.center() + QPoint(1, 1));
    QCOMPARE(cs.getSelectRect().size(), expected.size());
}

void TstCaptureScreen::resizePastOppositeEdgeTurnsOver()
{
    CaptureScreen cs;
    drag(&cs, QPoint(100, 100), QPoint(200, 180));
    drag(&cs, QPoint(200, 180), QPoint(50, 40));
    QCOMPARE(cs.getSelectRect(), QRect(QPoint(50, 40), QPoint(100, 100)));
}

void TstCaptureScreen::pressOutsideChangesNothing()
{
    CaptureScreen cs;
    drag(&cs, QPoint(100, 100), QPoint(200, 180));
    const QRect before = cs.getSelectRect();
    drag(&cs, QPoint(300, 250), QPoint(350, 280));
    QCOMPARE(cs.getSelectRect(), before);
    QCOMPARE(cs.state(), int(CaptureScreen::Drawn));
}

void TstCaptureScreen::setSelectRectIsReturnedUnchanged()
{
    CaptureScreen cs;
    cs.setSelectRect(QRect(10, 20, 120, 80));
    QCOMPARE(cs.getSelectRect(), QRect(10, 20, 120, 80));
    QCOMPARE(cs.getSelectRect(), QRect(10, 20, 120, 80));
    drag(&cs, QPoint(50, 50), QPoint(60, 55));
    QCOMPARE(cs.getSelectRect(), QRect(20, 25, 120, 80));
}

void TstCaptureScreen::cursorsFollowHandles()
{
    CaptureScreen cs;
    drag(&cs, QPoint(100, 100), QPoint(200, 180));
    const struct
    {
        QPoint at;
        Qt::CursorShape shape;
    } cases[] = {
        {{100, 100}, Qt::SizeFDiagCursor}, {{200, 180}, Qt::SizeFDiagCursor}, {{200, 100}, Qt::SizeBDiagCursor},
        {{100, 180}, Qt::SizeBDiagCursor}, {{100, 140}, Qt::SizeHorCursor},   {{150, 100}, Qt::SizeVerCursor},
        {{150, 140}, Qt::SizeAllCursor},   {{300, 250}, Qt::ArrowCursor},
    };
    for (const auto &c : cases) {
        send(&cs, QEvent::MouseMove, c.at);
        QCOMPARE(cs.cursor().shape(), c.shape);
    }
}

void TstCaptureScreen::paintsSelection()
{
    CaptureScreen cs;
    drag(&cs, QPoint(100, 100), QPoint(200, 180));
    const QImage image = cs.grab().toImage();
    QCOMPARE(QColor(image.pixel(150, 100)).green(), 255); // the green outline
    QCOMPARE(QColor(image.pixel(100, 100)).green(), 255); // a handle
    const QColor shade(image.pixel(300, 250));
    QVERIFY(shade.alpha() > 0 && shade.red() == 0);
}

QTEST_MAIN(TstCaptureScreen)
#include "tst_capturescreen.moc"
