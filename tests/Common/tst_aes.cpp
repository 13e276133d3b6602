#include "QAESEncryption.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QByteArray kPlain = QByteArray::fromHex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
                                              "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710");
const QByteArray kIv = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");

QByteArray key800(int level)
{
    switch (level) {
    case QAESEncryption::AES_192:
        return QByteArray::fromHex("8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b");
    case QAESEncryption::AES_256:
        return QByteArray::fromHex("603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4");
    }
    return QByteArray::fromHex("2b7e151628aed2a6abf7158809cf4f3c");
}

QByteArray randomBytes(int n)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char(QRandomGenerator::global()->bounded(256));
    return b;
}

const char *modeName(int mode)
{
    static const char *names[] = {"ecb", "cbc", "cfb", "ofb"};
    return names[mode];
}

// openssl enc over data; returns false when the tool fails.
bool openssl(const QByteArray &data, int level, int mode, const QByteArray &key, const QByteArray &iv, bool nopad,
             bool decrypt, QByteArray &out)
{
    QStringList args{"enc", QStringLiteral("-aes-%1-%2").arg(128 + 64 * level).arg(modeName(mode)), "-K",
                     QString::fromLatin1(key.toHex())};
    if (mode != QAESEncryption::ECB)
        args << "-iv" << QString::fromLatin1(iv.toHex());
    if (nopad)
        args << "-nopad";
    if (decrypt)
        args << "-d";
    QProcess p;
    p.start("openssl", args);
    if (!p.waitForStarted(5000))
        return false;
    p.write(data);
    p.closeWriteChannel();
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return false;
    out = p.readAllStandardOutput();
    return true;
}

} // namespace

class tst_QAESEncryption : public QObject
{
    Q_OBJECT

private slots:
    void fips197_data();
    void fips197();
    void sp80038a_data();
    void sp80038a();
    void padding_data();
    void padding();
    void stripPadding_data();
    void stripPadding();
    void roundTrip_data();
    void roundTrip();
    void shortStreamBlock();
    void badInput_data();
    void badInput();
    void opensslCrossCheck_data();
    void opensslCrossCheck();
};

void tst_QAESEncryption::fips197_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("cipher");
    QTest::newRow("AES-128") << int(QAESEncryption::AES_128) << QByteArray::fromHex("000102030405060708090a0b0c0d0e0f")
                             << QByteArray::fromHex("69c4e0d86a7b0430d8cdb78070b4c55a");
    QTest::newRow("AES-192") << int(QAESEncryption::AES_192)
                             << QByteArray::fromHex("000102030405060708090a0b0c0d0e0f1011121314151617")
                             << QByteArray::fromHex("dda97ca4864cdfe06eaf70a0ec0d7191");
    QTest::newRow("AES-256") << int(QAESEncryption::AES_256)
                             << QByteArray::fromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f")
                             << QByteArray::fromHex("8ea2b7ca516745bfeafc49904b496089");
}

void tst_QAESEncryption::fips197()
{
    QFETCH(int, level);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, cipher);
    const QByteArray plain = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    QAESEncryption aes(level, QAESEncryption::ECB, QAESEncryption::ZERO);
    QCOMPARE(aes.encode(plain, key).toHex(), cipher.toHex());
    QCOMPARE(aes.decode(cipher, key).toHex(), plain.toHex());
}

