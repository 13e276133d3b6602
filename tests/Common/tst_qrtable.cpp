#include "QrPixmap.h"
#include "SharedTexts.h"
#include "TableHelpers.h"
#include "TreeIcons.h"

#include <QImage>
#include <QStandardItemModel>
#include <QtTest>

#include <qrencode.h>

namespace {

QStandardItemModel *checkModel(const QList<Qt::CheckState> &states, int columns = 3)
{
    auto *model = new QStandardItemModel;
    for (int r = 0; r < states.size(); ++r) {
        QList<QStandardItem *> row;
        for (int c = 0; c < columns; ++c)
            row << new QStandardItem(QStringLiteral("r%1c%2").arg(r).arg(c));
        row.first()->setCheckable(true);
        row.first()->setCheckState(states.at(r));
        model->appendRow(row);
    }
    return model;
}

} // namespace

class tst_QrTable : public QObject
{
    Q_OBJECT

private slots:
    void qrMatchesEncoder();
    void qrRefusedTextIsWhite();
    void checkedRows();
    void alignmentAndFind();
    void sharedTexts();
    void treeIcons();
};

void tst_QrTable::qrMatchesEncoder()
{
    const QString text = QStringLiteral("KV-8H2Q-ZX31");
    const QImage image = createQrPixmap(text, 220).toImage();
    QCOMPARE(image.size(), QSize(220, 220));

    QRcode *code = QRcode_encodeString(text.toUtf8().constData(), 2, QR_ECLEVEL_Q, QR_MODE_8, 1);
    QVERIFY(code);
    QCOMPARE(code->width, 25); // version 2
    const int m = 8;           // (220 - 20) / 25
    for (int row = 0; row < code->width; ++row) {
        for (int col = 0; col < code->width; ++col) {
            const bool dark = code->data[row * code->width + col] & 1;
            const QColor px = image.pixelColor(10 + col * m + m / 2, 10 + row * m + m / 2);
            QCOMPARE(px, dark ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    QRcode_free(code);
    // 10-pixel white margins all round.
    for (int i = 0; i < 220; ++i) {
        for (int j : {0, 9, 210, 219}) {
            QCOMPARE(image.pixelColor(i, j), QColor(Qt::white));
            QCOMPARE(image.pixelColor(j, i), QColor(Qt::white));
        }
    }
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::black)); // finder pattern corner
}

void tst_QrTable::qrRefusedTextIsWhite()
{
    for (const QString &text : {QString(), QString(4000, 'x')}) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QR code encoding failed"));
        const QImage image = createQrPixmap(text, 64).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    }
    QVERIFY(createQrPixmap("x", 0).isNull());
}

void tst_QrTable::checkedRows()
{
    QScopedPointer<QStandardItemModel> model(checkModel({Qt::Checked, Qt::PartiallyChecked, Qt::Checked}));
    QVERIFY(isAllRowsChecked(model.data())); // partial counts as checked
    QCOMPARE(getCheckedItems(model.data(), 1, false), (QStringList{"r0c1", "r2c1"}));
    QCOMPARE(getCheckedItems(model.data(), 0, true), (QStringList{"0", "2"}));
    // A checked row without an item in the column gives an empty entry.
    QCOMPARE(getCheckedItems(model.data(), 9, false), (QStringList{"", ""}));

    model->item(2, 0)->setCheckState(Qt::Unchecked);
    QVERIFY(!isAllRowsChecked(model.data()));
    setAllRowsChecked(model.data(), true);
    QVERIFY(isAllRowsChecked(model.data()));
    QCOMPARE(model->item(1, 0)->checkState(), Qt::Checked);
    setAllRowsChecked(model.data(), false);
    QVERIFY(getCheckedItems(model.data(), 1, false).isEmpty());
    QCOMPARE(model->item(1, 0)->checkState(), Qt::Unchecked);

    QStandardItemModel empty;
    QVERIFY(isAllRowsChecked(&empty));
    QVERIFY(!isAllRowsChecked(nullptr));
    QVERIFY(getCheckedItems(nullptr, 0, true).isEmpty());
    setAllRowsChecked(nullptr, true);
}

void tst_QrTable::alignmentAndFind()
{
    QScopedPointer<QStandardItemModel> model(checkModel({Qt::Checked, Qt::Unchecked}));
    model->setItem(3, 1, new QStandardItem("r3c1")); // rows 2 and 3 partly without items
    setModelTextAlignment(model.data(), Qt::AlignCenter);
    QCOMPARE(model->item(0, 2)->textAlignment(), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(model->item(3, 1)->textAlignment(), Qt::Alignment(Qt::AlignCenter));
    setModelTextAlignment(nullptr, Qt::AlignLeft);

    QCOMPARE(findRowByText("r1c2", model.data(), 2), 1);
    QCOMPARE(findRowByText("r3c1", model.data(), 1), 3);
    QCOMPARE(findRowByText("r1c2", model.data(), 1), -1);
    QCOMPARE(findRowByText("r1c2", nullptr, 2), -1);
}

void tst_QrTable::sharedTexts()
{
    QCOMPARE(SharedTexts::areYouSureText() + SharedTexts::deleteDeviceText(),
             QStringLiteral("Are you sure you want to delete this device?"));
    QCOMPARE(SharedTexts::tipDeleteGroup(), QStringLiteral("delete this Group?"));
    QCOMPARE(SharedTexts::subnetMismatchText(), QStringLiteral("The IP and gateway are not in the same subnet."));
    QCOMPARE(deviceFilterPlaceholderText(), QStringLiteral("Enter the device name to filter"));
    QCOMPARE(SharedTexts::weekDayList(),
             (QStringList{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}));
}

void tst_QrTable::treeIcons()
{
    const QList<QIcon (*)()> icons = {
        &TreeIcons::iconNvrNormal,       &TreeIcons::iconNvrHighlight, &TreeIcons::iconDeviceNormal,
        &TreeIcons::iconDeviceHighlight, &TreeIcons::iconErrPassword,  &TreeIcons::iconDevicePlay,
        &TreeIcons::iconPlayRecord,      &TreeIcons::iconRecord,       &TreeIcons::iconGroup};
    for (auto icon : icons) {
        QVERIFY(!icon().isNull());
        QCOMPARE(icon().cacheKey(), icon().cacheKey()); // loaded once
    }
}

QTEST_MAIN(tst_QrTable)
#include "tst_qrtable.moc"
