// Panes under the client's own screen scaling on a 100 dpi screen (a factor
// of 100/96): the picture, made at the pane's size in device pixels, reaches
// the screen pixel for pixel, wherever the pane sits, and covers it to its
// edges. A picture sent through the painter's scaling would shift or double
// columns and rows of the fine pattern used here.

#include "HighDpi.h"
#include "I420Render2.h"

#include <QApplication>
#include <QtTest>

namespace {

// A checkerboard of single pixels, full range: 0 and 255.
std::shared_ptr<AVFrame> checkerboard(const QSize &size)
{
    AVFrame *f = av_frame_alloc();
    f->format = AV_PIX_FMT_YUV420P;
    f->width = size.width();
    f->height = size.height();
    f->colorspace = AVCOL_SPC_BT709;
    f->color_range = AVCOL_RANGE_JPEG;
    if (av_frame_get_buffer(f, 0) < 0) {
        av_frame_free(&f);
        return nullptr;
    }
    for (int y = 0; y < f->height; ++y)
        for (int x = 0; x < f->width; ++x)
            f->data[0][y * f->linesize[0] + x] = (x + y) % 2 ? 255 : 0;
    memset(f->data[1], 128, size_t(f->linesize[1]) * size_t((f->height + 1) / 2));
    memset(f->data[2], 128, size_t(f->linesize[2]) * size_t((f->height + 1) / 2));
    return player::makeFramePtr(f);
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void picturePixelForPixel_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("at the origin") << QRect(0, 0, 320, 240);
        QTest::newRow("odd offset and size") << QRect(101, 37, 333, 187);
        QTest::newRow("pane of a 4x4 grid") << QRect(481, 271, 480, 270);
        QTest::newRow("narrowest pane") << QRect(7, 3, 80, 60);
    }

    void picturePixelForPixel()
    {
        QFETCH(QRect, geometry);
        QWidget window;
        window.resize(1000, 600);
        QPalette red;
        red.setColor(QPalette::Window, Qt::red);
        window.setPalette(red);
        window.setAutoFillBackground(true);
        auto *pane = new I420Render2(&window);
        pane->setGeometry(geometry);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qreal dpr = pane->devicePixelRatioF();
        // What this test is about: a fractional factor.
        QVERIFY2(dpr > 1.01 && dpr < 1.1, qPrintable(QString::number(dpr)));
        const QSize device(qRound(geometry.width() * dpr), qRound(geometry.height() * dpr));
        const qint64 painted = pane->framesPainted();
        pane->onFrame(checkerboard(device));
        QTRY_VERIFY_WITH_TIMEOUT(pane->framesPainted() > painted && pane->shownImageSize() == device, 20000);

        const QImage shot = window.grab().toImage();
        const QPoint origin(qRound(geometry.x() * dpr), qRound(geometry.y() * dpr));
        int wrong = 0, uncovered = 0;
        QPoint firstWrong(-1, -1);
        // One device pixel in from each edge: where the pane's own edge falls
        // is the window system's rounding.
        for (int y = 1; y < device.height() - 1; ++y) {
            for (int x = 1; x < device.width() - 1; ++x) {
                const QRgb c = shot.pixel(origin.x() + x, origin.y() + y);
                if (qRed(c) > 200 && qGreen(c) < 60) {
                    ++uncovered;
                    continue;
                }
                const bool bright = (x + y) % 2;
                if (bright ? qGreen(c) < 200 : qGreen(c) > 55) {
                    if (!wrong)
                        firstWrong = QPoint(x, y);
                    ++wrong;
                }
            }
        }
        QCOMPARE(uncovered, 0);
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels wrong, the first at %2,%3")
                                            .arg(wrong)
                                            .arg(firstWrong.x())
                                            .arg(firstWrong.y())));
    }
};

int main(int argc, char **argv)
{
    // The offscreen screen is a 100 dpi one; the QPainter path is the one
    // that draws on the GUI thread.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KELVO_NO_OPENGL", "1");
    HighDpi::setUp();
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
