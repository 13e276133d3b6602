#include "QAESEncryption.h"

namespace {

const quint8 sbox[256] = {
    0x63, 0x7c, 0x77, 0x7b, 0xf2, 0x6b, 0x6f, 0xc5, 0x30, 0x01, 0x67, 0x2b, 0xfe, 0xd7, 0xab, 0x76, 0xca, 0x82, 0xc9,
    0x7d, 0xfa, 0x59, 0x47, 0xf0, 0xad, 0xd4, 0xa2, 0xaf, 0x9c, 0xa4, 0x72, 0xc0, 0xb7, 0xfd, 0x93, 0x26, 0x36, 0x3f,
    0xf7, 0xcc, 0x34, 0xa5, 0xe5, 0xf1, 0x71, 0xd8, 0x31, 0x15, 0x04, 0xc7, 0x23, 0xc3, 0x18, 0x96, 0x05, 0x9a, 0x07,
    0x12, 0x80, 0xe2, 0xeb, 0x27, 0xb2, 0x75, 0x09, 0x83, 0x2c, 0x1a, 0x1b, 0x6e, 0x5a, 0xa0, 0x52, 0x3b, 0xd6, 0xb3,
    0x29, 0xe3, 0x2f, 0x84, 0x53, 0xd1, 0x00, 0xed, 0x20, 0xfc, 0xb1, 0x5b, 0x6a, 0xcb, 0xbe, 0x39, 0x4a, 0x4c, 0x58,
    0xcf, 0xd0, 0xef, 0xaa, 0xfb, 0x43, 0x4d, 0x33, 0x85, 0x45, 0xf9, 0x02, 0x7f, 0x50, 0x3c, 0x9f, 0xa8, 0x51, 0xa3,
    0x40, 0x8f, 0x92, 0x9d, 0x38, 0xf5, 0xbc, 0xb6, 0xda, 0x21, 0x10, 0xff, 0xf3, 0xd2, 0xcd, 0x0c, 0x13, 0xec, 0x5f,
    0x97, 0x44, 0x17, 0xc4, 0xa7, 0x7e, 0x3d, 0x64, 0x5d, 0x19, 0x73, 0x60, 0x81, 0x4f, 0xdc, 0x22, 0x2a, 0x90, 0x88,
    0x46, 0xee, 0xb8, 0x14, 0xde, 0x5e, 0x0b, 0xdb, 0xe0, 0x32, 0x3a, 0x0a, 0x49, 0x06, 0x24, 0x5c, 0xc2, 0xd3, 0xac,
    0x62, 0x91, 0x95, 0xe4, 0x79, 0xe7, 0xc8, 0x37, 0x6d, 0x8d, 0xd5, 0x4e, 0xa9, 0x6c, 0x56, 0xf4, 0xea, 0x65, 0x7a,
    0xae, 0x08, 0xba, 0x78, 0x25, 0x2e, 0x1c, 0xa6, 0xb4, 0xc6, 0xe8, 0xdd, 0x74, 0x1f, 0x4b, 0xbd, 0x8b, 0x8a, 0x70,
    0x3e, 0xb5, 0x66, 0x48, 0x03, 0xf6, 0x0e, 0x61, 0x35, 0x57, 0xb9, 0x86, 0xc1, 0x1d, 0x9e, 0xe1, 0xf8, 0x98, 0x11,
    0x69, 0xd9, 0x8e, 0x94, 0x9b, 0x1e, 0x87, 0xe9, 0xce, 0x55, 0x28, 0xdf, 0x8c, 0xa1, 0x89, 0x0d, 0xbf, 0xe6, 0x42,
    0x68, 0x41, 0x99, 0x2d, 0x0f, 0xb0, 0x54, 0xbb, 0x16};

const quint8 rsbox[256] = {
    0x52, 0x09, 0x6a, 0xd5, 0x30, 0x36, 0xa5, 0x38, 0xbf, 0x40, 0xa3, 0x9e, 0x81, 0xf3, 0xd7, 0xfb, 0x7c, 0xe3, 0x39,
    0x82, 0x9b, 0x2f, 0xff, 0x87, 0x34, 0x8e, 0x43, 0x44, 0xc4, 0xde, 0xe9, 0xcb, 0x54, 0x7b, 0x94, 0x32, 0xa6, 0xc2,
    0x23, 0x3d, 0xee, 0x4c, 0x95, 0x0b, 0x42, 0xfa, 0xc3, 0x4e, 0x08, 0x2e, 0xa1, 0x66, 0x28, 0xd9, 0x24, 0xb2, 0x76,
    0x5b, 0xa2, 0x49, 0x6d, 0x8b, 0xd1, 0x25, 0x72, 0xf8, 0xf6, 0x64, 0x86, 0x68, 0x98, 0x16, 0xd4, 0xa4, 0x5c, 0xcc,
    0x5d, 0x65, 0xb6, 0x92, 0x6c, 0x70, 0x48, 0x50, 0xfd, 0xed, 0xb9, 0xda, 0x5e, 0x15, 0x46, 0x57, 0xa7, 0x8d, 0x9d,
    0x84, 0x90, 0xd8, 0xab, 0x00, 0x8c, 0xbc, 0xd3, 0x0a, 0xf7, 0xe4, 0x58, 0x05, 0xb8, 0xb3, 0x45, 0x06, 0xd0, 0x2c,
    0x1e, 0x8f, 0xca, 0x3f, 0x0f, 0x02, 0xc1, 0xaf, 0xbd, 0x03, 0x01, 0x13, 0x8a, 0x6b, 0x3a, 0x91, 0x11, 0x41, 0x4f,
    0x67, 0xdc, 0xea, 0x97, 0xf2, 0xcf, 0xce, 0xf0, 0xb4, 0xe6, 0x73, 0x96, 0xac, 0x74, 0x22, 0xe7, 0xad, 0x35, 0x85,
    0xe2, 0xf9, 0x37, 0xe8, 0x1c, 0x75, 0xdf, 0x6e, 0x47, 0xf1, 0x1a, 0x71, 0x1d, 0x29, 0xc5, 0x89, 0x6f, 0xb7, 0x62,
    0x0e, 0xaa, 0x18, 0xbe, 0x1b, 0xfc, 0x56, 0x3e, 0x4b, 0xc6, 0xd2, 0x79, 0x20, 0x9a, 0xdb, 0xc0, 0xfe, 0x78, 0xcd,
    0x5a, 0xf4, 0x1f, 0xdd, 0xa8, 0x33, 0x88, 0x07, 0xc7, 0x31, 0xb1, 0x12, 0x10, 0x59, 0x27, 0x80, 0xec, 0x5f, 0x60,
    0x51, 0x7f, 0xa9, 0x19, 0xb5, 0x4a, 0x0d, 0x2d, 0xe5, 0x7a, 0x9f, 0x93, 0xc9, 0x9c, 0xef, 0xa0, 0xe0, 0x3b, 0x4d,
    0xae, 0x2a, 0xf5, 0xb0, 0xc8, 0xeb, 0xbb, 0x3c, 0x83, 0x53, 0x99, 0x61, 0x17, 0x2b, 0x04, 0x7e, 0xba, 0x77, 0xd6,
    0x26, 0xe1, 0x69, 0x14, 0x63, 0x55, 0x21, 0x0c, 0x7d};

// Index 0 is unused; the schedule starts at Rcon[1].
const quint8 rcon[15] = {0x8d, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0x1b, 0x36, 0x6c, 0xd8, 0xab, 0x4d};

inline quint8 xtime(quint8 x)
{
    return quint8((x << 1) ^ ((x & 0x80) ? 0x1b : 0x00));
}

inline quint8 gmul(quint8 x, quint8 y)
{
    quint8 r = 0;
    while (y) {
        if (y & 1)
            r ^= x;
        x = xtime(x);
        y >>= 1;
    }
    return r;
}

} // namespace

