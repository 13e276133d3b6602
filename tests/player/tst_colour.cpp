// Colours of decoded pictures: matrix and range follow the picture's tags, on
// the QPainter path and in the OpenGL shader's formula alike. Uniform
// pictures of known values against reference colours; the scaling of the
// QPainter path against pictures whose right result is known by eye.

#include "I420Render2.h"
#include "YuvColor.h"
#include "YuvScaler.h"

#include <QtTest>

namespace {

// A picture of one colour under the given tags; 4:2:0 unless told.
std::shared_ptr<AVFrame> uniform(QSize size, int space, int range, QVector<int> yuv, int format = AV_PIX_FMT_YUV420P)
{
    AVFrame *f = av_frame_alloc();
    f->format = format;
    f->width = size.width();
    f->height = size.height();
    f->colorspace = AVColorSpace(space);
    f->color_range = AVColorRange(range);
    if (av_frame_get_buffer(f, 0) < 0) {
        av_frame_free(&f);
        return nullptr;
    }
    const int chromaRows = format == AV_PIX_FMT_YUV444P ? f->height : (f->height + 1) / 2;
    for (int p = 0; p < 3; ++p)
        memset(f->data[p], yuv[p], size_t(f->linesize[p]) * size_t(p ? chromaRows : f->height));
    return player::makeFramePtr(f);
}

QImage scaled(YuvScaler &scaler, const AVFrame *f, QSize size)
{
    QImage out = YuvScaler::makeImage(size);
    out.fill(Qt::magenta);
    return scaler.convert(f, out) ? out : QImage();
}

bool near(QRgb got, QRgb want)
{
    return qAbs(qRed(got) - qRed(want)) <= 3 && qAbs(qGreen(got) - qGreen(want)) <= 3
           && qAbs(qBlue(got) - qBlue(want)) <= 3;
}

// The first pixel that is not near the colour, or an empty string.
QString offColour(const QImage &image, QRgb want)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!near(image.pixel(x, y), want))
                return QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(QColor(image.pixel(x, y)).name());
    return QString();
}

const int limited = AVCOL_RANGE_MPEG, full = AVCOL_RANGE_JPEG, unset = AVCOL_SPC_UNSPECIFIED;
const int s709 = AVCOL_SPC_BT709, s601 = AVCOL_SPC_BT470BG, s170 = AVCOL_SPC_SMPTE170M;
const int yuv420 = AV_PIX_FMT_YUV420P, yuvj420 = AV_PIX_FMT_YUVJ420P, yuv444 = AV_PIX_FMT_YUV444P;
const QVector<int> red709{63, 102, 240}, orange{128, 100, 170};

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
        QTest::newRow("601 full") << s601 << full << yuv420 << 240 << orange << QColor(187, 108, 78);
        QTest::newRow("601 limited") << s170 << limited << yuv420 << 240 << orange << QColor(197, 107, 74);
        QTest::newRow("yuvj is full") << unset << int(AVCOL_RANGE_UNSPECIFIED) << yuvj420 << 240 << orange
                                      << QColor(187, 108, 78);
        QTest::newRow("709 tagged, small") << s709 << limited << yuv420 << 240 << red709 << QColor(255, 0, 0);
        QTest::newRow("untagged 720 lines is 709") << unset << limited << yuv420 << 720 << red709 << QColor(255, 0, 0);
        QTest::newRow("untagged 480 lines is 601") << unset << limited << yuv420 << 480 << red709 << QColor(233, 0, 2);
    }

    void taggedPicturesKeepTheirColours()
    {
        QFETCH(int, space);
        QFETCH(int, range);
        QFETCH(int, format);
        QFETCH(int, height);
        QFETCH(QVector<int>, yuv);
        QFETCH(QColor, rgb);
        const std::shared_ptr<AVFrame> frame = uniform(QSize(height * 4 / 3, height), space, range, yuv, format);
        QVERIFY(frame);
        const QRgb shader = YuvColor::forFrame(frame.get()).toRgb(yuv[0], yuv[1], yuv[2]);
        QVERIFY2(near(shader, rgb.rgb()), qPrintable(QColor(shader).name()));

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
        QVERIFY2(near(painted, rgb.rgb()), qPrintable(QColor(painted).name()));
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
            QVector<int> yuv;
        };
        const Step steps[] = {
            {{1920, 1080}, {480, 270}, yuv420, s709, limited, red709},
            {{1920, 1080}, {477, 251}, yuv420, s709, limited, red709},
            {{1920, 1080}, {477, 251}, yuv420, s601, full, orange},
            {{1920, 1080}, {1280, 720}, yuvj420, unset, AVCOL_RANGE_UNSPECIFIED, orange},
            {{320, 240}, {320, 240}, yuv420, s170, limited, orange},
            {{320, 240}, {641, 481}, yuv420, s709, limited, red709},
            {{64, 48}, {32, 24}, yuv444, s709, limited, red709},
            {{7, 5}, {3, 3}, yuv420, s709, limited, red709},
            {{7, 5}, {1, 1}, yuv420, s601, full, orange},
            {{2, 2}, {9, 17}, yuv420, s709, limited, red709},
        };
        YuvScaler scaler;
        for (const Step &s : steps) {
            const std::shared_ptr<AVFrame> f = uniform(s.from, s.space, s.range, s.yuv, s.format);
            QVERIFY(f);
            const QImage out = scaled(scaler, f.get(), s.to);
            QVERIFY(!out.isNull());
            const QString off = offColour(out, YuvColor::forFrame(f.get()).toRgb(s.yuv[0], s.yuv[1], s.yuv[2]));
            QVERIFY2(off.isEmpty(), qPrintable(QStringLiteral("step %1, %2").arg(&s - steps).arg(off)));
        }
    }

    // Where things are: the left half of the picture lands in the left half
    // of the pane and the top in the top, for brightness and for colour
    // (whose planes have half the picture's size).
    void scaledPicturesKeepTheirPlace()
    {
        const std::shared_ptr<AVFrame> f = uniform(QSize(1920, 1080), s709, limited, {16, 128, 128});
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x)
                f->data[0][y * f->linesize[0] + x] = (x >= 960 || y >= 540) ? 235 : 16; // black top left
        YuvScaler scaler;
        QImage out = scaled(scaler, f.get(), QSize(480, 270));
        QCOMPARE(qGray(out.pixel(0, 0)), 0);
        QCOMPARE(qGray(out.pixel(237, 132)), 0);
        QCOMPARE(qGray(out.pixel(242, 0)), 255);
        QCOMPARE(qGray(out.pixel(0, 137)), 255);
        QCOMPARE(qGray(out.pixel(479, 269)), 255);

        memset(f->data[0], 126, size_t(f->linesize[0]) * 1080);
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
