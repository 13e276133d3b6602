// Image settings and on-screen display pages. Geometry and date patterns run
// on the OSD page alone; saves go through the window to a simulated camera
// over loopback (127.31.0.x).

#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "OperatorActs.h"
#include "KelvoSDKHelper.h"
#include "MD_TimeTitle_Widget.h"
#include "RemoteConfigSetting.h"
#include "SharedTexts.h"
#include "SimDevice.h"
#include "VideoImageSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStandardItem>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace OperatorActs;

using DevicePagesTest::child;
using DevicePagesTest::closeToasts;
using DevicePagesTest::toastTexts;

class TestImagePages : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<RemoteConfigSetting> m_w;
    QMap<unsigned, QString> m_defaults;

    QWidget *select(int id, unsigned waitFor, const std::function<bool(QWidget *)> &shown)
    {
        const int gets = m_cam->requestCount(waitFor);
        QTreeView *tree = m_w->treeView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          tree->visualRect(m_w->pageItem(id)->index()).center());
        QWidget *page = m_w->page(id);
        return DevicePagesTest::waitFor([&] { return m_cam->requestCount(waitFor) > gets && shown(page); }) ? page
                                                                                                            : nullptr;
    }
    // The image page after its 11001 reply (the list's current row is set by it).
    QWidget *imagePage()
    {
        QWidget *page = m_w->page(11000);
        child<QListView>(page, "listView")->setCurrentIndex(QModelIndex());
        return select(11000, 11001,
                      [](QWidget *p) { return child<QListView>(p, "listView")->currentIndex().isValid(); });
    }
    QWidget *osdPage()
    {
        QWidget *page = m_w->page(10004);
        child<QLineEdit>(page, "lineEditCustom")->clear();
        // Saved only once every read of the visit came, the frame switch's too.
        return select(10004, 35008, [](QWidget *p) {
            return !child<QLineEdit>(p, "lineEditCustom")->text().isEmpty()
                   && static_cast<RemoteCfg_Widget *>(p)->readState() == RemoteCfg_Widget::ReadState::Done;
        });
    }
    void showSection(QWidget *page, int row)
    {
        auto *list = child<QListView>(page, "listView");
        const QModelIndex index = list->model()->index(row, 0);
        list->setCurrentIndex(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(index).center());
    }
    SimRequest click(QWidget *page, const char *button, unsigned cmd)
    {
        const int sets = m_cam->requestCount(cmd);
        QTest::mouseClick(child<QPushButton>(page, button), Qt::LeftButton);
        DevicePagesTest::waitFor([&] { return m_cam->requestCount(cmd) > sets; });
        return m_cam->requestCount(cmd) > sets ? m_cam->requests(cmd).last() : SimRequest();
    }
    void reopen(const QString &caps, const QString &cpu = QStringLiteral("SIGMASTAR"), const QString &dual = QString())
    {
        m_dev.capList = caps;
        m_dev.cpu = cpu;
        m_dev.doubleLightCfg = dual;
        m_w = std::make_unique<RemoteConfigSetting>();
        m_w->setDevInfo(&m_dev);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.31.0.1"))));
        for (unsigned cmd : {11001u, 11014u, 10004u, 10012u})
            m_defaults.insert(cmd, m_cam->storedBody(cmd));
        // The record here names a chip that sends its texts in hex.
        for (unsigned cmd : {10004u, 10012u}) {
            QString osd = m_defaults.value(cmd);
            osd.replace(QStringLiteral(">Front<"), QStringLiteral(">46726f6e74<"));
            osd.replace(QStringLiteral(">Gate1<"), QStringLiteral(">4761746531<"));
            m_defaults.insert(cmd, osd);
        }
        m_dev.ip = m_cam->address().toString();
        m_dev.devPort = m_cam->port();
        m_dev.rtspPort = 1; // no preview here
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 10000);
    }

    void init()
    {
        for (auto it = m_defaults.cbegin(); it != m_defaults.cend(); ++it)
            m_cam->setStoredBody(it.key(), it.value());
        m_cam->setCommandSilent(11014, false);
    }

    void cleanup() { m_w.reset(); }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev)); }

    // Label rectangles to camera positions within a 400 x 300 preview.
    void osdGeometry_data()
    {
        QTest::addColumn<QRect>("label");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QPoint>("device");
        const QRect r(100, 100, 400, 300);
        QTest::newRow("top edge") << QRect(300, 100, 50, 20) << 1000 << QPoint(500, 10);
        QTest::newRow("bottom edge") << QRect(300, 380, 50, 20) << 1000 << QPoint(500, 970);
        QTest::newRow("right edge") << QRect(450, 250, 50, 20) << 1000 << QPoint(950, 500);
        QTest::newRow("inside, unit 100") << QRect(200, 175, 50, 20) << 100 << QPoint(25, 25);
    }
    void osdGeometry()
    {
        QFETCH(QRect, label);
        QFETCH(int, unit);
        QFETCH(QPoint, device);
        const QRect preview(100, 100, 400, 300);
        QCOMPARE(MD_TimeTitle_Widget::scalePos(label, preview, unit), device);
        QCOMPARE(MD_TimeTitle_Widget::placePos(QPoint(500, 500), QSize(50, 20), preview, 1000), QPoint(300, 250));
    }

    // Controls to pattern and back.
    void datePattern_data()
    {
        QTest::addColumn<int>("date");
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("week");
        QTest::addColumn<bool>("twelve");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("12-hour after the date") << 0 << 1 << 2 << true << "yyyy/MM/dd hh:mm:ss tt";
        QTest::newRow("both before") << 2 << 0 << 0 << false << "HH:mm:ss dddd dd/MM/yyyy";
        QTest::newRow("week after, no time") << 1 << 2 << 1 << false << "MM/dd/yyyy dddd";
    }
    void datePattern()
    {
        QFETCH(int, date);
        QFETCH(int, time);
        QFETCH(int, week);
        QFETCH(bool, twelve);
        QFETCH(QString, pattern);
        MD_TimeTitle_Widget page;
        child<QComboBox>(&page, "comboBoxDateFormat")->setCurrentIndex(date);
        child<QComboBox>(&page, "comboBoxTime")->setCurrentIndex(time);
        child<QComboBox>(&page, "comboBoxWeek")->setCurrentIndex(week);
        child<QCheckBox>(&page, "checkBoxHour")->setChecked(twelve);
        QCOMPARE(page.buildDateTimeFormat(), pattern);
        MD_TimeTitle_Widget back;
        back.applyDateTimeFormat(pattern, true);
        QCOMPARE(back.buildDateTimeFormat(), pattern);
        // A date piece no item spells is an entry of its own after the list
        // (and its "Do not display"), built back as it came; both parts
        // before it. Read again, it is the one such entry.
        auto *dates = child<QComboBox>(&back, "comboBoxDateFormat");
        for (int again = 0; again < 2; ++again) {
            back.applyDateTimeFormat(QStringLiteral("HH:mm:ss dddd yyyy-MM-dd"), false);
            QCOMPARE(child<QComboBox>(&back, "comboBoxTime")->currentText(), QStringLiteral("Before Date"));
            QCOMPARE(child<QComboBox>(&back, "comboBoxWeek")->currentText(), QStringLiteral("Before Date"));
            QCOMPARE(dates->count(), 5);
            QCOMPARE(dates->currentIndex(), 4);
            QCOMPARE(dates->currentText(), QStringLiteral("YYYY-MM-DD"));
            QCOMPARE(back.buildDateTimeFormat(), QStringLiteral("HH:mm:ss dddd yyyy-MM-dd"));
        }
        back.applyDateTimeFormat(pattern, true);
        QCOMPARE(dates->count(), 4);
        QCOMPARE(dates->currentIndex(), date);
        // A unit of 0 is read as 100, nothing divides by it.
        back.parseXml(10004,
                      QStringLiteral("<PrivateProto><body><OSD><posUnit>0</posUnit></OSD></body></PrivateProto>"));
        QCOMPARE(back.posUnit(), 100);
    }

    // Each group's body, exact, and read back equal after the next 11001.
    void imageSaves_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<unsigned>("cmd");
        QTest::addColumn<QString>("body");
        QTest::newRow("image") << 0 << "slider_brightness" << 70 << 11003u
                               << "<imageAdjustment><brightness>70</brightness><contrast>50</contrast><saturation>50"
                                  "</saturation><sharpness>50</sharpness><tvStandard>1</tvStandard><mirrorMode>3"
                                  "</mirrorMode><rotateMode>0</rotateMode></imageAdjustment>";
        QTest::newRow("night vision")
            << 1 << "comboBox_nightVision" << 1 << 11005u
            << "<dayNight><dayNightMode>2</dayNightMode><dayNightCompensateMode>2"
               "</dayNightCompensateMode><startTime></startTime><endTime></endTime></dayNight>";
        QTest::newRow("exposure") << 2 << "comboBox_exposureTime" << 3 << 11007u
                                  << "<exposure><exposureMode>1</exposureMode><exposureTime>3</exposureTime>"
                                     "<SystemGain>40</SystemGain> </exposure>";
        QTest::newRow("backlight") << 3 << "comboBox_backlight" << 1 << 11009u
                                   << "<backlight><backlightMode>1</backlightMode></backlight>";
        QTest::newRow("white balance") << 4 << "slider_redGain" << 80 << 11011u
                                       << "<whiteBalance><WBMode>1</WBMode><redGain>80</redGain><blueGain>55</blueGain>"
                                          "</whiteBalance>";
        QTest::newRow("enhancement") << 5 << "comboBox_denoiseMode" << 1 << 11013u
                                     << "<imageEnhancement><DRCMode>1</DRCMode><DRCStrength>30</DRCStrength>"
                                        "<denoiseMode>1</denoiseMode><denoiseStrength>50</denoiseStrength>"
                                        "</imageEnhancement>";
    }
    void imageSaves()
    {
        QFETCH(int, section);
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(unsigned, cmd);
        QFETCH(QString, body);
        reopen(QStringLiteral("+doubleLight"), QString(), QStringLiteral("1+2"));
        QWidget *page = imagePage();
        QVERIFY(page);
        showSection(page, section);
        QCOMPARE(child<QStackedWidget>(page, "stackedWidget")->currentIndex(), section);
        const auto read = [&]() {
            QWidget *w = page->findChild<QWidget *>(control);
            if (auto *s = qobject_cast<QSlider *>(w))
                return s->value();
            return qobject_cast<QComboBox *>(w)->currentIndex();
        };
        if (auto *s = page->findChild<QSlider *>(control))
            slide(s, value);
        else
            pick(child<QComboBox>(page, qPrintable(control)), value);
        QCOMPARE(click(page, "btn_save", cmd).bodyText, body);
        QVERIFY(imagePage());
        QCOMPARE(read(), value);
    }

    // A group whose Save the camera refused stays marked while another
    // group is stored, whether its answer came before or after the operator
    // turned to the other group; once stored itself, or read again, it is
    // not marked any more.
    void refusedGroupStaysMarked_data()
    {
        QTest::addColumn<bool>("answerAfterSwitch");
        QTest::newRow("refused, then another group stored") << false;
        QTest::newRow("refused while another group shows, then that group stored") << true;
    }
    void refusedGroupStaysMarked()
    {
        QFETCH(bool, answerAfterSwitch);
        reopen(QStringLiteral("+doubleLight"), QString(), QStringLiteral("1+2"));
        auto *page = static_cast<RemoteCfg_Widget *>(imagePage());
        QVERIFY(page);
        const auto saved = [&](unsigned int cmd) {
            closeToasts();
            QVERIFY(!click(page, "btn_save", cmd).bodyText.isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        };
        showSection(page, 0);
        slide(child<QSlider>(page, "slider_brightness"), 70);
        m_cam->setForcedResult(11003, 5);
        if (answerAfterSwitch)
            m_cam->setCommandDelay(11003, 1500);
        QVERIFY(!click(page, "btn_save", 11003).bodyText.isEmpty());
        showSection(page, 3);
        QTRY_VERIFY_WITH_TIMEOUT(page->notSavedShown(), 10000);
        m_cam->clearForcedResult(11003);
        m_cam->setCommandDelay(11003, -1);

        pick(child<QComboBox>(page, "comboBox_backlight"), 1);
        saved(11009);
        QVERIFY(page->notSavedShown());
        QCOMPARE(child<QSlider>(page, "slider_brightness")->value(), 70);

        showSection(page, 0);
        saved(11003);
        QVERIFY(!page->notSavedShown());

        // Refused again, then read again: the camera's values, unmarked.
        m_cam->setForcedResult(11003, 5);
        QVERIFY(!click(page, "btn_save", 11003).bodyText.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(page->notSavedShown(), 10000);
        m_cam->clearForcedResult(11003);
        QVERIFY(imagePage());
        QVERIFY(!page->notSavedShown());
    }

    // Night-vision lists, shutter lists and a position outside them.
    void imageLists()
    {
        m_cam->setStoredValue(11001, QStringLiteral("exposureTime"), QStringLiteral("7"));
        reopen(QStringLiteral("+MD"));
        QWidget *page = imagePage();
        QVERIFY(page);
        auto *night = child<QComboBox>(page, "comboBox_nightVision");
        QCOMPARE(night->count(), 1);
        QCOMPARE(night->itemText(0), QStringLiteral("Infrared Mode"));
        // That entry is the camera's infrared mode, 1, both ways.
        QCOMPARE(night->currentIndex(), 0);
        showSection(page, 1);
        QVERIFY(click(page, "btn_save", 11005)
                    .bodyText.contains(QStringLiteral("<dayNightCompensateMode>1</dayNightCompensateMode>")));
        page = imagePage();
        auto *shutter = child<QComboBox>(page, "comboBox_exposureTime");
        QCOMPARE(shutter->itemText(3) + shutter->itemText(4) + shutter->itemText(5), QStringLiteral("1/251/501/100"));

        // An exposure standard the page has no list for: the received time goes back.
        QString body = m_defaults.value(11001);
        body.replace(QStringLiteral("<tvStandard>1</tvStandard></exposure>"),
                     QStringLiteral("<tvStandard>5</tvStandard></exposure>"));
        m_cam->setStoredBody(11001, body);
        page = imagePage();
        QCOMPARE(shutter->count(), 0);
        showSection(page, 2);
        QVERIFY(click(page, "btn_save", 11007).bodyText.contains(QStringLiteral("<exposureTime>5</exposureTime>")));
    }

    // A mode list with a mode the client has no name for keeps names and
    // modes in step: mode 2 shows and saves as "Full Color Mode".
    void nightVisionModesInStep()
    {
        m_cam->setStoredValue(11001, QStringLiteral("dayNightCompensateMode"), QStringLiteral("2"));
        reopen(QStringLiteral("+doubleLight"), QStringLiteral("SIGMASTAR"), QStringLiteral("0+3+2"));
        QWidget *page = imagePage();
        QVERIFY(page);
        auto *night = child<QComboBox>(page, "comboBox_nightVision");
        QCOMPARE(night->count(), 2);
        QCOMPARE(night->currentText(), QStringLiteral("Full Color Mode"));
        showSection(page, 1);
        pick(night, 0);
        QVERIFY(click(page, "btn_save", 11005).bodyText.contains("<dayNightCompensateMode>0</dayNightCompensateMode>"));
        pick(night, 1);
        QVERIFY(click(page, "btn_save", 11005).bodyText.contains("<dayNightCompensateMode>2</dayNightCompensateMode>"));
    }

    // Default from the camera's table, or fixed values without it.
    void imageDefaults_data()
    {
        QTest::addColumn<bool>("table");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("mirror");
        QTest::newRow("camera defaults") << true << 64 << 1;
        QTest::newRow("no 11014 reply") << false << 50 << 3;
    }
    void imageDefaults()
    {
        QFETCH(bool, table);
        m_cam->setCommandSilent(11014, !table);
        reopen(QStringLiteral("+MD"));
        QWidget *page = imagePage();
        QVERIFY(page);
        QFETCH(int, brightness);
        const int sets = m_cam->requestCount(11003);
        showSection(page, 0);
        slide(child<QSlider>(page, "slider_brightness"), 5);
        // The defaults reply may still be on its way: Default again until it shows.
        QTRY_COMPARE_WITH_TIMEOUT((QTest::mouseClick(child<QPushButton>(page, "btn_default"), Qt::LeftButton),
                                   child<QSlider>(page, "slider_brightness")->value()),
                                  brightness, 10000);
        QTEST(child<QComboBox>(page, "comboBox_mirror")->currentIndex(), "mirror");
        QCOMPARE(m_cam->requestCount(11003), sets);
    }

    // A channel switch keeps the sub-page; the current channel sends nothing.
    void imageChannelSwitch()
    {
        reopen(QStringLiteral("+IMAGE1"));
        QWidget *page = imagePage();
        QVERIFY(page);
        showSection(page, 2);
        auto *channels = child<QComboBox>(page, "comboBoxChannel");
        const int gets = m_cam->requestCount(11001);
        channels->setCurrentIndex(0);
        channels->setCurrentIndex(1);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(11001), gets + 1, 10000);
        QCOMPARE(m_cam->requests(11001).last().channel, 1);
        QTRY_COMPARE_WITH_TIMEOUT(child<QStackedWidget>(page, "stackedWidget")->currentIndex(), 2, 10000);
        QCOMPARE(child<QListView>(page, "listView")->currentIndex().row(), 2);
    }

    // The OSD labels lie over the preview as windows of their own: a slow
    // camera's OSD reading that comes once the operator turned to Video
    // Encode draws none of them there; back on the OSD page they show.
    void lateOsdReadDrawsNothingElsewhere()
    {
        reopen(QStringLiteral("+MD"));
        QWidget *osd = osdPage();
        QVERIFY(osd);
        const QList<QLabel *> labels = {child<QLabel>(osd, "labelMoveTime"), child<QLabel>(osd, "labelMoveChannel"),
                                        child<QLabel>(osd, "labelCustom")};
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(labels.cbegin(), labels.cend(), [](QLabel *l) { return l->isVisible(); }),
                                 10000);
        // Slow now: the next reading comes after the switch.
        m_cam->setCommandDelay(10004, 1500);
        const int reads = m_cam->requestCount(10004);
        QTreeView *tree = m_w->treeView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          tree->visualRect(m_w->pageItem(10004)->index()).center());
        QTRY_VERIFY_WITH_TIMEOUT(m_cam->requestCount(10004) > reads, 10000);
        QVERIFY(select(10002, 10002, [](QWidget *p) { return p->isVisible(); }));
        auto *page = static_cast<RemoteCfg_Widget *>(osd);
        QTRY_VERIFY_WITH_TIMEOUT(page->readState() != RemoteCfg_Widget::ReadState::Pending, 10000);
        m_cam->setCommandDelay(10004, -1);
        QVERIFY(DevicePagesTest::roundTrip(&m_dev));
        QCoreApplication::processEvents();
        for (QLabel *label : labels)
            QVERIFY2(!label->isVisible(), qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));

        QVERIFY(osdPage());
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(labels.cbegin(), labels.cend(), [](QLabel *l) { return l->isVisible(); }),
                                 10000);
    }

    // OSD saves: exact bodies for both time formats, texts by CPU.
    void osdSaves_data()
    {
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<bool>("oldFormat");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("wire");
        QTest::newRow("listed CPU, new format") << "SIGMASTAR" << false << "Gate1"
                                                << "4761746531";
        QTest::newRow("other CPU, old format") << "SSC335" << true << "a&b"
                                               << "a&amp;b";
    }
    void osdSaves()
    {
        QFETCH(QString, cpu);
        QFETCH(bool, oldFormat);
        QFETCH(QString, custom);
        QFETCH(QString, wire);
        QString osd = m_defaults.value(10004);
        const QString time = oldFormat
                                 ? QStringLiteral("<weekDisplayEnable>1</weekDisplayEnable><timeformat>0</timeformat>"
                                                  "<hourFormat>1</hourFormat>")
                                 : QStringLiteral("<dateTimeFormat>yyyy/MM/dd HH:mm:ss dddd</dateTimeFormat>");
        osd.replace(QStringLiteral("<dateTimeFormat>yyyy/MM/dd HH:mm:ss dddd</dateTimeFormat>"), time);
        osd.replace(QStringLiteral("46726f6e74"),
                    cpu == "SIGMASTAR" ? QStringLiteral("46726f6e74") : QStringLiteral("Front"));
        m_cam->setStoredBody(10004, osd);
        reopen(QStringLiteral("+MD"), cpu);
        QWidget *page = osdPage();
        QVERIFY(page);
        QCOMPARE(child<QLineEdit>(page, "lineEditChannelName")->text(), QStringLiteral("Front"));
        // The frame switch is saved once the camera said it.
        QTRY_VERIFY_WITH_TIMEOUT(child<QComboBox>(page, "comboBoxOSD")->isEnabled(), 10000);
        typeText(child<QLineEdit>(page, "lineEditCustom"), custom);
        tick(child<QCheckBox>(page, "checkBoxShowName"), false);
        QVERIFY(!child<QLabel>(page, "labelMoveChannel")->isVisible());
        const QString channel = cpu == "SIGMASTAR" ? QStringLiteral("46726f6e74") : QStringLiteral("Front");
        QCOMPARE(click(page, "pushButtonSave", 10005).bodyText,
                 QStringLiteral("<OSD><posUnit>100</posUnit><timeConfig><dateDisplayEnable>1</dateDisplayEnable>%1"
                                "<displayPosition><PosX>5</PosX><PosY>5</PosY></displayPosition></timeConfig>"
                                "<channelConfig><channelDisplayEnable>0</channelDisplayEnable><channelContent>%2"
                                "</channelContent><displayPosition><PosX>70</PosX><PosY>90</PosY></displayPosition>"
                                "</channelConfig><customerConfig><customer0Config><displayEnable>1</displayEnable>"
                                "<textContent>%3</textContent><displayPosition><PosX>10</PosX><PosY>40</PosY>"
                                "</displayPosition></customer0Config><customer1Config><displayEnable>0</displayEnable>"
                                "<textContent></textContent><displayPosition><PosX>0</PosX><PosY>0</PosY>"
                                "</displayPosition></customer1Config></customerConfig></OSD>")
                     .arg(time, channel, wire));
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(35009), m_cam->requestCount(10005), 10000);
        page = osdPage();
        QVERIFY(page);
        QCOMPARE(child<QLineEdit>(page, "lineEditCustom")->text(), custom);
    }

    // A custom text the camera did not report is added once filled in, at
    // its label's default place inside the preview.
    void osdNewCustomEntry()
    {
        reopen(QStringLiteral("+MD"));
        QWidget *page = osdPage();
        QVERIFY(page);
        tick(child<QCheckBox>(page, "checkBoxCustomTwo"), true);
        typeText(child<QLineEdit>(page, "lineEditCustomTwo"), QStringLiteral("Gate2"));
        auto *preview = child<QWidget>(page, "widget");
        const QRect area(preview->mapToGlobal(QPoint(0, 0)), preview->size());
        QVERIFY(area.contains(child<QLabel>(page, "labelCustomTwo")->geometry().topLeft()));
        const QString body = click(page, "pushButtonSave", 10005).bodyText;
        QVERIFY2(body.contains(QStringLiteral("</customer1Config><customer2Config><displayEnable>1</displayEnable>"
                                              "<textContent>4761746532</textContent><displayPosition><PosX>20</PosX>"
                                              "<PosY>80</PosY></displayPosition></customer2Config></customerConfig>")),
                 qPrintable(body));
        page = osdPage();
        QCOMPARE(child<QLineEdit>(page, "lineEditCustomTwo")->text(), QStringLiteral("Gate2"));
    }

    // Only the dragged label is measured again.
    void osdDragMeasuresOneLabel()
    {
        reopen(QStringLiteral("+MD"));
        QWidget *page = osdPage();
        QVERIFY(page);
        auto *label = child<QLabel>(page, "labelCustom");
        QTRY_VERIFY_WITH_TIMEOUT(label->isVisible(), 10000);
        const QPoint start = label->geometry().center();
        const auto send = [page](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent e(type, page->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
            QApplication::sendEvent(page, &e);
        };
        send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, start + QPoint(100, 60), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, start + QPoint(100, 60), Qt::LeftButton, Qt::NoButton);
        const QString body = click(page, "pushButtonSave", 10005).bodyText;
        QVERIFY2(body.contains(QStringLiteral("<customer0Config><displayEnable>1</displayEnable><textContent>4761746531"
                                              "</textContent><displayPosition><PosX>35</PosX><PosY>60</PosY>")),
                 qPrintable(body));
        QVERIFY(body.contains(QStringLiteral("<PosX>70</PosX><PosY>90</PosY>")));
    }
};

QTEST_MAIN(TestImagePages)
#include "tst_imagepages.moc"
