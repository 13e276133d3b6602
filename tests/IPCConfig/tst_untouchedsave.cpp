// Every page of the camera window against a simulated camera (127.86.0.1)
// that reports unusual but legal values: modes, formats, languages and a
// zone the client has no entry for, numbers beyond its controls, a position
// unit of 1000, three custom texts, a numeric zone, the record of channel 3.
// Opened and saved untouched, every element of each body the camera receives
// is the text it was seeded with, on the channel it was read from, compared
// by this test's own reading of the texts. A read that fails or never comes
// (the first of a page's reads too), and a camera that is not connected, are
// said, nothing is written, and a page never read shows no values; reads a
// page can do without only keep their own set back. A re-read that fails
// leaves the last good read on show, where it was. A
// channel whose read failed gets nothing, and an entry the operator picks is
// sent; the entry a list shows picked again is no change. The wheel turned
// over every list, number and slider of a page changes nothing there, and
// the Save after it sends what was read; a control taken in hand by a click
// does change with the wheel.

#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "IpcBodies.h"
#include "KelvoSDKHelper.h"
#include "RemoteCfg_Widget.h"
#include "RemoteConfigSetting.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "SimDevice.h"
#include "../support/Wheel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItem>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeView>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;

namespace {

// The record is channel 3 of the camera: pages that follow the record's
// channel read (and must save) channel 2.
constexpr int RecordChannel = 3;

QString schedule(const QString &tuesday)
{
    return QStringLiteral("<supervisedTime><Sunday></Sunday><Monday>08:30:00-09:15:00;</Monday><Tuesday>%1</Tuesday>"
                          "<Wednesday></Wednesday><Thursday></Thursday><Friday></Friday><Saturday></Saturday>"
                          "</supervisedTime>")
        .arg(tuesday);
}

const QString kLinks =
    QStringLiteral("<whiteLight><enable>1</enable><status>3</status><durationTime>20</durationTime></whiteLight>"
                   "<voiceAlarm><enable>1</enable><audioFile>7</audioFile><playCount>9</playCount></voiceAlarm>");

QString blocks()
{
    QString config;
    for (int i = 0; i < 18 * 22; ++i)
        config += QChar('0' + i % 10);
    return config;
}

// The camera's settings, by get command; ip is the camera's own address (a
// Save of another one would move it).
QMap<unsigned, QString> seeds(const QString &ip)
{
    const QString five = QStringLiteral("01:00:00-02:00:00;03:00:00-04:00:00;05:00:00-06:00:00;07:00:00-08:00:00;"
                                        "09:00:00-10:00:00;");
    return {
        {10002, "<videoEncode><encode0><stream>0</stream><resolution>1080P</resolution><frameRate>27</frameRate>"
                "<encodeFormat>H265</encodeFormat><bitRateControl>CBR</bitRateControl><bitRate>3000</bitRate>"
                "<initQuant>80</initQuant></encode0><encode1><stream>1</stream><resolution>2K</resolution>"
                "<frameRate>60</frameRate><encodeFormat>MJPEG</encodeFormat><bitRateControl>AVBR</bitRateControl>"
                "<bitRate>9999</bitRate><initQuant>7</initQuant></encode1></videoEncode>"},
        {10008, "<audio><audioEncode><enable>0</enable><encodeFormat>OPUS</encodeFormat><samplingRate>44100"
                "</samplingRate><volume>150</volume></audioEncode><audioDecode><enable>1</enable><decodeFormat>G726"
                "</decodeFormat><samplingRate>16000</samplingRate><bitWidth>24</bitWidth><soundmode>2</soundmode>"
                "<volume>7</volume></audioDecode></audio>"},
        {10004, "<OSD><posUnit>1000</posUnit><timeConfig><dateDisplayEnable>1</dateDisplayEnable>"
                "<dateTimeFormat>dd.MM.yyyy HH:mm</dateTimeFormat><displayPosition><PosX>123</PosX><PosY>45</PosY>"
                "</displayPosition></timeConfig><channelConfig><channelDisplayEnable>1</channelDisplayEnable>"
                "<channelContent>Gate &amp; Yard</channelContent><displayPosition><PosX>700</PosX><PosY>900</PosY>"
                "</displayPosition></channelConfig><customerConfig><customer0Config><displayEnable>1</displayEnable>"
                "<textContent>A</textContent><displayPosition><PosX>500</PosX><PosY>500</PosY></displayPosition>"
                "</customer0Config><customer1Config><displayEnable>0</displayEnable><textContent></textContent>"
                "<displayPosition><PosX>0</PosX><PosY>0</PosY></displayPosition></customer1Config><customer2Config>"
                "<displayEnable>1</displayEnable><textContent>C&lt;D</textContent><displayPosition><PosX>999</PosX>"
                "<PosY>1</PosY></displayPosition></customer2Config></customerConfig></OSD>"},
        // Defaults in another unit: the current positions keep theirs.
        {10012, "<OSD><posUnit>100</posUnit><timeConfig><dateDisplayEnable>1</dateDisplayEnable></timeConfig></OSD>"},
        {35008, "<osdFrameStatus>17</osdFrameStatus>"},
        {11001, "<imageAdjustment><brightness>150</brightness><contrast>0</contrast><saturation>101</saturation>"
                "<sharpness>7</sharpness><tvStandard>2</tvStandard><mirrorMode>5</mirrorMode><rotateMode>3</rotateMode>"
                "<antiFlicker>2</antiFlicker></imageAdjustment><dayNight><dayNightMode>1</dayNightMode>"
                "<dayNightCompensateMode>3</dayNightCompensateMode><startTime>06:00:00</startTime><endTime>18:00:00"
                "</endTime></dayNight><exposure><exposureMode>2</exposureMode><exposureTime>20</exposureTime>"
                "<SystemGain>200</SystemGain><tvStandard>1</tvStandard></exposure><backlight><backlightMode>4"
                "</backlightMode></backlight><whiteBalance><WBMode>3</WBMode><redGain>120</redGain><blueGain>0"
                "</blueGain></whiteBalance><imageEnhancement><DRCMode>2</DRCMode><DRCStrength>101</DRCStrength>"
                "<denoiseMode>1</denoiseMode><denoiseStrength>77</denoiseStrength></imageEnhancement>"},
        {12002, "<motionDetection><enable>2</enable><sensitivity>0</sensitivity><areaType>block</areaType><rows>18"
                "</rows><columns>22</columns><blockConfig>"
                    + blocks() + "</blockConfig>" + schedule(five) + kLinks + "</motionDetection>"},
        {12004, "<peopleDetection><enable>1</enable><sensitivity>101</sensitivity><areaType>point</areaType>"
                "<startX>7</startX><startY>33</startY><endX>93</endX><endY>67</endY>"
                    + schedule(QString()) + kLinks + "</peopleDetection>"},
        {35010, "<humanTrack><humanTrackStatus>2</humanTrackStatus></humanTrack>"},
        {12006, "<voiceDetection><enable>1</enable><sensitivity>35</sensitivity>" + schedule(five) + kLinks
                    + "</voiceDetection>"},
        {12008, "<faceDetection><enable>0</enable><sensitivity>200</sensitivity><areaType>point</areaType><startX>0"
                "</startX><startY>1</startY><endX>99</endX><endY>100</endY>"
                    + schedule(QString()) + kLinks + "</faceDetection>"},
        {12010, "<bcDetection><enable>1</enable><sensitivity>60</sensitivity>" + schedule(five)
                    + "<whiteLight><enable>0</enable><status>-1</status><durationTime>61</durationTime></whiteLight>"
                      "<checkSource>2</checkSource><autoPlayFile>9</autoPlayFile><autoPlayCount>7</autoPlayCount>"
                      "</bcDetection>"},
        {13002,
         "<TCPIP><DHCPMode>2</DHCPMode><IP>" + ip
             + "</IP><netmask>255.255.255.0</netmask><gateway>10.9.9.9"
               "</gateway><preferredDNS></preferredDNS><standbyDNS></standbyDNS><MAC>02:00:00:00:00:86</MAC></TCPIP>"},
        {13004, "<portConfig><RTSPPort>1000</RTSPPort><HTTPPort>81</HTTPPort></portConfig>"},
        {13008,
         "<PlatformAccess><GB28181><Enable>2</Enable><SIPLocalPort>0</SIPLocalPort><SIPServerID>"
         "340200000020000000011</SIPServerID><SIPServerDomain>a&lt;b</SIPServerDomain><SIPServerIP>10.0.0.1"
         "</SIPServerIP><SIPServerPort>70000</SIPServerPort><SIPClientAuthenticationID>id</SIPClientAuthenticationID>"
         "<SIPClientAuthenticationPassword> p w </SIPClientAuthenticationPassword><SIPRegisterExpires>-1"
         "</SIPRegisterExpires><SIPRegisterStatus>9</SIPRegisterStatus><SIPKeeplive></SIPKeeplive></GB28181>"
         "</PlatformAccess>"},
        {15004, "<languageCapList>zh_cn+fr_FR+</languageCapList>"},
        {14003, "<settingsConfig><deviceName>Caméra 1</deviceName><language>de_DE</language></settingsConfig>"
                "<timingConfig><timingMode>2</timingMode><timeZone>480</timeZone><year>2031</year><month>05</month>"
                "<day>06</day><hour>07</hour><minute>08</minute><second>09</second><NTPServer>ntp.example.com"
                "</NTPServer><NTPPort>10123</NTPPort><timingInterval>99999999999</timingInterval></timingConfig>"},
    };
}

// What a page reads and saves; the saves pair with the gets whose bodies they write.
struct Page
{
    QString name;
    int id = 0;
    QList<unsigned> reads;                  // required reads
    QList<QPair<unsigned, unsigned>> saves; // (set, get)
    bool followsRecordChannel = false;
    QList<unsigned> optional = {}; // reads the page works without; their sets go only when they answered
};

QList<Page> pages()
{
    return {
        {"video", 10002, {15001, 10002}, {{10003, 10002}}, true},
        {"audio", 10008, {15002, 10008}, {{10009, 10008}}},
        {"osd", 10004, {10004}, {{10005, 10004}, {35009, 35008}}, true, {35008}},
        {"image",
         11000,
         {11001},
         {{11003, 11001}, {11005, 11001}, {11007, 11001}, {11009, 11001}, {11011, 11001}, {11013, 11001}},
         true},
        {"motion", 12002, {12002}, {{12003, 12002}}, true},
        {"people", 12004, {12004}, {{12005, 12004}, {35011, 35010}}, true, {35010}},
        {"sound", 12006, {12006}, {{12007, 12006}}},
        {"face", 12008, {12008}, {{12009, 12008}}},
        {"crying", 12010, {12010}, {{12011, 12010}}},
        {"tcp/ip", 13002, {13002}, {{13003, 13002}}},
        {"port", 13004, {13004}, {{13005, 13004}}},
        {"platform", 13008, {13008}, {{13009, 13008}}},
        {"device settings", 14001, {14003}, {{14005, 14003}, {14007, 14003}}},
    };
}

// Every element without element children, by its path from the body's
// first element down, with its text: read here, not by the client's readers,
// so that a fault of theirs cannot hide on both sides.
QMap<QString, QString> bodyLeaves(const QString &body)
{
    QMap<QString, QString> out;
    QXmlStreamReader xml(QStringLiteral("<body>") + body + QStringLiteral("</body>"));
    QStringList path;
    QList<bool> parents;
    QString text;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!parents.isEmpty())
                parents.last() = true;
            path.append(xml.name().toString());
            parents.append(false);
            text.clear();
            break;
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (!parents.last() && path.size() > 1)
                out.insert(path.mid(1).join(QLatin1Char('/')), text);
            path.removeLast();
            parents.removeLast();
            text.clear();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        out.insert(QStringLiteral("(unreadable)"), xml.errorString());
    return out;
}