QAESEncryption::QAESEncryption(int level, int mode, int padding)
    : m_level(level == AES_192 || level == AES_256 ? level : AES_128)
    , m_mode(mode)
    , m_padding(padding)
{
    switch (m_level) {
    case AES_192:
        m_nk = 6;
        m_keyLen = 24;
        m_nr = 12;
        m_expandedKey = 209;
        break;
    case AES_256:
        m_nk = 8;
        m_keyLen = 32;
        m_nr = 14;
        m_expandedKey = 240;
        break;
    default:
        m_nk = 4;
        m_keyLen = 16;
        m_nr = 10;
        m_expandedKey = 176;
        break;
    }
}

QByteArray QAESEncryption::getPadding(int length, int padding)
{
    const int n = (16 - length % 16) % 16;
    switch (padding) {
    case ZERO:
        return QByteArray(n, '\0');
    case PKCS7: {
        const int m = n == 0 ? 16 : n;
        return QByteArray(m, char(m));
    }
    case ISO:
        if (n == 0)
            return QByteArray();
        return QByteArray(1, char(0x80)) + QByteArray(n - 1, '\0');
    }
    return QByteArray();
}

QByteArray QAESEncryption::stripPadding(const QByteArray &rawText, int padding)
{
    if (rawText.isEmpty())
        return rawText;
    switch (padding) {
    case ZERO: {
        int end = rawText.size();
        while (end > 0 && rawText.at(end - 1) == '\0')
            --end;
        return rawText.left(end);
    }
    case PKCS7: {
        const int v = static_cast<qint8>(rawText.at(rawText.size() - 1));
        if (v >= 1 && v <= rawText.size())
            return rawText.left(rawText.size() - v);
        return rawText;
    }
    case ISO: {
        int i = rawText.size() - 1;
        while (i >= 0 && rawText.at(i) == '\0')
            --i;
        if (i >= 0 && static_cast<quint8>(rawText.at(i)) == 0x80)
            return rawText.left(i);
        return rawText;
    }
    }
    return rawText;
}

