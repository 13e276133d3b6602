#include "PrivateProto.h"

#include <QDebug>
#include <QDomDocument>
#include <QXmlStreamWriter>

#include <cstring>

namespace PrivateProto {

static const char kMagic[4] = {0x07, 0x03, 0x18, 0x20};
static const char kOpenTag[] = "<PrivateProto>";
static const char kCloseTag[] = "</PrivateProto>";
constexpr int kOpenLen = sizeof(kOpenTag) - 1;
constexpr int kCloseLen = sizeof(kCloseTag) - 1;

QByteArray magicBytes()
{
    return QByteArray(kMagic, 4);
}

QByteArray frameHeader(uint32_t length)
{
    QByteArray h(kMagic, 4);
    for (int i = 0; i < 4; ++i)
        h.append(char((length >> (8 * i)) & 0xff));
    return h;
}

QByteArray frame(const QByteArray &payload)
{
    QByteArray f;
    f.reserve(FrameHeaderSize + payload.size());
    f.append(frameHeader(uint32_t(payload.size())));
    f.append(payload);
    return f;
}

unsigned int commandType(unsigned int cmd)
{
    return cmd / unsigned(Cmd::TypeUnit) * unsigned(Cmd::TypeUnit);
}

QString escapeText(const QString &text)
{
    if (!text.contains(QLatin1Char('&')) && !text.contains(QLatin1Char('<')))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else
            out += c;
    }
    return out;
}

QString maskSecrets(const QString &text)
{
    return DeviceXml::masked(text);
}

static const char *findBytes(const char *hay, int hayLen, const char *needle, int needleLen)
{
    if (needleLen <= 0 || hayLen < needleLen)
        return nullptr;
    const char *end = hay + hayLen - needleLen + 1;
    const char first = needle[0];
    for (const char *p = hay; p < end;) {
        p = static_cast<const char *>(std::memchr(p, first, size_t(end - p)));
        if (!p)
            return nullptr;
        if (std::memcmp(p, needle, size_t(needleLen)) == 0)
            return p;
        ++p;
    }
    return nullptr;
}

QByteArray childText(const char *data, int size, const char *parent, const char *child)
{
    if (!data || size <= 0)
        return QByteArray();
    const QByteArray pOpen = QByteArray("<") + parent + '>';
    const QByteArray pClose = QByteArray("</") + parent + '>';
    const QByteArray cOpen = QByteArray("<") + child + '>';
    const QByteArray cClose = QByteArray("</") + child + '>';
    const char *ps = findBytes(data, size, pOpen.constData(), pOpen.size());
    if (!ps)
        return QByteArray();
    ps += pOpen.size();
    const char *pe = findBytes(ps, int(data + size - ps), pClose.constData(), pClose.size());
    if (!pe)
        return QByteArray();
    const char *cs = findBytes(ps, int(pe - ps), cOpen.constData(), cOpen.size());
    if (!cs)
        return QByteArray();
    cs += cOpen.size();
    const char *ce = findBytes(cs, int(pe - cs), cClose.constData(), cClose.size());
    if (!ce)
        return QByteArray();
    return QByteArray(cs, int(ce - cs));
}

static int toNumber(const QByteArray &text, bool *ok)
{
    const QByteArray t = text.trimmed();
    return t.toInt(ok, 10);
}

int headCommand(const char *data, int size)
{
    const QByteArray text = childText(data, size, "head", "cmd");
    if (text.isNull())
        return -1;
    bool ok = false;
    const int cmd = toNumber(text, &ok);
    return ok ? cmd : -1;
}

int headCommand(const QByteArray &element)
{
    return headCommand(element.constData(), element.size());
}

int headCommand(const QString &element)
{
    return headCommand(element.toUtf8());
}

} // namespace PrivateProto

using namespace PrivateProto;

