#include "CommonHelperWidgets.h"
#include "WidgetHelpers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

class TstWidgetHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tableChecks();
    void elisionKeepsFullTextInToolTip();
    void elideChildTextsCoversButtonsAndLabels();
    void elideChildTextsWaitsForTheLayout();
    void copyMenuIsBoundOnce();
    void spriteButtonFrames();
    void spriteButtonMissingImageChangesNothing();
    void buttonImagesUseFolderTable_data();
    void buttonImagesUseFolderTable();
    void timeScaleRows_data();
    void timeScaleRows();
    void percentRects_data();
    void percentRects();
    void centerOnParent();
    void adjustRectKeepsWindowOnScreens();
    void waitMsProcessesEvents();
    void alarmAudioList();
    void passwordViewTogglesWithoutAuth();
    void widgetsLocale();
    void skinImagesExist_data();
    void skinImagesExist();
    void styleSheetAndTranslations();
};

void TstWidgetHelpers::initTestCase()
{
    Q_INIT_RESOURCE(Resources);
}

void TstWidgetHelpers::elisionKeepsFullTextInToolTip()
{
    QLabel label;
    label.resize(60, 20);
    const QString text = QStringLiteral("  A rather long label text that cannot fit  ");
    label.setText(text);
    CommonHelper::setElidedLabelText(&label);
    QCOMPARE(label.toolTip(), text.trimmed());
    QVERIFY(label.text() != text.trimmed());
    QVERIFY(label.text().endsWith(QChar(0x2026)));
    QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= 60);

    // A second pass must not lose the full text.
    CommonHelper::setElidedLabelText(&label);
    QCOMPARE(label.toolTip(), text.trimmed());

    QLabel fits;
    fits.resize(400, 20);
    fits.setText(QStringLiteral(" OK "));
    CommonHelper::setElidedLabelText(&fits);
    QCOMPARE(fits.text(), QStringLiteral("OK"));
    QCOMPARE(fits.toolTip(), QStringLiteral("OK"));

    QPushButton button;
    button.resize(50, 28);
    button.setText(QStringLiteral("Remote Configuration"));
    CommonHelper::setElidedButtonText(&button);
    QCOMPARE(button.toolTip(), QStringLiteral("Remote Configuration"));
    QVERIFY(button.text().endsWith(QChar(0x2026)));

    // A style sheet's padding narrows the room for the text.
    QPushButton padded(QStringLiteral("Remote Configuration"));
    padded.setStyleSheet(QStringLiteral("QPushButton { padding: 0px 30px; }"));
    padded.resize(padded.fontMetrics().horizontalAdvance(padded.text()) + 20, 28);
    padded.show();
    CommonHelper::setElidedButtonText(&padded);
    QVERIFY(padded.text().endsWith(QChar(0x2026)));
    QVERIFY(padded.fontMetrics().horizontalAdvance(padded.text()) <= padded.width() - 60);
}