QByteArray QAESEncryption::removePadding(const QByteArray &rawText) const
{
    return stripPadding(rawText, m_padding);
}

QByteArray QAESEncryption::expandKey(const QByteArray &key) const
{
    const int words = m_nb * (m_nr + 1);
    QByteArray out(words * 4, '\0');
    auto *w = reinterpret_cast<quint8 *>(out.data());
    const auto *k = reinterpret_cast<const quint8 *>(key.constData());
    for (int i = 0; i < m_keyLen; ++i)
        w[i] = k[i];
    quint8 temp[4];
    for (int i = m_nk; i < words; ++i) {
        for (int j = 0; j < 4; ++j)
            temp[j] = w[(i - 1) * 4 + j];
        if (i % m_nk == 0) {
            const quint8 t = temp[0];
            temp[0] = quint8(sbox[temp[1]] ^ rcon[i / m_nk]);
            temp[1] = sbox[temp[2]];
            temp[2] = sbox[temp[3]];
            temp[3] = sbox[t];
        } else if (m_nk == 8 && i % m_nk == 4) {
            for (int j = 0; j < 4; ++j)
                temp[j] = sbox[temp[j]];
        }
        for (int j = 0; j < 4; ++j)
            w[i * 4 + j] = quint8(w[(i - m_nk) * 4 + j] ^ temp[j]);
    }
    return out;
}

void QAESEncryption::addRoundKey(int round, const QByteArray &expKey)
{
    const auto *k = reinterpret_cast<const quint8 *>(expKey.constData()) + round * m_blockLen;
    for (int i = 0; i < 16; ++i)
        m_state[i] ^= k[i];
}

void QAESEncryption::subBytes()
{
    for (int i = 0; i < 16; ++i)
        m_state[i] = sbox[m_state[i]];
}

void QAESEncryption::invSubBytes()
{
    for (int i = 0; i < 16; ++i)
        m_state[i] = rsbox[m_state[i]];
}

// Byte i of the state is row i % 4, column i / 4.
void QAESEncryption::shiftRows()
{
    quint8 t[16];
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            t[c * 4 + r] = m_state[((c + r) % 4) * 4 + r];
    for (int i = 0; i < 16; ++i)
        m_state[i] = t[i];
}

void QAESEncryption::invShiftRows()
{
    quint8 t[16];
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            t[((c + r) % 4) * 4 + r] = m_state[c * 4 + r];
    for (int i = 0; i < 16; ++i)
        m_state[i] = t[i];
}

void QAESEncryption::mixColumns()
{
    for (int c = 0; c < 4; ++c) {
        quint8 *s = m_state + c * 4;
        const quint8 a0 = s[0], a1 = s[1], a2 = s[2], a3 = s[3];
        s[0] = quint8(xtime(a0) ^ (xtime(a1) ^ a1) ^ a2 ^ a3);
        s[1] = quint8(a0 ^ xtime(a1) ^ (xtime(a2) ^ a2) ^ a3);
        s[2] = quint8(a0 ^ a1 ^ xtime(a2) ^ (xtime(a3) ^ a3));
        s[3] = quint8((xtime(a0) ^ a0) ^ a1 ^ a2 ^ xtime(a3));
    }
}

void QAESEncryption::invMixColumns()
{
    for (int c = 0; c < 4; ++c) {
        quint8 *s = m_state + c * 4;
        const quint8 a0 = s[0], a1 = s[1], a2 = s[2], a3 = s[3];
        s[0] = quint8(gmul(a0, 14) ^ gmul(a1, 11) ^ gmul(a2, 13) ^ gmul(a3, 9));
        s[1] = quint8(gmul(a0, 9) ^ gmul(a1, 14) ^ gmul(a2, 11) ^ gmul(a3, 13));
        s[2] = quint8(gmul(a0, 13) ^ gmul(a1, 9) ^ gmul(a2, 14) ^ gmul(a3, 11));
        s[3] = quint8(gmul(a0, 11) ^ gmul(a1, 13) ^ gmul(a2, 9) ^ gmul(a3, 14));
    }
}

