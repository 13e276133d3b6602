// Every page and dialog of the NVR configuration against a simulated NVR
// seeded with values the client has no item for (a menu language and a
// resolution outside its lists, time format 2, "YYYY-MM-DD", account state 2,
// an e-mail per account, a channel without a schedule, two channels on one
// camera address): opened and saved untouched, each sends back exactly what
// was seeded, also after a language change; a failed read is said and its
// Save sends nothing; an NVR gone offline is said on Save and on the pages
// opened meanwhile.

#include "CNVRAuthSetting.h"
#include "CNVRChannelAddDevDlg.h"
#include "CNVRChannelManageDlg.h"
#include "CNVRConfigSetting.h"
#include "CNVRDateSetting.h"
#include "CNVREditClientUserDlg.h"
#include "CNVRUserManageDlg.h"
#include "CUserManageDlg.h"
#include "DeviceInfoManager.h"
#include "NvrBodies.h"
#include "NvrWindowTestUtil.h"
#include "SharedTexts.h"
#include "StoragePlanTableView.h"

#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

using namespace DevicePagesTest;
using Leaves = QMap<QString, QString>;

namespace {

enum Condition { Untouched, LanguageChanged, ReadFailed, Offline };

// The text of every element without child elements, by name.
Leaves leaves(const QString &body)
{
    Leaves out;
    QXmlStreamReader reader(QStringLiteral("<r>%1</r>").arg(body));
    QString name;
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            name = reader.name().toString();
            text.clear();
        } else if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isEndElement() && reader.name() == name) {
            out.insert(name, text.trimmed());
            name.clear();
        }
    }
    return out;
}

const QString kBasic = QString::fromUtf8(
    "<language>18</language><languageList>(简体中文),English,Italiano</languageList><transparency>2</transparency>"
    "<resolutionList>1024*768,1280*720</resolutionList><resolution>1280*720</resolution>"
    "<lockScreenTime>300</lockScreenTime><lockScreenOp>2</lockScreenOp><guideEnable>0</guideEnable>"
    "<autoAddIpc>1</autoAddIpc><debugLogLevel>4</debugLogLevel>");
const QString kTime = QStringLiteral(
    "<timeConfig><sysTime></sysTime><dateFormat>YYYY-MM-DD</dateFormat><timeFormat>2</timeFormat>"
    "<ipcSetTime>1</ipcSetTime><ipcSetTimeInterval>12</ipcSetTimeInterval><timeZone>PST8PDT</timeZone>"
    "<chanNumberDisplay>0</chanNumberDisplay><desktopTimeDisplay>1</desktopTimeDisplay><summertime><enable>1</enable>"
    "<offset>-30</offset><weekStartTime>3:5:7:02:00</weekStartTime><weekEndTime>13:0:0:03:00</weekEndTime>"
    "</summertime></timeConfig>");
const QString kNetwork = QStringLiteral(
    "<TCPIP><DHCPMode>0</DHCPMode><ipConflictMode>2</ipConflictMode><IP>127.0.0.1</IP><netmask>255.0.0.0</netmask>"
    "<gateway>127.0.0.1</gateway><preferredDNS>127.0.0.1</preferredDNS><standbyDNS>127.0.0.2</standbyDNS>"
    "<MAC>02:00:00:00:00:0a</MAC><MTU>9000</MTU></TCPIP><wifiEnable>1</wifiEnable><wifiEnhance>2</wifiEnhance>"
    "<poeEnable>0</poeEnable><poeLongCable>1</poeLongCable>");
const QString kPolicy = QStringLiteral("<StoragePolicy>2</StoragePolicy><noHDDPrompt>1</noHDDPrompt>");
// Mode 2 shows detection and intelligence as general recording; untouched,
// they go back as they are.
const QString kSchedule = QString(48, '2') + QString(48, '3') + QString(240, '1');
const QString kAnn = QStringLiteral("<userName>ann</userName><passWord>pw-ann</passWord><status>2</status>"
                                    "<email>ann@example.com</email><localAuthority>01001011</localAuthority>"
                                    "<remoteAuthority>1000110011</remoteAuthority>");
const QString kBob = QStringLiteral("<userName>bob</userName><passWord>pw-bob</passWord><status>1</status>"
                                    "<email>bob@example.com</email><localAuthority>11111111</localAuthority>"
                                    "<remoteAuthority>1111111111</remoteAuthority>");
