#include "CMoveDetectTimeline.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace {

constexpr int64_t Hour = 3600;
constexpr int64_t Minute = 60;
// 1440 px of time axis between the 16 px margins: one pixel is about a minute.
constexpr int BarWidth = 1440 + 32 + 1;

void send(QWidget *w, QEvent::Type type, const QPointF &pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TstTimeline : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void drawsASegment();
    void clickOnFreeTimeAddsNothing();
    void backwardsOrShortDrawingLeavesNothing_data();
    void backwardsOrShortDrawingLeavesNothing();
    void movesWholeSegment();
    void resizesEdges();
    void resizeNeverGoesBelowMinimum();
    void moveStopsShortOfTheDayEdges();
    void dragOutDeletes_data();
    void dragOutDeletes();
    void segmentInsideAnotherIsRemoved();
    void segmentCoveringOthersRemovesThem();
    void partialOverlapsStay();
    void draggedIntoAnotherIsRemoved();
    void maximumRefusesOnlyNewSegments();
    void ownerApi();
    void rightButtonDoesNothing();
    void paintsSegmentsAndRuler();

private:
    QPointF at(int64_t secondsOfDay, double y = 20) const;
    void press(int64_t s) { send(m_bar, QEvent::MouseButtonPress, at(s), Qt::LeftButton, Qt::LeftButton); }
    void moveTo(int64_t s, double y = 20) { send(m_bar, QEvent::MouseMove, at(s, y), Qt::NoButton, Qt::LeftButton); }
    void release(int64_t s, double y = 20)
    {
        send(m_bar, QEvent::MouseButtonRelease, at(s, y), Qt::LeftButton, Qt::NoButton);
    }
    void draw(int64_t from, int64_t to)
    {
        moveTo(from);
        press(from);
        moveTo((from + to) / 2);
        moveTo(to);
        release(to);
    }
    QList<QPair<int64_t, int64_t>> spans() const;

    CMoveDetectTimeline *m_bar = nullptr;
    QSignalSpy *m_spy = nullptr;
};

QPointF TstTimeline::at(int64_t secondsOfDay, double y) const
{
    return QPointF(m_bar->xOf(m_bar->dayStart() + secondsOfDay), y);
}

QList<QPair<int64_t, int64_t>> TstTimeline::spans() const
{
    QList<QPair<int64_t, int64_t>> out;
    for (const auto &s : m_bar->getSegments())
        out.append({s->start - m_bar->dayStart(), s->end - m_bar->dayStart()});
    return out;
}

#define QCOMPARE_NEAR(actual, expected, tolerance)                                                                     \
    QVERIFY2(std::llabs(int64_t(actual) - int64_t(expected)) <= (tolerance),                                           \
             qPrintable(QStringLiteral("%1 vs %2").arg(int64_t(actual)).arg(int64_t(expected))))

void TstTimeline::init()
{
    m_bar = new CMoveDetectTimeline;
    m_bar->resize(BarWidth, 60);
    m_bar->setIdentify(3);
    m_spy = new QSignalSpy(m_bar, &CMoveDetectTimeline::timeRangeChanged);
}

void TstTimeline::cleanup()
{
    delete m_spy;
    delete m_bar;
}

void TstTimeline::drawsASegment()
{
    draw(8 * Hour, 10 * Hour);
    const auto list = spans();
    QCOMPARE(list.size(), 1);
    QCOMPARE_NEAR(list[0].first, 8 * Hour, 60);
    QCOMPARE_NEAR(list[0].second, 10 * Hour, 60);
    const auto segment = m_bar->getSegments().front();
    QVERIFY(segment->placed);
    QCOMPARE(segment->colour, CMoveDetectTimeline::DefaultColour);
    QCOMPARE(m_spy->size(), 1);
    QCOMPARE(m_spy->at(0).at(0).toInt(), 3);
}

void TstTimeline::clickOnFreeTimeAddsNothing()
{
    moveTo(9 * Hour);
    press(9 * Hour);
    QCOMPARE(m_bar->getSegments().size(), size_t(1)); // being drawn, end 0
    QCOMPARE(m_bar->getSegments().front()->end, int64_t(0));
    release(9 * Hour);
    QVERIFY(m_bar->getSegments().empty());
    QCOMPARE(m_spy->size(), 1);
}

