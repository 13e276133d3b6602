// The NVR channel dialog against a simulated NVR logged in over loopback:
// the channel list, the NVR's camera search, and adding, changing, deleting
// and re-addressing channel cameras, each seen in the next list or search.

#include "CNVRChannelAddDevDlg.h"
#include "CNVRChannelManageDlg.h"
#include "CNVRChannelModifyIPDlg.h"
#include "CommonHelper.h"
#include "ConfigConversation.h"
#include "CustomDialog.h"
#include "DevicePagesTestUtil.h"
#include "KelvoSDKHelper.h"
#include "MainWindow.h"
#include "NvrWindowTestUtil.h"
#include "OrmHelper.h"
#include "SharedTexts.h"
#include "SimDevice.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;

class TestNvrChannels : public QObject
{
    Q_OBJECT

    int m_nextHost = 1;
    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO m_record;
    std::unique_ptr<CNVRChannelManageDlg> m_dlg;

    QTableWidget *table() const { return child<QTableWidget>(m_dlg.get(), "m_AddDevTableWidget"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(m_dlg.get(), name); }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = table()->item(row, column);
        return item ? item->text() : QString();
    }
    QStringList searchColumn(int column) const
    {
        QStringList out;
        for (int r = 0; r < m_dlg->searchModel()->rowCount(); ++r)
            out << m_dlg->searchModel()->item(r, column)->text();
        return out;
    }
    void checkSearchRow(const QString &key)
    {
        const QStringList keys = searchColumn(6);
        QVERIFY2(keys.contains(key), qPrintable(key));
        m_dlg->searchModel()->item(keys.indexOf(key), 0)->setCheckState(Qt::Checked);
    }
    QString lastBody(unsigned cmd) const
    {
        const QList<SimRequest> list = m_nvr->requests(cmd);
        return list.isEmpty() ? QString() : list.last().bodyText;
    }
    // The search has ended and the channel list of this round is shown.
    bool settled(int row, const QString &ip)
    {
        return waitFor([&] { return !m_dlg->isSearching() && cell(row, 3) == ip; });
    }
    // Sends a command to the NVR as another client would.
    void behindTheBack(unsigned cmd, const QString &body)
    {
        const int before = m_nvr->requestCount(cmd);
        KelvoSDKHelper::instance()->sendData(toLoginDev(&m_record), cmd, body, 0);
        QVERIFY(waitFor([&] { return m_nvr->requestCount(cmd) > before; }));
    }

    // Opens the dialog as the shell does, without blocking the test.
    void open(int channels = 8, bool listed = true)
    {
        m_record.channelNum = uint8_t(channels);
        m_dlg = std::make_unique<CNVRChannelManageDlg>();
        m_dlg->setDevInfo(&m_record);
        m_dlg->initChannelTable();
        m_dlg->show();
        m_dlg->startSearch(false);
        if (listed)
            QVERIFY(settled(0, QStringLiteral("127.77.0.20")));
    }
    // The list's failure is marked, with the way back beside it.
    bool failureMarked() const
    {
        auto *back = m_dlg->findChild<QPushButton *>(QStringLiteral("pushButtonReconnect"));
        return back && back->isVisible() && child<QLabel>(m_dlg.get(), "labelReadFailed")->isVisible();
    }
    static QString doneText()
    {
        return CNVRChannelManageDlg::tr("The operation successfully, The channel information is being refreshed");
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        qRegisterMetaType<QList<QHash<QString, QString>>>();
        CNVRChannelManageDlg::setTimerLengths(50, 2500, 200);
    }

