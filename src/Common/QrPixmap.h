#pragma once

#include <QPixmap>
#include <QString>

// A size x size pixmap with the QR code of text (black on white, 10-pixel
// margin on the left and top). A text the encoder refuses gives a white pixmap.
QPixmap createQrPixmap(const QString &text, int size);