void TstWidgetHelpers::elideChildTextsCoversButtonsAndLabels()
{
    QWidget page;
    auto *inner = new QWidget(&page);
    auto *label = new QLabel(QStringLiteral("Nested label with a long text"), inner);
    auto *button = new QPushButton(QStringLiteral("Nested button with a long text"), inner);
    label->resize(40, 20);
    button->resize(40, 20);
    // Labels that eliding would damage: a picture, a wrapped message, a link.
    auto *picture = new QLabel(inner);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    picture->setPixmap(pixmap);
    const QString message = QStringLiteral("A long message that wraps over several lines of its label");
    auto *wrapped = new QLabel(message, inner);
    wrapped->setWordWrap(true);
    wrapped->resize(60, 80);
    const QString link = QStringLiteral("Saved <a href=\"/tmp/x\">/tmp/x</a> in the folder of recordings");
    auto *linked = new QLabel(link, inner);
    linked->resize(40, 20);
    // A dialog of the page, never opened yet, keeps its texts whole.
    auto *dialog = new QDialog(inner);
    auto *dialogLabel = new QLabel(QStringLiteral("Other settings of the dialog:"), dialog);
    dialogLabel->resize(40, 20);

    CommonHelper::elideChildTexts(&page);
    QCOMPARE(dialogLabel->text(), QStringLiteral("Other settings of the dialog:"));
    QCOMPARE(label->toolTip(), QStringLiteral("Nested label with a long text"));
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QCOMPARE(button->toolTip(), QStringLiteral("Nested button with a long text"));
    QVERIFY(!picture->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(wrapped->text(), message);
    QCOMPARE(linked->text(), link);
    CommonHelper::elideChildTexts(nullptr);
}

void TstWidgetHelpers::elideChildTextsWaitsForTheLayout()
{
    // A page elides right after building its form; the layout has not sized
    // anything yet, and the texts must not be cut to a fresh widget's width.
    QWidget page;
    auto *layout = new QHBoxLayout(&page);
    const QString text = QStringLiteral("Bitrate Control of the main stream");
    // Made as a form makes them: with their parent, at a fresh child's size.
    auto *label = new QLabel(text, &page);
    auto *button = new QPushButton(text, &page);
    label->setMinimumWidth(10);
    button->setMinimumWidth(10);
    layout->addWidget(label);
    layout->addWidget(button);
    CommonHelper::elideChildTexts(&page);
    page.resize(900, 60);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(label->text(), text);
    QCOMPARE(button->text(), text);

    // Once laid out, a re-translation elides to the widths the layout gave.
    page.resize(120, 60);
    QTRY_VERIFY(label->width() < label->fontMetrics().horizontalAdvance(text));
    CommonHelper::elideChildTexts(&page);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QCOMPARE(label->toolTip(), text);
}

void TstWidgetHelpers::copyMenuIsBoundOnce()
{
    QDialog dialog;
    auto *edit = new QLineEdit(&dialog);
    auto *readOnly = new QLineEdit(&dialog);
    readOnly->setReadOnly(true);
    readOnly->setFocusPolicy(Qt::NoFocus);
    CommonHelper::addCopyMenu(&dialog);
    CommonHelper::addCopyMenu(&dialog);

    const auto copyActions = [&dialog] {
        int n = 0;
        for (QAction *a : dialog.findChildren<QAction *>())
            n += a->text() == QStringLiteral("Copy");
        return n;
    };
    QCOMPARE(copyActions(), 2);
    QCOMPARE(edit->contextMenuPolicy(), Qt::CustomContextMenu);
    QCOMPARE(readOnly->focusPolicy(), Qt::StrongFocus);
    QVERIFY(readOnly->property("contextMenuBound").toBool());

    // The action copies its own edit's text.
    readOnly->setText(QStringLiteral("192.168.1.10"));
    readOnly->selectAll();
    QApplication::clipboard()->clear();
    for (QAction *a : dialog.findChildren<QAction *>()) {
        if (a->text() == QStringLiteral("Copy"))
            a->trigger();
    }
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("192.168.1.10"));
}

void TstWidgetHelpers::spriteButtonFrames()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sprite.png"));
    QImage image(400, 30, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path));

    QPushButton button;
    CommonHelper::setSpriteButton(&button, path, 4);
    QCOMPARE(button.size(), QSize(100, 30));
    QCOMPARE(button.minimumSize(), QSize(100, 30));
    QCOMPARE(button.maximumSize(), QSize(100, 30));
    const QString css = button.styleSheet();
    QVERIFY(css.contains(QStringLiteral("url(%1) 0 0 0 0 repeat").arg(path)));
    QVERIFY(css.contains(QStringLiteral("hover{ border-image: url(%1) 0 0 0 100 ").arg(path)));
    QVERIFY(css.contains(QStringLiteral("checked{ border-image: url(%1) 0 0 0 200 ").arg(path)));
    QVERIFY(css.contains(QStringLiteral("disabled{ border-image: url(%1) 0 0 0 300 ").arg(path)));
}