void tst_QAESEncryption::sp80038a_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("cipher");
    const char *vectors[3][4] = {
        {"3ad77bb40d7a3660a89ecaf32466ef97f5d3d58503b9699de785895a96fdbaaf43b1cd7f598ece23881b00e3ed0306887b0c785e27e8ad3f8223207104725dd4",
         "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b273bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7",
         "3b3fd92eb72dad20333449f8e83cfb4ac8a64537a0b3a93fcde3cdad9f1ce58b26751f67a3cbb140b1808cf187a4f4dfc04b05357c5d1c0eeac4c66f9ff7f2e6",
         "3b3fd92eb72dad20333449f8e83cfb4a7789508d16918f03f53c52dac54ed8259740051e9c5fecf64344f7a82260edcc304c6528f659c77866a510d9c1d6ae5e"},
        {"bd334f1d6e45f25ff712a214571fa5cc974104846d0ad3ad7734ecb3ecee4eefef7afd2270e2e60adce0ba2face6444e9a4b41ba738d6c72fb16691603c18e0e",
         "4f021db243bc633d7178183a9fa071e8b4d9ada9ad7dedf4e5e738763f69145a571b242012fb7ae07fa9baac3df102e008b0e27988598881d920a9e64f5615cd",
         "cdc80d6fddf18cab34c25909c99a417467ce7f7f81173621961a2b70171d3d7a2e1e8a1dd59b88b1c8e60fed1efac4c9c05f9f9ca9834fa042ae8fba584b09ff",
         "cdc80d6fddf18cab34c25909c99a4174fcc28b8d4c63837c09e81700c11004018d9a9aeac0f6596f559c6d4daf59a5f26d9f200857ca6c3e9cac524bd9acc92a"},
        {"f3eed1bdb5d2a03c064b5a7e3db181f8591ccb10d410ed26dc5ba74a31362870b6ed21b99ca6f4f9f153e7b1beafed1d23304b7a39f9f3ff067d8d8f9e24ecc7",
         "f58c4c04d6e5f1ba779eabfb5f7bfbd69cfc4e967edb808d679f777bc6702c7d39f23369a9d9bacfa530e26304231461b2eb05e2c39be9fcda6c19078c6a9d1b",
         "dc7e84bfda79164b7ecd8486985d386039ffed143b28b1c832113c6331e5407bdf10132415e54b92a13ed0a8267ae2f975a385741ab9cef82031623d55b1e471",
         "dc7e84bfda79164b7ecd8486985d38604febdc6740d20b3ac88f6ad82a4fb08d71ab47a086e86eedf39d1c5bba97c4080126141d67f37be8538f5a8be740e484"},
    };
    for (int level = 0; level < 3; ++level) {
        for (int mode = 0; mode < 4; ++mode) {
            const QByteArray name = QByteArray("AES-") + QByteArray::number(128 + 64 * level) + "-" + modeName(mode);
            QTest::newRow(name.constData()) << level << mode << QByteArray::fromHex(vectors[level][mode]);
        }
    }
}

void tst_QAESEncryption::sp80038a()
{
    QFETCH(int, level);
    QFETCH(int, mode);
    QFETCH(QByteArray, cipher);
    for (int padding : {QAESEncryption::ZERO, QAESEncryption::ISO}) {
        QAESEncryption aes(level, mode, padding);
        QCOMPARE(aes.encode(kPlain, key800(level), kIv).toHex(), cipher.toHex());
        QCOMPARE(aes.decode(cipher, key800(level), kIv).toHex(), kPlain.toHex());
    }
}

void tst_QAESEncryption::padding_data()
{
    QTest::addColumn<int>("padding");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("pad");
    QTest::newRow("zero 16") << int(QAESEncryption::ZERO) << 16 << QByteArray();
    QTest::newRow("zero 13") << int(QAESEncryption::ZERO) << 13 << QByteArray(3, '\0');
    QTest::newRow("pkcs7 16") << int(QAESEncryption::PKCS7) << 16 << QByteArray(16, '\x10');
    QTest::newRow("pkcs7 15") << int(QAESEncryption::PKCS7) << 15 << QByteArray(1, '\x01');
    QTest::newRow("pkcs7 0") << int(QAESEncryption::PKCS7) << 0 << QByteArray(16, '\x10');
    QTest::newRow("iso 16") << int(QAESEncryption::ISO) << 16 << QByteArray();
    QTest::newRow("iso 17") << int(QAESEncryption::ISO) << 17 << QByteArray(1, '\x80') + QByteArray(14, '\0');
    QTest::newRow("iso 15") << int(QAESEncryption::ISO) << 15 << QByteArray(1, '\x80');
}

void tst_QAESEncryption::padding()
{
    QFETCH(int, padding);
    QFETCH(int, length);
    QFETCH(QByteArray, pad);
    QCOMPARE(QAESEncryption::getPadding(length, padding).toHex(), pad.toHex());
}

