// The detection panel and the arming-time editor on their own, and the motion,
// face and crying pages through the window against a simulated camera over
// loopback (127.67.0.x).

#include "AL_MoveDetect_Widget.h"
#include "BCDetection.h"
#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelperStream.h"
#include "CustomDialog.h"
#include "DeploymentTimeTableView.h"
#include "DeviceInfoManager.h"
#include "DevicePagesTestUtil.h"
#include "OperatorActs.h"
#include "DeviceRoundTrip.h"
#include "FaceDetection.h"
#include "KelvoSDKHelper.h"
#include "OpenGLRender.h"
#include "OverlayWidget.h"
#include "PeopleDetection.h"
#include "PlayerCommon.h"
#include "RemoteConfigSetting.h"
#include "SignalsHelper.h"
#include "SimDevice.h"
#include "TestMedia.h"
#include "VoiceDetection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItem>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include <functional>
#include <memory>

using namespace OperatorActs;

using DevicePagesTest::child;
using Week = RemoteCfg_Widget::Week;

namespace {

// "1=08:00:00-10:00:00,11:00:00-12:00:00;3=..." (day index = periods).
Week weekOf(const QString &text)
{
    Week week;
    for (const QString &day : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int d = day.section(QLatin1Char('='), 0, 0).toInt();
        while (week.size() <= d)
            week.append(RemoteCfg_Widget::Periods());
        for (const QString &p : day.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            week[d].append(qMakePair(p.section(QLatin1Char('-'), 0, 0), p.section(QLatin1Char('-'), 1)));
    }
    return week;
}

Week sevenDays(Week week)
{
    while (week.size() < 7)
        week.append(RemoteCfg_Widget::Periods());
    return week;
}

QPoint cellCentre(QAbstractItemView *view, int row, int column)
{
    return view->visualRect(view->model()->index(row, column)).center();
}

// A move with the left button held (QTest's own move carries no button).
void dragTo(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class TestDetectionPages : public QObject
{
    Q_OBJECT

    testmedia::RtspServer m_rtsp;
    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<RemoteConfigSetting> m_w;
    QHash<unsigned, QString> m_defaults;

    void reopen(const QString &caps, const QString &cpu = QString())
    {
        m_w.reset();
        m_dev.capList = caps;
        m_dev.cpu = cpu;
        m_w = std::make_unique<RemoteConfigSetting>();
        m_w->setDevInfo(&m_dev);
        m_w->show();
    }
    // Selects a page and waits until its reply is shown: the sensitivity the
    // camera stores (never 1 in these tests) replaces the 1 set before.
    QWidget *visit(int id)
    {
        QWidget *page = m_w->page(id);
        auto *sensitivity = child<QSpinBox>(page, "spinBox");
        slide(sensitivity, 1);
        QTreeView *tree = m_w->treeView();
        const QModelIndex index = m_w->pageItem(id)->index();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
        // Saved only once every read of the visit came (the track switch's too).
        const auto *shown = static_cast<RemoteCfg_Widget *>(page);
        if (!DevicePagesTest::waitFor(
                [&] { return sensitivity->value() != 1 && shown->readState() == RemoteCfg_Widget::ReadState::Done; }))
            return nullptr;
        return page;
    }
    SimRequest save(QWidget *page, unsigned cmd)
    {
        const int sets = m_cam->requestCount(cmd);
        QTest::mouseClick(child<QPushButton>(page, "pushButtonSave"), Qt::LeftButton);
        DevicePagesTest::waitFor([&] { return m_cam->requestCount(cmd) > sets; });
        return m_cam->requestCount(cmd) > sets ? m_cam->requests(cmd).last() : SimRequest();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        player::registerMetaTypes();
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.67.0.1"))));
        m_dev.ip = m_cam->address().toString();
        m_dev.devPort = m_cam->port();
        m_dev.rtspPort = 1; // no stream: the key alone is checked
        m_dev.model = QStringLiteral("SIM-IPC1");
        for (unsigned get : {12002u, 12004u, 12006u, 12008u, 12010u, 35010u})
            m_defaults.insert(get, m_cam->storedBody(get));
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 10000);
    }

    void init()
    {
        for (auto it = m_defaults.cbegin(); it != m_defaults.cend(); ++it) {
            m_cam->setStoredBody(it.key(), it.value());
            m_cam->setStoredBody(it.key(), it.value(), 1);
        }
        m_dev.channelIdx = 0;
    }

    void cleanup()
    {
        m_w.reset();
        DevicePagesTest::closeToasts();
    }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev)); }

    // The fragments of the panel, never shown on screen, from one reply.
    void panelFragments_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("reply"); // null: no setUi; else body values "k=v,k=v"
        QTest::addColumn<QString>("caps");  // "L" white light, "V" voice alarm
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("source");
        const QString noSource;
        const QString w =
            "<whiteLight><enable>%1</enable><status>%2</status><durationTime>%3</durationTime></whiteLight>";
        const QString v =
            "<voiceAlarm><enable>%1</enable><audioFile>%2</audioFile><playCount>%3</playCount></voiceAlarm>";
        const QString s =
            "<checkSource>%1</checkSource><autoPlayFile>%2</autoPlayFile><autoPlayCount>1</autoPlayCount>";
        QTest::newRow("before any reply")
            << 0 << QString() << "" << w.arg(0).arg(0).arg(5) << v.arg(0).arg(5).arg(3) << s.arg(0).arg(1);
        QTest::newRow("duration 20, sound 8")
            << 0 << "sensitivity=0,duration=20,sound=8"
            << "LV" << w.arg(1).arg(1).arg(20) << v.arg(1).arg(8).arg(2) << s.arg(0).arg(0);
        QTest::newRow("unknown sound is Siren")
            << 0 << "sound=7"
            << "LV" << w.arg(1).arg(1).arg(60) << v.arg(1).arg(5).arg(2) << s.arg(0).arg(0);
        QTest::newRow("no link capabilities") << 0 << "sound=8"
                                              << ""
                                              << ""
                                              << "" << s.arg(0).arg(0);
        QTest::newRow("crying: no voice alarm") << 1 << "autoPlayFile=3,checkSource=1"
                                                << "LV" << w.arg(1).arg(1).arg(60) << "" << s.arg(1).arg(3);
        // A file this client has no entry for goes back as the camera sent it.
        QTest::newRow("crying: file 9 unknown") << 1 << "autoPlayFile=9"
                                                << "V"
                                                << ""
                                                << "" << s.arg(0).arg(9);
        QTest::newRow("crying: not playing") << 1 << "autoPlayFile=0"
                                             << "L" << w.arg(1).arg(1).arg(60) << "" << s.arg(0).arg(0);
    }
    void panelFragments()
    {
        QFETCH(int, mode);
        QFETCH(QString, reply);
        QFETCH(QString, caps);
        CommonDetection panel;
        panel.setMode(mode);
        if (!reply.isNull()) {
            RemoteCfg_Widget::ipcCfgParams params;
            for (const QString &pair : reply.split(QLatin1Char(','), Qt::SkipEmptyParts))
                params.bodyValues.insert(pair.section('=', 0, 0), pair.section('=', 1));
            params.whiteLightEnable = 1;
            params.whiteLightStatus = 1;
            params.durationTime = params.bodyValues.value("duration", "60").toInt();
            params.voiceAlarmEnable = 1;
            params.audioFile = params.bodyValues.value("sound").toInt();
            params.playCount = 2;
            params.bodyValues.insert("autoPlayCount", "1");
            params.hasWhiteLight = caps.contains('L');
            params.hasVoiceAlarm = caps.contains('V');
            panel.setUi(params);
        }
        QTEST(panel.whiteLightXml(), "light");
        QTEST(panel.voiceAlarmXml(), "voice");
        QTEST(panel.checkSourceXml(), "source");
        // Shown as 1 (the slider's least), sent back as the camera's 0.
        if (reply.contains("sensitivity=0"))
            QCOMPARE(panel.enableXml(), QStringLiteral("<enable>0</enable><sensitivity>0</sensitivity>"));
    }

    // Periods written into the grid and read back as whole hours.
    void editorRoundTrip_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("inside hours") << "1=08:30:00-09:15:00"
                                      << "1=08:00:00-10:00:00";
        QTest::newRow("to midnight") << "2=22:00:00-00:00:00"
                                     << "2=22:00:00-24:00:00";
        QTest::newRow("to 24:00") << "6=08:00:00-24:00:00"
                                  << "6=08:00:00-24:00:00";
        QTest::newRow("whole day") << "0=00:00:00-24:00:00"
                                   << "0=00:00:00-24:00:00";
        QTest::newRow("reversed") << "3=10:00:00-08:00:00"
                                  << "";
        QTest::newRow("not a time") << "3=8h-09:00:00"
                                    << "";
        QTest::newRow("eighth list") << "1=01:00:00-02:00:00;7=05:00:00-06:00:00"
                                     << "1=01:00:00-02:00:00";
        QTest::newRow("adjacent merge") << "4=01:00:00-02:00:00,02:00:00-03:00:00,05:00:00-06:00:00"
                                        << "4=01:00:00-03:00:00,05:00:00-06:00:00";
    }
    void editorRoundTrip()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        CMoveDetectTimeSetDlg editor;
        editor.setTimes(sevenDays(weekOf("5=00:00:00-24:00:00")));
        editor.setTimes(weekOf(written)); // replaces the earlier marks
        QCOMPARE(editor.getTimes(), sevenDays(weekOf(read)));
    }

    // One stroke paints the opposite of its first cell; a day button clears its day.
    void dragPaintsOneState()
    {
        CMoveDetectTimeSetDlg editor;
        editor.resize(712, 260);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        DeploymentTimeTableView *grid = editor.table();
        editor.setTimes(weekOf("1=03:00:00-04:00:00,05:00:00-06:00:00;2=03:00:00-04:00:00"));
        const auto stroke = [grid](int row, int from, int to) {
            QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, row, from));
            for (int h = from; h != to;) {
                h += to > from ? 1 : -1;
                dragTo(grid->viewport(), cellCentre(grid, row, h));
            }
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, row, to));
        };
        stroke(1, 3, 6);  // starts armed: unarms 3..6
        stroke(0, 8, 10); // starts unarmed: arms 8..10
        QCOMPARE(editor.getTimes(), sevenDays(weekOf("0=08:00:00-11:00:00;2=03:00:00-04:00:00")));
        QTest::mouseClick(editor.findChild<QToolButton *>("toolButton_sun"), Qt::LeftButton);
        QCOMPARE(editor.getTimes(), sevenDays(weekOf("2=03:00:00-04:00:00")));
    }

    // Sensitivity, links, area and hours changed, saved, shown again by a new window.
    void savedShownAgain_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caps");
        QTest::newRow("motion") << 12002 << "doubleLight+audioDecode";
        QTest::newRow("people") << 12004 << "PD+doubleLight+audioDecode";
        QTest::newRow("sound") << 12006 << "voice+doubleLight+audioDecode";
    }
    void savedShownAgain()
    {
        QFETCH(int, page);
        QFETCH(QString, caps);
        reopen(caps);
        QWidget *shown = visit(page);
        QVERIFY(shown);
        auto *overlay = shown->findChild<OverlayWidget *>("widgetOverlay");
        if (overlay)
            QCOMPARE(overlay->preview()->streamKey(), CommonHelper::getDevUrl(&m_dev, ENUM_STREAM_TYPE(1)));

        auto *sensitivity = child<QSpinBox>(shown, "spinBox");
        sensitivity->setFocus();
        sensitivity->selectAll();
        QTest::keyClicks(sensitivity, "73");
        QTest::mouseClick(child<QCheckBox>(shown, "checkBoxLight"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(shown, "checkBoxVoice"), Qt::LeftButton);
        QString blocks;
        if (overlay) {
            QTableWidget *cells = overlay->grid();
            QTest::mouseClick(cells->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(cells, 0, 0));
            QTest::mouseClick(cells->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(cells, 2, 3));
            blocks = overlay->getBlockConfig();
            QCOMPARE(blocks.at(2 * overlay->columns() + 3), QChar('1'));
        }
        auto *grid = child<CMoveDetectTimeSetDlg>(shown, "widgetTime")->table();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 2, 20));
        dragTo(grid->viewport(), cellCentre(grid, 2, 21));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 2, 21));
        QVERIFY(save(shown, unsigned(page + 1)).cmd);
        QTRY_VERIFY_WITH_TIMEOUT(DevicePagesTest::toastTexts().contains("Configuration successful"), 10000);

        reopen(caps);
        shown = visit(page);
        QVERIFY(shown);
        QCOMPARE(child<QSpinBox>(shown, "spinBox")->value(), 73);
        QVERIFY(child<QCheckBox>(shown, "checkBoxLight")->isChecked());
        QVERIFY(child<QCheckBox>(shown, "checkBoxVoice")->isChecked());
        QCOMPARE(child<CMoveDetectTimeSetDlg>(shown, "widgetTime")->getTimes(),
                 sevenDays(weekOf("1=08:00:00-18:00:00;2=20:00:00-22:00:00")));
        if (!overlay)
            return;
        overlay = child<OverlayWidget>(shown, "widgetOverlay");
        QCOMPARE(overlay->getBlockConfig(), blocks);
        // Leaving the page drops the picture and its key.
        QTest::mouseClick(m_w->treeView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          m_w->treeView()->visualRect(m_w->pageItem(13004)->index()).center());
        QCOMPARE(overlay->preview()->streamKey(), QString());
    }

    // Exact bodies: blanks of each template, fragments by capability; the
    // arming time as received while untouched, in the CPU's form once drawn.
    void savedBodies_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caps");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("body"); // %S: the schedule
        QTest::addColumn<QString>("seed"); // replaces the stored reply when given
        const QString motionArea = "<areaType>block</areaType><blockConfig>" + QString(300, '0') + "</blockConfig>";
        const QString light =
            "<whiteLight><enable>0</enable><status>0</status><durationTime>30</durationTime></whiteLight>";
        const QString voice =
            "<voiceAlarm><enable>0</enable><audioFile>5</audioFile><playCount>3</playCount></voiceAlarm>";
        QTest::newRow("motion, no links") << 12002 << "MD"
                                          << ""
                                          << "<motionDetection><enable>1</enable><sensitivity>50</sensitivity> "
                                                 + motionArea + "<supervisedTime>%S</supervisedTime> </motionDetection>"
                                          << QString();
        QTest::newRow("motion, both links, other CPU")
            << 12002 << "doubleLight+audioDecode"
            << "X"
            << "<motionDetection><enable>1</enable><sensitivity>50</sensitivity> " + motionArea
                   + "<supervisedTime>%S</supervisedTime>" + light + " " + voice + "</motionDetection>"
            << QString();
        QTest::newRow("face, light, listed CPU")
            << 12008 << "FD+DOUBLELIGHT"
            << "SIGMASTAR"
            << "<faceDetection><enable>0</enable><sensitivity>40</sensitivity> <areaType>point</areaType><startX>10</startX>"
               "<startY>20</startY><endX>50</endX><endY>60</endY> <supervisedTime>%S</supervisedTime>"
                   + light + " </faceDetection>"
            << QString();
        QTest::newRow("crying, voice offered")
            << 12010 << "BCD+audioDecode"
            << "sigmastar"
            << "<bcDetection><enable>0</enable><sensitivity>60</sensitivity><supervisedTime>%S</supervisedTime> "
               "<checkSource>0</checkSource><autoPlayFile>0</autoPlayFile><autoPlayCount>1</autoPlayCount></bcDetection>"
            << QString();
        QTest::newRow("crying, summer night")
            << 12010 << "BCD+doubleLight"
            << ""
            << "<bcDetection><enable>0</enable><sensitivity>60</sensitivity><supervisedTime>%S</supervisedTime>"
               "<whiteLight><enable>0</enable><status>0</status><durationTime>60</durationTime></whiteLight> "
               "<checkSource>0</checkSource><autoPlayFile>1</autoPlayFile><autoPlayCount>1</autoPlayCount></bcDetection>"
            << QString();
        QString blocks(18 * 22, '0');
        for (int i = 0; i < blocks.size(); i += 7)
            blocks[i] = '1';
        QTest::newRow("people, grid repeated")
            << 12004 << "PD+audioDecode"
            << ""
            << "<peopleDetection><enable>1</enable><sensitivity>45</sensitivity> <areaType>block</areaType><blockConfig>"
                   + blocks + "</blockConfig><supervisedTime>%S</supervisedTime> " + voice + " </peopleDetection>"
            << QString();
        const QString corners = "<startX>12</startX><startY>25</startY><endX>87</endX><endY>90</endY>";
        QTest::newRow("people, corners repeated")
            << 12004 << "PD"
            << "X"
            << "<peopleDetection><enable>0</enable><sensitivity>20</sensitivity> <areaType>point</areaType>" + corners
                   + "<supervisedTime>%S</supervisedTime>  </peopleDetection>"
            << "<peopleDetection><enable>0</enable><sensitivity>20</sensitivity><areaType>point</areaType>" + corners
                   + "<supervisedTime><Monday>08:00:00-18:00:00;</Monday></supervisedTime></peopleDetection>";
        QTest::newRow("sound, text form")
            << 12006 << "voice+doubleLight"
            << "sigmastar"
            << "<voiceDetection><enable>1</enable><sensitivity>35</sensitivity><supervisedTime>%S</supervisedTime>"
                   + light + " </voiceDetection>"
            << QString();
    }
    void savedBodies()
    {
        QFETCH(int, page);
        QFETCH(QString, caps);
        QFETCH(QString, cpu);
        QFETCH(QString, body);
        QFETCH(QString, seed);
        if (!seed.isEmpty())
            m_cam->setStoredBody(unsigned(page), seed);
        reopen(caps, cpu);
        QWidget *shown = visit(page);
        QVERIFY(shown);
        if (QString(QTest::currentDataTag()).contains("summer"))
            pick(child<QComboBox>(shown, "comboBoxPlay"), 0);
        const QString stored = m_cam->storedBody(unsigned(page));
        const int from = stored.indexOf("<supervisedTime>") + int(qstrlen("<supervisedTime>"));
        const QString received = stored.mid(from, stored.indexOf("</supervisedTime>") - from);
        QCOMPARE(save(shown, unsigned(page + 1)).bodyText, QString(body).replace("%S", received));

        // One hour more on Tuesday: the whole week in the form the CPU asks for.
        auto *grid = child<CMoveDetectTimeSetDlg>(shown, "widgetTime")->table();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 2, 20));
        const Week week = sevenDays(weekOf("1=08:00:00-18:00:00;2=20:00:00-21:00:00"));
        const SimRequest sent = save(shown, unsigned(page + 1));
        QCOMPARE(sent.bodyText, QString(body).replace("%S", RemoteCfg_Widget::buildScheduleXml(week, cpu)));
        // Text form for a CPU outside the list, element form otherwise.
        QCOMPARE(sent.bodyText.contains("08:00:00-18:00:00;"), cpu == "X" || cpu == "sigmastar");
    }

    // Five periods on a day once the operator drew the week: the tip and
    // nothing sent; four are sent. The camera's own five go back untouched.
    void periodLimit_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caps");
        QTest::addColumn<int>("periods");
        QTest::newRow("motion, five") << 12002 << "" << 5;
        QTest::newRow("motion, four") << 12002 << "" << 4;
        QTest::newRow("face, five") << 12008 << "FD" << 5;
        QTest::newRow("crying, five") << 12010 << "BCD" << 5;
        QTest::newRow("people, five") << 12004 << "PD+PTZ" << 5;
        QTest::newRow("people, four") << 12004 << "PD" << 4;
        QTest::newRow("sound, five") << 12006 << "voice" << 5;
    }
    void periodLimit()
    {
        QFETCH(int, page);
        QFETCH(QString, caps);
        QFETCH(int, periods);
        QString tuesday;
        for (int i = 0; i < periods; ++i)
            tuesday += QStringLiteral("%1:00:00-%2:00:00;")
                           .arg(2 * i + 1, 2, 10, QChar('0'))
                           .arg(2 * i + 2, 2, 10, QChar('0'));
        QString stored = m_defaults.value(unsigned(page));
        stored.replace(QRegularExpression("<supervisedTime>.*</supervisedTime>"),
                       "<supervisedTime><Tuesday>" + tuesday + "</Tuesday></supervisedTime>");
        m_cam->setStoredBody(unsigned(page), stored);
        reopen(caps);
        QWidget *shown = visit(page);
        QVERIFY(shown);
        QString tip;
        if (periods > 4)
            DevicePagesTest::onModal<CustomDialog>([&tip](CustomDialog *d) {
                if (auto *label = d->findChild<QLabel *>(QStringLiteral("labelInfo")))
                    tip = label->text();
                d->accept();
            });
        const int sets = m_cam->requestCount(unsigned(page + 1));
        const int tracks = m_cam->requestCount(35011);
        auto *grid = child<CMoveDetectTimeSetDlg>(shown, "widgetTime")->table();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 5, 20));
        QTest::mouseClick(child<QPushButton>(shown, "pushButtonSave"), Qt::LeftButton);
        if (periods > 4) {
            QCOMPARE(tip, QStringLiteral("Set up to four time periods in a day!"));
            QVERIFY(DevicePagesTest::roundTrip(&m_dev));
            QCOMPARE(m_cam->requestCount(unsigned(page + 1)), sets);
            QCOMPARE(m_cam->requestCount(35011), tracks);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(unsigned(page + 1)), sets + 1, 10000);
            QVERIFY(
                m_cam->requests(unsigned(page + 1))
                    .last()
                    .bodyText.contains("<time3><startTime>07:00:00</startTime><endTime>08:00:00</endTime></time3>"));
        }
    }

    // "md1" in any case offers the channel; a record of channel 2 reads channel byte 1.
    void motionChannelChoice()
    {
        reopen("+MD1+");
        FUN_DEV_INFO channelRecord = m_dev;
        channelRecord.channelIdx = 2;
        m_w->setDevInfo(&channelRecord);
        const int gets = m_cam->requestCount(12002);
        QWidget *page = visit(12002);
        QVERIFY(page);
        QCOMPARE(m_cam->requests(12002).at(gets).channel, 1);
        auto *channels = child<QComboBox>(page, "comboBoxChannel");
        QVERIFY(channels->isVisible());
        QCOMPARE(channels->currentIndex(), 1);
        channels->setCurrentIndex(1);
        channels->setCurrentIndex(0);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(12002), gets + 2, 10000);
        QCOMPARE(m_cam->requests(12002).last().channel, 0);
        QCOMPARE(save(page, 12003).channel, 0);
    }

    // Shown again, the motion preview follows the channel chosen in the list,
    // not the device's own stream.
    void motionPreviewFollowsChannel()
    {
        FUN_DEV_INFO twoChannels = m_dev;
        twoChannels.channelNum = 2;
        DeviceInfoManager::instance()->addIPCChannels(&twoChannels); // copies, owned by the registry
        const QString second =
            CommonHelper::getDevUrl(DeviceInfoManager::instance()->getChannelInfo(m_dev.ip, 2), ENUM_STREAM_TYPE(1));
        QVERIFY(!second.isEmpty() && second != CommonHelper::getDevUrl(&m_dev, ENUM_STREAM_TYPE(1)));
        reopen("md1");
        QWidget *page = visit(12002);
        QVERIFY(page);
        child<QComboBox>(page, "comboBoxChannel")->setCurrentIndex(1);
        OpenGLRender *render = child<OverlayWidget>(page, "widgetOverlay")->preview();
        QCOMPARE(render->streamKey(), second);
        QTest::mouseClick(m_w->treeView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          m_w->treeView()->visualRect(m_w->pageItem(13004)->index()).center());
        QVERIFY(visit(12002));
        QCOMPARE(m_cam->requests(12002).last().channel, 1);
        QCOMPARE(render->streamKey(), second);
    }

    // Pages given a device directly: the token in any case gates GET, SET and the switch.
    void capabilityGates_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caps");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<bool>("reached"); // requests reach the camera
        QTest::newRow("face without") << 12008 << "MD+BCD" << false << false;
        QTest::newRow("face lower case") << 12008 << "md+fd" << true << true;
        QTest::newRow("crying without") << 12010 << "FD" << false << false;
        QTest::newRow("crying mixed case") << 12010 << "bCd" << true << true;
        QTest::newRow("people without") << 12004 << "PTZ+FD+voice" << false << false;
        QTest::newRow("people pd1") << 12004 << "pd1" << true << true;
        QTest::newRow("sound without") << 12006 << "PD+BCD" << false << false;
        QTest::newRow("sound upper case") << 12006 << "VOICE" << true << true;
        QTest::newRow("sound, no address") << 12006 << "voice" << true << false;
    }
    void capabilityGates()
    {
        QFETCH(int, page);
        QFETCH(QString, caps);
        QFETCH(bool, supported);
        QFETCH(bool, reached);
        const QHash<int, std::function<RemoteCfg_Widget *()>> make{{12004, [] { return new PeopleDetection; }},
                                                                   {12006, [] { return new VoiceDetection; }},
                                                                   {12008, [] { return new FaceDetection; }},
                                                                   {12010, [] { return new BCDetection; }}};
        std::unique_ptr<RemoteCfg_Widget> shown(make.value(page)());
        FUN_DEV_INFO dev = m_dev;
        dev.capList = caps;
        if (!reached && supported)
            dev.ip.clear();
        const int gets = m_cam->requestCount(unsigned(page));
        const int sets = m_cam->requestCount(unsigned(page + 1));
        shown->updateDevice(&dev);
        QCOMPARE(child<QCheckBox>(shown.get(), "checkBoxEnable")->isEnabled(), supported);
        QTest::mouseClick(child<QPushButton>(shown.get(), "pushButtonSave"), Qt::LeftButton);
        if (reached)
            QTRY_VERIFY_WITH_TIMEOUT(
                m_cam->requestCount(unsigned(page)) > gets && m_cam->requestCount(unsigned(page + 1)) > sets, 10000);
        else
            QVERIFY(DevicePagesTest::roundTrip(&m_dev));
        QCOMPARE(m_cam->requestCount(unsigned(page)) > gets, reached);
        QCOMPARE(m_cam->requestCount(unsigned(page + 1)) > sets, reached);
    }

    // Every people command on the record's channel; the track switch collapsed
    // without pan-tilt and still saved; "PD1" offers the channel list.
    void peopleChannelAndTrack_data()
    {
        QTest::addColumn<QString>("caps");
        QTest::addColumn<int>("record"); // channel index of the record the window is opened on
        QTest::addColumn<int>("track");  // humanTrackStatus the camera holds
        QTest::newRow("channel 2, no pan-tilt") << "PD" << 2 << 0;
        QTest::newRow("pan-tilt, track on") << "PD+PTZ" << 0 << 1;
        QTest::newRow("pan-tilt, channel list") << "PD+PTZ+pd1" << 0 << 0;
    }
    void peopleChannelAndTrack()
    {
        QFETCH(QString, caps);
        QFETCH(int, record);
        QFETCH(int, track);
        const int channel = record > 0 ? record - 1 : 0;
        m_cam->setStoredBody(
            35010, QStringLiteral("<humanTrack><humanTrackStatus>%1</humanTrackStatus></humanTrack>").arg(track),
            channel);
        reopen(caps);
        FUN_DEV_INFO channelRecord = m_dev;
        channelRecord.channelIdx = uint8_t(record);
        m_w->setDevInfo(&channelRecord);
        m_cam->clearRequests();
        QWidget *page = visit(12004);
        QVERIFY(page);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(35010), 1, 10000);
        const bool ptz = caps.contains("PTZ");
        auto *box = child<QCheckBox>(page, "checkBoxTrack");
        QTRY_COMPARE_WITH_TIMEOUT(box->isChecked(), track > 0, 10000);
        QCOMPARE(box->isVisible(), ptz);
        if (!ptz)
            QCOMPARE(box->height(), 0);
        QCOMPARE(child<QComboBox>(page, "comboBoxChannel")->isVisibleTo(page), caps.contains("pd1"));
        // The switch is saved once the camera said it.
        QTRY_VERIFY_WITH_TIMEOUT(box->isEnabled(), 10000);
        save(page, 12005);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(35011), 1, 10000);
        QCOMPARE(m_cam->requests(35011).first().bodyText,
                 QStringLiteral("<humanTrack><humanTrackStatus>%1</humanTrackStatus></humanTrack>").arg(track));
        QList<unsigned> order;
        for (const SimRequest &r : m_cam->requests()) {
            if (r.cmd == 12004 || r.cmd == 35010 || r.cmd == 12005 || r.cmd == 35011) {
                order << r.cmd;
                QCOMPARE(r.channel, channel);
            }
        }
        QCOMPARE(order, (QList<unsigned>{12004, 35010, 12005, 35011}));
    }

    // The overlay draws the window's frames under the record's sub-stream key
    // while its page is shown, none once it is hidden.
    void previewWhileShown_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("motion") << 12002;
        QTest::newRow("face") << 12008;
        QTest::newRow("people") << 12004;
    }
    void previewWhileShown()
    {
        QFETCH(int, page);
        if (m_rtsp.port() == 0) {
            const QString clip =
                testmedia::makeClip(QStringLiteral("detect.mp4"), QStringLiteral("h264"), 60, 320, 240);
            QVERIFY(!clip.isEmpty());
            QVERIFY(m_rtsp.start({QStringLiteral("/stream2=") + clip}, DEFAULT_DEV_USER, DEFAULT_DEV_PASSWORD));
        }
        FUN_DEV_INFO cam; // where the RTSP server listens; no configuration connection
        cam.ip = QStringLiteral("127.0.0.1");
        cam.devPort = 1;
        cam.rtspPort = quint16(m_rtsp.port());
        cam.capList = QStringLiteral("PD+FD");
        m_w = std::make_unique<RemoteConfigSetting>();
        m_w->setDevInfo(&cam);
        m_w->show();
        QTreeView *tree = m_w->treeView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          tree->visualRect(m_w->pageItem(page)->index()).center());
        OpenGLRender *render = child<OverlayWidget>(m_w->page(page), "widgetOverlay")->preview();
        QCOMPARE(render->streamKey(), CommonHelper::getDevUrl(&cam, ENUM_STREAM_TYPE(1)));
        QTRY_VERIFY_WITH_TIMEOUT(render->framesReceived() > 3, 20000);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          tree->visualRect(m_w->pageItem(13004)->index()).center());
        const qint64 frames = render->framesReceived();
        // The window's player goes on publishing the stream: pictures that
        // reach the bus now pass the preview by.
        const QString key = CommonHelper::getDevUrl(&cam, ENUM_STREAM_TYPE(1));
        int published = 0;
        const auto count = connect(SignalsHelper::instance(), &SignalsHelper::signalRecvImage, this,
                                   [&](const QString &k, AVFrame *, int) { published += k == key; });
        QTRY_VERIFY_WITH_TIMEOUT(published >= 5, 20000);
        disconnect(count);
        QCOMPARE(render->framesReceived(), frames);
        QCOMPARE(render->streamKey(), QString());
    }

    // A white light listed before the body's own switch lends it nothing.
    void ownSwitchWins()
    {
        m_cam->setStoredBody(12002, "<motionDetection><whiteLight><enable>1</enable><status>1</status>"
                                    "<durationTime>15</durationTime></whiteLight><enable>0</enable>"
                                    "<sensitivity>30</sensitivity></motionDetection>");
        reopen("doubleLight");
        QWidget *page = visit(12002);
        QVERIFY(page);
        QVERIFY(!child<QCheckBox>(page, "checkBoxEnable")->isChecked());
        QVERIFY(child<QCheckBox>(page, "checkBoxLight")->isChecked());
        QCOMPARE(child<QSpinBox>(page, "spinBox")->value(), 30);
    }
};

QTEST_MAIN(TestDetectionPages)
#include "tst_detectionpages.moc"