void TstWidgetHelpers::spriteButtonMissingImageChangesNothing()
{
    QPushButton button;
    button.setStyleSheet(QStringLiteral("color: red;"));
    const QSize before = button.maximumSize();
    CommonHelper::setSpriteButton(&button, QStringLiteral("/nonexistent/sprite.png"), 4);
    QCOMPARE(button.styleSheet(), QStringLiteral("color: red;"));
    QCOMPARE(button.maximumSize(), before);
}

void TstWidgetHelpers::buttonImagesUseFolderTable_data()
{
    QTest::addColumn<int>("folder");
    QTest::addColumn<QString>("dir");
    QTest::newRow("login") << 0 << ":/Resources/Skin/Default/Login/";
    QTest::newRow("main window") << 1 << ":/Resources/Skin/Default/MainWindow/";
    QTest::newRow("playback") << 2 << ":/Resources/Skin/Default/Playback/";
}

void TstWidgetHelpers::buttonImagesUseFolderTable()
{
    QFETCH(int, folder);
    QFETCH(QString, dir);
    QPushButton button;
    CommonHelper::setButtonImages(&button, folder, QStringLiteral("a.png"), QStringLiteral("b.png"), false);
    QCOMPARE(button.styleSheet(),
             QStringLiteral("QPushButton {border-image:url(%1a.png); font-size:12px;}"
                            "QPushButton:hover:pressed {border-image:url(%1b.png);font-size:12px;}"
                            "QPushButton:hover:!pressed {border-image:url(%1b.png);font-size:12px;}")
                 .arg(dir));
}

void TstWidgetHelpers::timeScaleRows_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("0") << 0.0 << QList<int>{1, 2, 0, -1, 4, 240};
    QTest::newRow("exactly 0.5 takes the next row") << 0.5 << QList<int>{2, 4, 2, 0, 4, 120};
    QTest::newRow("4") << 4.0 << QList<int>{12, 6, 3, 0, 6, 30};
    QTest::newRow("29.9") << 29.9 << QList<int>{60, 10, 5, 0, 10, 10};
    QTest::newRow("75") << 75.0 << QList<int>{360, 6, 3, 0, 6, 1};
    QTest::newRow("beyond the table") << 100000.0 << QList<int>{360, 6, 3, 0, 6, 1};
}

void TstWidgetHelpers::timeScaleRows()
{
    QFETCH(double, zoom);
    QFETCH(QList<int>, expected);
    QCOMPARE(CommonHelper::getTimeScaleParams(zoom), expected);
}

void TstWidgetHelpers::percentRects_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("tl");
    QTest::addColumn<QPointF>("br");
    QTest::addColumn<bool>("toPixels");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("to pixels") << QSize(400, 300) << QPointF(10, 20) << QPointF(50, 99.9) << true
                               << QRect(QPoint(40, 60), QPoint(200, 299));
    QTest::newRow("to percent") << QSize(400, 300) << QPointF(40, 60) << QPointF(200, 299) << false
                                << QRect(QPoint(10, 20), QPoint(50, 99));
    QTest::newRow("empty widget") << QSize(0, 0) << QPointF(40, 60) << QPointF(200, 299) << false
                                  << QRect(QPoint(0, 0), QPoint(0, 0));
}

void TstWidgetHelpers::percentRects()
{
    QFETCH(QSize, size);
    QFETCH(QPointF, tl);
    QFETCH(QPointF, br);
    QFETCH(bool, toPixels);
    QFETCH(QRect, expected);
    QCOMPARE(CommonHelper::percentRectToWidget(size, tl, br, toPixels), expected);
}

void TstWidgetHelpers::centerOnParent()
{
    QWidget w;
    w.resize(101, 51);
    QCOMPARE(CommonHelper::centerOnParent(QRect(0, 0, 400, 300), &w), QRect(0, 0, 400, 300).center() - QPoint(50, 25));
    QCOMPARE(CommonHelper::centerOnParent(QRect(0, 0, 400, 300), nullptr), QPoint(0, 0));
}