void tst_QAESEncryption::stripPadding_data()
{
    QTest::addColumn<int>("padding");
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("iso") << int(QAESEncryption::ISO) << QByteArray::fromHex("41418000") << QByteArray("AA");
    QTest::newRow("iso no marker") << int(QAESEncryption::ISO) << QByteArray::fromHex("414100")
                                   << QByteArray::fromHex("414100");
    QTest::newRow("iso all zero") << int(QAESEncryption::ISO) << QByteArray(4, '\0') << QByteArray(4, '\0');
    QTest::newRow("zero") << int(QAESEncryption::ZERO) << QByteArray::fromHex("41000000") << QByteArray("A");
    QTest::newRow("zero all") << int(QAESEncryption::ZERO) << QByteArray(3, '\0') << QByteArray();
    QTest::newRow("pkcs7") << int(QAESEncryption::PKCS7) << QByteArray::fromHex("41020202")
                           << QByteArray::fromHex("4102");
    QTest::newRow("pkcs7 too big") << int(QAESEncryption::PKCS7) << QByteArray::fromHex("4109")
                                   << QByteArray::fromHex("4109");
    QTest::newRow("pkcs7 negative") << int(QAESEncryption::PKCS7) << QByteArray::fromHex("41ff")
                                    << QByteArray::fromHex("41ff");
    QTest::newRow("pkcs7 zero") << int(QAESEncryption::PKCS7) << QByteArray::fromHex("4100")
                                << QByteArray::fromHex("4100");
    QTest::newRow("empty") << int(QAESEncryption::PKCS7) << QByteArray() << QByteArray();
}

void tst_QAESEncryption::stripPadding()
{
    QFETCH(int, padding);
    QFETCH(QByteArray, in);
    QFETCH(QByteArray, out);
    QCOMPARE(QAESEncryption::stripPadding(in, padding).toHex(), out.toHex());
    QAESEncryption aes(QAESEncryption::AES_128, QAESEncryption::ECB, padding);
    QCOMPARE(aes.removePadding(in).toHex(), out.toHex());
}

void tst_QAESEncryption::roundTrip_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("padding");
    for (int level = 0; level < 3; ++level)
        for (int mode = 0; mode < 4; ++mode)
            for (int padding = 1; padding < 3; ++padding) {
                const QByteArray name = QByteArray::number(128 + 64 * level) + "-" + modeName(mode) + "-"
                                        + (padding == 1 ? "pkcs7" : "iso");
                QTest::newRow(name.constData()) << level << mode << padding;
            }
}

void tst_QAESEncryption::roundTrip()
{
    QFETCH(int, level);
    QFETCH(int, mode);
    QFETCH(int, padding);
    QAESEncryption aes(level, mode, padding);
    for (int len : {0, 1, 15, 16, 17, 31, 32, 100}) {
        QByteArray data = randomBytes(len);
        if (!data.isEmpty())
            data[data.size() - 1] = 'z'; // ISO cannot tell data ending in 0x80 0x00.. from padding
        const QByteArray key = randomBytes(aes.keyLength());
        const QByteArray iv = randomBytes(16);
        const QByteArray enc = aes.encode(data, key, iv);
        QCOMPARE(enc.size() % 16, 0);
        QCOMPARE(aes.removePadding(aes.decode(enc, key, iv)).toHex(), data.toHex());
    }
}

void tst_QAESEncryption::shortStreamBlock()
{
    // CFB and OFB cipher texts may end in a short block.
    for (int mode : {QAESEncryption::CFB, QAESEncryption::OFB}) {
        QAESEncryption aes(QAESEncryption::AES_128, mode, QAESEncryption::ZERO);
        const QByteArray enc = aes.encode(kPlain, key800(0), kIv);
        const QByteArray part = enc.left(37);
        QCOMPARE(aes.decode(part, key800(0), kIv).toHex(), kPlain.left(37).toHex());
    }
    // ECB and CBC cipher texts must be whole blocks.
    for (int mode : {QAESEncryption::ECB, QAESEncryption::CBC}) {
        QAESEncryption aes(QAESEncryption::AES_256, mode, QAESEncryption::ISO);
        for (int len : {1, 15, 17, 63})
            QVERIFY(aes.decode(QByteArray(len, 'c'), key800(2), kIv).isEmpty());
    }
}