void TstTimeline::backwardsOrShortDrawingLeavesNothing_data()
{
    QTest::addColumn<int64_t>("from");
    QTest::addColumn<int64_t>("to");
    QTest::newRow("right to left") << 12 * Hour << 10 * Hour;
    QTest::newRow("two minutes") << 12 * Hour << 12 * Hour + 2 * Minute;
}

void TstTimeline::backwardsOrShortDrawingLeavesNothing()
{
    QFETCH(int64_t, from);
    QFETCH(int64_t, to);
    draw(from, to);
    QVERIFY(m_bar->getSegments().empty());
    QCOMPARE(m_spy->size(), 1);
}

void TstTimeline::movesWholeSegment()
{
    draw(8 * Hour, 10 * Hour);
    const auto before = spans().at(0);
    moveTo(9 * Hour);
    press(9 * Hour);
    QCOMPARE(m_bar->cursor().shape(), Qt::ClosedHandCursor);
    moveTo(10 * Hour);
    moveTo(11 * Hour);
    release(11 * Hour);
    const auto after = spans().at(0);
    QCOMPARE(after.second - after.first, before.second - before.first);
    QCOMPARE_NEAR(after.first, before.first + 2 * Hour, 60);
    QCOMPARE(m_bar->cursor().shape(), Qt::OpenHandCursor);
    QCOMPARE(m_spy->size(), 2);
}

void TstTimeline::resizesEdges()
{
    draw(8 * Hour, 10 * Hour);
    auto s = spans().at(0);
    // End edge.
    moveTo(s.second);
    QCOMPARE(m_bar->cursor().shape(), Qt::SizeHorCursor);
    press(s.second);
    moveTo(s.second + Hour);
    release(s.second + Hour);
    auto r = spans().at(0);
    QCOMPARE(r.first, s.first);
    QCOMPARE_NEAR(r.second, 11 * Hour, 120);
    // Start edge.
    moveTo(r.first);
    press(r.first);
    moveTo(r.first - 2 * Hour);
    release(r.first - 2 * Hour);
    auto q = spans().at(0);
    QCOMPARE(q.second, r.second);
    QCOMPARE_NEAR(q.first, 6 * Hour, 120);
}

void TstTimeline::resizeNeverGoesBelowMinimum()
{
    draw(8 * Hour, 10 * Hour);
    auto s = spans().at(0);
    moveTo(s.second);
    press(s.second);
    for (int64_t t = s.second; t > 6 * Hour; t -= 10 * Minute) {
        moveTo(t);
        QVERIFY(m_bar->getSegments().front()->isValid());
    }
    release(6 * Hour);
    auto r = spans().at(0);
    QCOMPARE(r.first, s.first);
    QCOMPARE(r.second - r.first, TimelineDetect::MinSpan);

    moveTo(r.first);
    press(r.first);
    moveTo(r.first + 5 * Hour);
    release(r.first + 5 * Hour);
    auto q = spans().at(0);
    QVERIFY(m_bar->getSegments().front()->isValid());
    QCOMPARE(q.second, r.second);
}

void TstTimeline::moveStopsShortOfTheDayEdges()
{
    draw(20 * Hour, 22 * Hour);
    moveTo(21 * Hour);
    press(21 * Hour);
    for (int64_t t = 21 * Hour; t <= 25 * Hour; t += 10 * Minute) // on past the bar's end
        moveTo(t);
    release(24 * Hour);
    auto s = spans().at(0);
    QVERIFY(s.second <= m_bar->dayEnd() - m_bar->dayStart());
    QVERIFY(s.second > m_bar->dayEnd() - m_bar->dayStart() - 10 * Minute); // stopped short of the end
    QCOMPARE_NEAR(s.second - s.first, 2 * Hour, 60);

    // A whole-day segment cannot be moved at all.
    m_bar->clearSegments();
    m_bar->addWholeDaySegment(1, 0xFF0000FF);
    moveTo(12 * Hour);
    press(12 * Hour);
    moveTo(13 * Hour);
    moveTo(11 * Hour);
    release(11 * Hour);
    auto day = spans().at(0);
    QCOMPARE(day.first, int64_t(0));
    QCOMPARE(day.second, m_bar->dayEnd() - m_bar->dayStart());
}

