// Video encoding and audio pages. Capability handling runs on a page fed
// with reply texts; saves and requests go through the window to a simulated
// camera over loopback (127.30.0.x).

#include "CustomDialog.h"
#include "DevicePagesTestUtil.h"
#include "OperatorActs.h"
#include "KelvoSDKHelper.h"
#include "MD_AudioCode_Widget.h"
#include "PrivateProto.h"
#include "RemoteConfigSetting.h"
#include "SimDevice.h"
#include "VideoEncodeWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardItem>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace OperatorActs;

using DevicePagesTest::child;
using DevicePagesTest::toastTexts;

namespace {

QString envelope(int cmd, const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><cmd>%1</cmd><result>0</result></head>"
                          "<body>%2</body></PrivateProto>")
        .arg(cmd)
        .arg(body);
}

QStringList itemTexts(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// A main entry of the given resolution and ranges, with sub entry 10.
QString capEntry(const QString &res, int brMin, int brMax, int fpsMax)
{
    return QStringLiteral(
               "0,%1,H264,0,1024,%2,%3,25,1,%4,0,1,VBR,50,10;10,640X360,H264,1,128,%5,%6,15,1,25,0,1,VBR,30,0")
        .arg(res)
        .arg(brMin)
        .arg(brMax)
        .arg(fpsMax)
        .arg(brMin)
        .arg(brMax);
}

QString encodeReply(const QString &res, int fps, int bitRate, int gop)
{
    return QStringLiteral(
               "<videoEncode><encode0><resolution>%1</resolution><frameRate>%2</frameRate>"
               "<encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl><bitRate>%3</bitRate>"
               "<initQuant>%4</initQuant></encode0><encode1><resolution>640X360</resolution>"
               "<frameRate>15</frameRate><encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl>"
               "<bitRate>128</bitRate><initQuant>30</initQuant></encode1></videoEncode>")
        .arg(res)
        .arg(fps)
        .arg(bitRate)
        .arg(gop);
}

} // namespace

class TestEncodingPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<RemoteConfigSetting> m_w;
    QMap<unsigned, QString> m_defaults;
    QHash<int, int> m_replies;

    QWidget *select(int id)
    {
        QTreeView *tree = m_w->treeView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          tree->visualRect(m_w->pageItem(id)->index()).center());
        return m_w->page(id);
    }
    QWidget *videoPage()
    {
        const int gets = m_cam->requestCount(10002);
        QWidget *page = select(10002);
        auto *fps = child<QComboBox>(page, "comboBox_main_framerate");
        fps->clear();
        // Filled is not yet read: a Save before the round's last read answered is refused.
        auto *round = qobject_cast<RemoteCfg_Widget *>(page);
        return DevicePagesTest::waitFor([&] {
            return m_cam->requestCount(10002) > gets && fps->count() > 0 && round
                   && round->readState() == RemoteCfg_Widget::ReadState::Done;
        })
                   ? page
                   : nullptr;
    }
    // The page after its 10008 reply: the facade hands each reply to the window
    // and to this test's counter in one emission.
    QWidget *audioPage()
    {
        const int replies = m_replies.value(10008);
        QWidget *page = select(10008);
        DevicePagesTest::waitFor([&] { return m_replies.value(10008) > replies; });
        return page;
    }
    SimRequest save(QWidget *page, unsigned cmd)
    {
        const int sets = m_cam->requestCount(cmd);
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        DevicePagesTest::waitFor([&] { return m_cam->requestCount(cmd) > sets; });
        return m_cam->requestCount(cmd) > sets ? m_cam->requests(cmd).last() : SimRequest();
    }
    void reopen(const QString &caps, const QString &platform = QString())
    {
        m_dev.capList = caps;
        m_dev.sdkPlatform = platform;
        m_w = std::make_unique<RemoteConfigSetting>();
        m_w->setDevInfo(&m_dev);
        m_w->show();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        // The restart is only answered here: the simulated reboot would take
        // the camera away between the rows.
        m_cam->setHandler(14008, [](SimConnection *c, const SimRequest &) { c->reply(14008, 0); });
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.30.0.1"))));
        for (unsigned cmd : {15001u, 10002u, 15002u, 10008u})
            m_defaults.insert(cmd, m_cam->storedBody(cmd));
        m_dev.ip = m_cam->address().toString();
        m_dev.devPort = m_cam->port();
        m_dev.rtspPort = 1; // no preview here
        connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this,
                [this](const devXmlInfo &info) { ++m_replies[PrivateProto::headCommand(info.xml)]; });
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 10000);
    }

    void init()
    {
        for (auto it = m_defaults.cbegin(); it != m_defaults.cend(); ++it)
            m_cam->setStoredBody(it.key(), it.value());
    }

    void cleanup()
    {
        m_w.reset();
        DevicePagesTest::closeToasts();
    }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev)); }

    // Lists built from the capability text, and the custom bitrate's bounds.
    void capabilityLists_data()
    {
        QTest::addColumn<QString>("caps");
        QTest::addColumn<QStringList>("resolutions");
        QTest::addColumn<QStringList>("bitRates");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("5M shows 5MP") << capEntry("5M", 256, 8192, 30) << QStringList{"5MP"}
                                      << QStringList{"8192", "6144", "5120", "4096", "3072",  "2048",
                                                     "1536", "1024", "512",  "256",  "Custom"}
                                      << "300"
                                      << "(256-8192)kbps" << true;
        QTest::newRow("unknown resolution never offered")
            << capEntry("2K", 256, 8192, 30) << QStringList{} << QStringList{} << ""
            << "" << false;
        QTest::newRow("range 300..5000, custom 600")
            << capEntry("1080P", 300, 5000, 30) << QStringList{"1080P"}
            << QStringList{"4096", "3072", "2048", "1536", "1024", "512", "Custom"} << "600"
            << "(512-4096)kbps" << true;
        QTest::newRow("range 300..5000, custom 5000")
            << capEntry("1080P", 300, 5000, 30) << QStringList{"1080P"}
            << QStringList{"4096", "3072", "2048", "1536", "1024", "512", "Custom"} << "5000"
            << "(512-4096)kbps" << false;
        QTest::newRow("no preset: the entry's own range")
            << capEntry("1080P", 64, 100, 30) << QStringList{"1080P"} << QStringList{"Custom"} << "80"
            << "(64-100)kbps" << true;
        QTest::newRow("14 fields skipped")
            << QStringLiteral("0,1080P,H264,0,1024,256,8192,25,1,30,0,1,VBR,50") << QStringList{} << QStringList{} << ""
            << "" << false;
    }
    void capabilityLists()
    {
        QFETCH(QString, caps);
        QFETCH(QStringList, resolutions);
        QFETCH(QStringList, bitRates);
        QFETCH(QString, custom);
        QFETCH(QString, label);
        QFETCH(bool, accepted);
        VideoEncodeWidget page;
        page.parseXml(15001, envelope(15001, QStringLiteral("<videoCapList>%1</videoCapList>").arg(caps)));
        // The lists show with the settings they were read with (these name
        // no resolution, so that none is an entry of its own).
        auto *res = child<QComboBox>(&page, "comboBox_main_resolution");
        QCOMPARE(res->count(), 0);
        page.parseXml(10002, envelope(10002, encodeReply(QString(), 25, 1024, 50)));
        QCOMPARE(itemTexts(res), resolutions);
        if (resolutions.isEmpty())
            return;
        QCOMPARE(res->itemData(0).toString(), page.mainCapabilities().first().resolution);
        auto *rate = child<QComboBox>(&page, "comboBox_main_bitRate");
        QCOMPARE(itemTexts(rate), bitRates);
        pick(rate, rate->count() - 1);
        QMetaObject::invokeMethod(&page, "on_comboBox_main_bitRate_activated", Q_ARG(int, rate->count() - 1));
        QCOMPARE(child<QLabel>(&page, "label_main_kbps")->text(), label);
        typeText(child<QLineEdit>(&page, "lineEdit_main_bitrate"), custom);
        QCOMPARE(page.getBitRate(rate, child<QLineEdit>(&page, "lineEdit_main_bitrate")),
                 accepted ? custom : QString());
        QCOMPARE(toastTexts(), accepted ? QStringList() : QStringList{"Main stream bitrate out of bounds"});
    }

    // A reply shown against its entry: clamped frame rate, custom bitrate, interval.
    void replyShown_data()
    {
        QTest::addColumn<int>("fps");
        QTest::addColumn<int>("bitRate");
        QTest::addColumn<int>("gop");
        QTest::addColumn<QString>("shownFps");
        QTest::addColumn<QString>("shownRate");
        QTest::addColumn<QString>("customText");
        QTest::addColumn<QString>("interval");
        // A frame rate outside the entry's range is an entry of its own.
        QTest::newRow("frame rate above the range") << 40 << 2048 << 80 << "40"
                                                    << "2048"
                                                    << ""
                                                    << "2";
        QTest::newRow("bitrate not a preset") << 25 << 3000 << 50 << "25"
                                              << "Custom"
                                              << "3000"
                                              << "2";
        QTest::newRow("frame rate zero leaves the interval") << 0 << 2048 << 50 << "0"
                                                             << "2048"
                                                             << ""
                                                             << "1";
    }
    void replyShown()
    {
        QFETCH(int, fps);
        QFETCH(int, bitRate);
        QFETCH(int, gop);
        VideoEncodeWidget page;
        page.parseXml(
            15001,
            envelope(15001, QStringLiteral("<videoCapList>%1</videoCapList>").arg(capEntry("1080P", 256, 8192, 30))));
        page.parseXml(10002, envelope(10002, encodeReply("1080P", fps, bitRate, gop)));
        QTEST(child<QComboBox>(&page, "comboBox_main_framerate")->currentText(), "shownFps");
        QTEST(child<QComboBox>(&page, "comboBox_main_bitRate")->currentText(), "shownRate");
        QTEST(child<QLineEdit>(&page, "lineEdit_main_bitrate")->text(), "customText");
        QTEST(child<QComboBox>(&page, "comboBox_main_iFrame")->currentText(), "interval");
    }

    // A camera running at a resolution or codec its capability list lacks:
    // every list is built from the capability list, what it runs at is an
    // entry of its own, and picking another listed resolution rebuilds the
    // lists (the one on show picked again changes nothing).
    void unlistedStreamKeepsLists_data()
    {
        QTest::addColumn<QString>("resolution");
        QTest::addColumn<QString>("format");
        QTest::newRow("resolution not listed") << "4K"
                                               << "H264";
        QTest::newRow("codec not listed") << "1080P"
                                          << "H266";
        QTest::newRow("neither listed") << "8K"
                                        << "MJPEG";
    }
    void unlistedStreamKeepsLists()
    {
        QFETCH(QString, resolution);
        QFETCH(QString, format);
        VideoEncodeWidget page;
        page.parseXml(
            15001,
            envelope(15001, QStringLiteral("<videoCapList>%1</videoCapList>").arg(capEntry("1080P", 256, 8192, 30))));
        QString reply = encodeReply(resolution, 25, 1024, 50);
        reply.replace(reply.indexOf(QLatin1String("H264")), 4, format);
        page.parseXml(10002, envelope(10002, reply));
        auto *mainResolution = child<QComboBox>(&page, "comboBox_main_resolution");
        auto *mainFormat = child<QComboBox>(&page, "comboBox_main_encodeType");
        QCOMPARE(mainResolution->currentData().toString(), resolution);
        QCOMPARE(mainFormat->currentText(), format);
        QVERIFY(itemTexts(mainFormat).contains(QStringLiteral("H264")));
        for (const char *name : {"comboBox_main_bitRate", "comboBox_main_framerate", "comboBox_sub_resolution",
                                 "comboBox_sub_encodeType", "comboBox_sub_bitRate", "comboBox_sub_framerate"})
            QVERIFY2(child<QComboBox>(&page, name)->count() > 0, name);
        QCOMPARE(child<QComboBox>(&page, "comboBox_sub_encodeType")->currentText(), QStringLiteral("H264"));

        pick(mainResolution, mainResolution->findData(QStringLiteral("1080P")));
        // The resolution on show picked again changes nothing; another one
        // rebuilds the lists for a listed codec.
        QCOMPARE(mainFormat->currentText(), resolution == QLatin1String("1080P") ? format : QStringLiteral("H264"));
        auto *rate = child<QComboBox>(&page, "comboBox_main_bitRate");
        // A listed bitrate, not the custom entry whose check would refuse the Save.
        QVERIFY2(rate->currentIndex() >= 0 && rate->currentIndex() < rate->count() - 1,
                 qPrintable(rate->currentText()));
        QVERIFY(child<QComboBox>(&page, "comboBox_sub_resolution")->count() > 0);
    }

    // A frame-rate range of any size is listed in bounded time and length.
    void frameRatesBounded()
    {
        VideoEncodeWidget page;
        page.parseXml(15001, envelope(15001, QStringLiteral("<videoCapList>0,1080P,H264,0,1024,256,8192,25,1,%1,0,1,"
                                                            "VBR,50,0</videoCapList>")
                                                 .arg(INT_MAX)));
        page.parseXml(10002, envelope(10002, encodeReply("1080P", 25, 1024, 50)));
        auto *rates = child<QComboBox>(&page, "comboBox_main_framerate");
        QVERIFY(rates->count() > 0 && rates->count() <= 240);
        QCOMPARE(rates->currentText(), QStringLiteral("25"));
    }

    // The 10003 bytes as the camera expects them, and read back by the next get.
    void videoSaveRoundTrip()
    {
        reopen(QStringLiteral("+MD"));
        QWidget *page = videoPage();
        QVERIFY(page);
        QVERIFY(!child<QComboBox>(page, "comboBoxChannel")->isVisible());
        // Main and sub stream fields side by side are of one width.
        for (const char *field : {"resolution", "framerate", "encodeType", "bitControl", "bitRate", "iFrame"}) {
            const auto *main = page->findChild<QComboBox *>(QStringLiteral("comboBox_main_") + field);
            const auto *sub = page->findChild<QComboBox *>(QStringLiteral("comboBox_sub_") + field);
            QVERIFY(main && sub);
            QCOMPARE(sub->width(), main->width());
        }
        pickText(child<QComboBox>(page, "comboBox_main_bitRate"), QStringLiteral("4096"));
        const SimRequest sent = save(page, 10003);
        const QString br = QStringLiteral("\n\t\t\t\t\t\t\t ");
        QCOMPARE(sent.bodyText,
                 QStringLiteral("<videoEncode><encode0><stream>0</stream><resolution>1080P</resolution><frameRate>25"
                                "</frameRate>%1<encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl>%1"
                                "<bitRate>4096</bitRate><initQuant>50</initQuant></encode0><encode1><stream>1</stream>"
                                "<resolution>640X360</resolution><frameRate>15</frameRate>%1<encodeFormat>H264"
                                "</encodeFormat><bitRateControl>VBR</bitRateControl>%1<bitRate>512</bitRate>"
                                "<initQuant>30</initQuant></encode1></videoEncode>")
                     .arg(br));
        QCOMPARE(sent.channel, 0);
        page = videoPage();
        QVERIFY(page);
        QTRY_COMPARE_WITH_TIMEOUT(child<QComboBox>(page, "comboBox_main_bitRate")->currentText(),
                                  QStringLiteral("4096"), 10000);
    }

    // Only a TUYA device is offered the restart, and only a confirmed one gets it.
    void restartOffer_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("offered");
        QTest::newRow("tuya") << "tuya" << true;
        QTest::newRow("no platform") << "" << false;
    }
    void restartOffer()
    {
        QFETCH(QString, platform);
        QFETCH(bool, offered);
        reopen(QStringLiteral("+MD"), platform);
        QWidget *page = videoPage();
        QVERIFY(page);
        const int restarts = m_cam->requestCount(14008);
        QString text;
        if (offered)
            DevicePagesTest::onModal<CustomDialog>([&text](CustomDialog *d) {
                // The question's own text: the save toast may sit on the
                // dialog too, with a label of its own.
                if (auto *label = d->findChild<QLabel *>(QStringLiteral("labelInfo")))
                    text = label->text();
                d->accept();
            });
        save(page, 10003);
        const int gets = m_cam->requestCount(15001);
        videoPage();
        QTRY_VERIFY_WITH_TIMEOUT(m_cam->requestCount(15001) > gets, 10000);
        QCOMPARE(m_cam->requestCount(14008), restarts + (offered ? 1 : 0));
        QCOMPARE(text, offered ? QStringLiteral("The device needs to be restarted for the modification to take effect")
                               : QString());
    }

    // A two-channel camera shows the channel row; a change asks again on channel 1.
    void channelChange()
    {
        reopen(QStringLiteral("+CHANNEL1"));
        QWidget *page = videoPage();
        QVERIFY(page);
        auto *channels = child<QComboBox>(page, "comboBoxChannel");
        QVERIFY(channels->isVisible());
        channels->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(!m_cam->requests(10002).isEmpty() && m_cam->requests(10002).last().channel == 1,
                                 10000);
        QCOMPARE(m_cam->requests(15001).last().channel, 1);
    }

    // The audio halves follow the capabilities; the wrapper follows the reply.
    void audioBody_data()
    {
        QTest::addColumn<QString>("caps");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<QString>("body");
        const QString enc = QStringLiteral("<audioEncode><enable>1</enable><encodeFormat>G711A</encodeFormat>"
                                           "<samplingRate>8000</samplingRate><volume>%1</volume></audioEncode>");
        const QString dec = QStringLiteral("<audioDecode><enable>1</enable><decodeFormat>G711A</decodeFormat>"
                                           "<samplingRate>8000</samplingRate><bitWidth>16</bitWidth>"
                                           "<soundmode>0</soundmode><volume>60</volume></audioDecode>");
        QTest::newRow("decode only, wrapped") << "+audioDecode" << true << "<audio>" + enc.arg(50) + dec + "</audio>";
        QTest::newRow("both, bare reply") << "+audio+audioDecode" << false << enc.arg(50) + dec;
        QTest::newRow("encode only") << "+AUDIO" << true << "<audio>" + enc.arg(50) + "</audio>";
    }
    void audioBody()
    {
        QFETCH(QString, caps);
        QFETCH(bool, wrapped);
        QFETCH(QString, body);
        if (!wrapped) {
            const QString stored = m_cam->storedBody(10008);
            m_cam->setStoredBody(10008, stored.mid(7, stored.size() - 15)); // without <audio>...</audio>
        }
        reopen(caps);
        QWidget *page = audioPage();
        const bool decode = caps.contains("audioDecode");
        QCOMPARE(child<QSlider>(page, "slider_speaker")->isVisible(), decode);
        QCOMPARE(child<QSlider>(page, "slider_mic")->isVisible(), caps != "+audioDecode");
        QCOMPARE(save(page, 10009).bodyText, body);
    }

    // Step volumes on BRELON devices; a value beyond the steps is logged and
    // is an entry of its own, sent back untouched.
    void audioStepVolumes()
    {
        m_cam->setStoredValue(10008, QStringLiteral("volume"), QStringLiteral("3"));
        reopen(QStringLiteral("+audio"), QStringLiteral("BRELON"));
        QWidget *page = audioPage();
        auto *mic = child<QComboBox>(page, "comboBoxMIC");
        QVERIFY(mic->isVisible() && !child<QSlider>(page, "slider_mic")->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(mic->currentText(), QStringLiteral("3"), 10000);
        QVERIFY(save(page, 10009).bodyText.contains(QStringLiteral("<volume>3</volume>")));
        m_cam->setStoredValue(10008, QStringLiteral("volume"), QStringLiteral("7"));
        QTest::ignoreMessage(QtWarningMsg, "volume invailed 7");
        page = audioPage();
        QTRY_COMPARE_WITH_TIMEOUT(mic->currentText(), QStringLiteral("7"), 10000);
        QCOMPARE(mic->count(), 7);
        QVERIFY(save(page, 10009).bodyText.contains(QStringLiteral("<volume>7</volume>")));
    }

    // Formats and rates offered; Default puts the default entry's volume on.
    void audioCapabilitiesAndDefault()
    {
        MD_AudioCode_Widget page;
        page.parseXml(15002, envelope(15002, "<audioCapList>G711A,8000,1,80;G711U,8000,0,40</audioCapList>"));
        QCOMPARE(child<QComboBox>(&page, "comboBoxType")->count(), 0);
        page.parseXml(10008, envelope(10008, "<audio><audioEncode><encodeFormat>G711U</encodeFormat><samplingRate>8000"
                                             "</samplingRate><volume>50</volume></audioEncode></audio>"));
        QCOMPARE(child<QComboBox>(&page, "comboBoxType")->currentText(), QStringLiteral("G711U"));
        QStringList types = itemTexts(child<QComboBox>(&page, "comboBoxType"));
        types.sort();
        QCOMPARE(types, QStringList({"G711A", "G711U"}));
        QCOMPARE(itemTexts(child<QComboBox>(&page, "comboBoxRate")), QStringList{"8000"});
        QTest::mouseClick(child<QPushButton>(&page, "pushButton_default"), Qt::LeftButton);
        QCOMPARE(child<QSlider>(&page, "slider_mic")->value(), 80);
        const auto rates = MD_AudioCode_Widget::parseCapList("G711A,8000,1,3;G711A,16000,0,3;AAC,16000;");
        QCOMPARE(rates.values("G711A").size(), 2);
        QVERIFY(!rates.contains("AAC"));
    }
};

QTEST_MAIN(TestEncodingPages)
#include "tst_encodingpages.moc"
