// Every page and dialog of the NVR configuration in each of the client's
// languages, with its look (style sheet, font), filled from a simulated NVR:
// no label, button, tick box, choice or column header is cut, and every
// window fits a 1280 x 720 screen. With KELVO_SCREENSHOT_DIR set, each is
// saved there as <language>_<surface>.png.

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
#include "CNVRSummerTimeDlg.h"
#include "CNVRUserManageDlg.h"
#include "DeviceInfoManager.h"
#include "NvrWindowTestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>

using namespace DevicePagesTest;

namespace {

// Texts of a window that do not fit the room they are given.
QStringList cutTexts(QWidget *root)
{
    QStringList cut;
    const auto report = [&cut](const QWidget *w, const QString &text) {
        cut << QStringLiteral("%1 \"%2\" (%3 px)").arg(w->objectName(), text).arg(w->width());
    };
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(root) || w->window() != root->window())
            continue;
        const QFontMetrics fm(w->font());
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const QString text = label->text();
            if (text.isEmpty() || label->wordWrap() || Qt::mightBeRichText(text))
                continue;
            if (text.endsWith(QChar(0x2026)) || fm.horizontalAdvance(text) > label->contentsRect().width() + 1)
                report(label, text);
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            if (!box->text().isEmpty() && box->sizeHint().width() > box->width())
                report(box, box->text());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            if (!button->text().isEmpty()
                && (button->text().endsWith(QChar(0x2026)) || button->sizeHint().width() > button->width() + 2))
                report(button, button->text());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            if (fm.horizontalAdvance(combo->currentText()) > field.width() + 1)
                report(combo, combo->currentText());
        } else if (auto *view = qobject_cast<QTableView *>(w)) {
            const QHeaderView *header = view->horizontalHeader();
            for (int c = 0; c < header->count(); ++c) {
                if (!header->isSectionHidden(c) && header->sectionSize(c) < header->sectionSizeHint(c))
                    report(view, view->model()->headerData(c, Qt::Horizontal).toString());
            }
        }
    }
    return cut;
}

} // namespace

class TestNvrTexts : public QObject
{
    Q_OBJECT

    int m_nextHost = 1;
    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO *m_record = nullptr;
    std::unique_ptr<QWidget> m_owner;
    QTranslator m_translator;

    bool flush() { return NvrWindowTest::flush(*m_nvr, *m_record); }

    // Opens the surface as an operator would see it; returns its window.
    QWidget *open(const QString &surface)
    {
        const QHash<QString, QString> camera {{"IPAddress", "127.77.0.16"}, {"Netmask", "255.255.255.0"},
                                              {"Gateway", "127.77.0.1"}, {"Username", "admin"},
                                              {"Password", "402917"}, {"Protocol", "BRELON"}};
        const QHash<QString, QString> account {{"userName", "ann"}, {"passWord", "pw-ann"}, {"status", "1"},
                                               {"localAuthority", "11111111"}, {"remoteAuthority", "1111111111"}};
        if (surface == QLatin1String("users") || surface.endsWith(QLatin1String("user"))
            || surface == QLatin1String("rights")) {
            auto *users = new CNVRUserManageDlg;
            m_owner.reset(users);
            users->setModal(false);
            users->updateDevice(m_record);
            users->getUsers();
            users->resetHeaderCheckBox();
            if (surface == QLatin1String("users"))
                return users;
            if (surface == QLatin1String("rights")) {
                auto *rights = new CNVRAuthSetting(users);
                rights->setAuthInfo(m_record, account);
                return rights;
            }
            auto *edit = new CNVREditClientUserDlg(users, QString());
            if (surface == QLatin1String("edit user"))
                edit->setUserInfo(m_record, account);
            else
                edit->initAccount(m_record, QString());
            return edit;
        }
        if (surface.startsWith(QLatin1String("channel")) || surface == QLatin1String("manual add")) {
            auto *channels = new CNVRChannelManageDlg;
            m_owner.reset(channels);
            channels->setDevInfo(m_record);
            channels->initChannelTable();
            channels->on_pushButtonRefresh_clicked();
            if (surface == QLatin1String("manual add")) {
                channels->deviceDialog()->setChannelId(2);
                return channels->deviceDialog();
            }
            if (surface == QLatin1String("channel address")) {
                channels->ipDialog()->setDevInfo(camera, m_record);
                return channels->ipDialog();
            }
            return channels;
        }
        auto *window = new CNVRConfigSetting;
        m_owner.reset(window);
        window->setDevInfo(m_record);
        const QStringList buttons = surface == QLatin1String("date") || surface == QLatin1String("summer time")
            ? QStringList {"pushButtonDatetime"}
            : surface == QLatin1String("network") || surface == QLatin1String("qr code") ? QStringList {"pushButtonInternet"}
            : surface == QLatin1String("version")                                       ? QStringList {"pushButtonVersion"}
            : surface == QLatin1String("plan") ? QStringList {"pushButtonStorage", "pushButtonPlan"}
            : surface == QLatin1String("disks") ? QStringList {"pushButtonStorage", "pushButtonDisk"}
                                                : QStringList {"pushButtonBasicInfo"};
        for (const QString &b : buttons)
            window->findChild<QPushButton *>(b)->click();
        if (surface == QLatin1String("lock screen"))
            return window->findChild<CNVRBasicSetting *>()->lockScreenDialog();
        if (surface == QLatin1String("summer time"))
            return window->findChild<CNVRDateSetting *>()->summerTimeDialog();
        if (surface == QLatin1String("qr code")) {
            auto *qr = new CNVRDrawQRcode(window);
            qr->setQRcode(QStringLiteral("https://bind.kelvo.invalid/nvr/SIM-NVR"));
            return qr;
        }
        return window;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        CNVRChannelManageDlg::setTimerLengths(10, 100, 100);
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPixelSize(14);
        QApplication::setFont(font);
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
    }

