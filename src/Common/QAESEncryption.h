#pragma once

// AES (128/192/256) in ECB, CBC, CFB (128-bit feedback) and OFB, with zero,
// PKCS#7 or ISO/IEC 7816-4 padding. Stateless between calls.

#include <QByteArray>
#include <QObject>

class QAESEncryption : public QObject
{
    Q_OBJECT

public:
    enum Aes { AES_128 = 0, AES_192 = 1, AES_256 = 2 };
    enum Mode { ECB = 0, CBC = 1, CFB = 2, OFB = 3 };
    enum Padding { ZERO = 0, PKCS7 = 1, ISO = 2 };
    Q_ENUM(Aes)
    Q_ENUM(Mode)
    Q_ENUM(Padding)

    // Any level other than AES_192 and AES_256 is AES-128.
    QAESEncryption(int level, int mode, int padding = ISO);

    // Empty result on bad input: a key not of the level's length, an IV that
    // is not 16 bytes (all modes but ECB), an unknown mode, or an ECB/CBC
    // cipher text that is not a whole number of blocks.
    QByteArray encode(const QByteArray &rawText, const QByteArray &key, const QByteArray &iv = QByteArray());
    // The padding stays in the result; see removePadding.
    QByteArray decode(const QByteArray &rawText, const QByteArray &key, const QByteArray &iv = QByteArray());
    QByteArray removePadding(const QByteArray &rawText) const;

    static QByteArray getPadding(int length, int padding);
    static QByteArray stripPadding(const QByteArray &rawText, int padding);

    int keyLength() const { return m_keyLen; }

private:
    QByteArray expandKey(const QByteArray &key) const;
    QByteArray cipher(const QByteArray &expKey, const QByteArray &in);
    QByteArray invCipher(const QByteArray &expKey, const QByteArray &in);
    static QByteArray xorByteArray(const QByteArray &a, const QByteArray &b);

    void addRoundKey(int round, const QByteArray &expKey);
    void subBytes();
    void shiftRows();
    void mixColumns();
    void invSubBytes();
    void invShiftRows();
    void invMixColumns();

    const int m_nb = 4;
    const int m_blockLen = 16;
    int m_level;
    int m_mode;
    int m_nk;
    int m_keyLen;
    int m_nr;
    int m_expandedKey;
    int m_padding;
    quint8 *m_state = nullptr;
};