bool isSafeXmlFragment(const QString &body)
{
    if (body.size() > MaxBodyLength) {
        qDebug() << "xml too big" << maskSecrets(body.left(256));
        return false;
    }
    // Bodies carry texts the device sent earlier: the nesting bound comes
    // before the tree reader, which recurses once per level.
    const QString wrapped = QStringLiteral("<root>%1</root>").arg(body);
    if (!DeviceXml::check(wrapped).usable())
        return false;
    QDomDocument doc;
    return doc.setContent(wrapped, false);
}

QString getSafeXml(unsigned int cmd, const QString &body, unsigned char channel)
{
    if (!isSafeXmlFragment(body)) {
        qDebug() << "body data error" << cmd << maskSecrets(body.left(1024));
        return QString();
    }
    QString skeleton;
    QXmlStreamWriter writer(&skeleton);
    writer.setAutoFormatting(false);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(QStringLiteral("PrivateProto"));
    writer.writeStartElement(QStringLiteral("head"));
    writer.writeTextElement(QStringLiteral("type"), QString::number(commandType(cmd)));
    writer.writeTextElement(QStringLiteral("cmd"), QString::number(cmd));
    if (channel != 0)
        writer.writeTextElement(QStringLiteral("channel"), QString::number(channel));
    writer.writeTextElement(QStringLiteral("result"), QStringLiteral("0"));
    writer.writeEndElement();
    writer.writeTextElement(QStringLiteral("body"), QStringLiteral("%1"));
    writer.writeEndElement();
    writer.writeEndDocument();
    return skeleton.arg(body);
}

// ---- FrameSplitter ------------------------------------------------------------

void FrameSplitter::clear()
{
    m_base += m_buffer.size();
    m_buffer.clear();
    m_pos = 0;
    m_pendingAt = -1;
}

void FrameSplitter::compact()
{
    if (m_pos == 0)
        return;
    m_base += qMin(m_pos, m_buffer.size());
    if (m_pendingAt >= 0)
        m_pendingAt -= m_pos;
    if (m_pos >= m_buffer.size())
        m_buffer.clear();
    else
        m_buffer.remove(0, m_pos);
    m_pos = 0;
}

qint64 FrameSplitter::pendingFrameStart() const
{
    return m_pendingAt < 0 ? -1 : m_base + m_pendingAt;
}

QByteArray FrameSplitter::pendingPayloadStart(int max) const
{
    if (m_pendingAt < 0)
        return QByteArray();
    return m_buffer.mid(m_pendingAt + FrameHeaderSize, max);
}

bool FrameSplitter::dropPendingFrame(QList<QByteArray> &out)
{
    if (m_pendingAt < 0)
        return false;
    m_pos = m_pendingAt + FrameHeaderSize;
    m_pendingAt = -1;
    split(out);
    return true;
}

void FrameSplitter::feed(const QByteArray &bytes, QList<QByteArray> &out)
{
    if (m_buffer.size() == m_pos && m_pos == 0 && !bytes.isEmpty()) {
        m_buffer = bytes; // shares the caller's bytes; nothing copied yet
    } else {
        compact();
        m_buffer.append(bytes);
    }
    feed(nullptr, 0, out);
}

void FrameSplitter::feed(const char *data, int size, QList<QByteArray> &out)
{
    if (data && size > 0) {
        compact();
        m_buffer.append(data, size);
    }
    split(out);
}

void FrameSplitter::split(QList<QByteArray> &out)
{
    m_pendingAt = -1;
    while (m_pos < m_buffer.size()) {
        const char *base = m_buffer.constData();
        const int avail = m_buffer.size() - m_pos;
        const char *magic = findBytes(base + m_pos, avail, kMagic, 4);
        if (!magic) {
            // Keep only what could still be the start of a magic.
            if (avail > 3)
                m_pos = m_buffer.size() - 3;
            break;
        }
        const int at = int(magic - base);
        if (m_buffer.size() - at < FrameHeaderSize)
            break;
        const auto *p = reinterpret_cast<const uint8_t *>(base + at + 4);
        const uint32_t length =
            uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
        if (length > MaxFrameLength) {
            m_pos = at + FrameHeaderSize;
            continue;
        }
        if (qint64(m_buffer.size()) - at < qint64(FrameHeaderSize) + length) {
            m_pendingAt = at;
            break;
        }
        out.append(m_buffer.mid(at + FrameHeaderSize, int(length)));
        m_pos = at + FrameHeaderSize + int(length);
    }
    if (m_pos >= m_buffer.size()) {
        m_base += m_buffer.size();
        m_buffer.clear();
        m_pos = 0;
    } else if (m_pos > 0 && m_pos >= m_buffer.size() / 2) {
        compact();
    }
}

