// The NVR window against a simulated NVR (127.87.6.x) whose replies are
// held, dropped or lost with the connection: the Basic page's first reply
// held past a Save never stands for a later read, and a Save of the Basic or
// Date page that is lost, refused offline or cut by the connection is said,
// with the page keeping the operator's value. What reaches the NVR is read
// by this test's own reader.

#include "CNVRBasicSetting.h"
#include "CNVRConfigSetting.h"
#include "CNVRDateSetting.h"
#include "CommonHelper.h"
#include "ConfigConversation.h"
#include "ConfigPageMarks.h"
#include "NvrWindowTestUtil.h"
#include "SharedTexts.h"

#include <QCheckBox>
#include <QDomDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;
using namespace NvrWindowTest;

namespace {

QString element(const QString &body, const QString &name)
{
    QDomDocument doc;
    if (!doc.setContent(QStringLiteral("<body>%1</body>").arg(body)))
        return QStringLiteral("(unreadable)");
    const QDomElement e = doc.documentElement().firstChildElement(name);
    return e.isNull() ? QStringLiteral("(none)") : e.text();
}

enum Fault { ReplyLost, OfflineBefore, OfflineWhileOut, AnsweredLate, RefusedLate, FormatAnsweredLate };
// A second Save while the first one's answer is late, written before that
// deadline, or clicked after it (nothing of it written), or the first one
// refused and the second stored; Reconnect while a format runs; an edit
// without a Save while the answer is late; a Save of what a repeated answer
// showed; a Save whose answer never came, then a Save in a new window.
enum LineFault {
    SecondSave = FormatAnsweredLate + 1,
    SecondRefused,
    ReconnectWhileFormatting,
    FirstRefusedSecondStored,
    EditedLate,
    SavedOnRepeat,
    LostThenSave
};

// What the words name of a check box the operator saw: its state, and its text when it has one.
QString shownBox(const QAbstractButton *box, bool checked)
{
    const QString state(checked ? QChar(0x2611) : QChar(0x2610));
    return box->text().isEmpty() ? state : state + QLatin1Char(' ') + box->text();
}

bool notSavedShown(QWidget *page)
{
    auto *mark = page->findChild<QLabel *>(QStringLiteral("labelNotSaved"));
    return mark && !mark->isHidden();
}

} // namespace

