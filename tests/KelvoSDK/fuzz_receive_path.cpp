// Fuzz harness of the receive path: frame splitting at arbitrary read
// boundaries, message cutting, command sorting, fragment reassembly, the
// receive worker's queue, and the XML readers on every message.
//
// Input: byte 0 chooses the read sizes, the rest is the byte stream a device
// sends.

#include "DataProcessor.h"
#include "PrivateProto.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

static void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool init = [] {
        qInstallMessageHandler(quiet);
        registerKelvoMetaTypes();
        return true;
    }();
    (void)init;
    if (!data || size < 1)
        return 0;
    const int selector = data[0];
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), int(size - 1));

    // Splitter and cutting by hand, with reads of varying size.
    FrameSplitter splitter;
    StreamReassembler reassembler;
    QList<QByteArray> payloads;
    int pos = 0;
    int step = 0;
    while (pos < stream.size()) {
        const int len = selector == 0 ? stream.size() : 1 + ((selector * 31 + step * 17) % 97);
        splitter.feed(stream.mid(pos, len), payloads);
        pos += len;
        ++step;
    }
    Q_ASSERT(splitter.buffered() <= stream.size());
    RecvInfo info;
    info.ip = QStringLiteral("127.0.0.1");
    for (const QByteArray &payload : qAsConst(payloads)) {
        Q_ASSERT(uint32_t(payload.size()) <= PrivateProto::MaxFrameLength);
        for (const EnvelopeSpan &span : cutEnvelopes(payload)) {
            Q_ASSERT(span.begin >= 0 && span.begin < span.end && span.end <= payload.size());
            const QByteArray element = payload.mid(span.begin, span.end - span.begin);
            const int cmd = PrivateProto::headCommand(element);
            const QString text = QString::fromUtf8(element);
            findValuesInXml(text, QStringLiteral("head"));
            findValuesInXml(text, QStringLiteral("body"));
            if (PrivateProto::isStreamCommand(cmd)) {
                reassembler.parseStream(payload, span, info, true);
                reassembler.parseStreamRawInfo(element, payload, info, false);
            }
        }
    }

    // The worker itself, fed the same bytes.
    DataProcessor worker;
    pos = 0;
    step = 0;
    while (pos < stream.size()) {
        const int len = selector == 0 ? stream.size() : 1 + ((selector * 13 + step * 29) % 211);
        worker.processPacket(stream.mid(pos, len));
        pos += len;
        ++step;
    }
    for (int i = 0; i < 4; ++i)
        worker.sendStream();

    // The envelope check on a piece of the input.
    const QString body = QString::fromUtf8(stream.left(512));
    if (isSafeXmlFragment(body))
        Q_ASSERT(!getSafeXml(14018, body, uint8_t(selector)).isEmpty());
    return 0;
}
