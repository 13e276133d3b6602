// The camera window against a simulated camera (127.87.5.1) whose replies
// are held, dropped or lost with the connection: a late reply never stands
// for a read sent after a Save, a dropped request does not fail every later
// read, every Save is answered or said failed while the page keeps the
// operator's values, and the TCP/IP page neither follows a typed address in
// DHCP mode nor sends a mask with holes. What reaches the camera is read by
// this test's own reader.

#include "ConfigConversation.h"
#include "ConfigPageMarks.h"
#include "CustomDialog.h"
#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "EthernetSettingWidget.h"
#include "KelvoSDKHelper.h"
#include "OperatorActs.h"
#include "RemoteCfg_Widget.h"
#include "RemoteConfigSetting.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QComboBox>
#include <QDomDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItem>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;
using namespace OperatorActs;

namespace {

// The text at a path of elements ("encode0/frameRate") of a body.
QString bodyValue(const QString &body, const QString &path)
{
    QDomDocument doc;
    if (!doc.setContent(QStringLiteral("<body>%1</body>").arg(body)))
        return QStringLiteral("(unreadable)");
    QDomElement e = doc.documentElement();
    for (const QString &name : path.split(QLatin1Char('/'))) {
        QDomElement next;
        for (QDomElement c = e.firstChildElement(); !c.isNull() && next.isNull(); c = c.nextSiblingElement()) {
            if (c.tagName() == name)
                next = c;
            else if (!c.firstChildElement(name).isNull())
                next = c.firstChildElement(name);
        }
        if (next.isNull())
            return QStringLiteral("(none)");
        e = next;
    }
    return e.text();
}

enum SaveFault { ReplyLost, OfflineBefore, OfflineWhileOut, NetworkNeverAnswered, AnsweredLate, RefusedLate };
// A second Save while the first one's answer is late, written before that
// deadline, or clicked after it (nothing of it written), or the first one
// refused and the second stored; an honest slow camera; another rate picked
// without a Save while the answer is late; a Save of what a repeated answer
// showed.
enum LineFault {
    SecondSave = RefusedLate + 1,
    SecondRefused,
    Slow,
    FirstRefusedSecondStored,
    EditedLate,
    SavedOnRepeat
};

} // namespace