class TestNvrSaveFates : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO m_dev;
    std::unique_ptr<CNVRConfigSetting> m_w;
    int m_host = 1;

    bool connected() const { return KelvoSDKHelper::instance()->isConnected(toLoginDev(&m_dev)); }

    template <class T> T *find(const char *name) const { return child<T>(m_w.get(), name); }

    void open()
    {
        m_w = std::make_unique<CNVRConfigSetting>();
        m_w->setModal(false);
        m_w->show();
        m_w->setDevInfo(&m_dev);
    }

    // The disk page formats its first disk; the answer comes after five of
    // the usual deadlines and is reported, the page waiting meanwhile.
    // Reconnect while the format runs asks first, naming it; once agreed, the
    // format's answer is lost with the connection, and Formatting stays off
    // until the disks were read on the fresh session.
    void formatAnsweredLate(const QString &said, bool reconnect)
    {
        m_nvr->setStoredBody(Cmd::GetDisks,
                             QStringLiteral("<DeviceInfo><DevIndex>1</DevIndex><VerifyMark>7</VerifyMark>"
                                            "<DevName>/dev/sda-1</DevName><Mounted>1</Mounted><Total>1000</Total>"
                                            "<Used>10</Used><Status>0</Status></DeviceInfo>"));
        open();
        QTest::mouseClick(find<QPushButton>("pushButtonStorage"), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>("pushButtonDisk"), Qt::LeftButton);
        auto *format = find<QPushButton>("m_btnFormat");
        QTRY_VERIFY_WITH_TIMEOUT(format->isEnabled(), 10000);
        ConfigReadRound::setTimeoutMs(reconnect ? 6000 : 200);
        m_nvr->planReplies(Cmd::FormatDisk, {SimDevice::Held});
        find<QTableWidget>("m_TableWidget")->item(0, 0)->setCheckState(Qt::Checked);
        onModal<QDialog>([](QDialog *d) { d->accept(); });
        closeToasts();
        QTest::mouseClick(format, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(Cmd::FormatDisk), 1, 10000);
        QCOMPARE(element(lastBody(*m_nvr, Cmd::FormatDisk), QStringLiteral("DevIndex")), QStringLiteral("1"));
        if (reconnect) {
            // The disks read again meanwhile get no answer: the way back is offered.
            ConfigReadRound::setTimeoutMs(500);
            m_nvr->planReplies(Cmd::GetDisks, {-1, SimDevice::Held});
            QTest::mouseClick(find<QPushButton>("pushButtonDisk"), Qt::LeftButton);
            ConfigPageMarks *marks = ConfigPageMarks::of(find<QWidget>("pageDisk"));
            QTRY_VERIFY_WITH_TIMEOUT(marks->reconnectButton() && marks->reconnectButton()->isVisible(), 10000);
            ConfigReadRound::setTimeoutMs(6000);
            const int sessions = m_nvr->acceptedCount();
            QStringList asked;
            for (bool agree : {false, true}) {
                onModal<QDialog>([&asked, agree](QDialog *d) {
                    auto *text = d->findChild<QLabel *>(QStringLiteral("labelInfo"));
                    asked << (text ? text->text() : QString());
                    agree ? d->accept() : d->reject();
                });
                QTest::mouseClick(marks->reconnectButton(), Qt::LeftButton);
                if (!agree) {
                    QVERIFY(flush(*m_nvr, m_dev));
                    QCOMPARE(m_nvr->acceptedCount(), sessions);
                }
            }
            const QString question = ConfigPageMarks::reconnectQuestion({unsigned(Cmd::FormatDisk)});
            QCOMPARE(asked, QStringList({question, question}));
            QVERIFY(question.contains(QStringLiteral("disk format")));
            QTRY_VERIFY_WITH_TIMEOUT(m_nvr->acceptedCount() > sessions && m_nvr->heldCount(Cmd::GetDisks) == 1, 10000);
            QVERIFY(toastTexts().contains(said));
            QVERIFY(!format->isEnabled() && find<QLabel>("labelFormatWaiting")->isVisible());
            QVERIFY(m_nvr->releaseHeld(Cmd::GetDisks));
            QTRY_VERIFY_WITH_TIMEOUT(format->isEnabled(), 10000);
            QVERIFY(!find<QLabel>("labelFormatWaiting")->isVisible());
            return;
        }
        // A read of the usual deadline, sent after the format and held too:
        // once it failed, the format would have failed before it had it the
        // usual deadline.
        m_nvr->planReplies(Cmd::GetBasicSettings, {SimDevice::Held});
        ConfigConversation probe;
        probe.setDevice(&m_dev);
        QObject prober;
        QList<int> probed;
        connect(&probe, &ConfigConversation::replied, &prober,
                [&](QObject *, const ConfigReply &reply) { probed << int(reply.fate); });
        QVERIFY(probe.send(&prober, Cmd::GetBasicSettings));
        QTRY_COMPARE_WITH_TIMEOUT(probed, QList<int>{int(ReplyFate::NoReply)}, 10000);
        QVERIFY(find<QLabel>("labelFormatWaiting")->isVisible());
        QVERIFY(!format->isEnabled());
        QVERIFY(toastTexts().isEmpty());
        QVERIFY(m_nvr->releaseHeld(Cmd::GetBasicSettings));
        QVERIFY(m_nvr->releaseHeld(Cmd::FormatDisk));
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 10000);
        QCOMPARE(toastTexts().size(), 1);
        QVERIFY(!find<QLabel>("labelFormatWaiting")->isVisible());
        QVERIFY(format->isEnabled());
    }

    // The Basic page's Save gets no answer, ever: a new window reads fine,
    // and its Save is refused, said, and offered the way back. Reconnect asks
    // first, naming the Save still out; on the fresh session the Save goes out.
    void lostThenSave(const QString &said)
    {
        open();
        auto *page = find<CNVRBasicSetting>("PageBasic");
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        ConfigReadRound::setTimeoutMs(1000);
        m_nvr->planReplies(Cmd::SetSettings, {-1});
        tick(find<QCheckBox>("checkBoxPNP"), !find<QCheckBox>("checkBoxPNP")->isChecked());
        closeToasts();
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::noAnswerText()), 7000);
        ConfigReadRound::setTimeoutMs(6000);

        m_w.reset();
        closeToasts();
        open();
        page = find<CNVRBasicSetting>("PageBasic");
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        typeInto(find<QLineEdit>("m_lineLockScreen"), QStringLiteral("200"));
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 7000);
        QCOMPARE(m_nvr->requestCount(Cmd::SetSettings), 1);
        ConfigPageMarks *marks = ConfigPageMarks::of(page);
        QTRY_VERIFY_WITH_TIMEOUT(marks->reconnectButton() && marks->reconnectButton()->isVisible(), 5000);
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("labelReadFailed"))->text(), said);

        QString asked;
        onModal<QDialog>([&asked](QDialog *d) {
            auto *text = d->findChild<QLabel *>(QStringLiteral("labelInfo"));
            asked = text ? text->text() : QString();
            d->accept();
        });
        const int sessions = m_nvr->acceptedCount();
        QTest::mouseClick(marks->reconnectButton(), Qt::LeftButton);
        QCOMPARE(asked, ConfigPageMarks::reconnectQuestion({unsigned(Cmd::SetSettings)}));
        QTRY_VERIFY_WITH_TIMEOUT(m_nvr->acceptedCount() > sessions, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!marks->reconnectButton()->isVisible(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        QVERIFY(!marks->readFailureShown());
        closeToasts();
        typeInto(find<QLineEdit>("m_lineLockScreen"), QStringLiteral("210"));
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->requestCount(Cmd::SetSettings), 2, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        QCOMPARE(element(lastBody(*m_nvr, Cmd::SetSettings), QStringLiteral("lockScreenTime")), QStringLiteral("210"));
        QVERIFY(!notSavedShown(page));
    }

    // A copy of the window's first read (120) comes while the next read is
    // owed and is taken for its answer; the real one (200, saved meanwhile)
    // then comes owed to nobody. The page says its values cannot be trusted
    // and reads again before any Save goes out: the next Save sends 200.
    // A Save clicked while the page showed the copy is said possibly built
    // on it and marked, also once the page read again, until a later Save
    // is stored.
    void repeatedRead(bool saveOnCopy)
    {
        m_nvr->planReplies(Cmd::GetBasicSettings, {SimDevice::Repeated, SimDevice::Held});
        open();
        auto *page = find<CNVRBasicSetting>("PageBasic");
        auto *lock = find<QLineEdit>("m_lineLockScreen");
        auto *save = page->findChild<QPushButton *>(QStringLiteral("m_btnSave"));
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        typeInto(lock, QStringLiteral("200"));
        QTest::mouseClick(save, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        QTest::mouseClick(find<QPushButton>("pushButtonBasicInfo"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(Cmd::GetBasicSettings), 2, 10000);
        QVERIFY(m_nvr->releaseHeld(Cmd::GetBasicSettings)); // the copy
        QTRY_COMPARE_WITH_TIMEOUT(lock->text(), QStringLiteral("120"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        const QString held = saveOnCopy ? QStringLiteral("120") : QStringLiteral("200");
        if (saveOnCopy) {
            closeToasts();
            tick(find<QCheckBox>("checkBoxPNP"), false);
            QTest::mouseClick(save, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
            QCOMPARE(element(lastBody(*m_nvr, Cmd::SetSettings), QStringLiteral("lockScreenTime")), held);
        }
        closeToasts();
        QVERIFY(m_nvr->releaseHeld(Cmd::GetBasicSettings)); // the real answer, owed to nobody
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::repeatedText()), 10000);
        QCOMPARE(toastTexts().contains(ConfigConversation::saveOnRepeatText()), saveOnCopy);
        QTRY_COMPARE_WITH_TIMEOUT(lock->text(), held, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        QCOMPARE(notSavedShown(page), saveOnCopy);
        tick(find<QCheckBox>("checkBoxPNP"), true);
        closeToasts();
        QTest::mouseClick(save, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->requestCount(Cmd::SetSettings), saveOnCopy ? 3 : 2, 10000);
        QCOMPARE(element(lastBody(*m_nvr, Cmd::SetSettings), QStringLiteral("lockScreenTime")), held);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()), 10000);
        QVERIFY(!notSavedShown(page));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.reconnectUnitMs = 20;
        KelvoSDKHelper::instance()->setTimings(timings);
    }

    void init()
    {
        QVERIFY(startNvr(m_nvr, m_dev, QStringLiteral("127.87.6.%1").arg(m_host++)));
        m_nvr->setStoredValue(Cmd::GetBasicSettings, QStringLiteral("lockScreenTime"), QStringLiteral("120"));
    }

    void cleanup()
    {
        m_w.reset();
        closeToasts();
        ConfigReadRound::setTimeoutMs(6000);
        KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_dev));
        m_nvr.reset();
    }

    // The first read's reply is held; the second read's answer is taken by
    // the first and the second times out: the NVR's answers to the Basic
    // read cannot be told apart until the held one came. Meanwhile the page
    // saves nothing and says why; then it reads again by itself, and every
    // later Save sends the NVR's latest values.
    void lateReplyAfterSave()
    {
        ConfigReadRound::setTimeoutMs(1000);
        m_nvr->planReplies(Cmd::GetBasicSettings, {SimDevice::Held, 0});
        open();
        auto *page = find<CNVRBasicSetting>("PageBasic");
        auto *basicInfo = find<QPushButton>("pushButtonBasicInfo");
        auto *lock = find<QLineEdit>("m_lineLockScreen");
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(Cmd::GetBasicSettings), 1, 10000);
        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::readFailedText()), 10000);
        QVERIFY(!page->isReadOk());
        closeToasts();
        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::outOfStepText()), 10000);
        QVERIFY(!page->isReadOk());
        QVERIFY(ConfigPageMarks::of(page)->reconnectButton()->isVisible());
        QCOMPARE(m_nvr->requestCount(Cmd::SetSettings), 0);

        QVERIFY(m_nvr->releaseHeld(Cmd::GetBasicSettings)); // the first read's answer
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        QVERIFY(!ConfigPageMarks::of(page)->reconnectButton()->isVisible());
        QCOMPARE(lock->text(), QStringLiteral("120"));
        typeInto(lock, QStringLiteral("200"));
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()),
                                  qPrintable(toastTexts().join('|') + " / " + lock->text()), 10000);
        QCOMPARE(element(lastBody(*m_nvr, Cmd::SetSettings), QStringLiteral("lockScreenTime")), QStringLiteral("200"));

        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        QCOMPARE(lock->text(), QStringLiteral("200"));
        tick(find<QCheckBox>("checkBoxPNP"), false);
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->requestCount(Cmd::SetSettings), 2, 10000);
        const QString body = lastBody(*m_nvr, Cmd::SetSettings);
        QCOMPARE(element(body, QStringLiteral("lockScreenTime")), QStringLiteral("200"));
        QCOMPARE(element(body, QStringLiteral("autoAddIpc")), QStringLiteral("0"));
    }

    void repeatedReply() { repeatedRead(false); }

    void saveFates_data()
    {
        QTest::addColumn<bool>("datePage");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("said");
        for (bool date : {false, true}) {
            const QString page = date ? QStringLiteral("date: ") : QStringLiteral("basic: ");
            QTest::newRow(qPrintable(page + "reply lost"))
                << date << int(ReplyLost) << ConfigConversation::noAnswerText();
            QTest::newRow(qPrintable(page + "offline before the save"))
                << date << int(OfflineBefore) << ConfigConversation::offlineText();
            QTest::newRow(qPrintable(page + "offline while the save is out"))
                << date << int(OfflineWhileOut) << ConfigConversation::connectionLostText();
            QTest::newRow(qPrintable(page + "answered after its deadline"))
                << date << int(AnsweredLate) << ConfigConversation::savedLateText();
            QTest::newRow(qPrintable(page + "refused after its deadline"))
                << date << int(RefusedLate) << CommonHelper::errorCodeToText(5);
            // Each Save hears its own answer once the held one came; the
            // mark follows what the page shows.
            QTest::newRow(qPrintable(page + "a second save while the first is late"))
                << date << int(SecondSave) << SharedTexts::configSuccessText();
            // The page shows another value than the late success stored: the
            // mark stays, and the words say what the NVR took.
            QTest::newRow(qPrintable(page + "a save refused, then the first one's late success"))
                << date << int(SecondRefused) << QString();
            QTest::newRow(qPrintable(page + "a late success after an edit without a save"))
                << date << int(EditedLate) << QString();
            QTest::newRow(qPrintable(page + "the first save refused late, the second stored"))
                << date << int(FirstRefusedSecondStored) << CommonHelper::errorCodeToText(5);
        }
        QTest::newRow("basic: a save of what a repeated answer showed")
            << false << int(SavedOnRepeat) << ConfigConversation::saveOnRepeatText();
        QTest::newRow("basic: a save's answer lost, then a save in a new window")
            << false << int(LostThenSave) << ConfigConversation::saveOutOfStepText();
        // A recorder answers a format when the disk is done: five of the
        // usual deadlines later here (half a minute at the usual 6 s).
        QTest::newRow("disk: format answered after five deadlines")
            << false << int(FormatAnsweredLate) << SharedTexts::configSuccessText();
        QTest::newRow("disk: reconnect while a format is out")
            << false << int(ReconnectWhileFormatting) << ConfigConversation::connectionLostText();
    }

    // Said within the read's deadline, once, in words that fit; the page
    // keeps the operator's value, marked as not saved.
    void saveFates()
    {
        QFETCH(bool, datePage);
        QFETCH(int, fault);
        QFETCH(QString, said);
        if (fault == FormatAnsweredLate || fault == ReconnectWhileFormatting) {
            formatAnsweredLate(said, fault == ReconnectWhileFormatting);
            return;
        }
        if (fault == SavedOnRepeat) {
            repeatedRead(true);
            return;
        }
        if (fault == LostThenSave) {
            lostThenSave(said);
            return;
        }
        open();
        QWidget *page = datePage ? static_cast<QWidget *>(find<CNVRDateSetting>("PageDatetime"))
                                 : static_cast<QWidget *>(find<CNVRBasicSetting>("PageBasic"));
        if (datePage)
            QTest::mouseClick(find<QPushButton>("pushButtonDatetime"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->isEnabled(), 10000);
        auto *box = datePage ? find<QCheckBox>("checkBoxShowTime") : find<QCheckBox>("checkBoxPNP");
        auto *lock = find<QLineEdit>("m_lineLockScreen");
        // On the Basic page an edit without a Save is a lock time typed.
        const bool typed = fault == EditedLate && !datePage;
        const bool wanted = !box->isChecked();
        if (typed)
            typeInto(lock, QStringLiteral("260"));
        else
            tick(box, wanted);
        const unsigned set = datePage ? Cmd::SetTimeConfig : Cmd::SetSettings;
        if (fault == ReplyLost)
            m_nvr->planReplies(set, {-1});
        const bool second = fault == SecondSave || fault == SecondRefused || fault == FirstRefusedSecondStored;
        const bool late = fault == AnsweredLate || fault == RefusedLate || fault == EditedLate || second;
        if (fault == OfflineWhileOut || late)
            m_nvr->planReplies(set, {SimDevice::Held});
        if (fault == SecondSave || fault == FirstRefusedSecondStored)
            m_nvr->planReplies(set, {SimDevice::Held});
        if (fault == RefusedLate || fault == FirstRefusedSecondStored)
            m_nvr->setForcedResult(set, 5);
        if (late)
            ConfigReadRound::setTimeoutMs(1000);
        if (fault == OfflineBefore) {
            m_nvr->setRefuseConnections(true);
            m_nvr->dropConnections();
            QTRY_VERIFY_WITH_TIMEOUT(!connected(), 10000);
        }
        closeToasts();
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        if (late)
            ConfigReadRound::setTimeoutMs(6000);
        if (fault == FirstRefusedSecondStored) {
            // The NVR refuses the first Save only.
            QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(set), 1, 10000);
            m_nvr->clearForcedResult(set);
        }
        if (fault == SecondSave || fault == FirstRefusedSecondStored) {
            tick(box, !wanted);
            QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        }
        if (fault == OfflineWhileOut) {
            QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(set), 1, 10000);
            m_nvr->setRefuseConnections(true);
            m_nvr->dropConnections();
        }
        const bool twoOut = fault == SecondSave || fault == FirstRefusedSecondStored;
        if (late) {
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::noAnswerText()), 7000);
            // The mark follows what the page shows: a second Save is out.
            QCOMPARE(notSavedShown(page), !twoOut);
            if (fault == SecondRefused) {
                tick(box, !wanted);
                QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::saveOutOfStepText()), 7000);
            }
            if (fault == EditedLate) {
                if (typed)
                    typeInto(lock, QStringLiteral("270"));
                else
                    tick(box, !wanted);
            }
            QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(set), twoOut ? 2 : 1, 10000);
            closeToasts();
            while (m_nvr->releaseHeld(set)) {
            }
        }
        // What the NVR took, in the words, when the page shows another value.
        const QString took =
            ConfigConversation::tookEarlierText({typed ? QStringLiteral("260") : shownBox(box, wanted)});
        if (said.isEmpty())
            said = took;
        QTRY_VERIFY2_WITH_TIMEOUT(toastTexts().contains(said), qPrintable(toastTexts().join(QLatin1Char('|'))), 7000);
        QCOMPARE(toastTexts().count(said), 1);
        QCOMPARE(toastTexts().contains(SharedTexts::configSuccessText()), twoOut);
        QCOMPARE(toastTexts().contains(ConfigConversation::savedLateText()), fault == AnsweredLate);
        QCOMPARE(toastTexts().contains(took), fault == SecondRefused || fault == EditedLate || fault == SecondSave);
        QVERIFY(!toastTexts().contains(ConfigConversation::saveOutOfStepText()));
        QVERIFY(!toastTexts().contains(SharedTexts::invalidFormatText()));
        QCOMPARE(box->isChecked(), typed ? !wanted : wanted != (second || fault == EditedLate));
        QCOMPARE(notSavedShown(page), fault != AnsweredLate && !twoOut);
        // Nothing of a refused Save reaches the NVR.
        QCOMPARE(m_nvr->requestCount(set), fault == OfflineBefore ? 0 : twoOut ? 2 : 1);
        if (typed) {
            QCOMPARE(element(lastBody(*m_nvr, set), QStringLiteral("lockScreenTime")), QStringLiteral("260"));
            QCOMPARE(lock->text(), QStringLiteral("270"));
        }
        m_nvr->setRefuseConnections(false);
    }
};

QTEST_MAIN(TestNvrSaveFates)
#include "tst_nvrsavefates.moc"