void TstWidgetHelpers::adjustRectKeepsWindowOnScreens()
{
    QRect all;
    for (QScreen *s : QGuiApplication::screens())
        all = all.united(s->geometry());
    QVERIFY(!all.isEmpty());

    QWidget w;
    w.setGeometry(100, 100, 200, 100);
    QCOMPARE(CommonHelper::adjustRectToScreen(&w, QPoint(10, 20)), QPoint(110, 120));
    QCOMPARE(CommonHelper::adjustRectToScreen(&w, QPoint(-5000, -5000)), all.topLeft());
    QCOMPARE(CommonHelper::adjustRectToScreen(&w, QPoint(100000, 100000)),
             QPoint(all.right() - 200, all.bottom() - 100));
    QCOMPARE(CommonHelper::adjustRectToScreen(nullptr, QPoint(7, 9)), QPoint(7, 9));
    QVERIFY(!CommonHelper::screenGeometryOf(&w).isEmpty());
    QVERIFY(!CommonHelper::screenGeometryOf(nullptr).isEmpty());
}

void TstWidgetHelpers::waitMsProcessesEvents()
{
    bool fired = false;
    QTimer::singleShot(10, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    CommonHelper::waitMs(50);
    QVERIFY(fired);
    QVERIFY(clock.elapsed() >= 45);
}

void TstWidgetHelpers::alarmAudioList()
{
    const auto list = CommonHelper::alarmAudioList();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.at(0), qMakePair(QStringLiteral("Siren"), 5));
    QCOMPARE(list.at(1), qMakePair(QStringLiteral("Doorbell"), 8));
    QCOMPARE(list.at(2), qMakePair(QStringLiteral("Bark"), 9));
}

void TstWidgetHelpers::passwordViewTogglesWithoutAuth()
{
    QLineEdit edit;
    edit.setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(&edit, false);
    QAction *view = edit.findChild<QAction *>(QStringLiteral("passwordViewAction"));
    QVERIFY(view);
    QVERIFY(!view->icon().isNull());
    view->trigger();
    QCOMPARE(edit.echoMode(), QLineEdit::Normal);
    view->trigger();
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
}

void TstWidgetHelpers::widgetsLocale()
{
    QWidget w;
    CommonHelper::setWidgetsLocale(&w, 2);
    QCOMPARE(w.locale().language(), QLocale::Russian);
    CommonHelper::setWidgetsLocale(&w, 42);
    QCOMPARE(w.locale().language(), QLocale::English);
}

void TstWidgetHelpers::skinImagesExist_data()
{
    QTest::addColumn<QString>("path");
    const char *paths[] = {
        ":/Resources/Skin/Default/MainWindow/mw_close.png",
        ":Resources/Skin/Default/icon/view_icon.png",
        ":Resources/Skin/Default/icon/warn.png",
        ":Resources/Skin/Default/icon/info.png",
        ":Resources/Skin/Default/icon/success.png",
        ":Resources/Skin/Default/icon/fail.png",
        ":Resources/Skin/Default/icon/first-page.png",
        ":Resources/Skin/Default/icon/chevron-left.png",
        ":Resources/Skin/Default/icon/chevron-right.png",
        ":Resources/Skin/Default/icon/last-page.png",
        ":Resources/Skin/Default/icon/edit_icon.png",
        ":Resources/Skin/Default/icon/delete_icon.png",
        ":Resources/Skin/Default/icon/user_icon.png",
        ":Resources/Skin/Default/icon/permission_icon.png",
        ":Resources/Skin/Default/icon/setting_icon.png",
        ":Resources/Skin/Default/icon/channel_icon.png",
        ":/Resources/Skin/Default/MainWindow/icon_nvr_normal.png",
        ":/Resources/Skin/Default/MainWindow/icon_nvr_highlight.png",
        ":/Resources/Skin/Default/MainWindow/icon_device_normal.png",
        ":/Resources/Skin/Default/MainWindow/icon_device_highlight.png",
        ":/Resources/Skin/Default/MainWindow/icnErrPwCamera.png",
        ":/Resources/Skin/Default/MainWindow/icnErrPwNvrDev.png",
        ":/Resources/Skin/Default/MainWindow/icon_device_play.png",
        ":/Resources/Skin/Default/MainWindow/icnPlayRecord.png",
        ":/Resources/Skin/Default/MainWindow/icnRecord.png",
        ":/Resources/Skin/Default/MainWindow/icon_group.png",
        ":/Resources/Skin/brennic/Login/logo.png",
    };
    for (const char *p : paths)
        QTest::newRow(p) << QString::fromLatin1(p);
}