    void init()
    {
        m_nvr = std::make_unique<SimDevice>(SimDevice::Nvr);
        m_nvr->state().maxChannels = 8;
        QVERIFY(m_nvr->listen(QHostAddress(QStringLiteral("127.35.0.%1").arg(m_nextHost++))));
        m_record = FUN_DEV_INFO();
        m_record.devType = 1;
        m_record.channelNum = 8;
        m_record.cpu = QStringLiteral("HI3536");
        m_record.ip = m_nvr->address().toString();
        m_record.devPort = m_nvr->port();
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_record));
        QVERIFY(waitFor([&] { return KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_record)); }));
    }

    void cleanup()
    {
        ConfigConversation::setTimeoutMs(6000);
        m_dlg.reset();
        closeToasts();
        Platform::setPingProbe(nullptr);
        KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_record));
        m_nvr.reset();
    }

    void shellOpensTheDialog()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        MainWindow shell;
        QString name;
        QStringList keys;
        onModal<CNVRChannelManageDlg>([&](CNVRChannelManageDlg *d) {
            name = d->objectName();
            waitFor([&] { return m_nvr->requestCount(14201) > 0 && !d->isSearching(); });
            for (int r = 0; r < d->searchModel()->rowCount(); ++r)
                keys << d->searchModel()->item(r, 6)->text();
            d->reject();
        });
        shell.showNVRChannels(&m_record);
        QCOMPARE(name, QStringLiteral("ChannelManage"));
        QCOMPARE(m_nvr->requestCount(14200), 1);
        QCOMPARE(keys.size(), 6);
    }

    // Every header text shows whole, "DoubleCamName" included.
    void headerTextsFit()
    {
        CNVRChannelManageDlg dlg;
        dlg.show();
        for (const char *name : {"m_AddDevTableWidget", "m_SearchDevTableView"}) {
            const QHeaderView *header = child<QTableView>(&dlg, name)->horizontalHeader();
            for (int c = 0; c < header->count(); ++c) {
                if (!header->isSectionHidden(c))
                    QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                             qPrintable(QStringLiteral("%1 column %2").arg(QLatin1String(name)).arg(c)));
            }
        }
    }

    void searchListsFoundCameras()
    {
        m_record.channelNum = 8;
        m_dlg = std::make_unique<CNVRChannelManageDlg>();
        m_dlg->setDevInfo(&m_record);
        m_dlg->initChannelTable();
        m_dlg->show();
        m_dlg->startSearch(false);
        // While the NVR searches only Refresh and Modify stay usable.
        QVERIFY(!button("m_AddDevBtn")->isEnabled());
        QVERIFY(!table()->isEnabled());
        QVERIFY(button("pushButtonRefresh")->isEnabled() && button("pushButtonModify")->isEnabled());
        QVERIFY(settled(0, QStringLiteral("127.77.0.20")));
        QVERIFY(button("m_AddDevBtn")->isEnabled());

        // The camera in channel 2 is not offered; the one answering in both
        // protocols keeps its private record; each lens is a row.
        NvrWindowTest::saveShot(m_dlg.get(), QStringLiteral("nvr_channels.png"));
        QCOMPARE(searchColumn(6), (QStringList{"127.77.0.11-0", "127.77.0.12-0", "127.77.0.12-1", "127.77.0.13-0",
                                               "127.77.0.15-0", "127.77.0.16-0"}));
        QCOMPARE(searchColumn(3), (QStringList{"Private", "Private", "Private", "Private", "ONVIF", "Private"}));
        QCOMPARE(searchColumn(2), (QStringList{"1", "1", "2", "1", "1", "1"}));
        QCOMPARE(searchColumn(4).first(), QStringLiteral("AA:BB:CC:00:00:11"));
        QCOMPARE(cell(1, 1), QStringLiteral("Yard"));
        QCOMPARE(cell(1, 2), CNVRChannelManageDlg::tr("Connection succeed"));
        QCOMPARE(cell(1, 6), QStringLiteral("Private"));
        QCOMPARE(cell(2, 3), QString());
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14201) == 1; }));
    }

    void statusTexts_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing") << ""
                                 << "Not connected";
        QTest::newRow("not a number") << "x"
                                      << "Not connected";
        QTest::newRow("last") << "13"
                              << "Password error";
        QTest::newRow("past the table") << "14"
                                        << "Unknown 14";
        QTest::newRow("negative") << "-1"
                                  << "Unknown -1";
    }

    void statusTexts()
    {
        QFETCH(QString, status);
        QFETCH(QString, text);
        QCOMPARE(CNVRChannelManageDlg::channelStatusText(status), text);
    }

    // Five checked, two free: the first two go to channels 3 and 4.
    void addFoundCameras()
    {
        open(4);
        for (const char *key : {"127.77.0.11-0", "127.77.0.12-0", "127.77.0.12-1", "127.77.0.15-0", "127.77.0.16-0"})
            checkSearchRow(QLatin1String(key));
        button("m_AddDevBtn")->click();
        // Said once the NVR answered that it was done.
        QVERIFY(waitFor([&] { return toastTexts().contains(doneText()); }));
        QCOMPARE(m_nvr->requestCount(14204), 1);
        const QString tabs(9, QLatin1Char('\t'));
        auto info = [&](int ch, const char *ip, const char *dc) {
            return QStringLiteral("<ChannelInfo><ChannelId>%1</ChannelId><IpAddr>%2</IpAddr><Protocol>BRELON</Protocol>"
                                  "<CtrlPort>2028</CtrlPort><VideoPort>554</VideoPort>\n%3<Username>admin</Username>"
                                  "<Password>402917</Password><AuthType>0</AuthType>\n%3<DoubleCam>%4</DoubleCam>"
                                  "</ChannelInfo>")
                .arg(ch)
                .arg(QLatin1String(ip), tabs, QLatin1String(dc));
        };
        QCOMPARE(lastBody(14204), QStringLiteral("<ChannelCount>2</ChannelCount>") + info(3, "127.77.0.11", "0")
                                      + info(4, "127.77.0.12", "0"));
        QVERIFY(settled(3, QStringLiteral("127.77.0.12")));
        QCOMPARE(cell(2, 3), QStringLiteral("127.77.0.11"));
        QCOMPARE(cell(2, 1), QStringLiteral("IPC3"));
        QVERIFY(!searchColumn(6).contains(QStringLiteral("127.77.0.11-0")));
    }

    void manualAddNeedsAFreeChannel()
    {
        open(2);
        button("m_ManualAddDevBtn")->click();
        QVERIFY(toastTexts().contains(CNVRChannelManageDlg::tr("Channel is full, Please delete it and then add")));
        QVERIFY(!m_dlg->deviceDialog()->isVisible());
        m_dlg.reset();

        open(8);
        const QRect rect = table()->visualRect(table()->model()->index(5, 2));
        // The view takes a double click only after a first click.
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QVERIFY(waitFor([&] { return m_dlg->deviceDialog()->isVisible(); }));
        QCOMPARE(m_dlg->deviceDialog()->channelId(), 5);
    }

    void modifyChannel()
    {
        behindTheBack(14204, QStringLiteral("<ChannelCount>1</ChannelCount><ChannelInfo><ChannelId>3</ChannelId>"
                                            "<IpAddr>127.77.0.33</IpAddr><Protocol>BRELON</Protocol><CtrlPort>2028"
                                            "</CtrlPort><Username>admin</Username><Password>402917</Password>"
                                            "<DoubleCam>0</DoubleCam></ChannelInfo>"));
        open();
        QVERIFY(settled(2, QStringLiteral("127.77.0.33")));
        table()->item(2, 0)->setCheckState(Qt::Checked);
        button("pushButtonModify")->click();
        CNVRChannelAddDevDlg *dev = m_dlg->deviceDialog();
        QVERIFY(dev->isVisible() && dev->isModify());
        // As the operator does it: choose the protocol, type the port.
        auto *protocol = child<QComboBox>(dev, "m_ProtocolCmbBox");
        protocol->setCurrentIndex(1);
        emit protocol->activated(1);
        auto *port = child<QLineEdit>(dev, "m_PortlineEdit");
        port->selectAll();
        QTest::keyClicks(port, QStringLiteral("8080"));
        child<QPushButton>(dev, "m_OKBtn")->click();
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14204) == 2; }));
        QVERIFY(lastBody(14204).contains(QStringLiteral("<ChannelId>3</ChannelId><IpAddr>127.77.0.33</IpAddr>"
                                                        "<Protocol>ONVIF</Protocol><CtrlPort>8080</CtrlPort>")));
        QVERIFY(waitFor([&] { return !m_dlg->isSearching() && cell(2, 6) == QLatin1String("ONVIF"); }));
        QCOMPARE(cell(2, 4), QStringLiteral("8080"));
    }

    void deleteAsksFirst()
    {
        open();
        table()->item(0, 0)->setCheckState(Qt::Checked);
        onModal<CustomDialog>([](CustomDialog *d) { d->reject(); });
        button("m_DelDevBtn")->click();
        QCOMPARE(m_nvr->requestCount(14205), 0);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        button("m_DelDevBtn")->click();
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14205) == 1; }));
        QCOMPARE(lastBody(14205), QStringLiteral("<ChannelId>1</ChannelId>"));
        QVERIFY(waitFor([&] { return !m_dlg->isSearching() && cell(1, 3) == QLatin1String("127.77.0.21"); }));
        QCOMPARE(cell(0, 3), QString());
    }

    // A change the NVR refuses, or leaves unanswered, is said so and never
    // as done; one answered after its deadline is said as the NVR answered.
    void refusedChangeIsReported_data()
    {
        QTest::addColumn<unsigned>("cmd");
        QTest::addColumn<int>("result"); // the NVR's answer; 1: none
        QTest::addColumn<bool>("late");  // the answer held past the deadline
        QTest::addColumn<QString>("said");
        QTest::newRow("delete refused") << 14205u << -2 << false << CommonHelper::errorCodeToText(-2);
        QTest::newRow("add refused") << 14204u << -2 << false << CommonHelper::errorCodeToText(-2);
        QTest::newRow("add not answered") << 14204u << 1 << false << ConfigConversation::noAnswerText();
        QTest::newRow("add stored after its deadline") << 14204u << 0 << true << ConfigConversation::savedLateText();
        QTest::newRow("delete refused after its deadline") << 14205u << -2 << true << CommonHelper::errorCodeToText(-2);
    }

    void refusedChangeIsReported()
    {
        QFETCH(unsigned, cmd);
        QFETCH(int, result);
        QFETCH(bool, late);
        QFETCH(QString, said);
        ConfigConversation::setTimeoutMs(1500);
        if (result == 1)
            m_nvr->planReplies(cmd, {-1});
        else if (result != 0)
            m_nvr->setForcedResult(cmd, result);
        if (late)
            m_nvr->planReplies(cmd, {SimDevice::Held});
        open();
        if (cmd == 14205) {
            table()->item(1, 0)->setCheckState(Qt::Checked);
            onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
            button("m_DelDevBtn")->click();
        } else {
            checkSearchRow(QStringLiteral("127.77.0.15-0"));
            button("m_AddDevBtn")->click();
        }
        if (late) {
            QVERIFY(waitFor([&] { return toastTexts().contains(ConfigConversation::noAnswerText()); }));
            closeToasts();
            QVERIFY(m_nvr->releaseHeld(cmd));
        }
        QVERIFY(waitFor([&] { return toastTexts().contains(said); }));
        QVERIFY(NvrWindowTest::flush(*m_nvr, m_record));
        QVERIFY(!toastTexts().contains(doneText()));
        QCOMPARE(m_nvr->requestCount(cmd), 1);
    }

    // Adds pick their channel only from a list the NVR gave in full: while
    // the list is lost, each way of adding is refused with a word and
    // nothing reaches the NVR, whatever the table shows; the way back reads
    // the list again. An honest NVR slow to answer, each reply within its
    // deadline, meets no failure with Refresh and then Add Device at once.
    // Then the next add goes to the first free channel.
    void addsOnlyFromAFullList_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("freeRow");  // the first free channel, once read
        QTest::addColumn<QString>("last"); // the camera listed on the row before
        QTest::newRow("first list dropped") << "dropped" << 2 << "127.77.0.21";
        QTest::newRow("list after an add dropped") << "after add" << 3 << "127.77.0.11";
        QTest::newRow("slow, refresh then add") << "slow" << 3 << "127.77.0.11";
    }

    void addsOnlyFromAFullList()
    {
        QFETCH(QString, fault);
        QFETCH(int, freeRow);
        QFETCH(QString, last);
        const bool dropped = fault == QLatin1String("dropped"), slow = fault == QLatin1String("slow");
        ConfigConversation::setTimeoutMs(slow ? 3000 : 1500);
        if (dropped)
            m_nvr->planReplies(14203, {-1});
        open(8, !dropped);
        if (slow) {
            m_nvr->planReplies(14203, {2200, 2200});
            m_nvr->planReplies(14204, {2200});
            button("pushButtonRefresh")->click();
        } else if (!dropped) {
            m_nvr->planReplies(14203, {-1}); // the list read after the add
        }
        if (!dropped) {
            checkSearchRow(QStringLiteral("127.77.0.11-0"));
            button("m_AddDevBtn")->click();
            QVERIFY(waitFor([&] { return toastTexts().contains(doneText()); }));
        }
        if (!slow) {
            QVERIFY(waitFor([&] { return failureMarked() && !m_dlg->isSearching(); }));
            QVERIFY(toastTexts().contains(SharedTexts::readFailedText()));
            const int adds = m_nvr->requestCount(14204);
            closeToasts();
            button("m_ManualAddDevBtn")->click();
            // Channel 1 holds a camera on the NVR, whatever the table shows.
            const QPoint first = table()->visualRect(table()->model()->index(0, 2)).center();
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, first);
            QTest::mouseDClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, first);
            checkSearchRow(QStringLiteral("127.77.0.15-0"));
            button("m_AddDevBtn")->click();
            // Each way of adding refused with a word.
            const QString refused = CNVRChannelManageDlg::listNotReadText();
            QCOMPARE(toastTexts(), QStringList({refused, refused, refused}));
            QVERIFY(!m_dlg->deviceDialog()->isVisible());
            QVERIFY(NvrWindowTest::flush(*m_nvr, m_record));
            QCOMPARE(m_nvr->requestCount(14204), adds);
            QTest::mouseClick(child<QPushButton>(m_dlg.get(), "pushButtonReconnect"), Qt::LeftButton);
        }
        QVERIFY(waitFor([&] { return !m_dlg->isSearching() && cell(freeRow - 1, 3) == last && !failureMarked(); }));
        QVERIFY(!toastTexts().contains(SharedTexts::readFailedText()));
        const int adds = m_nvr->requestCount(14204);
        button("m_ManualAddDevBtn")->click();
        CNVRChannelAddDevDlg *dev = m_dlg->deviceDialog();
        QVERIFY(dev->isVisible());
        NvrWindowTest::typeInto(child<QLineEdit>(dev, "m_IPAddrlineEdit"), QStringLiteral("127.77.0.40"));
        child<QPushButton>(dev, "m_OKBtn")->click();
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14204) == adds + 1; }));
        QVERIFY(lastBody(14204).startsWith(
            QStringLiteral("<ChannelCount>1</ChannelCount><ChannelInfo><ChannelId>%1</ChannelId><IpAddr>127.77.0.40")
                .arg(freeRow + 1)));
        QVERIFY(settled(freeRow, QStringLiteral("127.77.0.40")));
        QCOMPARE(cell(0, 3), QStringLiteral("127.77.0.20"));
    }

    void refreshDropsChannelsDeletedElsewhere()
    {
        open();
        behindTheBack(14205, QStringLiteral("<ChannelId>2</ChannelId>"));
        button("pushButtonRefresh")->click();
        QVERIFY(waitFor([&] { return cell(1, 3).isEmpty(); }));
        QCOMPARE(cell(0, 3), QStringLiteral("127.77.0.20"));
    }

    // Unchanged values go out without a ping; a new address is pinged first
    // and shows in the next search.
    void modifyIpOfFoundCamera()
    {
        FakePing ping;
        ping.install();
        open();
        checkSearchRow(QStringLiteral("127.77.0.16-0"));
        QStringList asked[2];
        for (int round = 0; round < 2; ++round) {
            onModal<CNVRChannelModifyIPDlg>([&, round](CNVRChannelModifyIPDlg *d) {
                if (round == 1)
                    d->findChild<QLineEdit *>(QStringLiteral("m_IPAddrlineEdit"))
                        ->setText(QStringLiteral("127.77.0.30"));
                d->onbtnOkClicked();
                asked[round] = ping.asked;
                if (d->isVisible())
                    d->reject();
            });
            button("m_ModifyIPBtn")->click();
        }
        QVERIFY(asked[0].isEmpty());
        QCOMPARE(asked[1], QStringList{"127.77.0.30"});
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14206) == 2; }));
        QVERIFY(m_nvr->requests(14206).first().bodyText.contains(
            QStringLiteral("<IPAddressOld>127.77.0.16</IPAddressOld><IPAddressNew>127.77.0.16</IPAddressNew>")));
        QCOMPARE(m_nvr->requests(14206).last().body.value(QStringLiteral("IPAddressNew")),
                 QStringLiteral("127.77.0.30"));
        QVERIFY(toastTexts().contains(
            CNVRChannelManageDlg::tr("The device IP is being modified. Please search again later.")));
        button("m_SearchDevBtn")->click();
        QVERIFY(waitFor(
            [&] { return !m_dlg->isSearching() && searchColumn(6).contains(QStringLiteral("127.77.0.30-0")); }));
    }

    void wirelessCameraIsRefused()
    {
        open();
        checkSearchRow(QStringLiteral("127.77.0.13-0"));
        button("m_ModifyIPBtn")->click();
        QVERIFY(toastTexts().contains(CNVRChannelManageDlg::tr("Wireless IPC does not support modifying IP address!")));
        QCOMPARE(m_nvr->requestCount(14206), 0);
    }

    void deviceDialogInput_data()
    {
        QTest::addColumn<QVariantHash>("record");   // empty: an add
        QTest::addColumn<int>("protocol");          // -1 leave
        QTest::addColumn<QString>("typedPassword"); // typed after clearing; empty: leave
        QTest::addColumn<QString>("ip");            // empty: leave
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("info");      // empty: accepted, else the port typed or the address is at fault
        QTest::addColumn<QString>("typedPort"); // typed over the field; empty: leave
        const QVariantHash onvif{{"IpAddr", "127.77.0.40"}, {"Protocol", "ONVIF"}, {"CtrlPort", "8080"},
                                 {"Username", "admin"},     {"Password", "pw"},    {"AuthType", "2"}};
        QVariantHash videoOnly = onvif;
        videoOnly.remove("CtrlPort");
        videoOnly.insert("Protocol", "BRELON");
        videoOnly.insert("VideoPort", "554");
        QTest::newRow("switch to onvif") << QVariantHash() << 1 << ""
                                         << "127.77.0.40"
                                         << "80"
                                         << "402917"
                                         << "" << QString();
        QTest::newRow("back to private") << QVariantHash() << 0 << ""
                                         << "127.77.0.40"
                                         << "2028"
                                         << "402917"
                                         << "" << QString();
        QTest::newRow("record port") << onvif << -1 << ""
                                     << ""
                                     << "8080"
                                     << "pw"
                                     << "" << QString();
        QTest::newRow("video port only") << videoOnly << -1 << ""
                                         << ""
                                         << "554"
                                         << "pw"
                                         << "" << QString();
        QTest::newRow("32nd character") << QVariantHash() << -1 << QString(32, 'a') << "127.77.0.40"
                                        << "2028" << QString(31, 'a') << "" << QString();
        QTest::newRow("chinese character") << QVariantHash() << -1 << QString::fromUtf8("ab密c") << "127.77.0.40"
                                           << "2028"
                                           << "abc"
                                           << "" << QString();
        QTest::newRow("part above 255") << QVariantHash() << -1 << ""
                                        << "127.0.0.256"
                                        << "2028"
                                        << "402917" << SharedTexts::invalidFormatText() << QString();
        // Many stacks read 040 as octal: another camera than the one typed.
        QTest::newRow("leading zero") << QVariantHash() << -1 << ""
                                      << "127.77.0.040"
                                      << "2028"
                                      << "402917" << SharedTexts::invalidFormatText() << QString();
        QTest::newRow("empty ip") << QVariantHash() << -1 << ""
                                  << ""
                                  << "2028"
                                  << "402917" << SharedTexts::incompleteInfoText() << QString();
        // A port is refused as addresses are: "02028" is not guessed at.
        QTest::newRow("port with leading zero") << QVariantHash() << -1 << ""
                                                << "127.77.0.40"
                                                << "2028"
                                                << "402917" << SharedTexts::invalidFormatText() << "02028";
        QTest::newRow("port above 65535") << QVariantHash() << -1 << ""
                                          << "127.77.0.40"
                                          << "2028"
                                          << "402917" << SharedTexts::invalidFormatText() << "65536";

        // The NVR's own port goes back as listed when left alone.
        QVariantHash zeroPort = onvif;
        zeroPort.insert("CtrlPort", "08080");
        QTest::newRow("listed port kept") << zeroPort << -1 << ""
                                          << ""
                                          << "08080"
                                          << "pw"
                                          << "" << QString();
    }

    void deviceDialogInput()
    {
        QFETCH(QVariantHash, record);
        QFETCH(int, protocol);
        QFETCH(QString, typedPassword);
        QFETCH(QString, ip);
        QFETCH(QString, port);
        QFETCH(QString, password);
        QFETCH(QString, info);
        QFETCH(QString, typedPort);
        CNVRChannelAddDevDlg dlg;
        dlg.setChannelId(4);
        if (!record.isEmpty()) {
            QHash<QString, QString> r;
            for (auto it = record.constBegin(); it != record.constEnd(); ++it)
                r.insert(it.key(), it.value().toString());
            dlg.setChannelInfo(r);
        }
        dlg.show();
        if (protocol == 0)
            child<QComboBox>(&dlg, "m_ProtocolCmbBox")->setCurrentIndex(1);
        if (protocol >= 0)
            child<QComboBox>(&dlg, "m_ProtocolCmbBox")->setCurrentIndex(protocol);
        if (!typedPassword.isEmpty()) {
            auto *edit = child<QLineEdit>(&dlg, "m_PassWdlineEdit");
            edit->clear();
            // Typed one key at a time, as a keyboard would (keyClicks knows ASCII only).
            for (const QChar ch : typedPassword) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(edit, &press);
            }
        }
        if (!ip.isEmpty() || record.isEmpty())
            child<QLineEdit>(&dlg, "m_IPAddrlineEdit")->setText(ip);
        QCOMPARE(child<QLineEdit>(&dlg, "m_PortlineEdit")->text(), port);
        QCOMPARE(child<QLineEdit>(&dlg, "m_PassWdlineEdit")->text(), password);
        const bool onvifShown = child<QComboBox>(&dlg, "m_ProtocolCmbBox")->currentIndex() == 1;
        QCOMPARE(child<QComboBox>(&dlg, "comboBoxType")->isVisibleTo(&dlg), onvifShown);
        QCOMPARE(child<QComboBox>(&dlg, "m_doubleCamCbBox")->isVisibleTo(&dlg), !onvifShown);
        if (!typedPort.isEmpty())
            NvrWindowTest::typeInto(child<QLineEdit>(&dlg, "m_PortlineEdit"), typedPort);

        QSignalSpy added(&dlg, &CNVRChannelAddDevDlg::siganlAddChannel);
        QSignalSpy modified(&dlg, &CNVRChannelAddDevDlg::siganlModifyChannel);
        QTest::keyClick(&dlg, Qt::Key_Return);
        QCOMPARE(child<QLabel>(&dlg, "m_lblTextInfo")->text(), info);
        QStringList marked;
        for (QLineEdit *edit : dlg.findChildren<QLineEdit *>())
            if (framedRed(edit))
                marked << edit->objectName();
        const char *atFault = typedPort.isEmpty() ? "m_IPAddrlineEdit" : "m_PortlineEdit";
        QCOMPARE(marked, info.isEmpty() ? QStringList() : QStringList{atFault});
        QCOMPARE(added.count() + modified.count(), info.isEmpty() ? 1 : 0);
        QCOMPARE(modified.count(), info.isEmpty() && !record.isEmpty() ? 1 : 0);
        if (!info.isEmpty())
            return;
        const QList<QVariant> args = (record.isEmpty() ? added : modified).first();
        const auto sent = args.at(0).value<QList<QHash<QString, QString>>>().first();
        QCOMPARE(sent.value("VideoPort"), QStringLiteral("554"));
        QCOMPARE(sent.value("CtrlPort"), typedPort.isEmpty() ? port : typedPort);
        QCOMPARE(args.at(1).value<QList<int>>(), QList<int>{4});
    }
};

QTEST_MAIN(TestNvrChannels)
#include "tst_nvrchannels.moc"
