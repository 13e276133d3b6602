#include "QrPixmap.h"

#include <QDebug>
#include <QImage>
#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace {

struct QrDeleter
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};
using QrPtr = std::unique_ptr<QRcode, QrDeleter>;

QrPtr encode(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return QrPtr(QRcode_encodeString(utf8.constData(), 2, QR_ECLEVEL_Q, QR_MODE_8, 1));
}

} // namespace

QPixmap createQrPixmap(const QString &text, int size)
{
    if (size <= 0)
        return QPixmap();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::white);

    const QrPtr code = encode(text);
    if (!code) {
        qWarning() << "QR code encoding failed, text length:" << text.size();
        return QPixmap::fromImage(image);
    }
    const int w = code->width > 0 ? code->width : 1;
    const qreal m = qreal(size - 20) / w;
    if (m > 0) {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const unsigned char *data = code->data;
        for (int row = 0; row < w; ++row) {
            for (int col = 0; col < w; ++col) {
                if (data[row * w + col] & 0x01)
                    painter.drawRect(QRectF(10 + col * m, 10 + row * m, m, m));
            }
        }
    }
    return QPixmap::fromImage(image);
}