void TstWidgetHelpers::skinImagesExist()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    // Drawn, not blank.
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y)
        for (int x = 0; x < image.width() && !painted; ++x)
            painted = qAlpha(image.pixel(x, y)) > 0;
    QVERIFY(painted);
}

void TstWidgetHelpers::styleSheetAndTranslations()
{
    QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    QVERIFY(css.readAll().contains("QPushButton"));

    const QStringList files{
        QStringLiteral(":/language/Resources/language/Quorel_zh.qm"),
        QStringLiteral(":/language/Resources/language/quorel_en.qm"),
        QStringLiteral(":/language/Resources/language/quorel_ru.qm"),
        QStringLiteral(":/language/Resources/language/quorel_ida.qm"),
        QStringLiteral(":/language/Resources/language/quorel_cz.qm"),
    };
    for (const QString &file : files) {
        QTranslator translator;
        QVERIFY2(translator.load(file), qPrintable(file));
    }

    QTranslator english;
    QVERIFY(english.load(files.at(1)));
    QCOMPARE(english.translate("CustomDialog", "OK"), QStringLiteral("Confirm"));
    QCOMPARE(english.translate("PageWidget", "totalRecords"), QStringLiteral("Total Records"));
    QCOMPARE(english.translate("PageWidget", "pageSize"), QStringLiteral("Page Size"));
    QCOMPARE(english.translate("Authentication", "User Name"), QStringLiteral("Username"));
    QCOMPARE(english.translate("ManageWidget", "UserManage"), QStringLiteral("User Management"));

    QTranslator chinese;
    QVERIFY(chinese.load(files.at(0)));
    QCOMPARE(chinese.translate("CustomDialog", "Cancel"), QStringLiteral("取消"));
}

void TstWidgetHelpers::tableChecks()
{
    QVERIFY(!TableChecks::isAllChecked(nullptr));
    QVERIFY(TableChecks::getCheckedRows(nullptr, 0, true).isEmpty());
    QCOMPARE(TableChecks::findRow("a", nullptr, 0), -1);

    QTableWidget table(4, 2);
    QVERIFY(TableChecks::isAllChecked(&table)); // rows without a column-0 item are passed over
    const QStringList names{"admin", "bob", "carol"};
    for (int row = 0; row < names.size(); ++row) {
        auto *item = new QTableWidgetItem(names.at(row));
        item->setCheckState(Qt::Unchecked);
        table.setItem(row, 0, item);
        table.setItem(row, 1, new QTableWidgetItem(QStringLiteral("pw%1").arg(row)));
    }
    table.setItem(3, 1, new QTableWidgetItem("carol")); // row 3 has no column-0 item
    QVERIFY(!TableChecks::isAllChecked(&table));
    table.item(0, 0)->setCheckState(Qt::Checked);
    table.item(2, 0)->setCheckState(Qt::Checked);
    QCOMPARE(TableChecks::getCheckedRows(&table, 0, false), (QStringList{"admin", "carol"}));
    QCOMPARE(TableChecks::getCheckedRows(&table, 1, false), (QStringList{"pw0", "pw2"}));
    QCOMPARE(TableChecks::getCheckedRows(&table, 1, true), (QStringList{"0", "2"}));
    TableChecks::setAllChecked(&table, true);
    QVERIFY(TableChecks::isAllChecked(&table));
    TableChecks::setAllChecked(&table, false);
    QVERIFY(TableChecks::getCheckedRows(&table, 0, true).isEmpty());
    QCOMPARE(TableChecks::findRow("carol", &table, 0), 2);
    QCOMPARE(TableChecks::findRow("carol", &table, 1), 3);
    QCOMPARE(TableChecks::findRow("Carol", &table, 0), -1);
}

QTEST_MAIN(TstWidgetHelpers)
#include "tst_widgethelpers.moc"