// ---- envelopes ----------------------------------------------------------------

QList<EnvelopeSpan> cutEnvelopes(const QByteArray &payload)
{
    QList<EnvelopeSpan> spans;
    const char *base = payload.constData();
    const int size = payload.size();
    int from = 0;
    while (from < size) {
        const char *open = findBytes(base + from, size - from, kOpenTag, kOpenLen);
        if (!open)
            break;
        const int begin = int(open - base);
        const char *after = open + kOpenLen;
        const char *close = findBytes(after, size - begin - kOpenLen, kCloseTag, kCloseLen);
        // Another message beginning before this one ended: this one was cut.
        const int searched = close ? int(close - after) : size - begin - kOpenLen;
        const char *next = findBytes(after, searched, kOpenTag, kOpenLen);
        EnvelopeSpan span;
        span.begin = begin;
        if (close && !next) {
            span.end = int(close - base) + kCloseLen;
        } else {
            // Cut short: still a message, so that whoever asked is told it
            // cannot be read instead of waiting for it. Where a stream
            // message's data would begin is not known: the rest is its.
            from = next ? int(next - base) : size;
            if (isStreamCommand(headCommand(open, from - begin)))
                break;
            span.end = from;
            while (span.end > begin + kOpenLen && base[span.end - 1] == '\0')
                --span.end;
            spans.append(span);
            continue;
        }
        spans.append(span);
        from = span.end;
        const int cmd = headCommand(base + span.begin, span.end - span.begin);
        if (isStreamCommand(cmd)) {
            bool ok = false;
            const qint64 dataLen =
                childText(base + span.begin, span.end - span.begin, "body", "dataLen").trimmed().toLongLong(&ok);
            if (ok && dataLen > 0)
                from = int(qMin<qint64>(size, qint64(span.end) + 4 + dataLen));
        }
    }
    return spans;
}

// ---- StreamReassembler ----------------------------------------------------------

void StreamReassembler::parseStreamRawInfo(const QByteArray &xml, const QByteArray &packet, RecvInfo &info,
                                           bool fragmented)
{
    const int at = packet.indexOf(xml);
    if (at < 0 || xml.isEmpty())
        return;
    EnvelopeSpan span;
    span.begin = at;
    span.end = at + xml.size();
    parseStream(packet, span, info, fragmented);
}

