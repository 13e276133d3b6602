// The pieces every detection page reads and writes: the weekly schedule in
// both forms, the linkage values, and the detection area over the preview.

#include "CaptureScreen.h"
#include "OverlayWidget.h"
#include "RemoteCfg_Widget.h"

#include <QTableWidget>
#include <QtTest>

namespace {

using Week = RemoteCfg_Widget::Week;

// A page that only reads.
class ReaderPage : public RemoteCfg_Widget
{
public:
    explicit ReaderPage(const QString &caps)
    {
        m_dev.capList = caps;
        m_pDeviceInfo = &m_dev;
    }
    void updateDevice(FUN_DEV_INFO *) override { }
    void parseXml(int, const QString &) override { }

private:
    FUN_DEV_INFO m_dev;
};

QString reply(const QString &detection)
{
    return QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><cmd>12002</cmd><result>0</result></head>"
                          "<body><motionDetection>%1</motionDetection></body></PrivateProto>")
        .arg(detection);
}

Week sampleWeek()
{
    Week week;
    for (int d = 0; d < 7; ++d)
        week.append(RemoteCfg_Widget::Periods());
    week[0] = {{"08:00:00", "12:00:00"}};
    week[1] = {{"00:00:00", "06:30:00"}, {"18:00:00", "23:59:59"}};
    week[6] = {{"10:00:00", "11:00:00"}};
    return week;
}

} // namespace

class TestIpcFragments : public QObject
{
    Q_OBJECT

private slots:
    // Each CPU text picks one form; both read back to the same week.
    void scheduleRoundTrip_data()
    {
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("sunday");
        const QString filler =
            QStringLiteral("<time%1><startTime>00:00:00</startTime><endTime>00:00:00</endTime></time%1>");
        QString elements =
            QStringLiteral("<Sunday><time0><startTime>08:00:00</startTime><endTime>12:00:00</endTime></time0>");
        for (int i = 1; i < 6; ++i)
            elements += filler.arg(i);
        elements += QStringLiteral("</Sunday>");
        QString text = QStringLiteral("<Sunday>08:00:00-12:00:00;");
        for (int i = 1; i < 6; ++i)
            text += QStringLiteral("00:00:00-00:00:00;");
        text += QStringLiteral("</Sunday>");
        QTest::newRow("empty CPU") << QString() << elements;
        QTest::newRow("SIGMASTAR") << QStringLiteral("SIGMASTAR") << elements;
        QTest::newRow("DUOFANG") << QStringLiteral("DUOFANG") << elements;
        QTest::newRow("sigmastar in lower case") << QStringLiteral("sigmastar") << text;
        QTest::newRow("other chip") << QStringLiteral("SSC335") << text;
    }
    void scheduleRoundTrip()
    {
        QFETCH(QString, cpu);
        QFETCH(QString, sunday);
        const QString xml = RemoteCfg_Widget::buildScheduleXml(sampleWeek(), cpu);
        QVERIFY2(xml.startsWith(sunday + QStringLiteral("<Monday>")), qPrintable(xml));
        QVERIFY(xml.endsWith(QStringLiteral("</Saturday>")));
        Week read;
        RemoteCfg_Widget::parseSupervisedTime(QStringLiteral("<supervisedTime>%1</supervisedTime>").arg(xml), read);
        QCOMPARE(read, sampleWeek());
    }

