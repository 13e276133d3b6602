// Platform access, version and contact pages against a simulated camera over
// loopback (127.29.0.x), the first two made current through the window's tree.

#include "ConfigConversation.h"
#include "BRN_DevContactInfo_Widget.h"
#include "DevicePagesTestUtil.h"
#include "OperatorActs.h"
#include "DeviceRoundTrip.h"
#include "KelvoSDKHelper.h"
#include "PrivateProto.h"
#include "RemoteConfigSetting.h"
#include "SimDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItem>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace OperatorActs;

using DevicePagesTest::child;
using DevicePagesTest::toastTexts;

class TestPlatformPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<RemoteConfigSetting> m_w;
    QString m_defaults;

    QWidget *select(int id)
    {
        QTreeView *tree = m_w->treeView();
        const QModelIndex index = m_w->pageItem(id)->index();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
        return m_w->page(id);
    }
    // Selects the platform page and waits for its reply to be shown.
    QWidget *platformPage()
    {
        const int gets = m_cam->requestCount(13008);
        QWidget *page = select(13008);
        auto *state = child<QLineEdit>(page, "lineEdit_SIPRegisterStatus");
        state->clear();
        if (!DevicePagesTest::waitFor([&] { return m_cam->requestCount(13008) > gets && !state->text().isEmpty(); }))
            return nullptr;
        return page;
    }
    SimRequest save(QWidget *page, unsigned cmd, const char *button)
    {
        const int sets = m_cam->requestCount(cmd);
        QTest::mouseClick(child<QPushButton>(page, button), Qt::LeftButton);
        DevicePagesTest::waitFor([&] { return m_cam->requestCount(cmd) > sets; });
        return m_cam->requestCount(cmd) > sets ? m_cam->requests(cmd).last() : SimRequest();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.29.0.1"))));
        m_dev.ip = m_cam->address().toString();
        m_dev.devPort = m_cam->port();
        m_dev.rtspPort = 1; // no preview here
        m_dev.mac = QStringLiteral("02:ab:cd:00:0e:f1");
        m_dev.model = QStringLiteral("SIM-IPC1");
        m_defaults = m_cam->storedBody(13008);
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)), 10000);
    }

    void init()
    {
        m_cam->setStoredBody(13008, m_defaults);
        m_w = std::make_unique<RemoteConfigSetting>();
        m_w->setDevInfo(&m_dev);
        m_w->show();
    }

    void cleanup()
    {
        m_w.reset();
        DevicePagesTest::closeToasts();
        m_cam->setCommandSilent(13008, false);
        m_cam->clearForcedResult(13009);
        // A read the camera dropped leaves its command owing an answer on the
        // session for good: the next test starts on a fresh one.
        KelvoSDKHelper::instance()->restartSession(toLoginDev(&m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev))
                                     && DevicePagesTest::roundTrip(&m_dev, 1000),
                                 20000);
    }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev)); }

    // The camera's state value is shown as text and sent back raw.
    void registerStateEchoed_data()
    {
        QTest::addColumn<QString>("state"); // null: no reply before the save
        QTest::addColumn<QString>("shown");
        QTest::newRow("registered") << "2"
                                    << "Registered";
        QTest::newRow("out of range") << "7"
                                      << "Unregistered";
        QTest::newRow("negative") << "-1"
                                  << "Unregistered";
        QTest::newRow("save before any reply") << QString() << QString();
    }
    void registerStateEchoed()
    {
        QFETCH(QString, state);
        QFETCH(QString, shown);
        QWidget *page = nullptr;
        if (state.isNull()) {
            m_cam->setCommandSilent(13008, true);
            page = select(13008);
        } else {
            m_cam->setStoredValue(13008, QStringLiteral("SIPRegisterStatus"), state);
            page = platformPage();
            QVERIFY(page);
        }
        QCOMPARE(child<QLineEdit>(page, "lineEdit_SIPRegisterStatus")->text(), shown);
        if (state.isNull()) {
            // Nothing read yet: the fields are not the camera's, nothing is
            // written, and the operator is told the page is still being read.
            const int sets = m_cam->requestCount(13009);
            QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
            QVERIFY(toastTexts().contains(ConfigConversation::stillReadingText()));
            QVERIFY(DevicePagesTest::roundTrip(&m_dev));
            QCOMPARE(m_cam->requestCount(13009), sets);
            return;
        }
        const SimRequest sent = save(page, 13009, "pushButton_save");
        QVERIFY(sent.bodyText.contains(QStringLiteral("<SIPRegisterStatus>%1</SIPRegisterStatus>").arg(state)));
    }

    // Unchecking Enable greys out mode and fields; the save keeps their texts.
    void disabledAccessKeepsFields()
    {
        QWidget *page = platformPage();
        QVERIFY(page);
        auto *id = child<QLineEdit>(page, "lineEdit_SIPServerID");
        id->clear();
        id->setFocus();
        QTest::keyClicks(id, QString(26, QLatin1Char('7')));
        QCOMPARE(id->text(), QString(25, QLatin1Char('7')));

        tick(child<QCheckBox>(page, "checkBox_enable"), false);
        QVERIFY(!child<QComboBox>(page, "comboBox_mode")->isEnabled());
        for (QLineEdit *edit : page->findChildren<QLineEdit *>())
            QVERIFY2(!edit->isEnabled(), qPrintable(edit->objectName()));
        QVERIFY(child<QCheckBox>(page, "checkBox_enable")->isEnabled());
        QVERIFY(child<QPushButton>(page, "pushButton_save")->isEnabled());
        const SimRequest sent = save(page, 13009, "pushButton_save");
        QCOMPARE(sent.body.value("Enable"), QStringLiteral("0"));
        QCOMPARE(sent.body.value("SIPServerID"), QString(25, QLatin1Char('7')));
        QCOMPARE(sent.body.value("SIPKeeplive"), QStringLiteral("60"));
    }

    // Markup and placeholders arrive as typed and read back the same.
    void typedTextsRoundTrip()
    {
        QWidget *page = platformPage();
        QVERIFY(page);
        typeText(child<QLineEdit>(page, "lineEdit_SIPServerDomain"), QStringLiteral("a<b&c"));
        typeText(child<QLineEdit>(page, "lineEdit_SIPClientAuthenticationPassword"), QStringLiteral("%3 %10"));
        const SimRequest sent = save(page, 13009, "pushButton_save");
        QCOMPARE(sent.body.value("SIPServerDomain"), QStringLiteral("a<b&c"));
        QCOMPARE(sent.body.value("SIPClientAuthenticationPassword"), QStringLiteral("%3 %10"));
        QVERIFY(sent.bodyText.contains(QStringLiteral("<SIPServerDomain>a&lt;b&amp;c</SIPServerDomain>")));
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration successful")), 10000);

        page = platformPage();
        QCOMPARE(child<QLineEdit>(page, "lineEdit_SIPServerDomain")->text(), QStringLiteral("a<b&c"));
        QCOMPARE(child<QLineEdit>(page, "lineEdit_SIPClientAuthenticationPassword")->text(), QStringLiteral("%3 %10"));

        DevicePagesTest::closeToasts();
        m_cam->setForcedResult(13009, 3);
        save(page, 13009, "pushButton_save");
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration failed")), 10000);
    }

    // A port the operator types must be one; the camera's own goes back unchecked.
    void typedPortsChecked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("sent");
        QTest::newRow("empty server port") << "lineEdit_SIPServerPort"
                                           << "" << false;
        QTest::newRow("negative local port") << "lineEdit_SIPLocalPort"
                                             << "-1" << false;
        QTest::newRow("beyond 65535") << "lineEdit_SIPServerPort"
                                      << "65536" << false;
        QTest::newRow("a port") << "lineEdit_SIPLocalPort"
                                << "5062" << true;
        // The server address the same: no address is none.
        QTest::newRow("server address out of range") << "lineEdit_SIPServerIP"
                                                     << "999.1.1.1" << false;
        QTest::newRow("empty server address") << "lineEdit_SIPServerIP"
                                              << "" << false;
        QTest::newRow("a server address") << "lineEdit_SIPServerIP"
                                          << "127.0.0.9" << true;
    }
    void typedPortsChecked()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, sent);
        m_cam->setStoredValue(13008, QStringLiteral("SIPServerPort"), QStringLiteral("0"));
        QWidget *page = platformPage();
        QVERIFY(page);
        typeText(child<QLineEdit>(page, qPrintable(field)), typed);
        const int sets = m_cam->requestCount(13009);
        QTest::mouseClick(child<QPushButton>(page, "pushButton_save"), Qt::LeftButton);
        if (!sent) {
            QVERIFY(toastTexts().contains(QStringLiteral("Invalid format")));
            QVERIFY(DevicePagesTest::roundTrip(&m_dev));
            QCOMPARE(m_cam->requestCount(13009), sets);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(13009), sets + 1, 10000);
        QCOMPARE(m_cam->requests(13009).last().body.value(field.mid(9)), typed);
        QCOMPARE(m_cam->requests(13009).last().body.value(QStringLiteral("SIPServerPort")), QStringLiteral("0"));
    }

    // The version page shows the record and asks the camera nothing.
    void versionFromRecord()
    {
        // The window opened on its first page; what that asked is answered.
        auto *first = qobject_cast<RemoteCfg_Widget *>(m_w->page(10002));
        QTRY_VERIFY_WITH_TIMEOUT(first->readState() == RemoteCfg_Widget::ReadState::Done, 10000);
        const int before = m_cam->requests().size();
        QWidget *page = select(14093);
        QCOMPARE(child<QLineEdit>(page, "lineEdit_mac")->text(), QStringLiteral("02:AB:CD:00:0E:F1"));
        QCOMPARE(child<QLineEdit>(page, "lineEdit_type")->text(), QStringLiteral("SIM-IPC1"));
        QCOMPARE(m_dev.mac, QStringLiteral("02:ab:cd:00:0e:f1"));
        // A get sent afterwards is the first thing the camera hears.
        QVERIFY(platformPage());
        QCOMPARE(m_cam->requests().at(before).cmd, 13008u);
    }

    // Only a whole telephone number or e-mail address is sent.
    void contactPatterns_data()
    {
        QTest::addColumn<QString>("contact");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("mobile 13") << "13812345678" << true;
        QTest::newRow("mobile 12") << "12812345678" << false;
        QTest::newRow("fixed line") << "010-12345678" << true;
        QTest::newRow("fixed line too short") << "010-123456" << false;
        QTest::newRow("mail") << "owner@cam-01.example.org" << true;
        QTest::newRow("mail, six-letter label") << "owner@example.abcdef" << false;
        QTest::newRow("empty") << "" << false;
    }
    void contactPatterns()
    {
        QFETCH(QString, contact);
        QFETCH(bool, accepted);
        m_w.reset(); // the page on its own
        BRN_DevContactInfo_Widget page;
        // What the window would do for its current page.
        connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, &page,
                [&page](const devXmlInfo &info) { page.parseXml(PrivateProto::headCommand(info.xml), info.xml); });
        page.show();
        const int asked = m_cam->requestCount(14017);
        page.updateDevice(&m_dev);
        auto *edit = child<QLineEdit>(&page, "lineEdit");
        QTRY_VERIFY_WITH_TIMEOUT(!edit->text().isEmpty(), 10000);
        // The line may have been filled by the late answer to the previous
        // row's read: the count below starts once this page's read reached
        // the camera.
        QTRY_VERIFY_WITH_TIMEOUT(m_cam->requestCount(14017) > asked, 10000);
        const int sets = m_cam->requestCount(14018);
        typeText(edit, QStringLiteral(" %1 ").arg(contact));
        QTest::mouseClick(child<QPushButton>(&page, "pushButton"), Qt::LeftButton);
        if (!accepted) {
            QCOMPARE(toastTexts(), QStringList{QStringLiteral("Invalid format")});
            const int gets = m_cam->requestCount(14017);
            page.updateDevice(&m_dev);
            QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(14017), gets + 1, 10000);
            QCOMPARE(m_cam->requestCount(14018), sets);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(14018), sets + 1, 10000);
        QCOMPARE(m_cam->requests(14018).last().bodyText,
                 QStringLiteral("<contactInfo><contactAddress>%1</contactAddress></contactInfo>").arg(contact));
        edit->clear();
        page.updateDevice(&m_dev);
        QTRY_COMPARE_WITH_TIMEOUT(edit->text(), contact, 10000);
    }
};

QTEST_MAIN(TestPlatformPages)
#include "tst_platformpages.moc"