StreamLoss StreamReassembler::parseStream(const QByteArray &packet, const EnvelopeSpan &span, RecvInfo &info,
                                          bool fragmented)
{
    info.data.clear();
    const char *element = packet.constData() + span.begin;
    const int elementSize = span.end - span.begin;
    bool ok = false;
    qint64 dataLen = childText(element, elementSize, "body", "dataLen").trimmed().toLongLong(&ok);
    if (!ok || dataLen <= 0)
        return StreamLoss::None;
    const qint64 dataStart = qint64(span.end) + 4;
    if (dataStart >= packet.size())
        return StreamLoss::None;
    dataLen = qMin<qint64>(dataLen, packet.size() - dataStart);
    const char *data = packet.constData() + dataStart;
    const int size = int(dataLen);

    if (!fragmented) {
        info.data = QByteArray(data, size);
        return StreamLoss::None;
    }

    const StreamFragmentHeader header = StreamFragmentHeader::fromBytes(data, size);
    const QString key = QStringLiteral("%1_%2").arg(info.ip).arg(info.channel);
    State &st = m_states[key];
    // A skipped message still used up its number.
    StreamLoss loss = noteNumber(st, header);
    if (header.skipFlag() != 0)
        return loss;
    info.mediaHeader = header;
    const int fragStart = qMin(size, StreamFragmentHeader::Size);
    const int fragSize = qMin<int>(size - fragStart, header.fragmentLength());
    const char *frag = data + fragStart;

    Frame &fr = st.frame;
    const auto follows = [&fr, &header]() {
        return fr.collecting && header.frameId() == fr.last.frameId()
               && uint16_t(header.sequence()) == uint16_t(uint16_t(fr.last.sequence()) + 1);
    };
    const auto also = [&loss](StreamLoss more) {
        if (loss == StreamLoss::None)
            loss = more;
    };
    // A frame begun and never ended: its pieces are dropped with it.
    const auto unfinished = [&st, &fr]() {
        return fr.collecting ? tellOnce(st, fr.first.frameId(), StreamLoss::PieceMissing) : StreamLoss::None;
    };

    switch (header.fragmentType()) {
    case FragmentWhole:
        also(unfinished());
        fr.partial.clear();
        fr.collecting = false;
        info.data = QByteArray(frag, fragSize);
        break;
    case FragmentFirst:
        also(unfinished());
        fr.partial = QByteArray(frag, fragSize);
        fr.first = header;
        fr.last = header;
        fr.collecting = true;
        break;
    case FragmentMiddle:
    case FragmentLast:
        if (!follows()) {
            // Out of turn, or of a frame whose start never came: dropped
            // alone, and the frame it belongs to cannot be whole.
            also(tellOnce(st, header.frameId(), StreamLoss::PieceMissing));
            break;
        }
        if (fr.partial.size() + qint64(fragSize) > qint64(MaxFrameLength)) {
            // No legal frame is longer than a frame payload may be: a peer that
            // never ends one would otherwise grow this buffer without end.
            qWarning() << "stream frame of" << key << "over" << MaxFrameLength
                       << "bytes dropped; waiting for the next first fragment";
            also(tellOnce(st, fr.first.frameId(), StreamLoss::FrameTooLarge));
            fr = Frame();
            break;
        }
        fr.partial.append(frag, fragSize);
        fr.last = header;
        if (header.fragmentType() == FragmentLast) {
            info.data = std::move(fr.partial);
            // The frame travels with its first fragment's header: that one
            // carries the frame time and the key-frame flag.
            info.mediaHeader = fr.first;
            fr = Frame();
        }
        break;
    default:
        break;
    }
    return loss;
}

StreamLoss StreamReassembler::noteNumber(State &st, const StreamFragmentHeader &header)
{
    const uint16_t number = uint16_t(header.sequence());
    const uint8_t type = header.fragmentType();
    StreamLoss loss = StreamLoss::None;
    // Pieces missing inside a frame are the frame's to tell.
    if (st.numbered && !st.frame.collecting && (type == FragmentWhole || type == FragmentFirst)) {
        if (number == uint16_t(st.lastNumber + 1))
            st.countsAcrossFrames = true;
        else if (st.countsAcrossFrames)
            loss = StreamLoss::FramesMissing;
    }
    st.numbered = true;
    st.lastNumber = number;
    return loss;
}

StreamLoss StreamReassembler::tellOnce(State &st, uint32_t frameId, StreamLoss loss)
{
    if (st.told && st.toldFrame == frameId)
        return StreamLoss::None;
    st.told = true;
    st.toldFrame = frameId;
    return loss;
}

void StreamReassembler::forgetSequence()
{
    for (State &st : m_states) {
        st.numbered = false;
        st.countsAcrossFrames = false;
    }
}

qint64 StreamReassembler::bufferedBytes() const
{
    qint64 total = 0;
    for (const State &st : m_states)
        total += st.frame.partial.size();
    return total;
}

void parseStreamRawInfo(const QByteArray &xml, const QByteArray &packet, RecvInfo &info, bool fragmented)
{
    thread_local StreamReassembler reassembler;
    reassembler.parseStreamRawInfo(xml, packet, info, fragmented);
}