void TstTimeline::dragOutDeletes_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("kept");
    QTest::newRow("11 px above") << -11.0 << false;
    QTest::newRow("10 px above") << -10.0 << true;
}

void TstTimeline::dragOutDeletes()
{
    QFETCH(double, y);
    QFETCH(bool, kept);
    draw(8 * Hour, 10 * Hour);
    moveTo(9 * Hour);
    press(9 * Hour);
    moveTo(9 * Hour, y);
    release(9 * Hour, y);
    QCOMPARE(m_bar->getSegments().size(), size_t(kept ? 1 : 0));
    QCOMPARE(m_spy->size(), 2);
}

void TstTimeline::segmentInsideAnotherIsRemoved()
{
    draw(8 * Hour, 12 * Hour);
    // Pressing inside a segment grabs it, so the inner one starts on free time
    // and is then moved inside: it is dropped on release.
    draw(14 * Hour, 15 * Hour);
    QCOMPARE(spans().size(), 2);
    moveTo(14 * Hour + 30 * Minute);
    press(14 * Hour + 30 * Minute);
    moveTo(12 * Hour);
    moveTo(10 * Hour);
    release(10 * Hour);
    QCOMPARE(spans().size(), 1);
    QCOMPARE_NEAR(spans().at(0).first, 8 * Hour, 60);
}

void TstTimeline::segmentCoveringOthersRemovesThem()
{
    draw(9 * Hour, 10 * Hour);
    draw(11 * Hour, 12 * Hour);
    draw(15 * Hour, 16 * Hour);
    draw(8 * Hour, 13 * Hour); // drawn over the first two
    // The press at 08:00 is on free time, the drag covers 09-10 and 11-12.
    const auto list = spans();
    QCOMPARE(list.size(), 2);
    QCOMPARE_NEAR(list.at(0).first, 15 * Hour, 60);
    QCOMPARE_NEAR(list.at(1).first, 8 * Hour, 60);
    QCOMPARE_NEAR(list.at(1).second, 13 * Hour, 60);
}

void TstTimeline::partialOverlapsStay()
{
    draw(8 * Hour, 10 * Hour);
    draw(11 * Hour, 13 * Hour);
    moveTo(12 * Hour);
    press(12 * Hour);
    moveTo(11 * Hour);
    moveTo(10 * Hour);
    release(10 * Hour); // now about 09:00-11:00 over 08:00-10:00
    const auto list = spans();
    QCOMPARE(list.size(), 2);
    QCOMPARE_NEAR(list.at(1).first, 9 * Hour, 120);
}

void TstTimeline::draggedIntoAnotherIsRemoved()
{
    // A stored segment that lies inside a drawn one is not kept twice over.
    draw(6 * Hour, 12 * Hour);
    auto inner = std::make_shared<TimelineDetect>();
    inner->start = m_bar->dayStart() + 7 * Hour;
    inner->end = m_bar->dayStart() + 8 * Hour;
    m_bar->addSegment(inner);
    QCOMPARE(spans().size(), 1);
    QCOMPARE_NEAR(spans().at(0).second, 12 * Hour, 60);
}

void TstTimeline::maximumRefusesOnlyNewSegments()
{
    for (int i = 0; i < 6; ++i)
        draw((2 + 3 * i) * Hour, (3 + 3 * i) * Hour);
    QCOMPARE(spans().size(), 6);

    // No new segment on free time.
    draw(Hour / 2, Hour + Hour / 2);
    QCOMPARE(spans().size(), 6);

    // Existing ones still move, resize and drag out.
    const auto before = spans().at(0);
    moveTo(2 * Hour + 30 * Minute);
    press(2 * Hour + 30 * Minute);
    moveTo(3 * Hour + 30 * Minute);
    release(3 * Hour + 30 * Minute);
    QCOMPARE_NEAR(spans().at(0).first, before.first + Hour, 60);

    moveTo(6 * Hour);
    press(5 * Hour + 30 * Minute);
    moveTo(5 * Hour + 30 * Minute, -30);
    release(5 * Hour + 30 * Minute, -30);
    QCOMPARE(spans().size(), 5);

    m_bar->setMaxSegments(8);
    QCOMPARE(m_bar->maxSegments(), 8);
}