class TestConfigFates : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<RemoteConfigSetting> m_w;
    FakePing m_ping;
    int m_moves = 0;

    RemoteCfg_Widget *visit(int id)
    {
        if (!m_w) {
            // The window opens on its first page and reads it: that read is
            // let settle first, with the camera's plans kept for the visit's
            // own read, whichever of the two a busy machine would have the
            // camera answer first.
            const QHash<unsigned int, QList<int>> plans = m_cam->takeReplyPlans();
            m_w = std::make_unique<RemoteConfigSetting>();
            m_w->setDevInfo(&m_dev);
            m_w->setModal(false);
            m_w->show();
            QCoreApplication::processEvents();
            const auto opening = m_w->findChildren<RemoteCfg_Widget *>();
            const auto settled = [&opening] {
                for (RemoteCfg_Widget *page : opening) {
                    if (page->readState() == RemoteCfg_Widget::ReadState::Pending)
                        return false;
                }
                return true;
            };
            if (!QTest::qWaitFor(settled, 20000))
                qWarning() << "the window's opening read did not settle";
            for (auto it = plans.cbegin(); it != plans.cend(); ++it)
                m_cam->planReplies(it.key(), it.value());
        }
        closeToasts();
        QTreeView *tree = m_w->treeView();
        const QModelIndex index = m_w->pageItem(id)->index();
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
        return m_w->page(id);
    }

    bool connected() const { return KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)); }

    // A copy of the first visit's answer (25) comes while the next visit's
    // read is owed and is taken for its answer; the real one (26, saved
    // meanwhile) then comes owed to nobody. The page says its values cannot
    // be trusted and reads again before any Save: the next Save sends 26.
    // A Save clicked while the page showed the copy is said possibly built
    // on it and marked, also once the page read again, until a later Save
    // is stored.
    void repeatedRead(bool saveOnCopy)
    {
        m_cam->setStoredValue(10002, QStringLiteral("frameRate"), QStringLiteral("25"));
        m_cam->planReplies(10002, {SimDevice::Repeated, SimDevice::Held});
        const int sets = m_cam->requestCount(10003);
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        auto *mainRate = child<QComboBox>(page, "comboBox_main_framerate");
        auto *subRate = child<QComboBox>(page, "comboBox_sub_framerate");
        pickText(mainRate, QStringLiteral("26"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(10002), 2, 10000);
        QVERIFY(m_cam->releaseHeld(10002)); // the copy
        QTRY_COMPARE_WITH_TIMEOUT(mainRate->currentText(), QStringLiteral("25"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        const QString held = saveOnCopy ? QStringLiteral("25") : QStringLiteral("26");
        if (saveOnCopy) {
            closeToasts();
            pickText(subRate, QStringLiteral("12"));
            QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
            QCOMPARE(bodyValue(m_cam->requests(10003).last().bodyText, QStringLiteral("encode0/frameRate")), held);
        }
        closeToasts();
        QVERIFY(m_cam->releaseHeld(10002)); // the real answer, owed to nobody
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::repeatedText()), 10000);
        QCOMPARE(toastTexts().contains(ConfigConversation::saveOnRepeatText()), saveOnCopy);
        QTRY_COMPARE_WITH_TIMEOUT(mainRate->currentText(), held, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QCOMPARE(page->notSavedShown(), saveOnCopy);
        closeToasts();
        pickText(subRate, QStringLiteral("10"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(10003), sets + (saveOnCopy ? 3 : 2), 10000);
        QCOMPARE(bodyValue(m_cam->requests(10003).last().bodyText, QStringLiteral("encode0/frameRate")), held);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        QVERIFY(!page->notSavedShown());
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        m_ping.install();
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.reconnectUnitMs = 20;
        KelvoSDKHelper::instance()->setTimings(timings);
        RemoteConfigSetting::setRestartDelayMs(600000);
        EthernetSettingWidget::setTimings(3000, 100);
        connect(SignalsHelper::instance(), &SignalsHelper::signalMoveDev, this, [this](QString, FUN_DEV_INFO *dev) {
            ++m_moves;
            delete dev;
        });
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.87.5.1"))));
        m_dev.ip = m_cam->address().toString();
        m_dev.devPort = m_cam->port();
        m_dev.rtspPort = 1; // no preview here
        m_dev.capList = QStringLiteral("+audio+MD+OSD");
        m_dev.rtspPort = 1;
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(connected(), 10000);
    }

    void cleanup()
    {
        m_w.reset();
        m_dev.capList = QStringLiteral("+audio+MD+OSD");
        closeToasts();
        RemoteCfg_Widget::setReadTimeoutMs(6000);
        m_cam->setRefuseConnections(false);
        m_cam->setReplyDelay(0);
        while (m_cam->releaseHeld(10002) || m_cam->releaseHeld(10003) || m_cam->releaseHeld(14001)) {
        }
        // A command a test left out of step starts the next one afresh.
        KelvoSDKHelper::instance()->restartSession(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(connected() && roundTrip(&m_dev, 1000), 20000);
        m_moves = 0;
    }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev)); }

    // The first visit's reply is held; the second visit's answer, given at
    // once, is taken by the first, and the second times out: from then on
    // the camera's answers to 10002 cannot be told apart. The page saves
    // nothing and says so; once the held answer came the page reads again by
    // itself, and every later Save sends the camera's latest values.
    void lateReplyAfterSave()
    {
        RemoteCfg_Widget::setReadTimeoutMs(1000);
        m_cam->setStoredValue(10002, QStringLiteral("frameRate"), QStringLiteral("25"));
        m_cam->planReplies(10002, {SimDevice::Held, 0});
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(10002), 1, 10000);
        visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
        const int sets = m_cam->requestCount(10003);
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        closeToasts();
        visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::outOfStepText()), 10000);
        QCOMPARE(page->readState(), RemoteCfg_Widget::ReadState::Failed);
        QCOMPARE(child<QLabel>(page, "labelReadFailed")->text(), ConfigConversation::outOfStepText());
        QVERIFY(ConfigPageMarks::of(page)->reconnectButton()->isVisible());
        QCOMPARE(m_cam->requestCount(10003), sets);

        const int reads = m_cam->requestCount(10002);
        QVERIFY(m_cam->releaseHeld(10002)); // the first visit's answer
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        // The mark went with a read of its own, not with the late answers.
        QVERIFY(m_cam->requestCount(10002) > reads);
        QVERIFY(!child<QLabel>(page, "labelReadFailed")->isVisible());
        auto *mainRate = child<QComboBox>(page, "comboBox_main_framerate");
        QCOMPARE(mainRate->currentText(), QStringLiteral("25"));
        pickText(mainRate, QStringLiteral("26"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        QCOMPARE(bodyValue(m_cam->requests(10003).last().bodyText, QStringLiteral("encode0/frameRate")),
                 QStringLiteral("26"));

        visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QCOMPARE(mainRate->currentText(), QStringLiteral("26"));
        pickText(child<QComboBox>(page, "comboBox_sub_framerate"), QStringLiteral("10"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(10003), sets + 2, 10000);
        const QString body = m_cam->requests(10003).last().bodyText;
        QCOMPARE(bodyValue(body, QStringLiteral("encode0/frameRate")), QStringLiteral("26"));
        QCOMPARE(bodyValue(body, QStringLiteral("encode1/frameRate")), QStringLiteral("10"));
    }

    // A request the camera never answers leaves its command in doubt: every
    // read of it fails and says so; once nothing came for another deadline
    // the page says the camera stopped answering, also in a window opened
    // afterwards, until the operator asks for a fresh session, which brings
    // the page back.
    void droppedRequest()
    {
        RemoteCfg_Widget::setReadTimeoutMs(1000);
        m_cam->planReplies(10002, {-1});
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
        closeToasts();
        visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::outOfStepText()), 10000);
        QCOMPARE(page->readState(), RemoteCfg_Widget::ReadState::Failed);
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(page, "labelReadFailed")->text(),
                                  ConfigConversation::stoppedAnsweringText(), 10000);
        m_w.reset();
        closeToasts();
        page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::stoppedAnsweringText()), 10000);
        QCOMPARE(child<QLabel>(page, "labelReadFailed")->text(), ConfigConversation::stoppedAnsweringText());
        const int connections = m_cam->acceptedCount();
        QTest::mouseClick(ConfigPageMarks::of(page)->reconnectButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QCOMPARE(m_cam->acceptedCount(), connections + 1);
        QVERIFY(!child<QLabel>(page, "labelReadFailed")->isVisible());
        QVERIFY(!ConfigPageMarks::of(page)->reconnectButton()->isVisible());
    }

    void repeatedReply() { repeatedRead(false); }

    // A Save clicked while the page is still being read says so and sends nothing.
    void saveWhileReading()
    {
        const int sets = m_cam->requestCount(10003);
        m_cam->planReplies(10002, {SimDevice::Held});
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(10002), 1, 10000);
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QVERIFY(toastTexts().contains(ConfigConversation::stillReadingText()));
        QVERIFY(!toastTexts().contains(SharedTexts::configFailedText()));
        QVERIFY(m_cam->releaseHeld(10002));
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QCOMPARE(m_cam->requestCount(10003), sets);
    }

    // A Save whose answer never comes leaves its line in doubt: the next
    // Save, in this window or a new one, is refused, said, and offered the
    // way back. Reconnect asks first, naming the Save still out; the fresh
    // session ends the doubt, and the next Save reaches the camera.
    void lostAnswerThenSave()
    {
        RemoteCfg_Widget::setReadTimeoutMs(1000);
        m_cam->setStoredValue(10002, QStringLiteral("frameRate"), QStringLiteral("25"));
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        const int sets = m_cam->requestCount(10003);
        m_cam->planReplies(10003, {-1});
        pickText(child<QComboBox>(page, "comboBox_main_framerate"), QStringLiteral("20"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::noAnswerText()), 7000);
        QVERIFY(!ConfigPageMarks::of(page)->readFailureShown());

        // A new window reads fine; its Save is refused with the way back.
        m_w.reset();
        page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        auto *rate = child<QComboBox>(page, "comboBox_main_framerate");
        pickText(rate, QStringLiteral("21"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::saveOutOfStepText()), 7000);
        QCOMPARE(m_cam->requestCount(10003), sets + 1);
        QTRY_VERIFY_WITH_TIMEOUT(page->findChild<QLabel *>(QStringLiteral("labelReadFailed"))
                                     && page->findChild<QLabel *>(QStringLiteral("labelReadFailed"))->isVisible(),
                                 5000);
        QCOMPARE(child<QLabel>(page, "labelReadFailed")->text(), ConfigConversation::saveOutOfStepText());
        QPushButton *back = ConfigPageMarks::of(page)->reconnectButton();
        QVERIFY(back && back->isVisible());
        // Read again (another page and back), the way back stays while the doubt does.
        visit(RemoteConfigSetting::PageNetwork);
        visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(back->isVisible(), 5000);

        QString asked;
        onModal<CustomDialog>([&asked](CustomDialog *d) {
            for (QLabel *label : d->findChildren<QLabel *>())
                asked += label->text();
            d->accept();
        });
        const int connections = m_cam->acceptedCount();
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY2(asked.contains(QStringLiteral("A save still waits for the device's answer")), qPrintable(asked));
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->acceptedCount(), connections + 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!back->isVisible(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        QVERIFY(!child<QLabel>(page, "labelReadFailed")->isVisible());
        closeToasts();
        pickText(rate, QStringLiteral("22"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(10003), sets + 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        QCOMPARE(bodyValue(m_cam->requests(10003).last().bodyText, QStringLiteral("encode0/frameRate")),
                 QStringLiteral("22"));
        QVERIFY(!page->notSavedShown());
    }

    // A port Save answered after its deadline, then another one not written
    // meanwhile: the client's record takes the port of the Save the camera
    // answered, not the one typed last.
    void lateAnswerTakesItsOwnPort()
    {
        RemoteCfg_Widget::setReadTimeoutMs(1000);
        QList<int> recorded;
        QObject guard;
        connect(SignalsHelper::instance(), &SignalsHelper::signalModifyDev, &guard, [&recorded](FUN_DEV_INFO *dev) {
            recorded << dev->rtspPort;
            delete dev;
        });
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PagePorts);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        const int sets = m_cam->requestCount(13005);
        m_cam->planReplies(13005, {2500});
        auto *rtsp = child<QLineEdit>(page, "lineEdit_rtsp");
        typeText(rtsp, QStringLiteral("8554"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::noAnswerText()), 7000);
        typeText(rtsp, QStringLiteral("9554"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::saveOutOfStepText()), 7000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::tookEarlierText({QStringLiteral("8554")})),
                                 10000);
        QCOMPARE(m_cam->requestCount(13005), sets + 1);
        QCOMPARE(m_cam->storedValue(13004, QStringLiteral("RTSPPort")), QStringLiteral("8554"));
        QCOMPARE(recorded, QList<int>{8554});
        QCOMPARE(int(m_dev.rtspPort), 8554);
    }

    // A Save of CH_01 answered once the operator switched to CH_02 and it was
    // read: said as a channel, and the values shown, the device's own, are
    // not marked.
    // A refusal or a Save never answered is said with its channel too: the
    // values shown are CH_02's, and "Configuration failed" alone would seem to
    // be about them.
    void saveAnsweredAfterChannelSwitch_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("said");
        QTest::newRow("stored") << "stored"
                                << "The device took the Save of CH_01; CH_02 shows what the device holds.";
        QTest::newRow("refused") << "refused"
                                 << "Save of CH_01: " + SharedTexts::configFailedText();
        QTest::newRow("never answered") << "none"
                                        << "Save of CH_01: " + ConfigConversation::noAnswerText();
    }

    void saveAnsweredAfterChannelSwitch()
    {
        QFETCH(QString, answer);
        QFETCH(QString, said);
        m_dev.capList = QStringLiteral("+audio+MD+OSD+channel1");
        m_cam->setStoredValue(10002, QStringLiteral("frameRate"), QStringLiteral("25"));
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        auto *channels = child<QComboBox>(page, "comboBoxChannel");
        QVERIFY(channels->isVisible());
        m_cam->planReplies(10003, {SimDevice::Held});
        if (answer == QLatin1String("refused"))
            m_cam->setForcedResult(10003, 5);
        if (answer == QLatin1String("none"))
            RemoteCfg_Widget::setReadTimeoutMs(1500);
        pickText(child<QComboBox>(page, "comboBox_main_framerate"), QStringLiteral("20"));
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(10003), 1, 10000);
        pick(channels, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!m_cam->requests(10002).isEmpty() && m_cam->requests(10002).last().channel == 1,
                                 10000);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        closeToasts();
        if (answer != QLatin1String("none"))
            QVERIFY(m_cam->releaseHeld(10003));
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 10000);
        m_cam->clearForcedResult(10003);
        QCOMPARE(toastTexts(), QStringList{said});
        // CH_02 shows what the camera holds: nothing of it is unsaved.
        QVERIFY(!page->notSavedShown());
        QCOMPARE(bodyValue(m_cam->requests(10003).last().bodyText, QStringLiteral("encode0/frameRate")),
                 QStringLiteral("20"));
        QCOMPARE(m_cam->requests(10003).last().channel, 0);
    }

    void saveFates_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("said");
        QTest::newRow("reply lost") << int(ReplyLost) << ConfigConversation::noAnswerText();
        QTest::newRow("offline before the save") << int(OfflineBefore) << ConfigConversation::offlineText();
        QTest::newRow("offline while the save is out")
            << int(OfflineWhileOut) << ConfigConversation::connectionLostText();
        QTest::newRow("new address never answered") << int(NetworkNeverAnswered) << ConfigConversation::noAnswerText();
        QTest::newRow("answered after its deadline") << int(AnsweredLate) << ConfigConversation::savedLateText();
        QTest::newRow("refused after its deadline") << int(RefusedLate) << SharedTexts::configFailedText();
        // Each Save hears its own answer once the held one came; the mark
        // follows what the page shows.
        QTest::newRow("a second save while the first is late") << int(SecondSave) << SharedTexts::configSuccessText();
        // The page shows another rate than the late success stored: the mark
        // stays, and the words say what the camera took.
        QTest::newRow("a save refused, then the first one's late success")
            << int(SecondRefused) << ConfigConversation::tookEarlierText({QStringLiteral("20")});
        QTest::newRow("a late success after another rate picked without a save")
            << int(EditedLate) << ConfigConversation::tookEarlierText({QStringLiteral("20")});
        QTest::newRow("the first save refused late, the second stored")
            << int(FirstRefusedSecondStored) << SharedTexts::configFailedText();
        QTest::newRow("a save of what a repeated answer showed")
            << int(SavedOnRepeat) << ConfigConversation::saveOnRepeatText();
        // An honest slow camera answers every request at three quarters of
        // the deadline: nothing is said failed.
        QTest::newRow("a slow device") << int(Slow) << SharedTexts::configSuccessText();
    }

    // Every Save is answered or said failed within the read's deadline, in
    // words that fit, once; the page keeps the operator's value, marked.
    void saveFates()
    {
        QFETCH(int, fault);
        QFETCH(QString, said);
        if (fault == SavedOnRepeat) {
            repeatedRead(true);
            return;
        }
        m_cam->clearRequests();
        const bool network = fault == NetworkNeverAnswered;
        if (fault == Slow) {
            RemoteCfg_Widget::setReadTimeoutMs(2000);
            m_cam->setReplyDelay(1500);
        }
        m_cam->setStoredValue(13002, QStringLiteral("DHCPMode"), QStringLiteral("0"));
        m_cam->setStoredValue(13002, QStringLiteral("IP"), m_dev.ip);
        m_cam->setStoredValue(13002, QStringLiteral("gateway"), QStringLiteral("127.0.0.1"));
        m_cam->setStoredValue(13002, QStringLiteral("netmask"), QStringLiteral("255.0.0.0"));
        RemoteCfg_Widget *page =
            visit(network ? RemoteConfigSetting::PageNetwork : RemoteConfigSetting::PageVideoEncode);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        const unsigned set = network ? 13003 : 10003;
        QLineEdit *ip = network ? child<QLineEdit>(page, "lineEdit_ip") : nullptr;
        QComboBox *rate = network ? nullptr : child<QComboBox>(page, "comboBox_main_framerate");
        if (network)
            typeText(ip, QStringLiteral("127.87.5.9"));
        else
            pickText(rate, QStringLiteral("20"));
        if (fault == ReplyLost || network)
            m_cam->planReplies(set, {-1});
        const bool twoOut = fault == SecondSave || fault == FirstRefusedSecondStored;
        const bool second = twoOut || fault == SecondRefused || fault == EditedLate;
        const bool late = fault == AnsweredLate || fault == RefusedLate || second;
        if (fault == OfflineWhileOut || late)
            m_cam->planReplies(set, {SimDevice::Held});
        if (twoOut)
            m_cam->planReplies(set, {SimDevice::Held});
        if (fault == RefusedLate || fault == FirstRefusedSecondStored)
            m_cam->setForcedResult(set, 5);
        if (late)
            RemoteCfg_Widget::setReadTimeoutMs(1000);
        if (fault == OfflineBefore) {
            m_cam->setRefuseConnections(true);
            m_cam->dropConnections();
            QTRY_VERIFY_WITH_TIMEOUT(!connected(), 10000);
        }
        closeToasts();
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        if (late)
            RemoteCfg_Widget::setReadTimeoutMs(6000);
        if (fault == FirstRefusedSecondStored) {
            // The camera refuses the first Save only.
            QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(set), 1, 10000);
            m_cam->clearForcedResult(set);
        }
        if (twoOut) {
            pickText(rate, QStringLiteral("27"));
            QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        }
        if (fault == OfflineWhileOut) {
            QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(set), 1, 10000);
            m_cam->setRefuseConnections(true);
            m_cam->dropConnections();
        }
        if (late) {
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::noAnswerText()), 7000);
            // The mark follows what the page shows: a second Save is out.
            QCOMPARE(page->notSavedShown(), !twoOut);
            if (fault == SecondRefused || fault == EditedLate)
                pickText(rate, QStringLiteral("27"));
            if (fault == SecondRefused) {
                QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::saveOutOfStepText()), 7000);
            }
            QTRY_COMPARE_WITH_TIMEOUT(m_cam->heldCount(set), twoOut ? 2 : 1, 10000);
            closeToasts();
            while (m_cam->releaseHeld(set)) {
            }
        }
        const QString took = ConfigConversation::tookEarlierText({QStringLiteral("20")});
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 7000);
        m_cam->clearForcedResult(set);
        QCOMPARE(toastTexts().count(said), 1);
        QCOMPARE(toastTexts().contains(SharedTexts::configSuccessText()), twoOut || fault == Slow);
        QCOMPARE(toastTexts().contains(ConfigConversation::savedLateText()), fault == AnsweredLate);
        QCOMPARE(toastTexts().contains(took), second && fault != FirstRefusedSecondStored);
        QVERIFY(!toastTexts().contains(ConfigConversation::saveOutOfStepText()));
        QCOMPARE(page->notSavedShown(), fault != AnsweredLate && !twoOut && fault != Slow);
        // Nothing of a refused Save reaches the camera.
        QCOMPARE(m_cam->requestCount(set), fault == OfflineBefore ? 0 : twoOut ? 2 : 1);
        if (fault == Slow) {
            // Read again as slowly: what was saved, and no failure said.
            QCOMPARE(toastTexts(), QStringList{said});
            visit(RemoteConfigSetting::PageVideoEncode);
            QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
            QVERIFY(toastTexts().isEmpty());
        }
        if (network)
            QCOMPARE(ip->text(), QStringLiteral("127.87.5.9"));
        else
            QCOMPARE(rate->currentText(), second ? QStringLiteral("27") : QStringLiteral("20"));
        if (!network && fault != OfflineBefore)
            QCOMPARE(bodyValue(m_cam->requests(set).last().bodyText, QStringLiteral("encode0/frameRate")),
                     twoOut ? QStringLiteral("27") : QStringLiteral("20"));
        QVERIFY(m_w->isVisible());
        QCOMPARE(m_moves, 0);
    }

    void dhcpAndMask_data()
    {
        QTest::addColumn<QString>("mode"); // "static" as reported, "dhcp" ticked, "to static" from a reported DHCP
        QTest::addColumn<QString>("ip");   // typed, empty: untouched
        QTest::addColumn<QString>("mask"); // typed, empty: untouched
        QTest::addColumn<QString>("dns");  // preferred DNS typed, empty: untouched
        QTest::addColumn<QString>("said"); // a refusal: nothing sent
        QTest::addColumn<QString>("sentIp");
        QTest::addColumn<QString>("fault"); // the field marked (and focused unless greyed); empty: none
        const QString own = QStringLiteral("127.87.5.1");
        const QString dhcpSaid = EthernetSettingWidget::dhcpText();
        const QString invalid = QStringLiteral("Invalid format");
        const QString success = SharedTexts::configSuccessText();
        auto row = [](const char *name, const char *mode, const char *ip, const char *mask, const char *dns,
                      const QString &said, const QString &sentIp, const char *fault) {
            QTest::newRow(name) << QString(mode) << QString(ip) << QString(mask) << QString(dns) << said << sentIp
                                << QString(fault);
        };
        row("dhcp, untouched address", "dhcp", "", "", "", dhcpSaid, own, "");
        row("dhcp, typed address", "dhcp", "127.87.5.20", "", "", dhcpSaid, "127.87.5.20", "");
        // Greyed, the field cannot take the focus: the toast names it.
        row("dhcp, typed address out of range", "dhcp", "999.1.1.1", "", "", invalid + ": IP Address", "",
            "lineEdit_ip");
        row("static, mask with holes", "static", "", "255.0.0.255", "", invalid, "", "lineEdit_netMask");
        row("static, contiguous mask", "static", "", "254.0.0.0", "", success, own, "");
        // A leading zero is octal to many stacks: another server than typed.
        row("static, DNS 8.8.8.08", "static", "", "", "8.8.8.08", invalid, "", "lineEdit_dns1");
        row("dhcp, DNS 8.8.8.08", "dhcp", "", "", "8.8.8.08", invalid + ": Preferred DNS", "", "lineEdit_dns1");
        row("static, DNS typed, the rest as reported", "static", "", "", "8.8.8.8", success, own, "");
        // The gateway the camera reported stays; the address typed left its subnet.
        row("static, address in another subnet", "static", "10.87.5.9", "", "", SharedTexts::subnetMismatchText(), "",
            "lineEdit_ip");
        // A camera without a lease reports no mask; turned static, the
        // address, mask and gateway are the operator's.
        row("to static, reported mask 0.0.0.0", "to static", "", "", "", invalid, "", "lineEdit_netMask");
        row("to static, mask typed", "to static", "", "255.0.0.0", "", success, own, "");
    }

    // DHCP: the record stays where it is and the operator is told how to find
    // the camera; what he typed is checked as typed. Static: a mask is one
    // run of ones.
    void dhcpAndMask()
    {
        QFETCH(QString, mode);
        QFETCH(QString, ip);
        QFETCH(QString, mask);
        QFETCH(QString, dns);
        QFETCH(QString, said);
        QFETCH(QString, sentIp);
        QFETCH(QString, fault);
        // Reported values the check would refuse as typed go back untouched.
        m_cam->setStoredValue(13002, QStringLiteral("preferredDNS"), QStringLiteral("127.0.0.53"));
        m_cam->setStoredValue(13002, QStringLiteral("standbyDNS"), QStringLiteral("127.000.0.053"));
        const bool dhcp = mode == QLatin1String("dhcp");
        const bool toStatic = mode == QLatin1String("to static");
        m_cam->setStoredValue(13002, QStringLiteral("DHCPMode"), toStatic ? QStringLiteral("1") : QStringLiteral("0"));
        m_cam->setStoredValue(13002, QStringLiteral("IP"), m_dev.ip);
        m_cam->setStoredValue(13002, QStringLiteral("gateway"), QStringLiteral("127.0.0.1"));
        m_cam->setStoredValue(13002, QStringLiteral("netmask"),
                              toStatic ? QStringLiteral("0.0.0.0") : QStringLiteral("255.0.0.0"));
        const int sets = m_cam->requestCount(13003);
        RemoteCfg_Widget *page = visit(RemoteConfigSetting::PageNetwork);
        QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
        if (toStatic)
            QTest::mouseClick(child<QRadioButton>(page, "radioButton_static"), Qt::LeftButton);
        auto *ipEdit = child<QLineEdit>(page, "lineEdit_ip");
        if (!ip.isEmpty()) {
            ipEdit->setFocus();
            ipEdit->selectAll();
            QTest::keyClicks(ipEdit, ip);
            QCOMPARE(ipEdit->text(), ip);
        }
        if (!mask.isEmpty())
            typeText(child<QLineEdit>(page, "lineEdit_netMask"), mask);
        if (!dns.isEmpty())
            typeText(child<QLineEdit>(page, "lineEdit_dns1"), dns);
        if (dhcp)
            QTest::mouseClick(child<QRadioButton>(page, "radioButton_dhcp"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 10000);
        QVERIFY(roundTrip(&m_dev));
        // The one text fits several fields: the mark (and the focus, or the
        // toast's word for a greyed field) says which.
        auto *atFault = fault.isEmpty() ? nullptr : child<QLineEdit>(page, qPrintable(fault));
        // The keyboard's focus: the toast saying it takes none.
        if (atFault && atFault->isEnabled())
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(atFault));
        for (QLineEdit *edit : page->findChildren<QLineEdit *>())
            QVERIFY2(framedRed(edit) == (edit == atFault), qPrintable(edit->objectName()));
        if (sentIp.isEmpty()) {
            QCOMPARE(m_cam->requestCount(13003), sets);
            return;
        }
        QCOMPARE(m_cam->requestCount(13003), sets + 1);
        const QString body = m_cam->requests(13003).last().bodyText;
        QCOMPARE(bodyValue(body, QStringLiteral("TCPIP/DHCPMode")), dhcp ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(bodyValue(body, QStringLiteral("TCPIP/IP")), sentIp);
        QCOMPARE(bodyValue(body, QStringLiteral("TCPIP/netmask")), mask.isEmpty() ? QStringLiteral("255.0.0.0") : mask);
        QCOMPARE(bodyValue(body, QStringLiteral("TCPIP/preferredDNS")),
                 dns.isEmpty() ? QStringLiteral("127.0.0.53") : dns);
        QCOMPARE(bodyValue(body, QStringLiteral("TCPIP/standbyDNS")), QStringLiteral("127.000.0.053"));
        QVERIFY(!qobject_cast<EthernetSettingWidget *>(page)->movePending());
        QVERIFY(m_w->isVisible());
        QCOMPARE(m_moves, 0);
    }
};

QTEST_MAIN(TestConfigFates)
#include "tst_configfates.moc"
