// Colours of decoded pictures: matrix and range follow the picture's tags, on
// the QPainter path and in the OpenGL shader's formula alike. Uniform
// pictures of known values against reference colours.

#include "I420Render2.h"
#include "YuvColor.h"

#include <QtTest>

class TestColour : public QObject
{
    Q_OBJECT

private slots:
    void taggedPicturesKeepTheirColours_data()
    {
        QTest::addColumn<int>("space");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("height");
        QTest::addColumn<QVector<int>>("yuv");
        QTest::addColumn<QColor>("rgb");
        const int yuv420 = AV_PIX_FMT_YUV420P, unset = AVCOL_SPC_UNSPECIFIED, limited = AVCOL_RANGE_MPEG;
        QTest::newRow("601 full") << int(AVCOL_SPC_BT470BG) << int(AVCOL_RANGE_JPEG) << yuv420 << 240
                                  << QVector<int>{128, 100, 170} << QColor(187, 108, 78);
        QTest::newRow("601 limited") << int(AVCOL_SPC_SMPTE170M) << limited << yuv420 << 240
                                     << QVector<int>{128, 100, 170} << QColor(197, 107, 74);
        QTest::newRow("yuvj is full") << unset << int(AVCOL_RANGE_UNSPECIFIED) << int(AV_PIX_FMT_YUVJ420P) << 240
                                      << QVector<int>{128, 100, 170} << QColor(187, 108, 78);
        QTest::newRow("709 tagged, small") << int(AVCOL_SPC_BT709) << limited << yuv420 << 240
                                           << QVector<int>{63, 102, 240} << QColor(255, 0, 0);
        QTest::newRow("untagged 720 lines is 709") << unset << limited << yuv420 << 720
                                                   << QVector<int>{63, 102, 240} << QColor(255, 0, 0);
        QTest::newRow("untagged 480 lines is 601") << unset << limited << yuv420 << 480
                                                   << QVector<int>{63, 102, 240} << QColor(233, 0, 2);
    }

    void taggedPicturesKeepTheirColours()
    {
        QFETCH(int, space);
        QFETCH(int, range);
        QFETCH(int, format);
        QFETCH(int, height);
        QFETCH(QVector<int>, yuv);
        QFETCH(QColor, rgb);
        AVFrame *f = av_frame_alloc();
        f->format = format;
        f->width = height * 4 / 3;
        f->height = height;
        f->colorspace = AVColorSpace(space);
        f->color_range = AVColorRange(range);
        QVERIFY(av_frame_get_buffer(f, 0) == 0);
        for (int p = 0; p < 3; ++p)
            memset(f->data[p], yuv[p], size_t(f->linesize[p]) * size_t(p ? (height + 1) / 2 : height));
        const std::shared_ptr<AVFrame> frame = player::makeFramePtr(f);
        auto near = [&rgb](QRgb c) {
            return qAbs(qRed(c) - rgb.red()) <= 3 && qAbs(qGreen(c) - rgb.green()) <= 3
                   && qAbs(qBlue(c) - rgb.blue()) <= 3;
        };
        const QRgb shader = YuvColor::forFrame(frame.get()).toRgb(yuv[0], yuv[1], yuv[2]);
        QVERIFY2(near(shader), qPrintable(QColor(shader).name()));

        // The QPainter path without OpenGL (offscreen); the shader itself
        // where a display offers OpenGL.
        I420Render2 render;
        render.resize(frame->width, frame->height);
        render.show();
        QVERIFY(QTest::qWaitForWindowExposed(&render));
        render.onFrame(frame);
        QTest::qWait(50);  // the OpenGL path repaints on its next tick
        const QRgb painted = render.grab().toImage().pixel(frame->width / 2, frame->height / 2);
        QVERIFY2(near(painted), qPrintable(QColor(painted).name()));
    }
};

QTEST_MAIN(TestColour)
#include "tst_colour.moc"
