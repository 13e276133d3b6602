// The NVR date and record schedule pages: daylight-saving rules and the
// schedule grid on their own, then through the window against a simulated
// NVR whose clock runs and whose schedules are stored per channel.

#include "CNVRConfigSetting.h"
#include "CNVRDateSetting.h"
#include "CNVRStoragePlan.h"
#include "CNVRSummerTimeDlg.h"
#include "CommonHelper.h"
#include "NvrWindowTestUtil.h"
#include "SharedTexts.h"
#include "SimHostile.h"
#include "StoragePlanTableView.h"
#include "TimeZoneTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace DevicePagesTest;

namespace {

const QRegularExpression kSysTime(QStringLiteral("<sysTime>(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)</sysTime>"));

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestNvrDatePlan : public QObject
{
    Q_OBJECT

    int m_nextHost = 1;
    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO m_record;
    std::unique_ptr<CNVRConfigSetting> m_window;

    template <class T> T *find(const char *name) const { return child<T>(m_window.get(), name); }
    CNVRDateSetting *datePage() const { return find<CNVRDateSetting>("PageDatetime"); }
    CNVRStoragePlan *planPage() const { return find<CNVRStoragePlan>("pagePlan"); }
    StoragePlanTableView *grid() const { return child<StoragePlanTableView>(planPage(), "tableWidget"); }
    QString gridText() const
    {
        QString out;
        grid()->getRecordInfo(out);
        return out;
    }

    // Clicks a button and waits until the NVR's answer to it has been read.
    bool clickAndRead(const char *button, unsigned cmd)
    {
        const int before = m_nvr->requestCount(cmd);
        find<QPushButton>(button)->click();
        return waitFor([&] { return m_nvr->requestCount(cmd) > before; }) && NvrWindowTest::flush(*m_nvr, m_record);
    }
    QString saveTime()
    {
        const int before = m_nvr->requestCount(14007);
        datePage()->onSaveBtnClicked();
        if (!NvrWindowTest::flush(*m_nvr, m_record) || m_nvr->requestCount(14007) == before)
            return QString();
        return NvrWindowTest::lastBody(*m_nvr, 14007);
    }
    // The operator paints the first half-hour of Sunday (a click on its cell).
    void paintFirstCell()
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(0, 0)).center());
    }
    void useSummerTime()
    {
        QString body = m_nvr->storedBody(14006);
        body.replace(
            QStringLiteral("</timeConfig>"),
            QStringLiteral("<summertime><enable>1</enable><offset>120</offset><weekStartTime>3:0:0:02:00"
                           "</weekStartTime><weekEndTime>10:5:7:03:00</weekEndTime></summertime></timeConfig>"));
        m_nvr->setStoredBody(14006, body);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
    }

    void init()
    {
        if (QByteArray(QTest::currentTestFunction()).startsWith("pure"))
            return;
        QVERIFY(NvrWindowTest::startNvr(m_nvr, m_record, QStringLiteral("127.36.0.%1").arg(m_nextHost++)));
        m_nvr->state().maxChannels = 10;
        m_record.channelNum = 10;
        m_window = std::make_unique<CNVRConfigSetting>();
        m_window->setDevInfo(&m_record);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(NvrWindowTest::flush(*m_nvr, m_record));
    }

    void cleanup()
    {
        m_window.reset();
        if (m_nvr) {
            KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_record));
            m_nvr.reset();
        }
    }

    void pureSummerRules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("written");
        QTest::newRow("last Sunday of March") << "3:0:0:02:00"
                                              << "3:0:0:02:00";
        QTest::newRow("week 5, weekday 7") << "10:5:7:03:00"
                                           << "10:0:0:03:00";
        QTest::newRow("no leading zeros") << "3:0:0:2:0"
                                          << "3:0:0:02:00";
        QTest::newRow("three parts") << "3:2:1"
                                     << "4:1:1:01:00";
        QTest::newRow("empty") << ""
                               << "4:1:1:01:00";
        QTest::newRow("impossible time") << "3:0:0:25:00"
                                         << "3:0:0:01:00";
    }

    void pureSummerRules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, written);
        CNVRSummerTimeDlg dlg;
        QString start;
        QString end;
        dlg.setStartTime(QStringLiteral("4:1:1:01:00"));
        dlg.setEndTime(QStringLiteral("4:1:1:01:00"));
        dlg.setStartTime(rule);
        dlg.setEndTime(rule);
        dlg.getStartTime(start);
        dlg.getEndTime(end);
        QCOMPARE(start, written);
        QCOMPARE(end, written);
    }

    void pureOffsets_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("written");
        QTest::newRow("delayed") << 60 << "60";
        QTest::newRow("advance") << -30 << "-30";
        QTest::newRow("zero") << 0 << "-0";
        QTest::newRow("three digits") << 120 << "120";
    }

    void pureOffsets()
    {
        QFETCH(int, offset);
        QFETCH(QString, written);
        CNVRSummerTimeDlg dlg;
        dlg.setOffset(offset);
        QString out;
        dlg.getOffset(out);
        QCOMPARE(out, written);
    }

    void pureGridLoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("336") << QString(336, '1') << QString(336, '1');
        QTest::newRow("400") << QString(336, '2') + QString(64, '3') << QString(336, '2');
        QTest::newRow("335 refused") << QString(335, '3') << QString(336, '0');
        QTest::newRow("other characters kept") << QString(336, 'x') << QString(336, 'x');
    }

    void pureGridLoad()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        StoragePlanTableView view;
        view.setRecordInfo(text);
        QString out;
        view.getRecordInfo(out);
        QCOMPARE(out, read);
    }

    // Row-major: row 3, column 17 is character 3 * 48 + 17.
    void pureGridAddressing()
    {
        StoragePlanTableView view;
        QString text(336, '0');
        text[161] = '3';
        view.setRecordInfo(text);
        const QModelIndex cell = view.model()->index(3, 17);
        QCOMPARE(cell.data(StoragePlanTableView::ModeRole).toChar(), QChar('3'));
        QCOMPARE(cell.data(StoragePlanTableView::PeriodRole).toString(), QStringLiteral("08:30-09:00"));
        QCOMPARE(view.model()->index(0, 47).data(StoragePlanTableView::PeriodRole).toString(),
                 QStringLiteral("23:30-24:00"));
    }

    void timeZones_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("otherLookup"); // another page looks a zone up before Save
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sent");
        TimeZoneTable::init();
        const QString pacific = TimeZoneTable::findByIndex(QStringLiteral("PST8PDT")).first;
        QTest::newRow("index 12") << "12" << false << TimeZoneTable::list(TimeZoneTable::IndexMode).at(12) << "12";
        QTest::newRow("named") << "PST8PDT" << false << pacific << "PST8PDT";
        // A zone no list holds shows nothing and goes back as it came.
        QTest::newRow("empty") << "" << false << ""
                               << "";
        QTest::newRow("999") << "999" << false << ""
                             << "999";
        QTest::newRow("beyond the index list") << "45" << false << ""
                                               << "45";
        QTest::newRow("index after another lookup") << "12" << true << TimeZoneTable::list(3).at(12) << "12";
        QTest::newRow("named after another lookup") << "PST8PDT" << true << pacific << "PST8PDT";
    }

    void timeZones()
    {
        QFETCH(QString, zone);
        QFETCH(bool, otherLookup);
        QFETCH(QString, shown);
        QFETCH(QString, sent);
        m_nvr->setStoredValue(14006, QStringLiteral("timeZone"), zone);
        QVERIFY(clickAndRead("pushButtonDatetime", 14006));
        QCOMPARE(find<QComboBox>("m_cbxTimezoneSet")->currentText(), shown);
        if (otherLookup)
            TimeZoneTable::findByName(QStringLiteral("GMT+08:00"));
        const QString body = saveTime();
        QVERIFY2(body.contains(QStringLiteral("<timeZone>%1</timeZone>").arg(sent)), qPrintable(body));
        // A changed zone leaves the NVR's clock as it runs.
        QVERIFY2(kSysTime.match(body).hasMatch(), qPrintable(body));
    }

    void saveBody_data()
    {
        QTest::addColumn<bool>("summer");
        QTest::addColumn<int>("timeFormat");
        QTest::addColumn<QString>("interval"); // typed; empty: as read
        QTest::addColumn<QString>("tail");     // the body after sysTime; empty: refused
        const QString head = QStringLiteral("<dateFormat>MM/DD/YYYY</dateFormat><timeFormat>%1</timeFormat>"
                                            "<ipcSetTime>1</ipcSetTime><ipcSetTimeInterval>%2</ipcSetTimeInterval>"
                                            "<timeZone>12</timeZone><chanNumberDisplay>1</chanNumberDisplay>"
                                            "<desktopTimeDisplay>0</desktopTimeDisplay>");
        QTest::newRow("no summer time") << false << 0 << "" << head.arg(0).arg(24) + "</timeConfig>";
        QTest::newRow("summer time")
            << true << 0 << ""
            << head.arg(0).arg(24)
                   + "<summertime><enable>1</enable><offset>120</offset><weekStartTime>3:0:0:02:00</weekStartTime>"
                     "<weekEndTime>10:5:7:03:00</weekEndTime></summertime></timeConfig>"; // rules as they came
        QTest::newRow("12-hour") << false << 1 << "" << head.arg(1).arg(24) + "</timeConfig>";
        // The field takes digits only; a typed interval beyond a month is refused.
        QTest::newRow("interval beyond its hint") << false << 0 << "999999999"
                                                  << "";
    }

    void saveBody()
    {
        QFETCH(bool, summer);
        QFETCH(int, timeFormat);
        QFETCH(QString, interval);
        QFETCH(QString, tail);
        if (summer)
            useSummerTime();
        QVERIFY(clickAndRead("pushButtonDatetime", 14006));
        QCOMPARE(find<QPushButton>("m_btnSummerTime")->isVisibleTo(datePage()), summer);
        QCOMPARE(find<QComboBox>("comboBoxTimeFormat")->isVisibleTo(datePage()), !summer);
        // As the operator does it: the format chosen, the interval typed.
        auto *format = find<QComboBox>("comboBoxTimeFormat");
        format->setCurrentIndex(timeFormat);
        emit format->activated(timeFormat);
        if (!interval.isEmpty()) {
            auto *edit = find<QLineEdit>("m_lineIPCTiming");
            edit->selectAll();
            QTest::keyClicks(edit, interval);
        }
        auto *deviceTime = find<QDateTimeEdit>("m_dateTimeEditSystemTime");
        if (summer) {
            datePage()->onSummerTimeBtnClicked();
            NvrWindowTest::saveShot(m_window.get(), QStringLiteral("nvr_date.png"));
            NvrWindowTest::saveShot(datePage()->summerTimeDialog(), QStringLiteral("nvr_summertime.png"));
            datePage()->summerTimeDialog()->reject();
        }
        QCOMPARE(deviceTime->text().endsWith(QLatin1String("m")), timeFormat == 1); // am / pm shown
        const QString body = saveTime();
        if (tail.isEmpty()) {
            QVERIFY2(body.isEmpty(), qPrintable(body));
            QVERIFY(toastTexts().contains(SharedTexts::invalidFormatText()));
            return;
        }
        const QRegularExpressionMatch time = kSysTime.match(body);
        QVERIFY2(time.hasMatch() && body.startsWith(QLatin1String("<timeConfig>") + time.captured(0)),
                 qPrintable(body));
        // Whatever the display, the recorder gets its own 24-hour form.
        QVERIFY(qAbs(QDateTime::fromString(time.captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                         .secsTo(deviceTime->dateTime()))
                <= 2);
        QCOMPARE(body.mid(QStringLiteral("<timeConfig>").size() + time.captured(0).size()), tail);
    }

    // Hidden (another page shown, the window minimised) the page keeps the
    // rule it read: its Save sends it back as it came.
    void hiddenPageKeepsSummerPart()
    {
        useSummerTime();
        QVERIFY(clickAndRead("pushButtonDatetime", 14006));
        QVERIFY(datePage()->hasSummerTime());
        find<QPushButton>("pushButtonBasicInfo")->click();
        QVERIFY(!datePage()->clockTimer()->isActive());
        const QString body = saveTime();
        QVERIFY(
            body.endsWith(QStringLiteral("<summertime><enable>1</enable><offset>120</offset><weekStartTime>3:0:0:02:00"
                                         "</weekStartTime><weekEndTime>10:5:7:03:00</weekEndTime></summertime>"
                                         "</timeConfig>")));
    }

    // The device time runs on screen; "Setting" sets the recorder's clock,
    // which the next read shows.
    void settingSetsTheClock()
    {
        QVERIFY(clickAndRead("pushButtonDatetime", 14006));
        auto *deviceTime = find<QDateTimeEdit>("m_dateTimeEditSystemTime");
        const QDateTime first = deviceTime->dateTime();
        QVERIFY(qAbs(first.secsTo(QDateTime::currentDateTime().addSecs(5 * 3600))) < 60);
        QTRY_VERIFY_WITH_TIMEOUT(deviceTime->dateTime() > first, 10000);

        const QDateTime target(QDate(2031, 2, 3), QTime(4, 5, 6));
        find<QDateTimeEdit>("m_dateTimeEditSettingTime")->setDateTime(target);
        find<QPushButton>("m_btnSettingTime")->click();
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14009) == 1; }));
        QCOMPARE(NvrWindowTest::lastBody(*m_nvr, 14009),
                 QStringLiteral("<ntpUpdateTime>0</ntpUpdateTime><sysTime>2031-02-03 04:05:06</sysTime>"));
        QVERIFY(clickAndRead("pushButtonDatetime", 14006));
        const qint64 drift = target.secsTo(deviceTime->dateTime());
        QVERIFY2(drift >= 0 && drift < 60, qPrintable(deviceTime->text()));
    }

    // Painting a row of channel 02 and copying it to 01 and 05.
    void paintAndCopy()
    {
        QVERIFY(clickAndRead("pushButtonStorage", 14104));
        auto *channel = find<QComboBox>("comboBox_channel");
        QCOMPARE(channel->count(), 10);
        QCOMPARE(planPage()->copyBoxes().size(), 10);
        channel->setCurrentIndex(1);
        emit channel->activated(1);
        const QString before = gridText();
        find<QCheckBox>("checkBox_intelligence")->setChecked(true);

        QWidget *viewport = grid()->viewport();
        auto at = [this](int column) { return grid()->visualRect(grid()->model()->index(0, column)).center(); };
        sendMouse(viewport, QEvent::MouseButtonPress, at(0), Qt::LeftButton, Qt::LeftButton);
        for (int c = 1; c <= 5; ++c)
            sendMouse(viewport, QEvent::MouseMove, at(c), Qt::NoButton, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseMove, at(5) + QPoint(2, 0), Qt::NoButton, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseButtonRelease, at(5), Qt::LeftButton, Qt::NoButton);
        sendMouse(viewport, QEvent::MouseMove, at(6), Qt::NoButton, Qt::NoButton);
        QCOMPARE(find<QLabel>("label_hoverTime")->text(), QStringLiteral("03:00-03:30"));
        QString painted = before;
        painted.replace(0, 6, QString(6, '3'));
        QCOMPARE(gridText(), painted);
        NvrWindowTest::saveShot(m_window.get(), QStringLiteral("nvr_plan.png"));

        planPage()->copyBoxes()[0]->setChecked(true);
        planPage()->copyBoxes()[1]->setChecked(true);
        planPage()->copyBoxes()[4]->setChecked(true);
        find<QPushButton>("pushButton_save")->click();
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14105) == 1 && m_nvr->requestCount(14104) == 2; }));
        const QString detail = QStringLiteral("<ChannelDetail><ID>%1</ID><Schedule>") + painted
                               + QStringLiteral("</Schedule></ChannelDetail>");
        QCOMPARE(NvrWindowTest::lastBody(*m_nvr, 14105),
                 QStringLiteral("<ChannelNum>3</ChannelNum>") + detail.arg(2) + detail.arg(1) + detail.arg(5));
        QVERIFY(NvrWindowTest::flush(*m_nvr, m_record));
        for (int index : {0, 4}) {
            channel->setCurrentIndex(index);
            emit channel->activated(index);
            QCOMPARE(gridText(), painted);
        }
    }

    // A Save that does not reach the NVR's schedules is said once; the page
    // keeps the painting and its copy target, marked as not saved, and the
    // next Save sends them.
    void failedSave_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said"); // the one toast
        QTest::addColumn<QString>("mark"); // shown until a Save succeeds
        QTest::newRow("refused") << "refuse" << CommonHelper::errorCodeToText(-1)
                                 << CNVRStoragePlan::tr("Not saved: the recorder refused this schedule.");
        QTest::newRow("result unreadable") << "result-fail" << SharedTexts::configFailedText()
                                           << CNVRStoragePlan::tr("Not saved: the recorder gave no usable answer.");
        QTest::newRow("offline") << "offline" << ConfigConversation::offlineText()
                                 << CNVRStoragePlan::tr("Not saved: the recorder is not connected.");
    }

    void failedSave()
    {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        QFETCH(QString, mark);
        const bool offline = fault == QLatin1String("offline");
        SimHostile::ReplyFault garbled;
        QVERIFY(clickAndRead("pushButtonStorage", 14104));
        const QString painted = gridText().replace(0, 1, QLatin1Char('0'));
        QTest::mouseClick(find<QCheckBox>("checkBox_noRecord"), Qt::LeftButton);
        paintFirstCell();
        planPage()->copyBoxes().at(4)->click();
        m_nvr->setRefuseConnections(offline);
        if (offline)
            m_nvr->dropConnections();
        else if (SimHostile::faultFromName(fault, &garbled))
            m_nvr->setReplyRewrite(14105, SimHostile::rewrite(garbled), 1);
        else
            m_nvr->setForcedResult(14105, -1);
        QVERIFY(waitFor([&] { return offline != KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_record)); }));
        m_nvr->clearRequests();
        auto *save = find<QPushButton>("pushButton_save");
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(waitFor([] { return !toastTexts().isEmpty(); }) && (offline || NvrWindowTest::flush(*m_nvr, m_record)));
        QCOMPARE(toastTexts(), QStringList{said});
        QCOMPARE(m_nvr->requestCount(14104), 0); // nothing read over the painting
        QCOMPARE(gridText(), painted);
        QVERIFY(planPage()->copyBoxes().at(4)->isChecked() && save->isEnabled());
        auto *shown = find<QLabel>("label_saveState");
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown->text(), mark);
        QVERIFY(!planPage()->findChild<QLabel *>(QStringLiteral("labelNotSaved"))); // one mark, with the reason

        m_nvr->setRefuseConnections(false);
        m_nvr->clearForcedResult(14105);
        KelvoSDKHelper::instance()->connectDev(toLoginDev(&m_record));
        QVERIFY(waitFor([this] { return KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_record)); }));
        closeToasts();
        m_nvr->clearRequests();
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(waitFor([this] { return m_nvr->requestCount(14104) == 1 && planPage()->isReadOk(); }));
        const QString detail = "<ChannelDetail><ID>%1</ID><Schedule>" + painted + "</Schedule></ChannelDetail>";
        QCOMPARE(NvrWindowTest::lastBody(*m_nvr, 14105), "<ChannelNum>2</ChannelNum>" + detail.arg(1) + detail.arg(5));
        QCOMPARE(toastTexts(), QStringList{SharedTexts::configSuccessText()});
        QVERIFY(!shown->isVisible());
    }

    // Without a channel there is nothing to address: Save stays off, painted or not.
    void noChannel()
    {
        m_window.reset();
        m_record.channelNum = 0;
        m_window = std::make_unique<CNVRConfigSetting>();
        m_window->setDevInfo(&m_record);
        m_window->show();
        QVERIFY(clickAndRead("pushButtonStorage", 14104));
        QCOMPARE(gridText(), QString(336, '0'));
        QTest::mouseClick(find<QCheckBox>("checkBox_detection"), Qt::LeftButton);
        paintFirstCell();
        QTest::mouseClick(find<QPushButton>("pushButton_save"), Qt::LeftButton);
        QVERIFY(NvrWindowTest::flush(*m_nvr, m_record));
        QVERIFY(planPage()->isReadOk() && !find<QPushButton>("pushButton_save")->isEnabled());
        QCOMPARE(m_nvr->requestCount(14105), 0);
    }

    void recordModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("allModes");
        QTest::addColumn<bool>("merged"); // '2' and '3' shown as '1'
        QTest::newRow("general only") << "2" << false << true;
        QTest::newRow("mode 3") << "3" << false << false;
        QTest::newRow("every mode") << "4" << true << false;
    }

    void recordModes()
    {
        QFETCH(QString, mode);
        QFETCH(bool, allModes);
        QFETCH(bool, merged);
        m_nvr->setStoredValue(14104, QStringLiteral("RecordMode"), mode);
        const QString stored = m_nvr->storedValue(14104, QStringLiteral("Schedule"));
        QVERIFY(stored.contains('2') && stored.contains('3'));
        QVERIFY(clickAndRead("pushButtonStorage", 14104));
        QString expected = stored;
        if (merged)
            expected.replace('2', '1').replace('3', '1');
        QCOMPARE(gridText(), expected);
        QCOMPARE(find<QCheckBox>("checkBox_detection")->isVisibleTo(planPage()), allModes);
        QCOMPARE(find<QCheckBox>("checkBox_intelligence")->isVisibleTo(planPage()), allModes);
    }

    void selectAllWithDetection()
    {
        QVERIFY(clickAndRead("pushButtonStorage", 14104));
        find<QCheckBox>("checkBox_detection")->setChecked(true);
        find<QPushButton>("pushButton_all")->click();
        QCOMPARE(gridText(), QString(336, '2'));
    }
};

QTEST_MAIN(TestNvrDatePlan)
#include "tst_nvrdateplan.moc"