void TstTimeline::ownerApi()
{
    auto invalid = std::make_shared<TimelineDetect>();
    invalid->start = m_bar->dayStart() + Hour;
    invalid->end = invalid->start + 179;
    m_bar->addSegment(invalid);
    m_bar->addSegment(nullptr);
    QVERIFY(m_bar->getSegments().empty());

    auto stored = std::make_shared<TimelineDetect>();
    stored->start = m_bar->dayStart() + 8 * Hour;
    stored->end = m_bar->dayStart() + 18 * Hour;
    m_bar->addSegment(stored);
    m_bar->addSegment(stored); // once
    QCOMPARE(m_bar->getSegments().size(), size_t(1));
    QCOMPARE(stored->colour, CMoveDetectTimeline::DefaultColour);
    QCOMPARE(stored->type, 0);
    QCOMPARE(m_spy->size(), 0);

    auto second = std::make_shared<TimelineDetect>();
    second->start = m_bar->dayStart() + 19 * Hour;
    second->end = m_bar->dayStart() + 20 * Hour;
    second->type = 4;
    second->colour = 0xFFFF0000;
    m_bar->addSegment(second);
    QCOMPARE(second->type, 4);
    QCOMPARE(second->colour, QRgb(0xFFFF0000));
    QCOMPARE(m_bar->getSegments().size(), size_t(2));

    m_bar->clearSegments();
    QVERIFY(m_bar->getSegments().empty());
    QCOMPARE(m_spy->size(), 0);

    m_bar->addWholeDaySegment(2, 0xFF112233);
    QCOMPARE(m_spy->size(), 1);
    const auto day = m_bar->getSegments().front();
    QCOMPARE(QDateTime::fromSecsSinceEpoch(day->start).time(), QTime(0, 0, 0));
    QCOMPARE(QDateTime::fromSecsSinceEpoch(day->end).time(), QTime(23, 59, 59));
    QCOMPARE(day->type, 2);
}

void TstTimeline::rightButtonDoesNothing()
{
    send(m_bar, QEvent::MouseButtonPress, at(9 * Hour), Qt::RightButton, Qt::RightButton);
    send(m_bar, QEvent::MouseMove, at(11 * Hour), Qt::NoButton, Qt::RightButton);
    send(m_bar, QEvent::MouseButtonRelease, at(11 * Hour), Qt::RightButton, Qt::NoButton);
    QVERIFY(m_bar->getSegments().empty());
    QCOMPARE(m_spy->size(), 0);
}

void TstTimeline::paintsSegmentsAndRuler()
{
    draw(8 * Hour, 12 * Hour);
    auto red = std::make_shared<TimelineDetect>();
    red->start = m_bar->dayStart() + 14 * Hour;
    red->end = m_bar->dayStart() + 16 * Hour;
    red->colour = 0xFFE04B4B;
    m_bar->addSegment(red);

    const QImage image = m_bar->grab().toImage();
    const int y = 50;
    QCOMPARE(QColor(image.pixel(int(at(10 * Hour).x()), y)), QColor(58, 170, 36));
    QCOMPARE(QColor(image.pixel(int(at(15 * Hour).x()), y)), QColor(0xE0, 0x4B, 0x4B));
    QCOMPARE(QColor(image.pixel(int(at(13 * Hour).x()), y)), QColor(40, 43, 48));
    // The hour tick at 02:00 is drawn from the top.
    const QColor tick(image.pixel(int(at(2 * Hour).x()), 2));
    QVERIFY(tick.lightness() > 150);
}

QTEST_MAIN(TstTimeline)
#include "tst_timeline.moc"
