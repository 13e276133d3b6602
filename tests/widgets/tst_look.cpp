// The client's look: the style sheet and the English texts applied to the
// shared dialogs. With KELVO_SCREENSHOT_DIR set, the pictures are saved there
// (run under a real X server to see the windows as an operator does).

#include "Authentication.h"
#include "CMoveDetectTimeline.h"
#include "CaptureScreen.h"
#include "CustomDialog.h"
#include "HeaderViewPrivate.h"
#include "ManageWidget.h"
#include "MaskWidget.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "PageWidget.h"
#include "SwitchControl.h"
#include "WidgetHelpers.h"

#include <QApplication>
#include <QDirIterator>
#include <QPainter>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lightest and the darkest colour in a rectangle of the picture.
QPair<QColor, QColor> extremes(const QImage &image, const QRect &rect)
{
    QColor light(Qt::black);
    QColor dark(Qt::white);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (luminance(c) > luminance(light))
                light = c;
            if (luminance(c) < luminance(dark))
                dark = c;
        }
    }
    return {light, dark};
}

} // namespace

class TstLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tipsDialog();
    void toast();
    void timeline();
    void authenticationAndPager();
    void tableHeaderAndSelection();
    void everySkinImageLoads();
    void maskDimsMainWindowBehindDialog();

private:
    void save(const QPixmap &pixmap, const QString &name);
    void saveScreen(const QString &name);

    QTemporaryDir m_dir;
    QTranslator m_english;
    QString m_shots;
};

void TstLook::initTestCase()
{
    Q_INIT_RESOURCE(Resources);
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(OrmHelper::instance()->init());
    QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    QApplication::setFont(font);
    QVERIFY(m_english.load(QStringLiteral(":/language/Resources/language/quorel_en.qm")));
    QApplication::installTranslator(&m_english);
    m_shots = qEnvironmentVariable("KELVO_SCREENSHOT_DIR");
}