    // Seven entries whatever the reply holds; equal times end a day.
    void scheduleReading_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("day");
        QTest::addColumn<QStringList>("periods");
        const QString el = QStringLiteral("<time%1><startTime>%2</startTime><endTime>%3</endTime></time%1>");
        QTest::newRow("element form without Wednesday")
            << QStringLiteral("<Tuesday>%1</Tuesday><Thursday>%2</Thursday>")
                   .arg(el.arg(0).arg("01:00:00", "02:00:00"), el.arg(0).arg("03:00:00", "04:00:00"))
            << 3 << QStringList{};
        QTest::newRow("element form, equal pair ends the day")
            << QStringLiteral("<Monday>%1%2%3</Monday>")
                   .arg(el.arg(0).arg("01:00:00", "02:00:00"), el.arg(1).arg("05:00:00", "05:00:00"),
                        el.arg(2).arg("07:00:00", "08:00:00"))
            << 1 << QStringList{"01:00:00", "02:00:00"};
        QTest::newRow("text form without Wednesday")
            << QStringLiteral("<Tuesday>01:00:00-02:00:00;</Tuesday><Thursday>03:00:00-04:00:00;</Thursday>") << 3
            << QStringList{};
        QTest::newRow("text form, equal pair ends the day")
            << QStringLiteral("<Friday>08:00:00-09:00:00;10:00:00-10:00:00;11:00:00-12:00:00;</Friday>") << 5
            << QStringList{"08:00:00", "09:00:00"};
        QTest::newRow("text form, malformed parts skipped")
            << QStringLiteral("<Saturday>08:00:00;09:00:00-10:00:00-11:00:00;13:00:00-14:00:00;</Saturday>") << 6
            << QStringList{"13:00:00", "14:00:00"};
    }
    void scheduleReading()
    {
        QFETCH(QString, days);
        QFETCH(int, day);
        QFETCH(QStringList, periods);
        Week read;
        RemoteCfg_Widget::parseSupervisedTime(QStringLiteral("<supervisedTime>%1</supervisedTime>").arg(days), read);
        QCOMPARE(read.size(), 7);
        QStringList flat;
        for (const auto &p : read.at(day))
            flat << p.first << p.second;
        QCOMPARE(flat, periods);
    }

    // Seven days of six periods at most reach the camera.
    void writerCutsToTheWeek()
    {
        RemoteCfg_Widget::Periods day;
        for (int i = 0; i < 8; ++i)
            day.append(qMakePair(QStringLiteral("01:00:00"), QStringLiteral("02:00:00")));
        Week week;
        for (int d = 0; d < 9; ++d)
            week.append(day);
        const QString xml = RemoteCfg_Widget::buildScheduleXml(week, QStringLiteral("SSC335"));
        QCOMPARE(xml.count(QStringLiteral("01:00:00-02:00:00;")), 7 * 6);
        QVERIFY(xml.endsWith(QStringLiteral("</Saturday>")));
    }

    // The detection's own values, the linkage values and their defaults.
    void detectionRecord_data()
    {
        QTest::addColumn<QString>("detection");
        QTest::addColumn<QString>("caps");
        QTest::addColumn<QList<int>>("values"); // enable, light enable/status/duration, voice enable/file/count
        QTest::addColumn<bool>("light");
        QTest::newRow("whiteLight listed first")
            << "<whiteLight><enable>1</enable><status>1</status><durationTime>30</durationTime></whiteLight>"
               "<enable>0</enable><sensitivity>3</sensitivity>"
            << "+doubleLight" << QList<int>{0, 1, 1, 30, 0, 5, 3} << true;
        QTest::newRow("nothing linked") << "<enable>1</enable>"
                                        << "+DOUBLELIGHT+audioDecode" << QList<int>{1, 0, 0, 60, 0, 5, 3} << true;
        QTest::newRow("present but incomplete")
            << "<enable>1</enable><whiteLight><enable>1</enable></whiteLight><voiceAlarm><playCount>x</playCount></voiceAlarm>"
            << "" << QList<int>{1, 1, 0, 0, 0, 0, 0} << false;
    }
    void detectionRecord()
    {
        QFETCH(QString, detection);
        QFETCH(QString, caps);
        QFETCH(QList<int>, values);
        QFETCH(bool, light);
        ReaderPage page(caps);
        RemoteCfg_Widget::ipcCfgParams p;
        page.parseDetectionXml(reply(detection), p);
        const QList<int> got{p.bodyValues.value("enable").toInt(),
                             p.whiteLightEnable,
                             p.whiteLightStatus,
                             p.durationTime,
                             p.voiceAlarmEnable,
                             p.audioFile,
                             p.playCount};
        QCOMPARE(got, values);
        QCOMPARE(p.hasWhiteLight, light);
        QCOMPARE(p.timeList.size(), 0);
    }

    // Grid: size from the reply within bounds, cells row-major.
    void overlayGrid_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<int>("expectRows");
        QTest::addColumn<int>("expectColumns");
        QTest::newRow("18 x 22") << "18"
                                 << "22" << 18 << 22;
        QTest::newRow("10000 rows") << "10000"
                                    << "22" << 15 << 20;
        QTest::newRow("not a number") << "x"
                                      << "22" << 15 << 20;
    }
    void overlayGrid()
    {
        QFETCH(QString, rows);
        QFETCH(QString, columns);
        QFETCH(int, expectRows);
        QFETCH(int, expectColumns);
        OverlayWidget overlay;
        QCOMPARE(overlay.getAreaSelect(), QStringLiteral("<areaType>block</areaType><blockConfig>%1</blockConfig>")
                                              .arg(QString(300, QLatin1Char('0'))));
        QHash<QString, QString> body{{"areaType", "block"}, {"rows", rows}, {"columns", columns}};
        const int cells = expectRows * expectColumns;
        QString config(cells, QLatin1Char('0'));
        config[cells - 1] = QLatin1Char('1');
        config[expectColumns + 2] = QLatin1Char('7'); // row 1, column 2
        body.insert("blockConfig", config);
        overlay.parseAreaXml(body);
        overlay.setAreaSelect(body);
        QCOMPARE(overlay.grid()->rowCount(), expectRows);
        QCOMPARE(overlay.grid()->columnCount(), expectColumns);
        QVERIFY(overlay.grid()->item(1, 2)->isSelected());
        QVERIFY(overlay.grid()->item(expectRows - 1, expectColumns - 1)->isSelected());
        QVERIFY(!overlay.grid()->item(0, 2)->isSelected());
        config[expectColumns + 2] = QLatin1Char('1');
        QCOMPARE(overlay.getBlockConfig(), config);

        // The same size again keeps the cells and only changes the selection.
        QTableWidgetItem *kept = overlay.grid()->item(1, 2);
        body.insert("blockConfig", QStringLiteral("1"));
        overlay.parseAreaXml(body);
        overlay.setAreaSelect(body);
        QCOMPARE(overlay.grid()->item(1, 2), kept);
        QVERIFY(overlay.grid()->item(0, 0)->isSelected());
        QVERIFY(kept->isSelected());
    }

    // Rectangle: percent corners to pixels of 400 x 300 and back.
    void overlayRectangle()
    {
        OverlayWidget overlay;
        const QHash<QString, QString> body{
            {"areaType", "point"}, {"startX", "10"}, {"startY", "20"}, {"endX", "50"}, {"endY", "60"}};
        overlay.parseAreaXml(body);
        overlay.setAreaSelect(body);
        QVERIFY(!overlay.isGridMode());
        const QRect r = overlay.selector()->getSelectRect();
        QCOMPARE(r.topLeft(), QPoint(40, 60));
        QCOMPARE(r.bottomRight(), QPoint(200, 180));
        QCOMPARE(overlay.getAreaSelect(),
                 QStringLiteral("<areaType>point</areaType><startX>10</startX><startY>20</startY>"
                                "<endX>50</endX><endY>60</endY>"));
    }
};

QTEST_MAIN(TestIpcFragments)
#include "tst_ipcfragments.moc"