QByteArray QAESEncryption::cipher(const QByteArray &expKey, const QByteArray &in)
{
    QByteArray out = in.left(m_blockLen);
    out.detach();
    m_state = reinterpret_cast<quint8 *>(out.data());
    addRoundKey(0, expKey);
    for (int round = 1; round < m_nr; ++round) {
        subBytes();
        shiftRows();
        mixColumns();
        addRoundKey(round, expKey);
    }
    subBytes();
    shiftRows();
    addRoundKey(m_nr, expKey);
    m_state = nullptr;
    return out;
}

QByteArray QAESEncryption::invCipher(const QByteArray &expKey, const QByteArray &in)
{
    QByteArray out = in.left(m_blockLen);
    out.detach();
    m_state = reinterpret_cast<quint8 *>(out.data());
    addRoundKey(m_nr, expKey);
    for (int round = m_nr - 1; round > 0; --round) {
        invShiftRows();
        invSubBytes();
        addRoundKey(round, expKey);
        invMixColumns();
    }
    invShiftRows();
    invSubBytes();
    addRoundKey(0, expKey);
    m_state = nullptr;
    return out;
}

QByteArray QAESEncryption::xorByteArray(const QByteArray &a, const QByteArray &b)
{
    const int n = qMin(a.size(), b.size());
    QByteArray out(n, '\0');
    for (int i = 0; i < n; ++i)
        out[i] = char(a.at(i) ^ b.at(i));
    return out;
}

QByteArray QAESEncryption::encode(const QByteArray &rawText, const QByteArray &key, const QByteArray &iv)
{
    if (m_mode < ECB || m_mode > OFB)
        return QByteArray();
    if (m_mode != ECB && iv.size() != m_blockLen)
        return QByteArray();
    if (key.size() != m_keyLen)
        return QByteArray();

    const QByteArray expKey = expandKey(key);
    const QByteArray data = rawText + getPadding(rawText.size(), m_padding);
    QByteArray out;
    out.reserve(data.size());

    switch (m_mode) {
    case ECB:
        if (data.size() % m_blockLen != 0)
            return QByteArray();
        for (int i = 0; i < data.size(); i += m_blockLen)
            out.append(cipher(expKey, data.mid(i, m_blockLen)));
        break;
    case CBC: {
        if (data.size() % m_blockLen != 0)
            return QByteArray();
        QByteArray prev = iv;
        for (int i = 0; i < data.size(); i += m_blockLen) {
            prev = cipher(expKey, xorByteArray(data.mid(i, m_blockLen), prev));
            out.append(prev);
        }
        break;
    }
    case CFB: {
        QByteArray prev = iv;
        for (int i = 0; i < data.size(); i += m_blockLen) {
            prev = xorByteArray(data.mid(i, m_blockLen), cipher(expKey, prev));
            out.append(prev);
        }
        break;
    }
    case OFB: {
        QByteArray stream = iv;
        for (int i = 0; i < data.size(); i += m_blockLen) {
            stream = cipher(expKey, stream);
            out.append(xorByteArray(data.mid(i, m_blockLen), stream));
        }
        break;
    }
    }
    return out;
}

QByteArray QAESEncryption::decode(const QByteArray &rawText, const QByteArray &key, const QByteArray &iv)
{
    if (m_mode < ECB || m_mode > OFB)
        return QByteArray();
    if (m_mode != ECB && iv.size() != m_blockLen)
        return QByteArray();
    if (key.size() != m_keyLen)
        return QByteArray();
    if ((m_mode == ECB || m_mode == CBC) && rawText.size() % m_blockLen != 0)
        return QByteArray();

    const QByteArray expKey = expandKey(key);
    QByteArray out;
    out.reserve(rawText.size());

    switch (m_mode) {
    case ECB:
        for (int i = 0; i < rawText.size(); i += m_blockLen)
            out.append(invCipher(expKey, rawText.mid(i, m_blockLen)));
        break;
    case CBC: {
        QByteArray prev = iv;
        for (int i = 0; i < rawText.size(); i += m_blockLen) {
            const QByteArray block = rawText.mid(i, m_blockLen);
            out.append(xorByteArray(invCipher(expKey, block), prev));
            prev = block;
        }
        break;
    }
    case CFB: {
        QByteArray prev = iv;
        for (int i = 0; i < rawText.size(); i += m_blockLen) {
            const QByteArray block = rawText.mid(i, m_blockLen);
            out.append(xorByteArray(block, cipher(expKey, prev)));
            prev = block;
        }
        break;
    }
    case OFB: {
        QByteArray stream = iv;
        for (int i = 0; i < rawText.size(); i += m_blockLen) {
            stream = cipher(expKey, stream);
            out.append(xorByteArray(rawText.mid(i, m_blockLen), stream));
        }
        break;
    }
    }
    return out;
}