// Channel 3 holds the camera of channel 1.
const QString kChannel3 = QStringLiteral(
    "<ChannelId>3</ChannelId><IpAddr>127.77.0.20</IpAddr><Protocol>brelon</Protocol><CtrlPort>2028</CtrlPort>"
    "<VideoPort>8554</VideoPort><Username>cam</Username><Password>cam-pw</Password><AuthType>2</AuthType>"
    "<DoubleCam>0</DoubleCam>");

struct Surface
{
    QString name;
    unsigned read = 0;
    unsigned save = 0;
    Leaves expected; // what an untouched Save sends (sysTime, passWord apart)
};

QList<Surface> surfaces()
{
    Leaves basic = leaves(kBasic);
    basic.remove(QStringLiteral("languageList"));
    basic.remove(QStringLiteral("resolutionList"));
    Leaves time = leaves(kTime);
    time.remove(QStringLiteral("sysTime"));
    Leaves network = leaves(kNetwork);
    for (const char *key : {"wifiEnable", "poeEnable"})
        network.remove(QLatin1String(key));
    Leaves account = leaves(kAnn);
    account.insert(QStringLiteral("userNum"), QStringLiteral("1"));
    account.insert(QStringLiteral("operationType"), QStringLiteral("3"));
    Leaves rights = account;
    rights.remove(QStringLiteral("email"));
    account.remove(QStringLiteral("localAuthority"));
    account.remove(QStringLiteral("remoteAuthority"));
    account.remove(QStringLiteral("passWord"));
    Leaves channel = leaves(kChannel3);
    channel.insert(QStringLiteral("ChannelCount"), QStringLiteral("1"));
    return {
        {"basic", 14001, 14005, basic},
        {"date", 14006, 14007, time},
        {"date, clock unreadable", 14006, 14007, time},
        {"network", 13001, 13003, network},
        {"schedule", 14104, 14105, {{"ChannelNum", "1"}, {"ID", "1"}, {"Schedule", kSchedule}}},
        {"storage policy", 14102, 14103, leaves(kPolicy)},
        {"account", 14013, 14014, account},
        {"rights", 14013, 14014, rights},
        {"channel", 14203, 14204, channel},
    };
}

} // namespace

Q_DECLARE_METATYPE(Surface)

class TestNvrSaveUntouched : public QObject
{
    Q_OBJECT

    int m_nextHost = 1;
    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO *m_record = nullptr;
    std::unique_ptr<QWidget> m_open;
    QTranslator m_russian;
    bool m_masked = true;

    template<class T>
    T *find(const char *name) const { return child<T>(m_open.get(), name); }
    bool flush() { return NvrWindowTest::flush(*m_nvr, *m_record); }
    void translate(bool russian)
    {
        if (russian)
            QCoreApplication::installTranslator(&m_russian);
        else
            QCoreApplication::removeTranslator(&m_russian);
    }
    void goOffline()
    {
        m_nvr->setRefuseConnections(true);
        m_nvr->dropConnections();
        QVERIFY(waitFor([this] { return !KelvoSDKHelper::instance()->isConnected(toLoginDev(m_record)); }));
    }
    void seed()
    {
        m_nvr->setStoredBody(14001, kBasic);
        m_nvr->setStoredBody(14006, kTime);
        m_nvr->setStoredBody(13001, kNetwork);
        m_nvr->setStoredBody(14102, kPolicy);
        // Channel 2 has no schedule.
        m_nvr->setStoredBody(14104, QStringLiteral("<RecordMode>2</RecordMode><ChannelDetail><ID>1</ID><Schedule>%1"
                                                   "</Schedule></ChannelDetail>")
                                        .arg(kSchedule));
        for (const QString &account : {kAnn, kBob})
            KelvoSDKHelper::instance()->sendData(toLoginDev(m_record), 14014,
                                                 QStringLiteral("<userNum>1</userNum><userAcount><operationType>1"
                                                                "</operationType>%1</userAcount>")
                                                     .arg(account),
                                                 0);
        KelvoSDKHelper::instance()->sendData(
            toLoginDev(m_record), 14204,
            QStringLiteral("<ChannelCount>1</ChannelCount><ChannelInfo>%1</ChannelInfo>").arg(kChannel3), 0);
        QVERIFY(flush());
    }

