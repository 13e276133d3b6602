// Every page and dialog of the NVR configuration against a simulated NVR
// seeded with values the client has no item for (a menu language and a
// resolution outside its lists, time format 2, "YYYY-MM-DD", account state 2,
// an e-mail per account, a channel without a schedule, two channels on one
// camera address, an unreadable clock). Saved untouched, each sends back
// exactly what was seeded, also after a language change; a failed read is
// said and its Save sends nothing; an NVR gone offline is said on Save and on
// the pages opened meanwhile. In every language of the client nothing is cut
// and the buttons and marks lie in view of a 1280x720 screen (pictures in
// KELVO_SCREENSHOT_DIR when set). The bodies alone, without a
// window, read and build back what came. What the operator does reaches the
// NVR as listed: the account, disk or channel of the row he chose, every value
// he left alone (blanks and leading zeros kept), nothing after a read that
// failed, lacked the page's elements or never came, nothing he typed that its
// field does not take. The wheel turned over every list, number and time
// field of a page or dialog changes nothing there, and the Save after it
// sends what was read; a control taken in hand by a click does change.

#include "ConfigConversation.h"
#include "CNVRAuthSetting.h"
#include "CNVRBasicSetting.h"
#include "CNVRChannelAddDevDlg.h"
#include "CNVRChannelManageDlg.h"
#include "CNVRChannelModifyIPDlg.h"
#include "CNVRConfigSetting.h"
#include "CNVRDateSetting.h"
#include "CNVRDrawQRcode.h"
#include "CNVREditClientUserDlg.h"
#include "CNVRLockScreenDlg.h"
#include "CNVRStoragePlan.h"
#include "CNVRSummerTimeDlg.h"
#include "CNVRUserManageDlg.h"
#include "CUserManageDlg.h"
#include "ConfigPageMarks.h"
#include "ConfigReadRound.h"
#include "DeviceInfoManager.h"
#include "NvrBodies.h"
#include "NvrWindowTestUtil.h"
#include "OperatorEdits.h"
#include "SharedTexts.h"
#include "SimHostile.h"
#include "StoragePlanTableView.h"
#include "../support/TextsWhole.h"
#include "../support/Wheel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDateTimeEdit>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <tuple>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace DevicePagesTest;
using Leaves = NvrBodies::Values;

namespace {

enum Condition { Untouched, LanguageChanged, ReadFailed, Offline, Wheeled };

// The text of every element without child elements, by name, blanks kept.
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
            out.insert(name, text); // as it came: blanks are part of a value
            name.clear();
        }
    }
    return out;
}

// Texts of a window that do not fit the room they are given.
QStringList cutTexts(QWidget *root)
{
    QStringList cut;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(root) || w->window() != root->window())
            continue;
        const QFontMetrics fm(w->font());
        QString text;
        bool fits = true;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->wordWrap() || Qt::mightBeRichText(label->text()) ? QString() : label->text();
            fits = fm.horizontalAdvance(text) <= label->contentsRect().width() + 1;
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            text = box->text();
            fits = box->sizeHint().width() <= box->width();
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            text = button->text();
            fits = button->sizeHint().width() <= button->width() + 2;
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            text = combo->currentText();
            fits = fm.horizontalAdvance(text)
                   <= combo->style()
                              ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                              .width()
                          + 1;
        } else if (auto *view = qobject_cast<QTableView *>(w)) {
            const QHeaderView *header = view->horizontalHeader();
            for (int c = 0; c < header->count(); ++c) {
                if (!header->isSectionHidden(c) && header->sectionSize(c) < header->sectionSizeHint(c))
                    cut << view->model()->headerData(c, Qt::Horizontal).toString();
            }
        }
        if (!text.isEmpty() && (!fits || text.endsWith(QChar(0x2026))))
            cut << QStringLiteral("%1 \"%2\" (%3 px)").arg(w->objectName(), text).arg(w->width());
    }
    return cut;
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
    "<poeEnable>0</poeEnable><poeLongCable>1</poeLongCable><qrCodeString>https://bind.invalid/SIM</qrCodeString>");
const QString kPolicy = QStringLiteral("<StoragePolicy>2</StoragePolicy><noHDDPrompt>1</noHDDPrompt>");
// Mode 2 shows detection and intelligence as general recording; untouched,
// they go back as they are.
const QString kSchedule = QString(48, '2') + QString(48, '3') + QString(240, '1');
const QString kAnn = QStringLiteral("<userName>ann</userName><passWord>pw-ann</passWord><status>2</status>"
                                    "<email>ann@example.com</email><localAuthority>01001011</localAuthority>"
                                    "<remoteAuthority>1000110011</remoteAuthority>");
const QString kBob = QStringLiteral("<userName>bob</userName><passWord>pw-bob</passWord><status>1</status>"
                                    "<email>bob@example.com</email>");
// Channel 3 holds the camera of channel 1.
const QString kChannel3 = QStringLiteral(
    "<ChannelId>3</ChannelId><IpAddr>127.77.0.20</IpAddr><Protocol>brelon</Protocol><CtrlPort>2028</CtrlPort>"
    "<VideoPort>8554</VideoPort><Username>cam</Username><Password>cam-pw</Password><AuthType>2</AuthType>"
    "<DoubleCam>0</DoubleCam>");

// Controls that hold the operator's choices, not the NVR's values: the
// channel shown, the brush and the copy targets of the plan, whether to take
// the local clock.
const QStringList kOperatorChoices{"comboBox_channel",   "checkBox_noRecord",     "checkBox_general",
                                   "checkBox_detection", "checkBox_intelligence", "checkBox_all",
                                   "gridWidget",         "checkBox_syncLocalTime"};

struct Surface
{
    QString name; // a page (its sub-tab button) or "users", "rights", "channels"
    unsigned read = 0;
    unsigned save = 0;
    Leaves expected; // what an untouched Save sends (sysTime, passWord apart)
};

Leaves without(Leaves l, const QStringList &keys, const Leaves &extra = {})
{
    for (const QString &key : keys)
        l.remove(key);
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        l.insert(it.key(), it.value());
    return l;
}

QList<Surface> surfaces()
{
    const Leaves time = without(leaves(kTime), {"sysTime"});
    const Leaves ann = without(leaves(kAnn), {}, {{"userNum", "1"}, {"operationType", "3"}});
    return {
        {"pushButtonBasicInfo", 14001, 14005, without(leaves(kBasic), {"languageList", "resolutionList"})},
        {"pushButtonDatetime", 14006, 14007, time},
        {"pushButtonDatetime, clock unreadable", 14006, 14007, time},
        {"pushButtonInternet", 13001, 13003, without(leaves(kNetwork), {"wifiEnable", "poeEnable", "qrCodeString"})},
        {"pushButtonPlan", 14104, 14105, {{"ChannelNum", "1"}, {"ID", "1"}, {"Schedule", kSchedule}}},
        {"pushButtonDisk", 14102, 14103, leaves(kPolicy)},
        {"users", 14013, 14014, without(ann, {"localAuthority", "remoteAuthority", "passWord"})},
        {"rights", 14013, 14014, without(ann, {"email"})},
        {"channels", 14203, 14204, without(leaves(kChannel3), {}, {{"ChannelCount", "1"}})},
    };
}