void tst_QAESEncryption::badInput_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("iv");
    const QByteArray block(16, 'a');
    QTest::newRow("short key 128") << 0 << 1 << block << QByteArray(15, 'k') << kIv;
    QTest::newRow("empty key") << 2 << 0 << block << QByteArray() << QByteArray();
    QTest::newRow("long key 128") << 0 << 0 << block << QByteArray(32, 'k') << QByteArray();
    QTest::newRow("128-bit key for 256") << 2 << 1 << block << QByteArray(16, 'k') << kIv;
    QTest::newRow("15-byte iv") << 0 << 1 << block << QByteArray(16, 'k') << kIv.left(15);
    QTest::newRow("empty iv cfb") << 1 << 2 << block << QByteArray(24, 'k') << QByteArray();
    QTest::newRow("17-byte iv ofb") << 2 << 3 << block << QByteArray(32, 'k') << kIv + "x";
    QTest::newRow("bad mode") << 0 << 4 << block << QByteArray(16, 'k') << kIv;
    QTest::newRow("negative mode") << 0 << -1 << block << QByteArray(16, 'k') << kIv;
}

void tst_QAESEncryption::badInput()
{
    QFETCH(int, level);
    QFETCH(int, mode);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, iv);
    QAESEncryption aes(level, mode, QAESEncryption::PKCS7);
    QVERIFY(aes.encode(data, key, iv).isEmpty());
    QVERIFY(aes.decode(data, key, iv).isEmpty());
}

void tst_QAESEncryption::opensslCrossCheck_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    for (int level = 0; level < 3; ++level)
        for (int mode = 0; mode < 4; ++mode) {
            const QByteArray name = QByteArray::number(128 + 64 * level) + "-" + modeName(mode);
            QTest::newRow(name.constData()) << level << mode;
        }
}

void tst_QAESEncryption::opensslCrossCheck()
{
    if (QStandardPaths::findExecutable("openssl").isEmpty())
        QSKIP("openssl is not installed");
    QFETCH(int, level);
    QFETCH(int, mode);
    QAESEncryption zero(level, mode, QAESEncryption::ZERO);
    QAESEncryption pkcs(level, mode, QAESEncryption::PKCS7);
    const bool block = mode == QAESEncryption::ECB || mode == QAESEncryption::CBC;

    for (int round = 0; round < 4; ++round) {
        const QByteArray key = randomBytes(zero.keyLength());
        const QByteArray iv = randomBytes(16);

        // Aligned data without padding.
        const QByteArray aligned = randomBytes(16 * (1 + round));
        QByteArray ref;
        QVERIFY(openssl(aligned, level, mode, key, iv, true, false, ref));
        QCOMPARE(zero.encode(aligned, key, iv).toHex(), ref.toHex());
        QCOMPARE(zero.decode(ref, key, iv).toHex(), aligned.toHex());

        // PKCS7 on any length (stream modes carry no padding in openssl).
        const QByteArray data = randomBytes(1 + 7 * round + round * round);
        QVERIFY(openssl(data, level, mode, key, iv, !block, false, ref));
        if (block) {
            QCOMPARE(pkcs.encode(data, key, iv).toHex(), ref.toHex());
            QCOMPARE(pkcs.removePadding(pkcs.decode(ref, key, iv)).toHex(), data.toHex());
        } else {
            QCOMPARE(pkcs.decode(ref, key, iv).toHex(), data.toHex());
        }
        // And ours decrypts with openssl.
        const QByteArray ours = pkcs.encode(data, key, iv);
        QByteArray back;
        QVERIFY(openssl(ours, level, mode, key, iv, !block, true, back));
        if (block)
            QCOMPARE(back.toHex(), data.toHex());
        else
            QCOMPARE(QAESEncryption::stripPadding(back, QAESEncryption::PKCS7).toHex(), data.toHex());
    }
}

QTEST_GUILESS_MAIN(tst_QAESEncryption)
#include "tst_aes.moc"
