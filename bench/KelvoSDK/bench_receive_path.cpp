// Receive path fed from memory: frame splitting, envelope cutting and
// fragment reassembly, beside a plain memcpy of the same bytes in the same
// read sizes. Prints MB/s and messages/s.
//
// What the rows include: "parts" and "worker" read from memory: no socket and
// no pacing (the paced case hands every queued frame on at once, without the
// timer's 25-40 ms ticks). The socket rows add the real transport: the same
// bytes written by another thread through a loopback TCP connection and read
// in 64 KiB reads, alone and into the worker.

#include "DataProcessor.h"
#include "PrivateProto.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

QByteArray streamMessage(unsigned int cmd, uint8_t type, int16_t seq, uint32_t frameId, const QByteArray &media)
{
    StreamFragmentHeader h;
    h.setWord(0, frameId * 40);
    h.setSequence(seq);
    h.setFragmentLength(uint16_t(media.size()));
    h.bytes[12] = type;
    h.bytes[13] = type == PrivateProto::FragmentFirst || type == PrivateProto::FragmentWhole ? 1 : 0;
    h.setWord(4, frameId);
    const QByteArray data = h.toByteArray() + media;
    QByteArray p = QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>90000</type><cmd>%1</cmd>"
                                  "<result>0</result></head><body><dataLen>%2</dataLen></body></PrivateProto>")
                       .arg(cmd)
                       .arg(data.size())
                       .toUtf8();
    p.append(4, '\0');
    p.append(data);
    return PrivateProto::frame(p);
}

// fragmentsPerFrame 1: whole frames; n > 1: first, middles, last.
QByteArray buildStream(unsigned int cmd, int frames, int fragmentsPerFrame, int fragmentSize, int *messages)
{
    QByteArray media(fragmentSize, Qt::Uninitialized);
    for (int i = 0; i < media.size(); ++i)
        media[i] = char(i * 7);
    QByteArray out;
    out.reserve(frames * fragmentsPerFrame * (fragmentSize + 200));
    int16_t seq = 0;
    for (int f = 0; f < frames; ++f) {
        for (int i = 0; i < fragmentsPerFrame; ++i) {
            uint8_t type = PrivateProto::FragmentWhole;
            if (fragmentsPerFrame > 1)
                type = i == 0 ? PrivateProto::FragmentFirst
                              : (i == fragmentsPerFrame - 1 ? PrivateProto::FragmentLast : PrivateProto::FragmentMiddle);
            out += streamMessage(cmd, type, seq++, uint32_t(f + 1), media);
        }
    }
    *messages = frames * fragmentsPerFrame;
    return out;
}

double memcpyMBps(const QByteArray &stream, int readSize, int rounds)
{
    std::vector<char> dst(size_t(stream.size()));
    QElapsedTimer t;
    t.start();
    volatile char sink = 0;
    for (int r = 0; r < rounds; ++r) {
        for (int pos = 0; pos < stream.size(); pos += readSize) {
            const int n = qMin(readSize, stream.size() - pos);
            std::memcpy(dst.data() + pos, stream.constData() + pos, size_t(n));
        }
        sink = sink + dst[size_t(r) % dst.size()];
    }
    const double s = t.nsecsElapsed() / 1e9;
    return double(stream.size()) * rounds / s / 1e6;
}

struct Result
{
    double mbps = 0;
    double msgps = 0;
    qint64 frames = 0;
};

Result runParts(const QByteArray &stream, int readSize, int rounds, int messages)
{
    QElapsedTimer t;
    t.start();
    qint64 frames = 0;
    for (int r = 0; r < rounds; ++r) {
        FrameSplitter splitter;
        StreamReassembler reassembler;
        RecvInfo info;
        info.ip = QStringLiteral("127.0.0.1");
        QList<QByteArray> payloads;
        for (int pos = 0; pos < stream.size(); pos += readSize) {
            splitter.feed(stream.mid(pos, readSize), payloads);
            for (const QByteArray &p : qAsConst(payloads)) {
                for (const EnvelopeSpan &span : cutEnvelopes(p)) {
                    reassembler.parseStream(p, span, info, true);
                    if (!info.data.isEmpty())
                        ++frames;
                }
            }
            payloads.clear();
        }
    }
    const double s = t.nsecsElapsed() / 1e9;
    return { double(stream.size()) * rounds / s / 1e6, double(messages) * rounds / s, frames };
}