    // Opens the surface; true once its read was answered.
    bool open(const Surface &s)
    {
        if (s.read == 14013) {
            auto *users = new CNVRUserManageDlg;
            m_open.reset(users);
            users->setModal(false);
            users->show();
            users->updateDevice(m_record);
            users->getUsers();
        } else if (s.read == 14203) {
            auto *channels = new CNVRChannelManageDlg;
            m_open.reset(channels);
            channels->setDevInfo(m_record);
            channels->initChannelTable();
            channels->show();
        } else {
            auto *window = new CNVRConfigSetting;
            m_open.reset(window);
            window->setModal(false);
            window->setDevInfo(m_record);
            window->show();
            // The sub-tabs of the storage pages sit on the storage page.
            if (s.read == 14104 || s.read == 14102)
                find<QPushButton>("pushButtonStorage")->click();
            find<QPushButton>(buttonOf(s))->click();
        }
        return waitFor([&] { return m_nvr->requestCount(s.read) > 0; }) && flush();
    }

    // Saves without touching anything (an account edit types its password).
    // check runs while a dialog of the save is still open.
    void save(const Surface &s, const std::function<void(QWidget *)> &check)
    {
        if (s.read == 14013) {
            auto *table = find<QTableWidget>("m_AddDevTableWidget");
            const int row = CUserManageDlg::findRow(QStringLiteral("ann"), table, 0);
            if (row < 0)
                return;
            const bool rights = s.name == QLatin1String("rights");
            bool acted = false;
            onModal<QDialog>([&acted, check, this](QDialog *d) {
                // Passwords are masked while typed, with a view action.
                for (QLineEdit *edit : d->findChildren<QLineEdit *>(QRegularExpression("Password|Old")))
                    m_masked = m_masked && edit->echoMode() == QLineEdit::Password && !edit->actions().isEmpty();
                for (auto field : {std::make_pair("lineEditOld", "pw-ann"), std::make_pair("m_NewUserPasswordlineEdit", "pw-new"),
                                   std::make_pair("m_ConfirmUserPasswordlineEdit", "pw-new")}) {
                    if (auto *edit = d->findChild<QLineEdit *>(QLatin1String(field.first)))
                        edit->setText(QLatin1String(field.second));
                }
                d->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
                check(d);
                if (d->isVisible())
                    d->reject();
                acted = true;
            });
            QTest::mouseClick(child<QPushButton>(table->cellWidget(row, 4), rights ? "pushButtonAuth" : "pushButtonEdit"),
                              Qt::LeftButton);
            QVERIFY(waitFor([&acted] { return acted; }));
        } else if (s.read == 14203) {
            auto *table = find<QTableWidget>("m_AddDevTableWidget");
            if (!table->item(2, 0))
                return;
            table->item(2, 0)->setCheckState(Qt::Checked);
            find<QPushButton>("pushButtonModify")->click();
            auto *dlg = static_cast<CNVRChannelManageDlg *>(m_open.get())->deviceDialog();
            child<QPushButton>(dlg, "m_OKBtn")->click();
            check(dlg);
        } else {
            QWidget *root = find<QWidget>(pageOf(s));
            for (const char *name : {"m_btnSave", "pushButton_save", "pushButtonSave"}) {
                if (auto *button = root->findChild<QPushButton *>(QLatin1String(name))) {
                    button->click();
                    check(button);
                }
            }
        }
    }

    static const char *pageOf(const Surface &s)
    {
        return s.read == 14006 ? "PageDatetime"
            : s.read == 13001  ? "PageInternet"
            : s.read == 14104  ? "pagePlan"
            : s.read == 14102  ? "pageDisk"
                               : "PageBasic";
    }
    static const char *buttonOf(const Surface &s)
    {
        return s.read == 14006 ? "pushButtonDatetime"
            : s.read == 13001  ? "pushButtonInternet"
            : s.read == 14104  ? "pushButtonPlan"
            : s.read == 14102  ? "pushButtonDisk"
                               : "pushButtonBasicInfo";
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        CNVRUserManageDlg::setDelays(10, 50);
        CNVRChannelManageDlg::setTimerLengths(10, 100, 100);
        QVERIFY(m_russian.load(QStringLiteral(":/language/Resources/language/quorel_ru.qm")));
    }

    void init()
    {
        if (QByteArray(QTest::currentTestFunction()).startsWith("pure"))
            return;
        FUN_DEV_INFO record;
        QVERIFY(NvrWindowTest::startNvr(m_nvr, record, QStringLiteral("127.38.0.%1").arg(m_nextHost++)));
        record.channelNum = 4;
        m_record = new FUN_DEV_INFO(record);
        DeviceInfoManager::instance()->addDevInfo(m_record);
        seed();
    }

