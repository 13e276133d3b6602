// The camera window and the camera user dialogs in every language of the
// client, with its own style sheet and font, in a 1280x720 window against a
// simulated camera offering every page (127.86.0.2): no label, button, box,
// list or column shows its text cut, every page fits the window's width with
// its Save, its other buttons and its marks in one view (a taller form
// scrolls between them), and the TCP/IP page's fields start at one edge. In a
// narrower window pages may scroll sideways, but still cut no text. The OSD page, fitted to that window, draws its form
// (only its preview is black). With KELVO_SCREENSHOT_DIR set, every page and dialog
// is saved there as <language>_<name>.png.

#include "AddClientUserDlg.h"
#include "CEditContactDlg.h"
#include "CUserManageDlg.h"
#include "ConfigConversation.h"
#include "ConfigPageMarks.h"
#include "ConfigReadRound.h"
#include "DevicePagesTestUtil.h"
#include "DeviceInfoManager.h"
#include "EditClientUserDlg.h"
#include "KelvoSDKHelper.h"
#include "RemoteCfg_Widget.h"
#include "RemoteConfigSetting.h"
#include "SimDevice.h"
#include "SharedTexts.h"
#include "SimHostile.h"
#include "../support/TextsWhole.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardItem>
#include <QTableWidget>
#include <QTranslator>
#include <QStyleOptionComboBox>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;
using namespace TextsWhole;

namespace {

// Shows a dialog (if not yet shown) and notes what it cuts; false if it never showed.
bool look(QDialog *dialog, const QString &language, const QString &name, QStringList &cut)
{
    dialog->setModal(false);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        return false;
    for (const QString &c : cutTexts(dialog) + outOfView(dialog))
        cut << name + ": " + c;
    shoot(dialog, language, name);
    return true;
}

// The share of a picture's pixels that are black.
double blackShare(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 black = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            black += (line[x] & 0xffffff) == 0;
    }
    return rgb.isNull() ? 1.0 : double(black) / (qint64(rgb.width()) * rgb.height());
}

} // namespace

class TestCameraTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam;
    FUN_DEV_INFO *m_dev = nullptr;

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        RemoteConfigSetting::setRestartDelayMs(600000);
        QVERIFY(TextsWhole::lookAsTheClient());
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.86.0.2"))));
        m_dev = new FUN_DEV_INFO;
        m_dev->ip = m_cam->address().toString();
        m_dev->sn = m_dev->ip;
        m_dev->devPort = m_cam->port();
        m_dev->rtspPort = 1; // no preview here
        m_dev->loginStatus = 1;
        m_dev->model = QStringLiteral("SIM-IPC1");
        m_dev->version = QStringLiteral("V1.0.0 build 20261201");
        m_dev->mac = QStringLiteral("02:00:00:00:00:87");
        m_dev->cpu = QStringLiteral("SSC335");
        m_dev->capList = QStringLiteral("+audio+audioDecode+MD+OSD+PTZ+PD+voice+FD+BCD+doubleLight+antiFlicker+rotate"
                                        "+image1+channel1+OSD1+md1");
        DeviceInfoManager::instance()->addDevInfo(m_dev);
        KelvoSDKHelper::instance()->connectDev(toLoginDev(m_dev));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(m_dev)), 10000);
    }

    void cleanupTestCase() { KelvoSDKHelper::instance()->logoutDev(toLoginDev(m_dev)); }

    // The OSD page in a window fitted to a 1280x720 screen draws its form,
    // in the page's own picture and on the screen: only its preview is black.
    void osdPageDraws_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << "quorel_en.qm";
        QTest::newRow("Russian") << "quorel_ru.qm";
        QTest::newRow("Czech") << "quorel_cz.qm";
    }

    void osdPageDraws()
    {
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/language/Resources/language/") + file));
        QCoreApplication::installTranslator(&translator);
        RemoteConfigSetting window;
        window.setModal(false);
        window.setDevInfo(m_dev);
        window.show();
        window.resize(1280, 720);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeView *tree = window.treeView();
        const QModelIndex index = window.pageItem(10004)->index();
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
        RemoteCfg_Widget *page = window.page(10004);
        waitFor([page] { return page->readState() != RemoteCfg_Widget::ReadState::Pending; });
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(page->isVisible());
        QVERIFY2(blackShare(page->grab().toImage()) < 0.5, "page picture");
        // What the window system shows (none on a platform without one).
        QScreen *screen = window.screen();
        const QRect area(page->mapToGlobal(QPoint(0, 0)), page->size());
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QImage shown = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
                return shown.isNull() || blackShare(shown) < 0.5;
            }(),
            10000);
        window.close();
        closeToasts();
    }

    void textsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("width");
        for (const QStringList &row : QList<QStringList>{{"English", "en", "quorel_en.qm"},
                                                         {"Russian", "ru", "quorel_ru.qm"},
                                                         {"Czech", "cz", "quorel_cz.qm"},
                                                         {"Chinese", "zh", "Quorel_zh.qm"},
                                                         {"Indonesian", "ida", "quorel_ida.qm"}})
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << 1280;
        // Narrower than the pages: they scroll sideways, and a row too long
        // for the room (the detection links in Russian) still shows its
        // texts whole rather than squeezing them.
        QTest::newRow("Russian, 1100 px") << "ru"
                                          << "quorel_ru.qm" << 1100;
        QTest::newRow("Indonesian, 1100 px") << "ida"
                                             << "quorel_ida.qm" << 1100;
    }

    void textsWhole()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(int, width);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/language/Resources/language/") + file));
        QStringList cut;

        // Opened in English, then switched: every text of the window is
        // translated again in place.
        RemoteConfigSetting window;
        window.setModal(false);
        window.setDevInfo(m_dev);
        window.show();
        // A 1280x720 screen (the offscreen one is smaller, and the window
        // takes no more than its screen when it opens).
        window.resize(width, 720);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        QTreeView *tree = window.treeView();
        for (int id : {10002, 10008, 10004, 11000, 12002, 12004, 12006, 12008, 12010, 13002, 13004, 13008, 14001, 14008,
                       14093}) {
            const QModelIndex index = window.pageItem(id)->index();
            tree->scrollTo(index);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
            RemoteCfg_Widget *page = window.page(id);
            waitFor([page] { return page->readState() != RemoteCfg_Widget::ReadState::Pending; });
            QCoreApplication::processEvents();
            for (const QString &c : cutTexts(&window))
                cut << page->pageTitle() + ": " + c;
            // Save, the other buttons and the marks in one view of a
            // 1280x720 window, however tall the page.
            if (width >= 1280)
                for (const QString &c : outOfView(&window))
                    cut << page->pageTitle() + ": " + c;
            // A page wider than the window's room would be cut at its right.
            auto *room = window.findChild<QScrollArea *>();
            if (width >= 1280 && room && page->minimumSizeHint().width() > room->viewport()->width())
                cut << page->pageTitle()
                           + QStringLiteral(": needs %1 px, has %2")
                                 .arg(page->minimumSizeHint().width())
                                 .arg(room->viewport()->width());
            // The address fields under one another, however long a label.
            if (id == 13002) {
                QMap<int, QStringList> edges;
                for (QLineEdit *field :
                     page->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^lineEdit_"))))
                    edges[field->mapTo(page, QPoint()).x()] << field->objectName();
                if (edges.size() != 1)
                    cut << page->pageTitle() + QStringLiteral(": fields start at %1 edges").arg(edges.size());
            }
            shoot(&window, language, page->objectName());
        }
        // The marks of a page have a room of their own: a Save the camera
        // refused, then reads it does not answer, or one it refuses, never
        // cover the page's texts (its column titles), show whole, move
        // nothing of the page, and show with its Save in one view, also on a
        // page taller than the window.
        struct Marked
        {
            int page;
            const char *save;
            int set;
            int read;
        };
        for (const Marked &m : {Marked{10002, "pushButton_save", 10003, 10002},
                                Marked{RemoteConfigSetting::PageImage, "btn_save", 11003, 11001}}) {
            RemoteCfg_Widget *page = window.page(m.page);
            const QModelIndex index = window.pageItem(m.page)->index();
            tree->scrollTo(index);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
            QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
            const QMap<QString, QRect> places = placesOf(page);
            const auto look = [&](const QString &what) {
                QCoreApplication::processEvents();
                QStringList bad = marksCovering(page) + cutTexts(&window);
                if (width >= 1280)
                    bad += outOfView(&window);
                for (const QString &c : qAsConst(bad))
                    cut << page->objectName() + QLatin1Char(' ') + what + QStringLiteral(": ") + c;
                if (placesOf(page) != places)
                    cut << page->objectName() + QLatin1Char(' ') + what + QStringLiteral(": the page moved");
                shoot(&window, language, page->objectName() + QLatin1Char(' ') + what);
            };
            m_cam->setForcedResult(m.set, 5);
            QTest::mouseClick(page->findChild<QPushButton *>(QLatin1String(m.save)), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(page->notSavedShown(), 10000);
            m_cam->clearForcedResult(m.set);
            RemoteCfg_Widget::setReadTimeoutMs(500);
            m_cam->planReplies(m.read, {-1});
            for (int visit = 0; visit < 2; ++visit) {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
                QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
            }
            RemoteCfg_Widget::setReadTimeoutMs(6000);
            QTRY_VERIFY_WITH_TIMEOUT(ConfigPageMarks::of(page)->reconnectButton()->isVisible(), 10000);
            look(QStringLiteral("marks"));
            // The way back: a fresh session, and the page is read again.
            QTest::mouseClick(ConfigPageMarks::of(page)->reconnectButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Done, 10000);
            QVERIFY(!page->notSavedShown());
            m_cam->setForcedResult(m.read, 5);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(index).center());
            QTRY_COMPARE_WITH_TIMEOUT(page->readState(), RemoteCfg_Widget::ReadState::Failed, 10000);
            m_cam->clearForcedResult(m.read);
            QCOMPARE(page->findChild<QLabel *>(QStringLiteral("labelReadFailed"))->text(),
                     SharedTexts::readFailedText());
            look(QStringLiteral("read refused"));
        }
        window.close();

        CUserManageDlg users;
        users.setModal(false);
        users.updateDevice(m_dev);
        users.getUsers();
        users.show();
        users.resetHeaderCheckBox();
        waitFor([&users] { return users.findChild<QTableWidget *>()->rowCount() > 0; });
        QVERIFY(look(&users, language, QStringLiteral("users"), cut));
        // A list that could not be read: its mark and the way back beside it.
        m_cam->setReplyRewrite(14013, SimHostile::rewrite(SimHostile::CutShort), 1);
        users.getUsers();
        QVERIFY(waitFor([&users] {
            auto *back = users.findChild<QPushButton *>(QStringLiteral("pushButtonReconnect"));
            return back && back->isVisible();
        }));
        QVERIFY(look(&users, language, QStringLiteral("users, read failed"), cut));
        for (const QString &c : marksCovering(users.findChild<QWidget *>(QStringLiteral("widgetListMarks"))))
            cut << QStringLiteral("users, read failed: ") + c;
        // A read never answered: the marks' longest words, wrapped whole in
        // their room; then the way back.
        ConfigReadRound::setTimeoutMs(500);
        m_cam->planReplies(14013, {-1});
        users.getUsers();
        QVERIFY(waitFor([&users] {
            auto *said = users.findChild<QLabel *>(QStringLiteral("labelReadFailed"));
            return said && said->isVisible()
                   && (said->text() == ConfigConversation::outOfStepText()
                       || said->text() == ConfigConversation::stoppedAnsweringText());
        }));
        ConfigReadRound::setTimeoutMs(6000);
        QVERIFY(look(&users, language, QStringLiteral("users, read unanswered"), cut));
        for (const QString &c : marksCovering(users.findChild<QWidget *>(QStringLiteral("widgetListMarks"))))
            cut << QStringLiteral("users, read unanswered: ") + c;
        QTest::mouseClick(users.findChild<QPushButton *>(QStringLiteral("pushButtonReconnect")), Qt::LeftButton);
        QVERIFY(
            waitFor([&users] { return !users.findChild<QLabel *>(QStringLiteral("labelReadFailed"))->isVisible(); }));
        users.close();

        AddClientUserDlg add;
        QVERIFY(look(&add, language, QStringLiteral("adduser"), cut));
        EditClientUserDlg edit;
        edit.setUserInfo(m_dev, {{QStringLiteral("userName"), QStringLiteral("admin")}});
        QVERIFY(look(&edit, language, QStringLiteral("edituser"), cut));
        CEditContactDlg contact;
        contact.setContactInfo(m_dev, QStringLiteral("86-13800000000"));
        QVERIFY(look(&contact, language, QStringLiteral("contact"), cut));

        QCoreApplication::removeTranslator(&translator);
        closeToasts();
        for (const QString &c : qAsConst(cut))
            qWarning().noquote() << "cut:" << c;
        QVERIFY2(cut.isEmpty(), qPrintable(QString::number(cut.size()) + QStringLiteral(" texts cut")));
    }
};

QTEST_MAIN(TestCameraTexts)
#include "tst_cameratexts.moc"