Result runWorker(const QByteArray &stream, int readSize, int rounds, int messages, bool paced)
{
    qint64 frames = 0;
    QElapsedTimer t;
    t.start();
    for (int r = 0; r < rounds; ++r) {
        DataProcessor worker;
        QObject::connect(&worker, &DataProcessor::recvCommonInfo, [&frames](const RecvInfo &) { ++frames; });
        for (int pos = 0; pos < stream.size(); pos += readSize) {
            worker.processPacket(stream.mid(pos, readSize));
            if (paced)
                while (worker.streamQueueLength() > 0)
                    worker.sendStream();
        }
    }
    const double s = t.nsecsElapsed() / 1e9;
    return { double(stream.size()) * rounds / s / 1e6, double(messages) * rounds / s, frames };
}

// The stream written through a loopback TCP connection by another thread and
// read in readSize pieces: into nothing (withWorker false) or into the worker.
double socketMBps(const QByteArray &stream, int readSize, int rounds, bool withWorker)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (bind(listener, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || listen(listener, 1) != 0
        || getsockname(listener, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
        close(listener);
        return 0;
    }
    std::thread writer([&] {
        const int out = socket(AF_INET, SOCK_STREAM, 0);
        if (connect(out, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0) {
            for (int r = 0; r < rounds; ++r)
                for (qint64 pos = 0; pos < stream.size();) {
                    const ssize_t n = send(out, stream.constData() + pos, size_t(stream.size() - pos), 0);
                    if (n <= 0)
                        break;
                    pos += n;
                }
        }
        close(out);
    });
    const int in = accept(listener, nullptr, nullptr);
    QElapsedTimer t;
    t.start();
    DataProcessor worker;
    QByteArray buffer(readSize, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = recv(in, buffer.data(), size_t(readSize), 0);
        if (n <= 0)
            break;
        total += n;
        if (withWorker)
            worker.processPacket(QByteArray(buffer.constData(), int(n)));
    }
    const double s = t.nsecsElapsed() / 1e9;
    writer.join();
    close(in);
    close(listener);
    return double(total) / s / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    registerKelvoMetaTypes();
    const int readSize = 64 * 1024;
    struct Case
    {
        const char *name;
        unsigned int cmd;
        int frames;
        int fragments;
        int fragmentSize;
    };
    const Case cases[] = {
        { "64 KiB whole fragments, 90002", 90002, 400, 1, 65535 },
        { "64 KiB fragments x4 per frame, 90002", 90002, 100, 4, 65535 },
        { "64 KiB fragments x4 per frame, 90001 paced", 90001, 100, 4, 65535 },
        { "1400 B fragments x20 per frame, 90002", 90002, 400, 20, 1400 },
    };
    std::printf("%-44s %10s %10s %12s %10s %8s\n", "case (64 KiB reads)", "memcpy", "parts", "worker", "msg/s", "ratio");
    for (const Case &c : cases) {
        int messages = 0;
        const QByteArray stream = buildStream(c.cmd, c.frames, c.fragments, c.fragmentSize, &messages);
        const int rounds = qMax(3, int(400e6 / stream.size()));
        const double mem = memcpyMBps(stream, readSize, rounds * 4);
        const Result parts = runParts(stream, readSize, rounds, messages);
        const Result worker = runWorker(stream, readSize, rounds, messages, c.cmd == 90001);
        std::printf("%-44s %8.0f MB/s %6.0f MB/s %8.0f MB/s %10.0f %7.2f\n", c.name, mem, parts.mbps, worker.mbps,
                    worker.msgps, worker.mbps / mem);
        if (worker.frames != qint64(c.frames) * rounds && c.cmd == 90002)
            std::printf("  !! frames out: %lld, expected %lld\n", static_cast<long long>(worker.frames),
                        static_cast<long long>(c.frames) * rounds);
    }
    {
        // The transport: the 64 KiB whole-fragment stream over loopback TCP.
        int messages = 0;
        const QByteArray stream = buildStream(90002, 400, 1, 65535, &messages);
        const int rounds = qMax(3, int(400e6 / stream.size()));
        const double mem = memcpyMBps(stream, readSize, rounds * 4);
        const double sock = socketMBps(stream, readSize, rounds, false);
        const double sockWorker = socketMBps(stream, readSize, rounds, true);
        std::printf("loopback TCP, 64 KiB whole fragments: socket alone %.0f MB/s (%.2f of memcpy), "
                    "socket into the worker %.0f MB/s (%.2f of memcpy, %.2f of the socket alone)\n",
                    sock, sock / mem, sockWorker, sockWorker / mem, sock > 0 ? sockWorker / sock : 0.0);
    }
    std::printf("goal: worker at least 0.10 of memcpy for 64 KiB fragments\n");
    return 0;
}