    void cleanup()
    {
        if (!m_nvr)
            return;
        translate(false);
        m_open.reset();
        closeToasts();
        DeviceInfoManager::instance()->deleteDevice(m_record->ip);
        m_nvr.reset();
    }

    // Each body read from a reply and built again, without a window: the
    // texts come back as they were, markup escaped once.
    void pureBodies_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("built");
        const auto reply = [](const QString &body) {
            return SimDevice::envelope(1, 0, body, 0);
        };
        QString basic = kBasic;
        basic.remove(QRegularExpression("<(languageList|resolutionList)>[^<]*</\\1>"));
        QTest::newRow("basic") << basic << NvrBodies::basicBody(NvrBodies::readBasic(reply(kBasic)), true);
        const NvrBodies::TimeConfig time = NvrBodies::readTimeConfig(reply(kTime));
        QTest::newRow("time") << kTime << NvrBodies::timeConfigBody(time.values, &time.summer);
        const NvrBodies::NetConfig net = NvrBodies::readNetConfig(reply(kNetwork));
        QString network = kNetwork;
        network.remove(QRegularExpression("<(wifiEnable|poeEnable)>\\d</\\1>"));
        QTest::newRow("network") << network << NvrBodies::netConfigBody(net.tcpip, net.body);
        const QString markup = QStringLiteral("<Username>a&amp;b&lt;c</Username>");
        QString channel = kChannel3;
        channel.replace("<Username>cam</Username>", markup);
        const QString added = NvrBodies::channelAddBody(
            NvrBodies::readChannels(reply("<ChannelInfo>" + channel + "</ChannelInfo>"), 8), {2});
        QTest::newRow("channel, markup once") << markup
                                              << QRegularExpression("<Username>.*</Username>").match(added).captured();
        const QList<NvrBodies::Values> accounts = NvrBodies::readAccounts(reply("<userAcount>" + kAnn + "</userAcount>"), 8);
        QTest::newRow("delete record") << "<userAcount><operationType>2</operationType>" + kAnn + "</userAcount>"
                                       << NvrBodies::deleteRecord(accounts.value(0));
        const NvrBodies::Schedules plans = NvrBodies::readSchedules(
            reply("<RecordMode>2</RecordMode><ChannelDetail><ID>7</ID><Schedule>" + kSchedule + "</Schedule></ChannelDetail>"), 8);
        QTest::newRow("schedule as reported") << "<ChannelNum>1</ChannelNum><ChannelDetail><ID>7</ID><Schedule>" + kSchedule
                + "</Schedule></ChannelDetail>"
                                              << NvrBodies::scheduleBody({{7, plans.byChannel.value(7)}});
    }

    void pureBodies()
    {
        QFETCH(QString, body);
        QFETCH(QString, built);
        QCOMPARE(built, body);
    }

    // What a Save writes for one element: the reported text while the widget
    // shows what it showed, the operator's once it differs or when the NVR
    // reported nothing.
    void pureReportedValues()
    {
        NvrBodies::ReportedValues reported;
        reported.reset({{QStringLiteral("timeFormat"), QStringLiteral("2")}});
        reported.shown(QStringLiteral("timeFormat"), -1);
        reported.shown(QStringLiteral("missing"), 0);
        QCOMPARE(reported.send(QStringLiteral("timeFormat"), -1, QStringLiteral("-1")), QStringLiteral("2"));
        QCOMPARE(reported.send(QStringLiteral("timeFormat"), 1, QStringLiteral("1")), QStringLiteral("1"));
        QCOMPARE(reported.send(QStringLiteral("missing"), 0, QStringLiteral("0")), QStringLiteral("0"));
        reported.reset();
        QCOMPARE(reported.send(QStringLiteral("timeFormat"), -1, QStringLiteral("-1")), QStringLiteral("-1"));
    }

    void everySurface_data()
    {
        QTest::addColumn<Surface>("surface");
        QTest::addColumn<int>("condition");
        for (const Surface &s : surfaces()) {
            QTest::newRow(qPrintable(s.name + ", untouched")) << s << int(Untouched);
            QTest::newRow(qPrintable(s.name + ", language changed")) << s << int(LanguageChanged);
            QTest::newRow(qPrintable(s.name + ", read failed")) << s << int(ReadFailed);
            QTest::newRow(qPrintable(s.name + ", offline")) << s << int(Offline);
        }
    }

    void everySurface()
    {
        QFETCH(Surface, surface);
        QFETCH(int, condition);
        const bool window = surface.read != 14013 && surface.read != 14203;
        const bool noClock = surface.name.endsWith(QLatin1String("unreadable"));
        if (noClock) {
            m_nvr->setReplyRewrite(14006, [](const QString &reply) {
                return QString(reply).replace(QRegularExpression("<sysTime>[^<]*</sysTime>"), "<sysTime>24:61</sysTime>").toUtf8();
            });
        }
        if (condition == ReadFailed)
            m_nvr->setForcedResult(surface.read, 5);
        QVERIFY(open(surface));
        // A failed read is said.
        QCOMPARE(toastTexts().isEmpty(), condition != ReadFailed);
        if (condition == LanguageChanged)
            translate(true);
        if (condition == Offline)
            goOffline();
        closeToasts();
        m_nvr->clearRequests();
        bool usable = false; // the page's Save, or the dialog left open
        bool said = false;   // the failure toast while it was open
        save(surface, [&](QWidget *w) {
            usable = w->isVisible() && w->isEnabled();
            said = toastTexts().contains(SharedTexts::configFailedText());
        });
        if (condition == ReadFailed) {
            QVERIFY(flush());
            QCOMPARE(m_nvr->requestCount(surface.save), 0);
            QVERIFY(!usable);
            return;
        }
        if (condition == Offline) {
            // Said on Save; a page keeps its values, a dialog what was typed.
            QVERIFY(said);
            QVERIFY(usable);
            if (window) {
                // A page asked for meanwhile says so and shows nothing as the NVR's.
                closeToasts();
                find<QPushButton>(buttonOf(surface))->click();
                QVERIFY(toastTexts().contains(SharedTexts::configFailedText()));
                QVERIFY(!find<QWidget>(pageOf(surface))->isEnabled());
            }
            return;
        }
        QVERIFY(waitFor([&] { return m_nvr->requestCount(surface.save) == 1; }));
        Leaves sent = leaves(NvrWindowTest::lastBody(*m_nvr, surface.save));
        if (noClock) {
            // Said as unknown, and sent back as it came.
            QCOMPARE(child<QDateTimeEdit>(m_open.get(), "m_dateTimeEditSystemTime")->text(),
                     CNVRDateSetting::tr("Unknown"));
            QCOMPARE(sent.take(QStringLiteral("sysTime")), QStringLiteral("24:61"));
        } else if (surface.read == 14006) {
            // The NVR's clock runs five hours ahead of the host's.
            const QDateTime clock = QDateTime::fromString(sent.take(QStringLiteral("sysTime")), "yyyy-MM-dd HH:mm:ss");
            QVERIFY(qAbs(clock.secsTo(QDateTime::currentDateTime().addSecs(5 * 3600))) < 60);
        }
        if (surface.name == QLatin1String("account")) {
            QCOMPARE(sent.take(QStringLiteral("passWord")), QStringLiteral("pw-new"));
            QVERIFY(m_masked);
        }
        QCOMPARE(sent, surface.expected);
        if (surface.read == 14203) {
            // Two channels on one camera are two rows.
            auto *table = find<QTableWidget>("m_AddDevTableWidget");
            auto *channels = static_cast<CNVRChannelManageDlg *>(m_open.get());
            QVERIFY(waitFor([=] { return table->item(0, 3) && table->item(2, 3) && !channels->isSearching(); }));
            QCOMPARE(table->item(2, 3)->text(), table->item(0, 3)->text());
            // The next add starts from the defaults, not from the changed channel.
            find<QPushButton>("m_ManualAddDevBtn")->click();
            auto *add = channels->deviceDialog();
            QVERIFY(add->isVisible() && !add->isModify());
            QCOMPARE(child<QLineEdit>(add, "m_IPAddrlineEdit")->text(), QString());
            QCOMPARE(child<QLineEdit>(add, "m_UserNamelineEdit")->text(), QStringLiteral("admin"));
        }
        if (surface.read == 14104) {
            // A channel without a schedule shows none and saves nothing.
            QVERIFY(flush());
            auto *channel = find<QComboBox>("comboBox_channel");
            channel->setCurrentIndex(1);
            QString grid;
            child<StoragePlanTableView>(m_open.get(), "tableWidget")->getRecordInfo(grid);
            QCOMPARE(grid, QString(336, '0'));
            find<QPushButton>("pushButton_save")->click();
            QVERIFY(flush());
            QCOMPARE(m_nvr->requestCount(14105), 1);
        }
    }
};

QTEST_MAIN(TestNvrSaveUntouched)
#include "tst_nvrsaveuntouched.moc"