// What the operator does in a row of the operator table.
enum Act {
    SaveUntouched,   // opens the page or dialog and saves it untouched
    EditFirstTwin,   // edits the first of two accounts named alike
    RightsFirstTwin, // rights of the first of them
    DeleteFirstTwin, // deletes the first of them
    ModifyChannel,   // changes channel 3 untouched
    FormatFirstDisk,
    MinimiseRestore, // the window minimised and restored, then saved
    LockCancel,      // lock-screen dialog: a box clicked, then Cancel
    SummerCancel,    // daylight-saving dialog: offset typed, then Cancel
    SummerWheeled,   // daylight-saving dialog: the wheel over its controls, then OK
    TypeInto,        // types `typed` into the field `field`, then saves
    TypeThenDhcp,    // types `typed` into the field `field`, ticks DHCP, then saves
    ScheduleCopy,    // paints channel 02, copies it to 03, saves, saves again untouched
    ChooseFirst,     // the reported value shows as an item of its own; the first item is chosen
    SaveChannel,     // picks channel `typed` of a recorder with eight channels, saves it untouched
};

// Two accounts named alike; the first is switched off and has its own
// e-mail and rights.
const QString kTwin1 = QStringLiteral("<userName>twin</userName><passWord>pw-one</passWord><status>0</status>"
                                      "<email>one@example.com</email><localAuthority>101</localAuthority>"
                                      "<remoteAuthority></remoteAuthority>");
const QString kTwin2 = QStringLiteral("<userName>twin</userName><passWord>pw-two</passWord><status>1</status>"
                                      "<email>two@example.com</email><localAuthority>11111111</localAuthority>"
                                      "<remoteAuthority>1111111111</remoteAuthority>");
// A camera login as listed: blanks around the password, a 40-character user.
const QString kSpacedLogin = QString(kChannel3)
                                 .replace("<Username>cam</Username>", "<Username>" + QString(40, 'u') + "</Username>")
                                 .replace("<Password>cam-pw</Password>", "<Password> spaced pw </Password>");

} // namespace

Q_DECLARE_METATYPE(Surface)
Q_DECLARE_METATYPE(Act)

class TestNvrSurfaces : public QObject
{
    Q_OBJECT

    int m_nextHost = 1;
    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO *m_record = nullptr;
    std::unique_ptr<QWidget> m_open;
    QTranslator m_translator;
    bool m_masked = true;
    bool m_wheel = false;  // the wheel is turned over each dialog a Save opens
    QStringList m_wheeled; // what that changed

    template <class T> T *find(const char *name) const { return child<T>(m_open.get(), name); }
    bool flush() { return NvrWindowTest::flush(*m_nvr, *m_record); }
    void translate(const QString &language)
    {
        const QString file = language == QLatin1String("zh") ? QStringLiteral("Quorel_zh") : "quorel_" + language;
        QVERIFY(m_translator.load(QStringLiteral(":/language/Resources/language/%1.qm").arg(file)));
        QCoreApplication::installTranslator(&m_translator);
    }
    // The page a window button shows.
    QWidget *page(const QString &button) const
    {
        static const QHash<QString, const char *> pages{
            {"pushButtonDatetime", "PageDatetime"}, {"pushButtonInternet", "PageInternet"},
            {"pushButtonVersion", "PageVersion"},   {"pushButtonPlan", "pagePlan"},
            {"pushButtonDisk", "pageDisk"},         {"pushButtonBasicInfo", "PageBasic"}};
        return find<QWidget>(pages.value(button.section(',', 0, 0)));
    }

    // Opens the window on the page of a button, the user dialog or the
    // channel dialog, as the shell does; true once the read was answered.
    bool open(const QString &name, unsigned read)
    {
        if (name == QLatin1String("users") || name == QLatin1String("rights")) {
            auto *users = new CNVRUserManageDlg;
            m_open.reset(users);
            users->updateDevice(m_record);
            users->getUsers();
            users->resetHeaderCheckBox();
        } else if (name == QLatin1String("channels")) {
            auto *channels = new CNVRChannelManageDlg;
            m_open.reset(channels);
            channels->setDevInfo(m_record);
            channels->initChannelTable();
        } else {
            auto *window = new CNVRConfigSetting;
            m_open.reset(window);
            window->setDevInfo(m_record);
            // The sub-tabs of the storage pages sit on the storage page.
            if (name.startsWith(QLatin1String("pushButtonPlan")) || name.startsWith(QLatin1String("pushButtonDisk")))
                find<QPushButton>("pushButtonStorage")->click();
            find<QPushButton>(qPrintable(name.section(',', 0, 0)))->click();
        }
        static_cast<QDialog *>(m_open.get())->setModal(false);
        m_open->show();
        return waitFor([&] { return m_nvr->requestCount(read) > 0; }) && flush() && flush();
    }

    // Saves without touching anything (an account edit types its password);
    // check sees the Save button, or the dialog of the save before it closes.
    void save(const Surface &s, const std::function<void(QWidget *)> &check)
    {
        auto *table =
            s.name.startsWith(QLatin1String("pushButton")) ? nullptr : find<QTableWidget>("m_AddDevTableWidget");
        if (s.read == 14013) {
            const int row = CUserManageDlg::findRow(QStringLiteral("ann"), table, 0);
            if (row < 0)
                return;
            bool acted = false;
            onModal<QDialog>([&acted, check, this](QDialog *d) {
                if (m_wheel)
                    m_wheeled += Wheel::turnOverEach(d);
                // Passwords are masked while typed, with a view action; the
                // old one is ann's, the new one typed twice.
                for (QLineEdit *edit : d->findChildren<QLineEdit *>(QRegularExpression("Password|Old"))) {
                    m_masked = m_masked && edit->echoMode() == QLineEdit::Password && !edit->actions().isEmpty();
                    edit->setText(edit->objectName() == QLatin1String("lineEditOld") ? "pw-ann" : "pw-new");
                }
                d->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
                check(d);
                if (d->isVisible())
                    d->reject();
                acted = true;
            });
            QTest::mouseClick(
                child<QPushButton>(table->cellWidget(row, 4), s.name == "rights" ? "pushButtonAuth" : "pushButtonEdit"),
                Qt::LeftButton);
            QVERIFY(waitFor([&acted] { return acted; }));
        } else if (s.read == 14203) {
            if (!table->item(2, 0))
                return;
            table->item(2, 0)->setCheckState(Qt::Checked);
            find<QPushButton>("pushButtonModify")->click();
            CNVRChannelAddDevDlg *dlg = static_cast<CNVRChannelManageDlg *>(m_open.get())->deviceDialog();
            if (m_wheel)
                m_wheeled += Wheel::turnOverEach(dlg);
            child<QPushButton>(dlg, "m_OKBtn")->click();
            check(dlg);
        } else {
            for (auto *button :
                 page(s.name)->findChildren<QPushButton *>(QRegularExpression("^(m_btnSave|pushButton_?[sS]ave)$"))) {
                button->click();
                check(button);
            }
        }
    }

