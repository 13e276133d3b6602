#include "TimeZoneTable.h"

#include <QTranslator>
#include <QtTest>

namespace {

// Answers every TimeZoneTable text in upper case, like a loaded language.
class UpperTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "TimeZoneTable") != 0)
            return QString();
        return QString::fromUtf8(sourceText).toUpper();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_TimeZoneTable : public QObject
{
    Q_OBJECT

private slots:
    void counts();
    void findByName_data();
    void findByName();
    void findByIndex_data();
    void findByIndex();
    void findByValue();
    void lists();
    void zoneIndexText_data();
    void zoneIndexText();
    void retranslate();
};

void tst_TimeZoneTable::counts()
{
    QCOMPARE(TimeZoneTable::zoneCount(), 78);
    QCOMPARE(TimeZoneTable::offsetCount(), 33);
    QCOMPARE(TimeZoneTable::indexCount(), 41);
    TimeZoneTable::init();
    QCOMPARE(TimeZoneTable::zoneCount(), 78);
}

void tst_TimeZoneTable::findByName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("mode");
    QTest::newRow("zone") << "Asia/Tokyo"
                          << "Osaka, Sapporo, Tokyo" << 1;
    QTest::newRow("offset") << "480"
                            << "GMT+08:00" << 2;
    QTest::newRow("negative offset") << "-210"
                                     << "GMT-03:30" << 2;
    QTest::newRow("group key first") << "GMT+08:00"
                                     << "GMT+08:00" << 1;
    QTest::newRow("no such offset") << "500"
                                    << "" << 0;
    QTest::newRow("unknown zone") << "Mars/Olympus"
                                  << "GMT+00:00" << 2;
    QTest::newRow("last zone") << "Pacific/Fiji"
                               << "Fiji" << 1;
    QTest::newRow("st johns") << "America/St_Johns"
                              << "Newfoundland" << 1;
}

void tst_TimeZoneTable::findByName()
{
    QFETCH(QString, text);
    QFETCH(QString, display);
    QFETCH(int, mode);
    const auto result = TimeZoneTable::findByName(text);
    QCOMPARE(result.first, display);
    QCOMPARE(result.second, mode);
    QCOMPARE(TimeZoneTable::lookupMode(), mode);
}

void tst_TimeZoneTable::findByIndex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("mode");
    QTest::newRow("0") << "0"
                       << "(GMT+00:00)Edinburgh, London" << 3;
    QTest::newRow("19") << "19"
                        << "(GMT+08:00)Beijing, Urumqi, Singapore" << 3;
    QTest::newRow("40") << "40"
                        << "(GMT-01:00)Cape Verde Islands, Azores" << 3;
    QTest::newRow("41") << "41"
                        << "" << 0;
    QTest::newRow("-1") << "-1"
                        << "" << 0;
    QTest::newRow("key") << "Asia/Shanghai"
                         << "Beijing, Chongqing, Hong Kong, Urumqi" << 1;
    QTest::newRow("unknown key") << "Mars/Olympus"
                                 << "" << 0;
    QTest::newRow("three digits") << "100"
                                  << "" << 0;
}

void tst_TimeZoneTable::findByIndex()
{
    QFETCH(QString, text);
    QFETCH(QString, display);
    QFETCH(int, mode);
    const auto result = TimeZoneTable::findByIndex(text);
    QCOMPARE(result.first, display);
    QCOMPARE(result.second, mode);
    QCOMPARE(TimeZoneTable::lookupMode(), mode);
}