enum Condition {
    Untouched,
    LanguageChanged,
    FailedRead,
    FirstFails,
    NoReply,
    Offline,
    OptionalRefused,
    EmptyBody,
    RereadFails,
    PickedAgain,
    Wheeled
};

// What the optional reads of a page bring to show (as shownValues() says
// it), by page id.
const QMap<int, QStringList> kOptionalShows{{10004, {"comboBoxOSD=Enable"}}, {12004, {"checkBoxTrack=on"}}};

// Pages whose lists the operator picks again at the entries they show.
const QSet<int> kListPages{10002, 10008, 10004};

// Pages without a list, number or slider.
const QSet<int> kNoValueControls{13002, 13004};

// What every list of a page shows, by the list's name.
QMap<QString, QString> shownEntries(QWidget *page)
{
    QMap<QString, QString> shown;
    for (QComboBox *box : page->findChildren<QComboBox *>()) {
        if (box->isVisibleTo(page))
            shown.insert(box->objectName(), box->currentText());
    }
    return shown;
}

// Controls that hold the operator's choices, not the camera's values.
const QStringList kOperatorChoices{"comboBoxChannel", "checkBox_syncLocalTime"};

// Reads whose reply must bring the page's block: result 0 with an empty
// body fails them.
const QSet<unsigned> kBlockReads{10002, 10004, 10008, 12002, 12004, 12006, 12008, 12010, 13002, 14003};

} // namespace