    // The account row the operator's button sits on, by the table's own order.
    QWidget *accountButton(int row, const char *name) const
    {
        auto *table = find<QTableWidget>("m_AddDevTableWidget");
        return table && table->cellWidget(row, 4) ? child<QPushButton>(table->cellWidget(row, 4), name) : nullptr;
    }

    // Runs what a row of the operator table does; the request that reaches
    // the NVR is looked at by the caller.
    void act(Act what, const QString &field, const QString &typed)
    {
        switch (what) {
        case SaveUntouched:
            break;
        case EditFirstTwin:
        case RightsFirstTwin: {
            bool done = false;
            onModal<QDialog>([&done](QDialog *d) {
                for (QLineEdit *edit : d->findChildren<QLineEdit *>(QRegularExpression("Password|Old")))
                    edit->setText(edit->objectName() == QLatin1String("lineEditOld") ? "pw-one" : "pw-new");
                d->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
                done = true;
            });
            QTest::mouseClick(accountButton(0, what == EditFirstTwin ? "pushButtonEdit" : "pushButtonAuth"),
                              Qt::LeftButton);
            QVERIFY(waitFor([&done] { return done; }));
            return;
        }
        case DeleteFirstTwin:
            onModal<QDialog>([](QDialog *d) { d->accept(); });
            QTest::mouseClick(accountButton(0, "pushButtonDelete"), Qt::LeftButton);
            return;
        case ModifyChannel: {
            find<QTableWidget>("m_AddDevTableWidget")->item(2, 0)->setCheckState(Qt::Checked);
            find<QPushButton>("pushButtonModify")->click();
            CNVRChannelAddDevDlg *dlg = static_cast<CNVRChannelManageDlg *>(m_open.get())->deviceDialog();
            QVERIFY(dlg->isVisible());
            child<QPushButton>(dlg, "m_OKBtn")->click();
            return;
        }
        case FormatFirstDisk:
            find<QTableWidget>("m_TableWidget")->item(0, 0)->setCheckState(Qt::Checked);
            onModal<QDialog>([](QDialog *d) { d->accept(); });
            find<QPushButton>("m_btnFormat")->click();
            return;
        case MinimiseRestore:
            m_open->hide();
            m_open->show();
            break;
        case LockCancel: {
            find<QPushButton>("m_btnSetting")->click();
            CNVRLockScreenDlg *dlg = find<CNVRBasicSetting>("PageBasic")->lockScreenDialog();
            QVERIFY(waitFor([dlg] { return dlg->isVisible(); }));
            child<QCheckBox>(dlg, "m_ChkBoxLockCurr")->click();
            child<QPushButton>(dlg, "m_CancelBtn")->click();
            break;
        }
        case SummerCancel: {
            find<QPushButton>("m_btnSummerTime")->click();
            CNVRSummerTimeDlg *dlg = find<CNVRDateSetting>("PageDatetime")->summerTimeDialog();
            QVERIFY(waitFor([dlg] { return dlg->isVisible(); }));
            NvrWindowTest::typeInto(child<QLineEdit>(dlg, "m_lineEditAdjust"), QStringLiteral("45"));
            NvrWindowTest::choose(child<QComboBox>(dlg, "m_StartTimeMonth"), 0);
            child<QPushButton>(dlg, "m_CancelBtn")->click();
            break;
        }
        case SummerWheeled: {
            find<QPushButton>("m_btnSummerTime")->click();
            CNVRSummerTimeDlg *dlg = find<CNVRDateSetting>("PageDatetime")->summerTimeDialog();
            QVERIFY(waitFor([dlg] { return dlg->isVisible(); }));
            const QStringList moved = Wheel::turnOverEach(dlg);
            QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral("; "))));
            child<QPushButton>(dlg, "m_OKBtn")->click();
            break;
        }
        case TypeInto:
        case TypeThenDhcp:
            NvrWindowTest::typeInto(find<QLineEdit>(qPrintable(field)), typed);
            if (what == TypeThenDhcp)
                QTest::mouseClick(find<QCheckBox>("m_ChkBoxDHCP"), Qt::LeftButton, {}, QPoint(4, 4));
            break;
        case ChooseFirst: {
            auto *combo = find<QComboBox>(qPrintable(field));
            QCOMPARE(combo->currentText(), typed);
            NvrWindowTest::choose(combo, 0);
            break;
        }
        case SaveChannel: {
            auto *channel = find<QComboBox>("comboBox_channel");
            QVERIFY(channel->findText(typed) >= 0);
            NvrWindowTest::choose(channel, channel->findText(typed));
            break;
        }
        case ScheduleCopy: {
            NvrWindowTest::choose(find<QComboBox>("comboBox_channel"), 1);
            find<QCheckBox>("checkBox_noRecord")->click();
            find<QPushButton>("pushButton_all")->click();
            auto *plan = find<CNVRStoragePlan>("pagePlan");
            plan->copyBoxes().at(2)->click();
            find<QPushButton>("pushButton_save")->click();
            QVERIFY(waitFor([this] { return m_nvr->requestCount(14105) == 1; }));
            const Leaves first = leaves(NvrWindowTest::lastBody(*m_nvr, 14105));
            QCOMPARE(first.value("ChannelNum"), QStringLiteral("2"));
            // Read back: the page stays on 02, the copy target is cleared.
            QVERIFY(waitFor([this, plan] { return m_nvr->requestCount(14104) == 1 && plan->isReadOk(); }));
            QCOMPARE(find<QComboBox>("comboBox_channel")->currentText(), QStringLiteral("02"));
            QVERIFY(!plan->copyBoxes().at(2)->isChecked());
            m_nvr->clearRequests();
            break;
        }
        }
        for (auto *button :
             m_open->findChildren<QPushButton *>(QRegularExpression("^(m_btnSave|pushButton_?[sS]ave)$"))) {
            if (button->isVisible())
                button->click();
        }
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        CNVRUserManageDlg::setDelays(10, 50);
        CNVRChannelManageDlg::setTimerLengths(10, 100, 100);
    }

    void init()
    {
        if (QByteArray(QTest::currentTestFunction()).startsWith("pure"))
            return;
        FUN_DEV_INFO record;
        QVERIFY(NvrWindowTest::startNvr(m_nvr, record, QStringLiteral("127.38.0.%1").arg(m_nextHost++)));
        record.channelNum = 4;
        record.cpu = QStringLiteral("HI3536");
        m_record = new FUN_DEV_INFO(record);
        DeviceInfoManager::instance()->addDevInfo(m_record);
        m_nvr->setStoredBody(14001, kBasic);
        m_nvr->setStoredBody(14006, kTime);
        m_nvr->setStoredBody(13001, kNetwork);
        m_nvr->setStoredBody(14102, kPolicy);
        // Channel 2 has no schedule.
        m_nvr->setStoredBody(14104, "<RecordMode>2</RecordMode><ChannelDetail><ID>1</ID><Schedule>" + kSchedule
                                        + "</Schedule></ChannelDetail>");
        const loginDev key = toLoginDev(m_record);
        for (const QString &account : {kAnn, kBob})
            KelvoSDKHelper::instance()->sendData(
                key, 14014,
                "<userNum>1</userNum><userAcount><operationType>1</operationType>" + account + "</userAcount>", 0);
        KelvoSDKHelper::instance()->sendData(
            key, 14204, "<ChannelCount>1</ChannelCount><ChannelInfo>" + kChannel3 + "</ChannelInfo>", 0);
        QVERIFY(flush());
    }

    void cleanup()
    {
        if (!m_nvr)
            return;
        QCoreApplication::removeTranslator(&m_translator);
        qApp->setStyleSheet(QString());
        ConfigReadRound::setTimeoutMs(6000);
        m_open.reset();
        closeToasts();
        DeviceInfoManager::instance()->deleteDevice(m_record->ip);
        m_nvr.reset();
    }

    void untouchedSave_data()
    {
        QTest::addColumn<Surface>("surface");
        QTest::addColumn<int>("condition");
        const QStringList conditions{"untouched", "language changed", "read failed", "offline",
                                     "wheel turned over every control"};
        for (const Surface &s : surfaces()) {
            for (int c : {Untouched, LanguageChanged, ReadFailed, Offline, Wheeled})
                QTest::newRow(qPrintable(s.name + ", " + conditions[c])) << s << c;
        }
    }

    void untouchedSave()
    {
        QFETCH(Surface, surface);
        QFETCH(int, condition);
        const bool noClock = surface.name.endsWith(QLatin1String("unreadable"));
        if (noClock) {
            m_nvr->setReplyRewrite(14006, [](const QString &reply) {
                return QString(reply)
                    .replace(QRegularExpression("<sysTime>[^<]*</sysTime>"), "<sysTime>24:61</sysTime>")
                    .toUtf8();
            });
        }
        if (condition == ReadFailed)
            m_nvr->setForcedResult(surface.read, 5);
        QVERIFY(open(surface.name, surface.read));
        // A failed read is said.
        QCOMPARE(toastTexts().isEmpty(), condition != ReadFailed);
        if (condition == LanguageChanged)
            translate(QStringLiteral("ru"));
        if (condition == Offline) {
            m_nvr->setRefuseConnections(true);
            m_nvr->dropConnections();
            QVERIFY(waitFor([this] { return !KelvoSDKHelper::instance()->isConnected(toLoginDev(m_record)); }));
        }
        m_wheel = condition == Wheeled;
        m_wheeled.clear();
        if (m_wheel)
            m_wheeled = Wheel::turnOverEach(m_open.get());
        closeToasts();
        m_nvr->clearRequests();
        bool usable = false; // the page's Save, or the dialog left open
        bool said = false;   // the failure toast while it was open
        save(surface, [&](QWidget *w) {
            usable = w->isVisible() && w->isEnabled();
            // The pages say the NVR is offline; the dialogs, that it failed.
            said = toastTexts().contains(SharedTexts::configFailedText())
                   || toastTexts().contains(ConfigConversation::offlineText());
        });
        if (condition == ReadFailed) {
            QVERIFY(flush());
            QCOMPARE(m_nvr->requestCount(surface.save), 0);
            QVERIFY(!usable);
            // A page never read shows no value, rather than what its controls were built with.
            if (QWidget *never = page(surface.name))
                QCOMPARE(shownValues(never, kOperatorChoices), QStringList());
            return;
        }
        if (condition == Offline) {
            // Said on Save; a page keeps its values, a dialog what was typed.
            QVERIFY(said && usable);
            if (surface.name.startsWith(QLatin1String("pushButton"))) {
                // A page asked for meanwhile says so and shows nothing as the NVR's.
                closeToasts();
                find<QPushButton>(qPrintable(surface.name.section(',', 0, 0)))->click();
                QVERIFY(toastTexts().contains(SharedTexts::readFailedText()));
                QVERIFY(!page(surface.name)->isEnabled());
            }
            return;
        }
        QVERIFY(waitFor([&] { return m_nvr->requestCount(surface.save) == 1; }));
        Leaves sent = leaves(NvrWindowTest::lastBody(*m_nvr, surface.save));
        if (noClock) {
            // Said as unknown, and sent back as it came.
            QCOMPARE(find<QDateTimeEdit>("m_dateTimeEditSystemTime")->text(), CNVRDateSetting::tr("Unknown"));
            QCOMPARE(sent.take(QStringLiteral("sysTime")), QStringLiteral("24:61"));
        } else if (surface.read == 14006) {
            // The NVR's clock runs five hours ahead of the host's.
            const QDateTime clock = QDateTime::fromString(sent.take(QStringLiteral("sysTime")), "yyyy-MM-dd HH:mm:ss");
            QVERIFY(qAbs(clock.secsTo(QDateTime::currentDateTime().addSecs(5 * 3600))) < 60);
        } else if (surface.name == QLatin1String("users")) {
            QCOMPARE(sent.take(QStringLiteral("passWord")), QStringLiteral("pw-new"));
            QVERIFY(m_masked);
        }
        QCOMPARE(sent, surface.expected);
        if (surface.read == 14203) {
            // Two channels on one camera are two rows; the next add starts
            // from the defaults, not from the changed channel.
            auto *table = find<QTableWidget>("m_AddDevTableWidget");
            auto *channels = static_cast<CNVRChannelManageDlg *>(m_open.get());
            QVERIFY(waitFor([=] { return table->item(0, 3) && table->item(2, 3) && !channels->isSearching(); }));
            QCOMPARE(table->item(2, 3)->text(), table->item(0, 3)->text());
            find<QPushButton>("m_ManualAddDevBtn")->click();
            CNVRChannelAddDevDlg *add = channels->deviceDialog();
            QVERIFY(add->isVisible() && !add->isModify());
            QCOMPARE(child<QLineEdit>(add, "m_IPAddrlineEdit")->text(), QString());
        }
        if (surface.read == 14104) {
            // A channel without a schedule shows none and saves nothing.
            QVERIFY(flush());
            find<QComboBox>("comboBox_channel")->setCurrentIndex(1);
            QString grid;
            find<StoragePlanTableView>("tableWidget")->getRecordInfo(grid);
            QCOMPARE(grid, QString(336, '0'));
            find<QPushButton>("pushButton_save")->click();
            QVERIFY(flush());
            QCOMPARE(m_nvr->requestCount(14105), 1);
        }
        if (m_wheel) {
            QVERIFY2(m_wheeled.isEmpty(), qPrintable(m_wheeled.join(QStringLiteral("; "))));
            // In hand, a control of the NVR's values steps with the wheel
            // (the network and schedule pages hold none the operator steps).
            QWidget *control = surface.name.startsWith(QLatin1String("pushButton"))
                                   ? Wheel::firstSteppable(page(surface.name), kOperatorChoices)
                                   : nullptr;
            if (control) {
                QVERIFY2(Wheel::takeInHand(control), qPrintable(control->objectName()));
                QVERIFY2(Wheel::changes(control), qPrintable(control->objectName()));
            }
        }
    }

    // What the operator does reaches the NVR as listed: the account, disk
    // and channel he chose, every value he left alone as it came, nothing
    // after a read that failed, came without the page's elements or never
    // came, and nothing he typed that its field does not take.
    void operatorRows_data()
    {
        QTest::addColumn<QString>("open");  // window button, "users" or "channels"
        QTest::addColumn<unsigned>("read"); // the read whose reply is seeded
        QTest::addColumn<QString>("reply"); // the body it answers with; "-": never answers
        QTest::addColumn<int>("act");
        QTest::addColumn<QString>("field");    // TypeInto: the field
        QTest::addColumn<QString>("typed");    // TypeInto: the text
        QTest::addColumn<unsigned>("save");    // the command the act sends
        QTest::addColumn<QString>("expected"); // its body as the NVR must get it; empty: nothing, said
        const QString users = "<userAcount>" + kTwin1 + "</userAcount><userAcount>" + kTwin2 + "</userAcount>";
        const QString twin1 = "<userNum>1</userNum><userAcount><operationType>%1</operationType>" + kTwin1;
        QString edited = twin1.arg(3);
        edited.replace("<passWord>pw-one</passWord>", "<passWord>pw-new</passWord>")
            .remove(QRegularExpression("<(local|remote)Authority>[^<]*</\\1>"));
        const QString blanks = QString::fromUtf8(
            "<language>1</language><languageList>English,(简体中文)</languageList><transparency></transparency>"
            "<resolutionList>1280*720</resolutionList><resolution>1280*720</resolution>"
            "<lockScreenTime>05</lockScreenTime><lockScreenOp></lockScreenOp><guideEnable> </guideEnable>"
            "<autoAddIpc></autoAddIpc>");
        const QString disks = QStringLiteral(
            "<DeviceInfo><DevIndex>02</DevIndex><VerifyMark>3000000000</VerifyMark><DevName>/dev/sdb-2</DevName>"
            "<Mounted>1</Mounted><Total>1000</Total><Used>10</Used><Status>0</Status></DeviceInfo>"
            "<DeviceInfo><DevIndex>2</DevIndex><VerifyMark>0</VerifyMark><DevName>/dev/sdc-3</DevName>"
            "<Mounted>1</Mounted><Total>1000</Total><Used>10</Used><Status>0</Status></DeviceInfo>");
        QString timeSupported = kTime;
        timeSupported.remove(QRegularExpression("<summertime>.*</summertime>"))
            .replace("</timeConfig>", "<summertimeSupported>1</summertimeSupported></timeConfig>");
        const QString noSummer = QString(timeSupported).remove(QRegularExpression("<summertimeSupported>.*d>"));
        QString basic = kBasic;
        basic.remove(QRegularExpression("<(languageList|resolutionList)>[^<]*</\\1>"));
        auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
        row("two accounts alike: edit the first")
            << "users" << 14013u << users << int(EditFirstTwin) << ""
            << "" << 14014u
            << edited.remove(QRegularExpression("<email>.*")) + "<email>one@example.com</email></userAcount>";
        row("two accounts alike: rights of the first")
            << "users" << 14013u << users << int(RightsFirstTwin) << ""
            << "" << 14014u << twin1.arg(3).remove(QRegularExpression("<email>[^<]*</email>")) + "</userAcount>";
        row("two accounts alike: delete the first") << "users" << 14013u << users << int(DeleteFirstTwin) << ""
                                                    << "" << 14014u << twin1.arg(2) + "</userAcount>";
        row("list without accounts") << "users" << 14013u << "" << int(SaveUntouched) << ""
                                     << "" << 14014u << "";
        row("camera login spaced and long")
            << "channels" << 14203u << "<ChannelInfo>" + kSpacedLogin + "</ChannelInfo>" << int(ModifyChannel) << ""
            << "" << 14204u << "<ChannelCount>1</ChannelCount><ChannelInfo>" + kSpacedLogin + "</ChannelInfo>";
        row("disk listed 02, mark beyond int")
            << "pushButtonDisk" << 14100u << disks << int(FormatFirstDisk) << ""
            << "" << 14101u << "<DevIndex>02</DevIndex><VerifyMark>3000000000</VerifyMark>";
        row("basic: blanks and 05 as listed")
            << "pushButtonBasicInfo" << 14001u << blanks << int(SaveUntouched) << ""
            << "" << 14005u << QString(blanks).remove(QRegularExpression("<(languageList|resolutionList)>[^<]*</\\1>"));
        row("basic: empty body") << "pushButtonBasicInfo" << 14001u << "" << int(SaveUntouched) << ""
                                 << "" << 14005u << "";
        row("basic: lock screen Cancel") << "pushButtonBasicInfo" << 14001u << kBasic << int(LockCancel) << ""
                                         << "" << 14005u << basic;
        for (const char *typed : {"abc", "-5", "99999999999", ""})
            row(qPrintable(QStringLiteral("basic: lock time \"%1\"").arg(typed)))
                << "pushButtonBasicInfo" << 14001u << kBasic << int(TypeInto) << "m_lineLockScreen" << typed << 14005u
                << "";
        row("basic: transparency 7, then Opaque chosen")
            << "pushButtonBasicInfo" << 14001u << QString(kBasic).replace("<transparency>2<", "<transparency>7<")
            << int(ChooseFirst) << "m_cbxTransparency"
            << "7" << 14005u << QString(basic).replace("<transparency>2<", "<transparency>0<");
        row("policy: 5, then Cover chosen")
            << "pushButtonDisk" << 14102u << "<StoragePolicy>5</StoragePolicy><noHDDPrompt>1</noHDDPrompt>"
            << int(ChooseFirst) << "m_cbxHardDiskFull"
            << "5" << 14103u << "<StoragePolicy>0</StoragePolicy><noHDDPrompt>1</noHDDPrompt>";
        row("basic: never answered") << "pushButtonBasicInfo" << 14001u << "-" << int(SaveUntouched) << ""
                                     << "" << 14005u << "";
        row("date: cut to its clock") << "pushButtonDatetime" << 14006u
                                      << "<timeConfig><sysTime></sysTime></timeConfig>" << int(SaveUntouched) << ""
                                      << "" << 14007u << "";
        row("date: summertimeSupported is no rule")
            << "pushButtonDatetime" << 14006u << timeSupported << int(SaveUntouched) << ""
            << "" << 14007u << noSummer;
        row("date: minimised and restored") << "pushButtonDatetime" << 14006u << kTime << int(MinimiseRestore) << ""
                                            << "" << 14007u << kTime;
        row("date: daylight-saving Cancel") << "pushButtonDatetime" << 14006u << kTime << int(SummerCancel) << ""
                                            << "" << 14007u << kTime;
        row("date: daylight-saving wheeled over, OK")
            << "pushButtonDatetime" << 14006u << kTime << int(SummerWheeled) << ""
            << "" << 14007u << kTime;
        row("date: sync every 999999999 hours")
            << "pushButtonDatetime" << 14006u << kTime << int(TypeInto) << "m_lineIPCTiming"
            << "999999999" << 14007u << "";
        row("network: garbage without TCPIP")
            << "pushButtonInternet" << 13001u << "<x>1</x>" << int(SaveUntouched) << ""
            << "" << 13003u << "";
        for (const char *typed : {"999.1.1.1", "", "1.2.3"})
            row(qPrintable(QStringLiteral("network: address \"%1\"").arg(typed)))
                << "pushButtonInternet" << 13001u << kNetwork << int(TypeInto) << "m_lineEditIPAddress" << typed
                << 13003u << "";
        // Typed addresses are judged as typed, DHCP or not; untouched ones go
        // back as the NVR reported them, odd ones (and the MTU) included.
        const QString quirky = QString(kNetwork).replace("<standbyDNS>127.0.0.2<", "<standbyDNS>127.000.0.02<");
        const QString sent =
            QString(quirky).remove(QRegularExpression("<(wifiEnable|poeEnable|qrCodeString)>[^<]*</\\1>"));
        const QList<std::tuple<const char *, int, const char *, const char *, QString>> addresses{
            {"network: DHCP, typed address 999.1.1.1", TypeThenDhcp, "m_lineEditIPAddress", "999.1.1.1", ""},
            {"network: DHCP, typed address", TypeThenDhcp, "m_lineEditIPAddress", "127.0.0.9",
             QString(sent).replace("<DHCPMode>0<", "<DHCPMode>1<").replace("<IP>127.0.0.1<", "<IP>127.0.0.9<")},
            {"network: DNS 8.8.8.08", TypeInto, "m_lineEditFirstDNS", "8.8.8.08", ""},
            {"network: DHCP, DNS 8.8.8.08", TypeThenDhcp, "m_lineEditFirstDNS", "8.8.8.08", ""},
            {"network: mask with holes", TypeInto, "m_lineEditSubnetMask", "255.0.0.255", ""},
            {"network: DNS typed, the rest as reported", TypeInto, "m_lineEditFirstDNS", "8.8.8.8",
             QString(sent).replace("<preferredDNS>127.0.0.1<", "<preferredDNS>8.8.8.8<")},
        };
        for (const auto &a : addresses)
            row(std::get<0>(a)) << "pushButtonInternet" << 13001u << quirky << std::get<1>(a) << std::get<2>(a)
                                << std::get<3>(a) << 13003u << std::get<4>(a);
        row("policy: never answered") << "pushButtonDisk" << 14102u << "-" << int(SaveUntouched) << ""
                                      << "" << 14103u << "";
        row("policy: empty body") << "pushButtonDisk" << 14102u << "" << int(SaveUntouched) << ""
                                  << "" << 14103u << "";
        row("policy: blanks as listed") << "pushButtonDisk" << 14102u
                                        << "<StoragePolicy></StoragePolicy><noHDDPrompt> </noHDDPrompt>"
                                        << int(SaveUntouched) << ""
                                        << "" << 14103u
                                        << "<StoragePolicy></StoragePolicy><noHDDPrompt> </noHDDPrompt>";
        row("schedule: channel 05 as listed") << "pushButtonPlan" << 14104u
                                              << "<RecordMode>4</RecordMode><ChannelDetail><ID>05</ID><Schedule>"
                                                     + kSchedule + "</Schedule></ChannelDetail>"
                                              << int(SaveChannel) << "comboBox_channel"
                                              << "05" << 14105u
                                              << "<ChannelNum>1</ChannelNum><ChannelDetail><ID>05</ID><Schedule>"
                                                     + kSchedule + "</Schedule></ChannelDetail>";
        row("schedule: saved on 02, copies cleared")
            << "pushButtonPlan" << 14104u
            << "<RecordMode>4</RecordMode><ChannelDetail><ID>1</ID><Schedule>" + kSchedule
                   + "</Schedule></ChannelDetail><ChannelDetail><ID>2</ID><Schedule>" + kSchedule
                   + "</Schedule></ChannelDetail>"
            << int(ScheduleCopy) << ""
            << "" << 14105u
            << "<ChannelNum>1</ChannelNum><ChannelDetail><ID>2</ID><Schedule>" + QString(336, '0')
                   + "</Schedule></ChannelDetail>";
    }

    void operatorRows()
    {
        QFETCH(QString, open);
        QFETCH(unsigned, read);
        QFETCH(QString, reply);
        QFETCH(int, act);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(unsigned, save);
        QFETCH(QString, expected);
        ConfigReadRound::setTimeoutMs(1500);
        if (reply == QLatin1String("-"))
            m_nvr->setCommandSilent(read, true);
        else if (read == 14013 || read == 14203)
            m_nvr->setReplyRewrite(
                read, [read, reply](const QString &) { return SimDevice::envelope(read, 0, reply, 0).toUtf8(); });
        else
            m_nvr->setStoredBody(read, reply);
        if (act == SaveChannel) {
            m_record->channelNum = 8;
            m_nvr->state().maxChannels = 8;
        }
        const bool page = open.startsWith(QLatin1String("pushButton"));
        if (page) {
            auto *window = new CNVRConfigSetting;
            m_open.reset(window);
            window->setDevInfo(m_record);
            if (open == QLatin1String("pushButtonPlan") || open == QLatin1String("pushButtonDisk"))
                find<QPushButton>("pushButtonStorage")->click();
            find<QPushButton>(qPrintable(open))->click();
            static_cast<QDialog *>(m_open.get())->setModal(false);
            m_open->show();
        } else {
            QVERIFY(this->open(open, read));
        }
        QVERIFY(waitFor([&] { return m_nvr->requestCount(read) > 0; }) && flush() && flush());
        const bool typing = act == TypeInto || act == TypeThenDhcp;
        // A failed read is said: at once, or once the round gave up waiting.
        if (expected.isEmpty() && !typing)
            QVERIFY(waitFor([] {
                // The page's first read unanswered too: said as out of step.
                return toastTexts().contains(SharedTexts::readFailedText())
                       || toastTexts().contains(ConfigConversation::outOfStepText());
            }));
        closeToasts();
        m_nvr->clearRequests();
        this->act(Act(act), field, typed);
        QVERIFY(flush());
        if (expected.isEmpty()) {
            QCOMPARE(m_nvr->requestCount(save), 0);
            // What was typed stays, and what is wrong with it is said.
            if (typing) {
                auto *typedField = find<QLineEdit>(qPrintable(field));
                QCOMPARE(typedField->text(), typed);
                // On the network page the one text fits several fields: the
                // mark says which, with the focus, or with the toast's word
                // for a field DHCP greyed.
                const bool network = open == QLatin1String("pushButtonInternet");
                const bool greyed = network && act == TypeThenDhcp;
                const QString name = field == QLatin1String("m_lineEditIPAddress") ? "IP Address" : "Primary DNS";
                QVERIFY2(toastTexts().contains(SharedTexts::invalidFormatText() + (greyed ? ": " + name : QString())),
                         qPrintable(toastTexts().join('|')));
                if (network && !greyed)
                    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(typedField));
                for (QLineEdit *edit : typedField->parentWidget()->findChildren<QLineEdit *>())
                    QVERIFY2(framedRed(edit) == (network && edit == typedField), qPrintable(edit->objectName()));
            }
            ConfigReadRound::setTimeoutMs(6000);
            return;
        }
        QVERIFY(waitFor([&] { return m_nvr->requestCount(save) == 1; }));
        Leaves sent = leaves(NvrWindowTest::lastBody(*m_nvr, save));
        Leaves wanted = leaves(expected);
        if (save == 14007) {
            sent.remove(QStringLiteral("sysTime"));
            wanted.remove(QStringLiteral("sysTime"));
            // No rule read, none sent.
            QCOMPARE(NvrWindowTest::lastBody(*m_nvr, save).contains(QLatin1String("<summertime>")),
                     expected.contains(QLatin1String("<summertime>")));
        }
        QCOMPARE(sent, wanted);
        ConfigReadRound::setTimeoutMs(6000);
    }

    void nothingCut_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("surface");
        for (const char *language : {"en", "ru", "cz", "zh", "ida"}) {
            for (const char *surface :
                 {"pushButtonBasicInfo", "pushButtonBasicInfo/lock screen", "pushButtonBasicInfo/marks",
                  "pushButtonDatetime", "pushButtonDatetime/summer time", "pushButtonInternet",
                  "pushButtonInternet/qr code", "pushButtonVersion", "pushButtonPlan", "pushButtonDisk", "users",
                  "users/edit user", "users/add user", "users/rights", "users/read failed", "channels",
                  "channels/manual add", "channels/channel address", "channels/read failed"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(language, surface))) << language << surface;
            // A read never answered: the marks' longest words.
            for (const char *surface : {"users/read unanswered", "channels/read unanswered"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(language, surface))) << language << surface;
        }
    }

    // With the client's look: style sheet and font.
    void nothingCut()
    {
        QFETCH(QString, language);
        QFETCH(QString, surface);
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPixelSize(14);
        QApplication::setFont(font);
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
        translate(language);
        // A dialog is shown over the page or dialog before the slash.
        const QString opened = surface.section('/', 0, 0);
        const QString dialog = surface.section('/', 1);
        const unsigned read = opened == "users" ? 14013 : opened == "channels" ? 14203 : 14001;
        if (dialog == QLatin1String("read failed"))
            m_nvr->setReplyRewrite(read, SimHostile::rewrite(SimHostile::CutShort), 1);
        // A read never answered: the marks' longest words, wrapped.
        const bool unanswered = dialog == QLatin1String("read unanswered");
        if (unanswered) {
            ConfigReadRound::setTimeoutMs(500);
            m_nvr->planReplies(read, {-1});
        }
        QVERIFY(open(opened, read));
        const NvrBodies::Values ann = leaves(kAnn);
        QWidget *shown = m_open.get();
        // The page's marks: a Save the NVR refused, then reads it does not
        // answer. They have a room of their own, above the page's texts, and
        // move nothing of it; a list that could not be read has its mark and
        // the way back beside it.
        QWidget *marks = nullptr;
        QMap<QString, QRect> places;
        if (dialog.startsWith(QLatin1String("read "))) {
            marks = shown->findChild<QWidget *>(QStringLiteral("widgetListMarks"));
            if (unanswered) {
                QVERIFY(waitFor([marks] {
                    auto *said = marks->findChild<QLabel *>(QStringLiteral("labelReadFailed"));
                    return said && said->isVisible()
                           && (said->text() == ConfigConversation::outOfStepText()
                               || said->text() == ConfigConversation::stoppedAnsweringText());
                }));
                ConfigReadRound::setTimeoutMs(6000);
            }
        } else if (dialog == QLatin1String("marks")) {
            marks = find<CNVRBasicSetting>("PageBasic");
            m_open->show();
            QTRY_VERIFY_WITH_TIMEOUT(marks->isEnabled(), 10000);
            places = placesOf(marks);
            m_nvr->setForcedResult(14005, 5);
            QTest::mouseClick(marks->findChild<QPushButton *>(QStringLiteral("m_btnSave")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(ConfigPageMarks::of(marks)->notSavedShown(), 10000);
            ConfigReadRound::setTimeoutMs(500);
            m_nvr->planReplies(14001, {-1});
            for (int read = 0; read < 2; ++read) {
                QTest::mouseClick(find<QPushButton>("pushButtonBasicInfo"), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(ConfigPageMarks::of(marks)->readFailureShown() && !marks->isEnabled(), 10000);
            }
            ConfigReadRound::setTimeoutMs(6000);
        } else if (dialog == QLatin1String("lock screen"))
            shown = find<CNVRBasicSetting>("PageBasic")->lockScreenDialog();
        else if (dialog == QLatin1String("summer time"))
            shown = find<CNVRDateSetting>("PageDatetime")->summerTimeDialog();
        else if (dialog == QLatin1String("qr code"))
            shown = new CNVRDrawQRcode(m_open.get());
        else if (dialog == QLatin1String("rights"))
            shown = new CNVRAuthSetting(m_open.get());
        else if (dialog.endsWith(QLatin1String(" user")))
            shown = new CNVREditClientUserDlg(m_open.get(), QString());
        else if (dialog == QLatin1String("manual add"))
            shown = static_cast<CNVRChannelManageDlg *>(m_open.get())->deviceDialog();
        else if (dialog == QLatin1String("channel address"))
            shown = static_cast<CNVRChannelManageDlg *>(m_open.get())->ipDialog();
        if (auto *qr = qobject_cast<CNVRDrawQRcode *>(shown))
            qr->setQRcode(QStringLiteral("https://bind.invalid/SIM"));
        if (auto *rights = qobject_cast<CNVRAuthSetting *>(shown))
            rights->setAuthInfo(m_record, ann);
        if (auto *edit = qobject_cast<CNVREditClientUserDlg *>(shown))
            dialog == QLatin1String("edit user") ? edit->setUserInfo(m_record, ann)
                                                 : edit->initAccount(m_record, QString());
        if (auto *add = qobject_cast<CNVRChannelAddDevDlg *>(shown))
            add->setChannelId(1);
        if (auto *address = qobject_cast<CNVRChannelModifyIPDlg *>(shown))
            address->setDevInfo({{"IPAddress", "127.77.0.16"},
                                 {"Netmask", "255.255.255.0"},
                                 {"Gateway", "127.77.0.1"},
                                 {"Username", "admin"},
                                 {"Password", "402917"},
                                 {"Protocol", "BRELON"}},
                                m_record);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY(flush());
        QVERIFY2(shown->width() <= 1280 && shown->height() <= 720, qPrintable(QString::number(shown->width())));
        QVERIFY(!marks || waitFor([marks] {
            QPushButton *back = ConfigPageMarks::of(marks)->reconnectButton();
            return back && back->isVisible();
        }));
        NvrWindowTest::saveShot(
            shown, QStringLiteral("%1_%2.png").arg(language, dialog.isEmpty() ? surface : dialog).replace(' ', '_'));
        QStringList cut = cutTexts(shown) + TextsWhole::cutTexts(shown) + TextsWhole::outOfView(shown);
        if (marks)
            cut += TextsWhole::marksCovering(marks);
        if (!places.isEmpty() && placesOf(marks) != places)
            cut << QStringLiteral("the page moved");
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void readMovesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<unsigned>("read");
        QTest::addColumn<QString>("pageName");
        // A widget the read shows or hides.
        QTest::addColumn<QString>("widget");
        QTest::addColumn<bool>("shownAfter");
        QTest::newRow("basic: debug level") << "pushButtonBasicInfo" << 14001u << "PageBasic"
                                            << "comboBoxLogLevel" << true;
        QTest::newRow("date: summer time for the formats") << "pushButtonDatetime" << 14006u << "PageDatetime"
                                                           << "m_cbxDateFormate" << false;
    }

    // NVR pages show their rows where they will be once read: a row an NVR
    // reports (or does not) keeps its room before, so Save and the rest stay
    // where the operator saw them when the read comes.
    void readMovesNothing()
    {
        QFETCH(QString, button);
        QFETCH(unsigned, read);
        QFETCH(QString, pageName);
        QFETCH(QString, widget);
        QFETCH(bool, shownAfter);
        m_nvr->planReplies(read, {SimDevice::Held});
        QVERIFY(open(button, read));
        auto *page = find<QWidget>(qPrintable(pageName));
        auto *changing = find<QWidget>(qPrintable(widget));
        QCOMPARE(changing->isVisibleTo(page), !shownAfter);
        const auto places = [page] {
            QMap<QString, QRect> at;
            for (QWidget *w : page->findChildren<QWidget *>()) {
                if ((qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)
                     || qobject_cast<QLineEdit *>(w))
                    && !w->objectName().isEmpty() && w->isVisibleTo(page))
                    at.insert(w->objectName(), QRect(w->mapTo(page, QPoint(0, 0)), w->size()));
            }
            return at;
        };
        const QMap<QString, QRect> before = places();
        QVERIFY(m_nvr->releaseHeld(read));
        QTRY_COMPARE_WITH_TIMEOUT(changing->isVisibleTo(page), shownAfter, 10000);
        QVERIFY(flush());
        const QMap<QString, QRect> after = places();
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (after.contains(it.key()))
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
    }

    // Each body read from a reply and built again, without a window: the
    // texts come back as they were, markup escaped once.
    void pureBodies()
    {
        const auto reply = [](const QString &body) { return SimDevice::envelope(1, 0, body, 0); };
        QString basic = kBasic;
        basic.remove(QRegularExpression("<(languageList|resolutionList)>[^<]*</\\1>"));
        QCOMPARE(NvrBodies::basicBody(NvrBodies::readBasic(reply(kBasic)), true), basic);
        const NvrBodies::TimeConfig time = NvrBodies::readTimeConfig(reply(kTime));
        QCOMPARE(NvrBodies::timeConfigBody(time.values, &time.summer), kTime);
        const NvrBodies::NetConfig net = NvrBodies::readNetConfig(reply(kNetwork));
        QCOMPARE(NvrBodies::netConfigBody(net.tcpip, net.body),
                 QString(kNetwork).remove(QRegularExpression("<(wifiEnable|poeEnable|qrCodeString)>[^<]*</\\1>")));
        const QString markup = QStringLiteral("<Username>a&amp;b&lt;c</Username>");
        const QString channel = QString(kChannel3).replace("<Username>cam</Username>", markup);
        const QString added = NvrBodies::channelAddBody(
            NvrBodies::readChannels(reply("<ChannelInfo>" + channel + "</ChannelInfo>"), 8), {2});
        QCOMPARE(QRegularExpression("<Username>.*</Username>").match(added).captured(), markup);
        const QList<NvrBodies::Values> accounts =
            NvrBodies::readAccounts(reply("<userAcount>" + kAnn + "</userAcount>"), 8);
        QCOMPARE(NvrBodies::deleteRecord(accounts.value(0)),
                 "<userAcount><operationType>2</operationType>" + kAnn + "</userAcount>");
        const QString detail = "<ChannelDetail><ID>7</ID><Schedule>" + kSchedule + "</Schedule></ChannelDetail>";
        const NvrBodies::Schedules plans = NvrBodies::readSchedules(reply("<RecordMode>2</RecordMode>" + detail), 8);
        QCOMPARE(NvrBodies::scheduleBody({{7, plans.byChannel.value(7)}}), "<ChannelNum>1</ChannelNum>" + detail);

        // The reported text while the operator did not act on the control;
        // the control's once he did, or when the NVR reported nothing.
        const QString key = QStringLiteral("timeFormat");
        QComboBox format;
        format.addItems({QStringLiteral("24-hour"), QStringLiteral("12-hour")});
        OperatorEdits reported;
        reported.watch(key, &format);
        {
            const OperatorEdits::Filling filling(reported);
            reported.setReported({{key, QStringLiteral("2")}});
            format.setCurrentIndex(-1);
        }
        QCOMPARE(reported.send(key, QString::number(format.currentIndex())), QStringLiteral("2"));
        format.setCurrentIndex(1);
        QCOMPARE(reported.send(key, QString::number(format.currentIndex())), QStringLiteral("2"));
        emit format.activated(1);
        QCOMPARE(reported.send(key, QString::number(format.currentIndex())), QStringLiteral("1"));
        reported.clearReported();
        reported.reset();
        QCOMPARE(reported.send(key, QStringLiteral("-1")), QStringLiteral("-1"));
    }
};

QTEST_MAIN(TestNvrSurfaces)
#include "tst_nvrsurfaces.moc"
