// The NVR window against a simulated NVR (127.87.6.x) whose replies are
// held, dropped or lost with the connection: the Basic page's first reply
// held past a Save never stands for a later read, and a Save of the Basic or
// Date page that is lost, refused offline or cut by the connection is said,
// with the page keeping the operator's value. What reaches the NVR is read
// by this test's own reader.

#include "CNVRBasicSetting.h"
#include "CNVRConfigSetting.h"
#include "CNVRDateSetting.h"
#include "ConfigConversation.h"
#include "NvrWindowTestUtil.h"
#include "SharedTexts.h"

#include <QCheckBox>
#include <QDomDocument>
#include <QLabel>
#include <QPushButton>
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

enum Fault { ReplyLost, OfflineBefore, OfflineWhileOut };

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

    // The first read's reply is held until a read after the Save of 200 is
    // out: that read fails, the page keeps 200, and the next Save sends 200.
    void lateReplyAfterSave()
    {
        ConfigReadRound::setTimeoutMs(1000);
        m_nvr->planReplies(Cmd::GetBasicSettings, {SimDevice::Held, 0, 0, SimDevice::Held});
        open();
        auto *page = find<CNVRBasicSetting>("PageBasic");
        auto *basicInfo = find<QPushButton>("pushButtonBasicInfo");
        auto *lock = find<QLineEdit>("m_lineLockScreen");
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configFailedText()), 10000);
        closeToasts();
        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configFailedText()), 10000);
        QVERIFY(!page->isReadOk());
        closeToasts();
        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        QCOMPARE(lock->text(), QStringLiteral("120"));
        typeInto(lock, QStringLiteral("200"));
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configSuccessText()),
                                  qPrintable(toastTexts().join('|') + " / " + lock->text()), 10000);
        QCOMPARE(element(lastBody(*m_nvr, Cmd::SetSettings), QStringLiteral("lockScreenTime")), QStringLiteral("200"));

        closeToasts();
        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(Cmd::GetBasicSettings), 2, 10000);
        QVERIFY(m_nvr->releaseHeld(Cmd::GetBasicSettings)); // the first read's answer: 120
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::configFailedText()), 10000);
        QCOMPARE(lock->text(), QStringLiteral("200"));
        QVERIFY(m_nvr->releaseHeld(Cmd::GetBasicSettings));
        QVERIFY(flush(*m_nvr, m_dev));

        QTest::mouseClick(basicInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->isReadOk(), 10000);
        QCOMPARE(lock->text(), QStringLiteral("200"));
        tick(find<QCheckBox>("checkBoxPNP"), false);
        const int sets = m_nvr->requestCount(Cmd::SetSettings);
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_nvr->requestCount(Cmd::SetSettings), sets + 1, 10000);
        const QString body = lastBody(*m_nvr, Cmd::SetSettings);
        QCOMPARE(element(body, QStringLiteral("lockScreenTime")), QStringLiteral("200"));
        QCOMPARE(element(body, QStringLiteral("autoAddIpc")), QStringLiteral("0"));
    }

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
        }
    }

    // Said within the read's deadline, once, in words that fit; the page
    // keeps the operator's value, marked as not saved.
    void saveFates()
    {
        QFETCH(bool, datePage);
        QFETCH(int, fault);
        QFETCH(QString, said);
        open();
        QWidget *page = datePage ? static_cast<QWidget *>(find<CNVRDateSetting>("PageDatetime"))
                                 : static_cast<QWidget *>(find<CNVRBasicSetting>("PageBasic"));
        if (datePage)
            QTest::mouseClick(find<QPushButton>("pushButtonDatetime"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(page->isEnabled(), 10000);
        auto *box = datePage ? find<QCheckBox>("checkBoxShowTime") : find<QCheckBox>("checkBoxPNP");
        const bool wanted = !box->isChecked();
        tick(box, wanted);
        const unsigned set = datePage ? Cmd::SetTimeConfig : Cmd::SetSettings;
        if (fault == ReplyLost)
            m_nvr->planReplies(set, {-1});
        if (fault == OfflineWhileOut)
            m_nvr->planReplies(set, {SimDevice::Held});
        if (fault == OfflineBefore) {
            m_nvr->setRefuseConnections(true);
            m_nvr->dropConnections();
            QTRY_VERIFY_WITH_TIMEOUT(!connected(), 10000);
        }
        closeToasts();
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
        if (fault == OfflineWhileOut) {
            QTRY_COMPARE_WITH_TIMEOUT(m_nvr->heldCount(set), 1, 10000);
            m_nvr->setRefuseConnections(true);
            m_nvr->dropConnections();
        }
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 7000);
        QCOMPARE(toastTexts().count(said), 1);
        QVERIFY(!toastTexts().contains(SharedTexts::configSuccessText()));
        QVERIFY(!toastTexts().contains(SharedTexts::invalidFormatText()));
        QCOMPARE(box->isChecked(), wanted);
        QVERIFY(notSavedShown(page));
        m_nvr->setRefuseConnections(false);
    }
};

QTEST_MAIN(TestNvrSaveFates)
#include "tst_nvrsavefates.moc"
