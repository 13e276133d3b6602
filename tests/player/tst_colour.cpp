// Colours of decoded pictures: matrix and range follow the picture's tags, on
// the QPainter path and in the OpenGL shader's formula alike. Uniform
// pictures of known values against reference colours; the scaling of the
// QPainter path against pictures whose right result is known by eye.

#include "I420Render2.h"
#include "YuvColor.h"
#include "YuvScaler.h"

#include <QtTest>


namespace {

AVFrame *makePicture(int w, int h, int format = AV_PIX_FMT_YUV420P)
{
    AVFrame *f = av_frame_alloc();
    f->format = format;
    f->width = w;
    f->height = h;
    f->colorspace = AVCOL_SPC_BT709;
    f->color_range = AVCOL_RANGE_MPEG;
    if (av_frame_get_buffer(f, 0) < 0)
        av_frame_free(&f);
    return f;
}

void fill(AVFrame *f, int y, int u, int v)
{
    for (int p = 0; p < 3; ++p)
        memset(f->data[p], p == 0 ? y : (p == 1 ? u : v),
               size_t(f->linesize[p]) * size_t(p ? (f->height + 1) / 2 : f->height));
}

QImage scaled(YuvScaler &scaler, const AVFrame *f, QSize size)
{
    QImage out = YuvScaler::makeImage(size);
    out.fill(Qt::magenta);
    return scaler.convert(f, out) ? out : QImage();
}

// The first pixel that is not near the colour, or an empty string.
QString offColour(const QImage &image, QRgb want)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb got = image.pixel(x, y);
            if (qAbs(qRed(got) - qRed(want)) > 3 || qAbs(qGreen(got) - qGreen(want)) > 3
                || qAbs(qBlue(got) - qBlue(want)) > 3)
                return QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(QColor(got).name());
        }
    return QString();
}

} // namespace

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
        QTest::newRow("709 tagged, small")
            << int(AVCOL_SPC_BT709) << limited << yuv420 << 240 << QVector<int>{63, 102, 240} << QColor(255, 0, 0);
        QTest::newRow("untagged 720 lines is 709")
            << unset << limited << yuv420 << 720 << QVector<int>{63, 102, 240} << QColor(255, 0, 0);
        QTest::newRow("untagged 480 lines is 601")
            << unset << limited << yuv420 << 480 << QVector<int>{63, 102, 240} << QColor(233, 0, 2);
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
        // Converted off the GUI thread (QPainter) or uploaded on the next tick
        // (OpenGL): painted in either case.
        QTRY_VERIFY(render.framesPainted() >= 1);
        const QRgb painted = render.grab().toImage().pixel(frame->width / 2, frame->height / 2);
        QVERIFY2(near(painted), qPrintable(QColor(painted).name()));
    }

    // One pane's scaler through a run of pictures whose size, format and
    // colour tags change, as when a pane plays one file after another: every
    // pixel of every output (down, up, odd sizes) is written and has the
    // picture's colour under its own tags.
    void scalerFollowsEachPicture()
    {
        struct Step
        {
            QSize from, to;
            int format, space, range;
            int y, u, v;
        };
        const int limited = AVCOL_RANGE_MPEG, full = AVCOL_RANGE_JPEG;
        const Step steps[] = {
            {{1920, 1080}, {480, 270}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, limited, 63, 102, 240},
            {{1920, 1080}, {477, 251}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, limited, 63, 102, 240},
            {{1920, 1080}, {477, 251}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT470BG, full, 128, 100, 170},
            {{1920, 1080},
             {1280, 720},
             AV_PIX_FMT_YUVJ420P,
             AVCOL_SPC_UNSPECIFIED,
             AVCOL_RANGE_UNSPECIFIED,
             128,
             100,
             170},
            {{320, 240}, {320, 240}, AV_PIX_FMT_YUV420P, AVCOL_SPC_SMPTE170M, limited, 128, 100, 170},
            {{320, 240}, {641, 481}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, limited, 63, 102, 240},
            {{64, 48}, {32, 24}, AV_PIX_FMT_YUV444P, AVCOL_SPC_BT709, limited, 63, 102, 240},
            {{7, 5}, {3, 3}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, limited, 63, 102, 240},
            {{7, 5}, {1, 1}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT470BG, full, 128, 100, 170},
            {{2, 2}, {9, 17}, AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, limited, 63, 102, 240},
        };
        YuvScaler scaler;
        for (const Step &s : steps) {
            const std::shared_ptr<AVFrame> f =
                player::makeFramePtr(makePicture(s.from.width(), s.from.height(), s.format));
            f->colorspace = AVColorSpace(s.space);
            f->color_range = AVColorRange(s.range);
            const int chromaRows = s.format == AV_PIX_FMT_YUV444P ? s.from.height() : (s.from.height() + 1) / 2;
            for (int p = 0; p < 3; ++p)
                memset(f->data[p], p == 0 ? s.y : (p == 1 ? s.u : s.v),
                       size_t(f->linesize[p]) * size_t(p ? chromaRows : s.from.height()));
            const QImage out = scaled(scaler, f.get(), s.to);
            QVERIFY(!out.isNull());
            const QString off = offColour(out, YuvColor::forFrame(f.get()).toRgb(s.y, s.u, s.v));
            QVERIFY2(off.isEmpty(), qPrintable(QStringLiteral("%1x%2 to %3x%4, %5")
                                                   .arg(s.from.width())
                                                   .arg(s.from.height())
                                                   .arg(s.to.width())
                                                   .arg(s.to.height())
                                                   .arg(off)));
        }
    }

    // Where things are: the left half of the picture lands in the left half
    // of the pane and the top in the top, for brightness and for colour
    // (whose planes have half the picture's size).
    void scaledPicturesKeepTheirPlace()
    {
        const std::shared_ptr<AVFrame> f = player::makeFramePtr(makePicture(1920, 1080));
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x)
                f->data[0][y * f->linesize[0] + x] = (x >= 960 || y >= 540) ? 235 : 16; // black top left
        for (int p = 1; p < 3; ++p)
            memset(f->data[p], 128, size_t(f->linesize[p]) * 540);
        YuvScaler scaler;
        QImage out = scaled(scaler, f.get(), QSize(480, 270));
        QCOMPARE(qGray(out.pixel(0, 0)), 0);
        QCOMPARE(qGray(out.pixel(237, 132)), 0);
        QCOMPARE(qGray(out.pixel(242, 0)), 255);
        QCOMPARE(qGray(out.pixel(0, 137)), 255);
        QCOMPARE(qGray(out.pixel(479, 269)), 255);

        fill(f.get(), 126, 128, 128);
        for (int y = 0; y < 540; ++y)
            for (int x = 0; x < 960; ++x) {
                f->data[1][y * f->linesize[1] + x] = y < 270 ? 240 : 90;  // blue above,
                f->data[2][y * f->linesize[2] + x] = y < 270 ? 110 : 240; // red below
            }
        for (const QSize &size : {QSize(480, 270), QSize(1920, 1080), QSize(203, 77)}) {
            out = scaled(scaler, f.get(), size);
            const QRgb top = out.pixel(size.width() - 1, size.height() / 4);
            const QRgb bottom = out.pixel(size.width() - 1, size.height() * 3 / 4);
            QVERIFY2(qBlue(top) > qRed(top) + 100, qPrintable(QColor(top).name()));
            QVERIFY2(qRed(bottom) > qBlue(bottom) + 100, qPrintable(QColor(bottom).name()));
        }
    }
};

QTEST_MAIN(TestColour)
#include "tst_colour.moc"