Q_DECLARE_METATYPE(Page)

class TestUntouchedSave : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<RemoteConfigSetting> m_w;
    QTranslator m_russian;
    QString m_caps;

    // How often the camera was asked each optional read before the page's
    // round: the round's own come after.
    QMap<unsigned, int> m_optionalAsked;

    void noteOptionalAsked()
    {
        for (const Page &p : pages()) {
            for (unsigned cmd : p.optional)
                m_optionalAsked.insert(cmd, m_cam->requestCount(cmd));
        }
    }

    RemoteCfg_Widget *open(const Page &page)
    {
        noteOptionalAsked();
        m_w = std::make_unique<RemoteConfigSetting>();
        m_w->setDevInfo(&m_dev);
        m_w->setModal(false);
        m_w->show();
        // What the window's first page said is its own.
        QCoreApplication::processEvents();
        closeToasts();
        QTreeView *tree = m_w->treeView();
        const QModelIndex index = m_w->pageItem(page.id)->index();
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
        return m_w->page(page.id);
    }

    // Presses the page's Save (each sub-page or tab that saves on its own);
    // with wheeled, turns the wheel over what the window shows before each
    // press and adds what that changed.
    void pressSaves(RemoteCfg_Widget *page, const Page &p, QStringList *wheeled = nullptr)
    {
        const auto press = [page, wheeled](const char *name) {
            if (wheeled)
                *wheeled += Wheel::turnOverEach(page->window());
            QTest::mouseClick(page->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
        };
        if (p.id == 11000) {
            // The first group as the reply left it shown (a language change
            // renames the list under it), the others chosen in the list.
            press("btn_save");
            auto *list = page->findChild<QListView *>(QStringLiteral("listView"));
            for (int row = 1; row < 6; ++row) {
                const QModelIndex index = list->model()->index(row, 0);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(index).center());
                press("btn_save");
            }
        } else if (p.id == 14001) {
            auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
            for (int tab = 0; tab < 2; ++tab) {
                tabs->setCurrentIndex(tab);
                press("pushButton_save");
            }
        } else {
            for (const char *name : {"pushButtonSave", "pushButton_save"}) {
                if (page->findChild<QPushButton *>(QLatin1String(name)))
                    press(name);
            }
        }
    }

    // Every element of the body sent with set is the text seeded for get,
    // but for the elements listed in chosen (path -> text sent instead).
    void compareWithSeed(const SimRequest &sent, unsigned get, const QMap<QString, QString> &chosen = {})
    {
        const QMap<QString, QString> reported = bodyLeaves(seeds(m_dev.ip).value(get));
        QMap<QString, QString> written = bodyLeaves(sent.bodyText);
        QVERIFY2(!written.isEmpty(), qPrintable(sent.bodyText));
        if (sent.cmd == 14007) {
            // The camera's clock goes back running, not the local time.
            const QDateTime camera(QDate(2031, 5, 6), QTime(7, 8, 9));
            const auto take = [&written](const char *field) {
                return written.take(QStringLiteral("timingConfig/") + field).toInt();
            };
            const QDate day(take("year"), take("month"), take("day"));
            const QDateTime back(day, QTime(take("hour"), take("minute"), take("second")));
            QVERIFY2(back >= camera && back < camera.addSecs(3600), qPrintable(back.toString()));
            // Not reported: a zone named by its minutes is its own offset.
            QCOMPARE(written.take(QStringLiteral("timingConfig/timeOffset")),
                     reported.value(QStringLiteral("timingConfig/timeZone")));
        }
        for (auto it = written.cbegin(); it != written.cend(); ++it) {
            const QString expected = chosen.value(it.key(), reported.value(it.key(), QStringLiteral("(nothing)")));
            QVERIFY2((reported.contains(it.key()) || chosen.contains(it.key())) && expected == it.value(),
                     qPrintable(QStringLiteral("%1: sent '%2', expected '%3'").arg(it.key(), it.value(), expected)));
        }
        for (auto it = chosen.cbegin(); it != chosen.cend(); ++it)
            QVERIFY2(written.contains(it.key()), qPrintable(it.key() + " not sent"));
    }

    // Waits until the camera answered the optional reads of the page's
    // round: they go out later in the round, whatever became of its others.
    void waitOptional(const Page &page)
    {
        for (unsigned cmd : page.optional)
            QTRY_VERIFY_WITH_TIMEOUT(m_cam->requestCount(cmd) > m_optionalAsked.value(cmd), 10000);
        QVERIFY(roundTrip(&m_dev));
    }

    // A page whose round failed, once every read of the round has settled,
    // shows nothing it did not read: at most what its optional reads brought
    // (answered when the camera is reachable).
    void showsOnlyWhatWasRead(RemoteCfg_Widget *shown, const Page &page, bool reachable)
    {
        QStringList read;
        if (reachable) {
            waitOptional(page);
            read = kOptionalShows.value(page.id);
        }
        QStringList unread = shownValues(shown, kOperatorChoices);
        for (const QString &value : qAsConst(read))
            unread.removeAll(value);
        QCOMPARE(unread, QStringList());
    }

    int sets(const Page &p) const
    {
        int n = 0;
        for (const auto &save : p.saves)
            n += m_cam->requestCount(save.first);
        return n;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.reconnectUnitMs = 20;
        KelvoSDKHelper::instance()->setTimings(timings);
        RemoteConfigSetting::setRestartDelayMs(600000);
        QVERIFY(m_russian.load(QStringLiteral(":/language/Resources/language/quorel_ru.qm")));
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.86.0.1"))));
        m_dev.ip = m_cam->address().toString();
        m_dev.devPort = m_cam->port();
        m_dev.rtspPort = 1; // no preview here
        m_dev.channelIdx = RecordChannel;
        m_dev.cpu = QStringLiteral("SSC335"); // texts travel as text
        m_dev.capList = QStringLiteral("+audio+audioDecode+MD+OSD+PTZ+PD+voice+FD+BCD+doubleLight+antiFlicker+rotate");
        m_dev.doubleLightCfg = QStringLiteral("0+3+2");
        m_caps = m_dev.capList;
        // The port page hands the shell a copy of the changed record.
        connect(SignalsHelper::instance(), &SignalsHelper::signalModifyDev, this,
                [](FUN_DEV_INFO *copy) { delete copy; });
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 10000);
    }

    void init()
    {
        const QMap<unsigned, QString> all = seeds(m_dev.ip);
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            m_cam->setStoredBody(it.key(), it.value(), 0);
            m_cam->setStoredBody(it.key(), it.value(), RecordChannel - 1);
        }
    }

    void cleanup()
    {
        m_w.reset();
        closeToasts();
        QCoreApplication::removeTranslator(&m_russian);
        RemoteCfg_Widget::setReadTimeoutMs(6000);
        m_cam->setRefuseConnections(false);
        m_dev.capList = m_caps;
        m_dev.sdkPlatform.clear();
        m_dev.channelIdx = RecordChannel;
        for (const Page &p : pages()) {
            for (unsigned cmd : p.reads + p.optional) {
                m_cam->clearForcedResult(cmd);
                m_cam->setCommandSilent(cmd, false);
            }
        }
        // A read the camera dropped leaves its command owing an answer on the
        // session for good: the next row starts on a fresh one.
        KelvoSDKHelper::instance()->restartSession(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 20000);
    }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev)); }

    void untouchedSave_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<int>("condition");
        const QList<QPair<const char *, Condition>> conditions{
            {"untouched", Untouched},
            {"wheel turned over every control", Wheeled},
            {"language changed", LanguageChanged},
            {"result 5", FailedRead},
            {"no reply", NoReply},
            {"offline", Offline},
            {"first read fails, the others answer", FirstFails},
            {"optional reads refused", OptionalRefused},
            {"empty body", EmptyBody},
            {"read whole, then a re-read fails", RereadFails},
            {"shown entries picked again", PickedAgain},
        };
        for (const Page &p : pages()) {
            for (const auto &c : conditions) {
                if (c.second == FirstFails && p.reads.size() + p.optional.size() < 2)
                    continue;
                if (c.second == OptionalRefused && p.optional.isEmpty())
                    continue;
                if (c.second == EmptyBody && !kBlockReads.contains(p.reads.last()))
                    continue;
                if (c.second == PickedAgain && !kListPages.contains(p.id))
                    continue;
                if (c.second == Wheeled && kNoValueControls.contains(p.id))
                    continue;
                QTest::newRow(qPrintable(p.name + ": " + c.first)) << p << int(c.second);
            }
        }
        // Pages that save nothing still say that the camera is gone.
        QTest::newRow("maintenance: offline") << Page{"maintenance", 14008, {}, {}} << int(Offline);
        QTest::newRow("version: offline") << Page{"version", 14093, {}, {}} << int(Offline);
    }

    void untouchedSave()
    {
        QFETCH(Page, page);
        QFETCH(int, condition);
        const QMap<unsigned, QString> seeded = seeds(m_dev.ip);
        for (unsigned cmd : page.reads) {
            if (condition == FailedRead || (condition == FirstFails && cmd == page.reads.first()))
                m_cam->setForcedResult(cmd, 5);
            if (condition == NoReply)
                m_cam->setCommandSilent(cmd, true);
        }
        for (unsigned cmd : page.optional) {
            if (condition == OptionalRefused)
                m_cam->setForcedResult(cmd, 5);
        }
        if (condition == EmptyBody) {
            m_cam->setStoredBody(page.reads.last(), QString(), 0);
            m_cam->setStoredBody(page.reads.last(), QString(), RecordChannel - 1);
        }
        if (condition == NoReply)
            RemoteCfg_Widget::setReadTimeoutMs(300);
        if (condition == Offline) {
            m_cam->setRefuseConnections(true);
            m_cam->dropConnections();
            QTRY_VERIFY_WITH_TIMEOUT(!KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 10000);
        }
        const int setsBefore = sets(page);
        RemoteCfg_Widget *shown = open(page);
        QVERIFY(shown);

        if (condition == RereadFails) {
            // The last good read stays on show, marked; the lists of the
            // re-read's first reply are not shown without its settings.
            QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
            waitOptional(page);
            const QMap<QString, QString> before = shownEntries(shown);
            const QMap<QString, QRect> places = placesOf(shown);
            m_cam->setForcedResult(page.reads.last(), 5);
            QTreeView *tree = m_w->treeView();
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                              tree->visualRect(m_w->pageItem(page.id)->index()).center());
            QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
            QVERIFY(shown->findChild<QWidget *>(QStringLiteral("labelReadFailed"))->isVisible());
            QVERIFY(roundTrip(&m_dev));
            QCOMPARE(shownEntries(shown), before);
            // The mark came in a room of its own: nothing of the page moved.
            QCOMPARE(placesOf(shown), places);
            closeToasts();
            pressSaves(shown, page);
            QVERIFY(toastTexts().contains(SharedTexts::readFailedText()));
            QVERIFY(roundTrip(&m_dev));
            QCOMPARE(sets(page), setsBefore);
            return;
        }

        if (condition != Untouched && condition != LanguageChanged && condition != OptionalRefused
            && condition != PickedAgain && condition != Wheeled) {
            // Said, marked, and a Save writes nothing.
            const QString failure = SharedTexts::readFailedText();
            // A read of an earlier visit left unanswered puts the page's
            // later reads out of step, and a read still unanswered a deadline
            // later has the line stop: each said as such.
            const auto said = [&] {
                const QStringList texts = toastTexts();
                return texts.contains(failure)
                       || (condition == NoReply
                           && (texts.contains(ConfigConversation::outOfStepText())
                               || texts.contains(ConfigConversation::stoppedAnsweringText())));
            };
            QTRY_VERIFY_WITH_TIMEOUT(said(), 10000);
            if (!page.reads.isEmpty()) {
                QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
                QVERIFY(shown->findChild<QWidget *>(QStringLiteral("labelReadFailed"))->isVisible());
                // Never read: no value shows, rather than what the controls were built with.
                showsOnlyWhatWasRead(shown, page, condition != Offline);
                if (QTest::currentTestFailed())
                    return;
            }
            closeToasts();
            pressSaves(shown, page);
            if (!page.saves.isEmpty())
                QVERIFY(said());
            if (condition != Offline)
                QVERIFY(roundTrip(&m_dev));
            QCOMPARE(sets(page), setsBefore);
            return;
        }

        QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        waitOptional(page);
        if (condition == LanguageChanged) {
            QCoreApplication::installTranslator(&m_russian);
            QCoreApplication::processEvents();
        }
        if (condition == PickedAgain) {
            // Chosen in the open list, the entry it shows: no change of value.
            // The frame switch is usable (and shows the camera's) once its read answered.
            for (const QString &name : shownEntries(shown).keys())
                QTRY_VERIFY2_WITH_TIMEOUT(shown->findChild<QComboBox *>(name)->isEnabled(), qPrintable(name), 10000);
            const QMap<QString, QString> before = shownEntries(shown);
            QVERIFY(before.size() >= 3);
            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                auto *box = shown->findChild<QComboBox *>(it.key());
                box->showPopup();
                QAbstractItemView *view = box->view();
                QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), 10000);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  view->visualRect(view->currentIndex()).center());
                QTRY_VERIFY_WITH_TIMEOUT(!view->isVisible(), 10000);
            }
            QCOMPARE(shownEntries(shown), before);
        }
        m_cam->clearRequests();
        QStringList wheeled;
        pressSaves(shown, page, condition == Wheeled ? &wheeled : nullptr);
        QVERIFY2(wheeled.isEmpty(), qPrintable(wheeled.join(QStringLiteral("; "))));
        QList<QPair<unsigned, unsigned>> expected = page.saves;
        if (condition == OptionalRefused) {
            for (int i = expected.size() - 1; i >= 0; --i) {
                if (page.optional.contains(expected.at(i).second))
                    expected.removeAt(i);
            }
        }
        QTRY_VERIFY2_WITH_TIMEOUT(sets(page) == expected.size(), qPrintable(toastTexts().join('|')), 10000);
        QVERIFY(roundTrip(&m_dev));
        QCOMPARE(sets(page), expected.size());
        QVERIFY(!toastTexts().contains(SharedTexts::configFailedText()));

        const int channel = page.followsRecordChannel ? RecordChannel - 1 : 0;
        for (const auto &save : expected) {
            const SimRequest sent = m_cam->requests(save.first).constFirst();
            QCOMPARE(sent.channel, channel);
            compareWithSeed(sent, save.second);
            if (QTest::currentTestFailed())
                return;
        }
        if (condition == Wheeled) {
            // In hand, a control of the camera's values steps with the wheel
            // (the platform page's one list is greyed while access is off).
            QWidget *control = Wheel::firstSteppable(shown, kOperatorChoices);
            QVERIFY(control || page.id == 13008);
            if (!control)
                return;
            QVERIFY2(Wheel::takeInHand(control), qPrintable(control->objectName()));
            QVERIFY2(Wheel::changes(control), qPrintable(control->objectName()));
        }
    }

    // A camera with channel lists, opened on its second channel: the
    // operator picks the first, the camera refuses that read, and nothing is
    // saved to either channel until a read of the second succeeds again.
    void channelSwitchFails_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<unsigned>("get");
        QTest::addColumn<unsigned>("set");
        QTest::newRow("motion") << 12002 << 12002u << 12003u;
        QTest::newRow("osd") << 10004 << 10004u << 10005u;
    }

    void channelSwitchFails()
    {
        QFETCH(int, id);
        QFETCH(unsigned, get);
        QFETCH(unsigned, set);
        m_dev.capList = m_caps + QStringLiteral("+md1+OSD1");
        m_dev.channelIdx = 2;
        const QMap<unsigned, QString> all = seeds(m_dev.ip);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            m_cam->setStoredBody(it.key(), it.value(), 1);
        // The second channel's frame switch off, the first one's on.
        m_cam->setStoredBody(35008, QStringLiteral("<osdFrameStatus>0</osdFrameStatus>"), 1);
        Page page;
        for (const Page &p : pages()) {
            if (p.id == id)
                page = p;
        }
        RemoteCfg_Widget *shown = open(page);
        QVERIFY(shown);
        QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        waitOptional(page);
        auto *channels = shown->findChild<QComboBox *>(QStringLiteral("comboBoxChannel"));
        QVERIFY(channels && channels->isVisibleTo(shown));
        QCOMPARE(channels->currentIndex(), 1);

        m_cam->setForcedResult(get, 5);
        const int readsBefore = m_cam->requestCount(get);
        noteOptionalAsked();
        channels->setFocus();
        QTest::keyClick(channels, Qt::Key_Up);
        QCOMPARE(channels->currentIndex(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
        // Nothing of the second channel shows as the first one's.
        showsOnlyWhatWasRead(shown, page, true);
        if (QTest::currentTestFailed())
            return;
        // One read for the one change.
        QVERIFY(roundTrip(&m_dev));
        QCOMPARE(m_cam->requestCount(get), readsBefore + 1);
        QCOMPARE(m_cam->requests(get).constLast().channel, 0);
        m_cam->clearRequests();
        closeToasts();
        QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("pushButtonSave")), Qt::LeftButton);
        QVERIFY(toastTexts().contains(SharedTexts::readFailedText()));
        QVERIFY(roundTrip(&m_dev));
        QCOMPARE(m_cam->requestCount(set), 0);

        // Back on the second channel, read whole: saved there, as reported.
        m_cam->clearForcedResult(get);
        QTest::keyClick(channels, Qt::Key_Down);
        QTRY_COMPARE_WITH_TIMEOUT(shown->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QVERIFY(roundTrip(&m_dev));
        closeToasts();
        QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("pushButtonSave")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(set), 1, 10000);
        const SimRequest sent = m_cam->requests(set).constFirst();
        QCOMPARE(sent.channel, 1);
        compareWithSeed(sent, get);
    }

    // A reported value the list lacks is an entry of its own, shown as the
    // camera's number or text; the operator picking a listed entry (Home:
    // the first) sends that entry, everything else as reported. A number
    // typed beside a slider is the operator's too (a value beyond the
    // slider went back untouched above).
    void chosenEntry_data()
    {
        QTest::addColumn<int>("page"); // in pages()
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("shown"); // the reported value as shown
        QTest::addColumn<QString>("typed"); // empty: Home in the list
        QTest::addColumn<QString>("sent");
        QTest::newRow("audio encode format") << 1 << ""
                                             << "comboBoxType"
                                             << "audio/audioEncode/encodeFormat"
                                             << "OPUS"
                                             << ""
                                             << "";
        QTest::newRow("audio decode format") << 1 << ""
                                             << "comboBoxDecodeType"
                                             << "audio/audioDecode/decodeFormat"
                                             << "G726"
                                             << ""
                                             << "";
        QTest::newRow("mic volume steps, 150 reported") << 1 << "BRELON"
                                                        << "comboBoxMIC"
                                                        << "audio/audioEncode/volume"
                                                        << "150"
                                                        << ""
                                                        << "0";
        QTest::newRow("speaker volume steps, 7 reported") << 1 << "BRELON"
                                                          << "comboBoxSpeaker"
                                                          << "audio/audioDecode/volume"
                                                          << "7"
                                                          << ""
                                                          << "0";
        QTest::newRow("speaker volume typed") << 1 << ""
                                              << "spinBox_speaker"
                                              << "audio/audioDecode/volume"
                                              << "7"
                                              << "35"
                                              << "35";
        QTest::newRow("video sub bitrate control, AVBR reported") << 0 << ""
                                                                  << "comboBox_sub_bitControl"
                                                                  << "videoEncode/encode1/bitRateControl"
                                                                  << "AVBR"
                                                                  << ""
                                                                  << "VBR";
        QTest::newRow("osd date format") << 2 << ""
                                         << "comboBoxDateFormat"
                                         << "OSD/timeConfig/dateTimeFormat"
                                         << "DD.MM.YYYY"
                                         << ""
                                         << "yyyy/MM/dd HH:mm:ss";
        QTest::newRow("image brightness typed, 150 reported") << 3 << ""
                                                              << "spinBox_brightness"
                                                              << "imageAdjustment/brightness"
                                                              << "100"
                                                              << "40"
                                                              << "40";
        QTest::newRow("crying music, file 9") << 8 << ""
                                              << "comboBoxPlay"
                                              << "bcDetection/autoPlayFile"
                                              << "9"
                                              << ""
                                              << "1";
    }

    void chosenEntry()
    {
        QFETCH(int, page);
        QFETCH(QString, platform);
        QFETCH(QString, control);
        QFETCH(QString, element);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        m_dev.sdkPlatform = platform;
        const Page p = pages().at(page);
        RemoteCfg_Widget *opened = open(p);
        QVERIFY(opened);
        QTRY_COMPARE_WITH_TIMEOUT(opened->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QVERIFY(roundTrip(&m_dev));
        QWidget *widget = opened->findChild<QWidget *>(control);
        QVERIFY(widget);
        widget->setFocus();
        QString picked = sent;
        if (auto *box = qobject_cast<QComboBox *>(widget)) {
            QVERIFY(box->isVisibleTo(opened));
            QCOMPARE(box->currentText(), shown);
            QVERIFY(box->currentIndex() > 0);
            QTest::keyClick(box, Qt::Key_Home);
            QCOMPARE(box->currentIndex(), 0);
            if (picked.isEmpty())
                picked = box->currentText();
        } else {
            auto *spin = qobject_cast<QSpinBox *>(widget);
            QVERIFY(spin);
            QCOMPARE(spin->text(), shown);
            spin->selectAll();
            QTest::keyClicks(spin, typed);
            QCOMPARE(spin->text(), typed);
        }
        const QString reported = bodyLeaves(seeds(m_dev.ip).value(p.reads.last())).value(element);
        QVERIFY(picked != reported);
        m_cam->clearRequests();
        pressSaves(opened, p);
        const unsigned set = p.saves.first().first;
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(set), 1, 10000);
        compareWithSeed(m_cam->requests(set).constFirst(), p.saves.first().second, {{element, picked}});
    }
};

QTEST_MAIN(TestUntouchedSave)
#include "tst_untouchedsave.moc"