void TstLook::save(const QPixmap &pixmap, const QString &name)
{
    if (!m_shots.isEmpty())
        pixmap.save(m_shots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void TstLook::saveScreen(const QString &name)
{
    if (m_shots.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    save(QGuiApplication::primaryScreen()->grabWindow(0), name);
}

void TstLook::tipsDialog()
{
    CustomDialog dialog;
    dialog.setModal(false);
    dialog.setTitle(CustomDialog::tr("Tips"));
    dialog.setTitleIcon(CustomDialog::iconPath(0));
    dialog.setIcon(CustomDialog::iconPath(0));
    dialog.setText(QStringLiteral("Are you sure you want to delete this device?"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(60, 60);
    // Layouts and polish still pending arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonOK"));
    QCOMPARE(ok->text(), QStringLiteral("Confirm"));
    const QImage image = dialog.grab().toImage();
    save(QPixmap::fromImage(image), QStringLiteral("tips_dialog"));

    // Message text and button texts stand out from their backgrounds.
    auto *info = dialog.findChild<QLabel *>(QStringLiteral("labelInfo"));
    const QRect infoRect(info->mapTo(&dialog, QPoint(0, 0)), info->size());
    const auto text = extremes(image, infoRect);
    QVERIFY2(contrast(text.first, text.second) > 7.0, "message text is not legible");
    const QRect okRect(ok->mapTo(&dialog, QPoint(2, 2)), ok->size() - QSize(4, 4));
    const auto button = extremes(image, okRect);
    QVERIFY2(contrast(button.first, button.second) > 4.5, "button text is not legible");
    saveScreen(QStringLiteral("screen_tips_dialog"));
}

void TstLook::toast()
{
    QPointer<MsgTipInfoDlg> tip = MsgTipInfoDlg::showTipWithLink(
        QStringLiteral("Recording saved"), QStringLiteral("/home/operator/Tavik/Record/clip.mp4"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), tip->endPosition(), 3000);
    const QImage image = tip->grab().toImage();
    save(QPixmap::fromImage(image), QStringLiteral("toast"));
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(19, 22, 27));   // title bar
    QCOMPARE(QColor(image.pixel(5, 100)), QColor(47, 51, 56)); // message panel
    const auto text = extremes(image, QRect(0, 30, 300, 110));
    QVERIFY(contrast(text.first, QColor(47, 51, 56)) > 7.0);
    saveScreen(QStringLiteral("screen_toast"));
    tip->close();
}

void TstLook::timeline()
{
    QMainWindow page; // the bars sit on a page of the main window
    page.setWindowTitle(QStringLiteral("Arming schedule"));
    page.setCentralWidget(new QWidget(&page));
    auto *layout = new QVBoxLayout(page.centralWidget());
    auto *bar = new CMoveDetectTimeline(page.centralWidget());
    bar->setMinimumSize(760, 50);
    auto *hours = new CMoveDetectTimeline(page.centralWidget());
    hours->setMinimumSize(760, 50);
    hours->setHourOnlyLabels(true);
    layout->addWidget(bar);
    layout->addWidget(hours);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    const auto add = [](CMoveDetectTimeline *t, int fromH, int toH, QRgb colour) {
        auto s = std::make_shared<TimelineDetect>();
        s->start = t->dayStart() + fromH * 3600;
        s->end = t->dayStart() + toH * 3600;
        s->colour = colour;
        t->addSegment(s);
    };
    add(bar, 0, 6, 0);
    add(bar, 8, 12, 0);
    add(bar, 18, 22, 0xFF4EA1F3);
    add(hours, 9, 17, 0);
    // An operator in the middle of drawing 13:00 to 16:30 on the first bar.
    const auto mouse = [bar](QEvent::Type type, int64_t secondsOfDay) {
        QMouseEvent event(type, QPointF(bar->xOf(bar->dayStart() + secondsOfDay), 30),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    };
    mouse(QEvent::MouseMove, 13 * 3600);
    mouse(QEvent::MouseButtonPress, 13 * 3600);
    mouse(QEvent::MouseMove, 16 * 3600 + 1800);
    // Layouts and polish still pending arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    const QImage image = page.grab().toImage();
    save(QPixmap::fromImage(image), QStringLiteral("timeline"));
    const QPoint barOrigin = bar->mapTo(&page, QPoint(0, 0));
    const QImage barImage = image.copy(QRect(barOrigin, bar->size()));
    const auto ruler = extremes(barImage, QRect(0, 0, bar->width(), 26));
    QVERIFY(contrast(ruler.first, QColor(40, 43, 48)) > 4.5);
    saveScreen(QStringLiteral("screen_timeline"));
    mouse(QEvent::MouseButtonRelease, 16 * 3600 + 1800);
    QCOMPARE(bar->getSegments().size(), size_t(4));
}

void TstLook::authenticationAndPager()
{
    QMainWindow window; // pages sit on the main window's dark surface
    auto *page = new QWidget(&window);
    window.setCentralWidget(page);
    auto *layout = new QVBoxLayout(page);
    auto *pager = new PageWidget(page);
    pager->setTotalRecords(1234);
    auto *manage = new ManageWidget(page);
    manage->setSetVisible(true);
    manage->setChannelVisible(true);
    auto *sw = new SwitchControl(page);
    sw->setChecked(true);
    layout->addWidget(pager);
    layout->addWidget(manage);
    layout->addWidget(sw);
    window.resize(640, 160);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(pager->findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Total Records"));
    QCOMPARE(pager->findChild<QLabel *>(QStringLiteral("labelTotalRecords"))->text(), QStringLiteral("1234"));
    // Layouts and polish still pending arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    save(QPixmap::fromImage(image), QStringLiteral("pager_manage_switch"));
    auto *total = pager->findChild<QLabel *>(QStringLiteral("labelTotalRecords"));
    QVERIFY(total->width() >= total->fontMetrics().horizontalAdvance(total->text()));
    const QRect totalRect(total->mapTo(&window, QPoint(0, 0)), total->size());
    const auto text = extremes(image, totalRect);
    QVERIFY(contrast(text.first, text.second) > 7.0);

    Authentication auth(nullptr);
    auth.setModal(false);
    auth.show();
    QVERIFY(QTest::qWaitForWindowExposed(&auth));
    QCOMPARE(auth.findChild<QLabel *>(QStringLiteral("m_lblUserName"))->text(), QStringLiteral("Username"));
    save(auth.grab(), QStringLiteral("authentication"));
}

void TstLook::tableHeaderAndSelection()
{
    QMainWindow window;
    auto *page = new QWidget(&window);
    window.setCentralWidget(page);
    auto *layout = new QVBoxLayout(page);
    auto *table = new QTableView(page);
    auto *header = new HeaderViewPrivate(table, 0);
    table->setHorizontalHeader(header);
    QStandardItemModel model(3, 3);
    model.setHorizontalHeaderLabels({QString(), QStringLiteral("Device Name"), QStringLiteral("IP Address")});
    for (int row = 0; row < 3; ++row) {
        auto *check = new QStandardItem;
        check->setCheckable(true);
        check->setCheckState(row == 1 ? Qt::Checked : Qt::Unchecked);
        model.setItem(row, 0, check);
        model.setItem(row, 1, new QStandardItem(QStringLiteral("Camera %1").arg(row + 1)));
        model.setItem(row, 2, new QStandardItem(QStringLiteral("192.168.1.%1").arg(10 + row)));
    }
    table->setModel(&model);
    setTableViewStyle(table, false);
    table->setColumnWidth(0, 40);
    table->setColumnWidth(1, 160);
    table->setColumnWidth(2, 160);
    auto *selection = new CaptureScreen(page);
    selection->setSelectRect(QRect(60, 50, 200, 140));
    layout->addWidget(table);
    layout->addWidget(selection);
    window.resize(420, 480);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QRect box = HeaderViewPrivate::indicatorRect(QRect(0, 0, header->sectionSize(0), header->height()));
    const QImage unchecked = header->grab().toImage().copy(box);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(20, header->height() / 2));
    QVERIFY(header->isChecked());
    // Layouts and polish still pending arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    save(QPixmap::fromImage(image), QStringLiteral("table_header_selection"));
    // The box is drawn, and looks different once checked.
    QVERIFY(header->grab().toImage().copy(box) != unchecked);
    QCOMPARE(selection->getSelectRect(), QRect(60, 50, 200, 140));
}

void TstLook::everySkinImageLoads()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/Resources/Skin"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    QVERIFY(paths.size() >= 30);

    // A sheet of every image, three times enlarged, on the window colour.
    const int cell = 110;
    const int columns = 6;
    QImage sheet(columns * cell, ((paths.size() + columns - 1) / columns) * cell, QImage::Format_RGB32);
    sheet.fill(QColor(40, 43, 48));
    QPainter painter(&sheet);
    painter.setPen(QColor(200, 204, 210));
    QFont small = QApplication::font();
    small.setPixelSize(9);
    painter.setFont(small);
    for (int i = 0; i < paths.size(); ++i) {
        const QImage image(paths.at(i));
        QVERIFY2(!image.isNull(), qPrintable(paths.at(i)));
        const QImage big = image.scaled(std::min(cell - 10, image.width() * 3), std::min(cell - 30, image.height() * 3),
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint origin((i % columns) * cell, (i / columns) * cell);
        painter.drawImage(origin + QPoint((cell - big.width()) / 2, 5), big);
        painter.drawText(QRect(origin + QPoint(2, cell - 24), QSize(cell - 4, 22)),
                         Qt::AlignCenter | Qt::TextWrapAnywhere, paths.at(i).section(QLatin1Char('/'), -2));
    }
    painter.end();
    save(QPixmap::fromImage(sheet), QStringLiteral("skin_sheet"));
}

void TstLook::maskDimsMainWindowBehindDialog()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X server to see the stacking of windows");
    QMainWindow main;
    main.setObjectName(QStringLiteral("MainWindow"));
    auto *surface = new QWidget(&main);
    surface->setStyleSheet(QStringLiteral("background: #3a7bd5;"));
    main.setCentralWidget(surface);
    main.setGeometry(20, 20, 900, 600);
    MaskWidget::instance()->setMainWidget(&main);
    MaskWidget::instance()->setDialogNames();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    CustomDialog dialog;
    dialog.setModal(false);
    dialog.setTitle(CustomDialog::tr("Tips"));
    dialog.setText(QStringLiteral("Delete the selected devices?"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(250, 200);
    // Reading the screen is a round trip to the X server: once it is back the
    // move is done and what it uncovered has been asked to be painted again.
    QGuiApplication::primaryScreen()->grabWindow(0);
    // Layouts and polish still pending arrive as posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    save(QPixmap::fromImage(screen), QStringLiteral("screen_mask"));
    const QColor behind(screen.pixel(60, 500));
    QVERIFY2(behind.blue() < 0xd5 * 0.6, "the main window is not dimmed");
    const QColor body(screen.pixel(dialog.x() + 20, dialog.y() + 120));
    QCOMPARE(body, QColor(40, 43, 48)); // the dialog is above the mask
    dialog.hide();
    QTRY_VERIFY(!MaskWidget::instance()->isVisible());
    MaskWidget::instance()->setMainWidget(nullptr);
}

QTEST_MAIN(TstLook)
#include "tst_look.moc"