    void init()
    {
        FUN_DEV_INFO record;
        QVERIFY(NvrWindowTest::startNvr(m_nvr, record, QStringLiteral("127.39.0.%1").arg(m_nextHost++)));
        m_nvr->state().maxChannels = 16;
        record.channelNum = 16;
        record.mac = QStringLiteral("02:00:ab:cd:ef:0a");
        record.cpu = QStringLiteral("HI3536");
        m_record = new FUN_DEV_INFO(record);
        DeviceInfoManager::instance()->addDevInfo(m_record);
    }

    void cleanup()
    {
        m_owner.reset();
        QCoreApplication::removeTranslator(&m_translator);
        DeviceInfoManager::instance()->deleteDevice(m_record->ip);
        m_nvr.reset();
    }

    void nothingCut_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("surface");
        const QStringList surfaces {"basic",    "lock screen", "date",      "summer time",     "network",
                                    "qr code",  "version",     "plan",      "disks",           "channels",
                                    "manual add", "channel address", "users", "edit user",     "add user",
                                    "rights"};
        for (const char *language : {"en", "ru", "cz", "zh", "ida"}) {
            for (const QString &surface : surfaces)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(language), surface)))
                    << QString::fromLatin1(language) << surface;
        }
    }

    void nothingCut()
    {
        QFETCH(QString, language);
        QFETCH(QString, surface);
        const QString file = language == QLatin1String("zh") ? QStringLiteral("Quorel_zh") : "quorel_" + language;
        QVERIFY(m_translator.load(QStringLiteral(":/language/Resources/language/%1.qm").arg(file)));
        QCoreApplication::installTranslator(&m_translator);
        QWidget *shown = open(surface);
        static_cast<QDialog *>(m_owner.get())->setModal(false);
        m_owner->show();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14001) + m_nvr->requestCount(14013) + m_nvr->requestCount(14203) > 0; }));
        QVERIFY(flush());
        QVERIFY(flush()); // the answers to reads sent on the first answers
        QVERIFY2(shown->width() <= 1280 && shown->height() <= 720, qPrintable(QStringLiteral("%1 x %2").arg(shown->width()).arg(shown->height())));
        const QString dir = qEnvironmentVariable("KELVO_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            shown->grab().save(QDir(dir).filePath(QStringLiteral("%1_%2.png").arg(language, QString(surface).replace(' ', '_'))));
        const QStringList cut = cutTexts(shown);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestNvrTexts)
#include "tst_nvrtexts.moc"