void tst_TimeZoneTable::findByValue()
{
    TimeZoneTable::findByName("Asia/Tokyo");
    QCOMPARE(TimeZoneTable::findByValue("Seoul"), qMakePair(QStringLiteral("Asia/Seoul"), 1));
    QCOMPARE(TimeZoneTable::findByValue("GMT+09:00"), qMakePair(QStringLiteral("GMT+09:00"), 1));
    QCOMPARE(TimeZoneTable::findByValue("Nowhere"), qMakePair(QString(), 0));

    TimeZoneTable::findByIndex("3");
    QCOMPARE(TimeZoneTable::findByValue("(GMT+01:00)Paris"), qMakePair(QString(), 3));

    TimeZoneTable::findByName("480");
    QCOMPARE(TimeZoneTable::findByValue("GMT+08:00"), qMakePair(QString(), 0));
}

void tst_TimeZoneTable::lists()
{
    const QStringList zones = TimeZoneTable::list(1);
    QCOMPARE(zones.size(), 78);
    QCOMPARE(zones.first(), QStringLiteral("GMT-12:00"));
    QCOMPARE(zones.at(3), QStringLiteral("Hawaii"));
    QCOMPARE(zones.last(), QStringLiteral("GMT+13:00"));
    const QStringList offsets = TimeZoneTable::list(2);
    QCOMPARE(offsets.size(), 33);
    QCOMPARE(offsets.first(), QStringLiteral("GMT-12:00"));
    QCOMPARE(offsets.at(22), QStringLiteral("GMT+05:45"));
    QCOMPARE(TimeZoneTable::list(3).size(), 41);
    QVERIFY(TimeZoneTable::list(0).isEmpty());
    QVERIFY(TimeZoneTable::list(4).isEmpty());
}

void tst_TimeZoneTable::zoneIndexText_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("asOffset");
    QTest::addColumn<QString>("result");
    QTest::newRow("darwin") << "Darwin" << true << "570";
    QTest::newRow("kolkata") << "Chennai, Kolkata, Mumbai, New Delhi" << true << "300";
    QTest::newRow("group") << "GMT-03:00" << true << "-180";
    QTest::newRow("tokyo") << "Osaka, Sapporo, Tokyo" << true << "540";
    QTest::newRow("first named") << "Hawaii" << true << "-600";
    QTest::newRow("key") << "Osaka, Sapporo, Tokyo" << false << "Asia/Tokyo";
    QTest::newRow("group key") << "GMT+05:00" << false << "GMT+05:00";
    QTest::newRow("unknown") << "Nowhere" << false << "";
    QTest::newRow("unknown offset") << "Nowhere" << true << "-720";
}

void tst_TimeZoneTable::zoneIndexText()
{
    QFETCH(QString, display);
    QFETCH(bool, asOffset);
    QFETCH(QString, result);
    QCOMPARE(TimeZoneTable::zoneIndexText(display, asOffset), result);
}

void tst_TimeZoneTable::retranslate()
{
    UpperTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(TimeZoneTable::findByName("Asia/Tokyo").first, QStringLiteral("Osaka, Sapporo, Tokyo")); // filled before
    TimeZoneTable::retranslate();
    QCOMPARE(TimeZoneTable::findByName("Asia/Tokyo"), qMakePair(QStringLiteral("OSAKA, SAPPORO, TOKYO"), 1));
    QCOMPARE(TimeZoneTable::findByValue("OSAKA, SAPPORO, TOKYO").first, QStringLiteral("Asia/Tokyo"));
    QCOMPARE(TimeZoneTable::findByIndex("40").first, QStringLiteral("(GMT-01:00)CAPE VERDE ISLANDS, AZORES"));
    QCOMPARE(TimeZoneTable::zoneIndexText("DARWIN", true), QStringLiteral("570"));
    QCOMPARE(TimeZoneTable::list(2).first(), QStringLiteral("GMT-12:00"));
    QCoreApplication::removeTranslator(&translator);
    TimeZoneTable::retranslate();
    QCOMPARE(TimeZoneTable::findByName("Asia/Tokyo").first, QStringLiteral("Osaka, Sapporo, Tokyo"));
}

QTEST_GUILESS_MAIN(tst_TimeZoneTable)
#include "tst_timezone.moc"
