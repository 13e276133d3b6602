// Receive path: frame splitting, envelope cutting and fragment reassembly.
// Prints MB/s.
//
// The reference is the transport itself: the same bytes written by another
// thread through a loopback TCP connection and read in 64 KiB reads, alone
// ("socket alone") and into the worker; the ratio says what share of the
// socket's rate the worker keeps. Both sides move together with the
// machine's load, which a copy in memory does not.
//
// The rows "parts" and "worker" read from memory: no socket and no pacing
// (the paced case hands every queued frame on at once, without the timer's
// 25-40 ms ticks); they show where the time goes, and check that no frame is
// lost.

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

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
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
                type = i == 0
                           ? PrivateProto::FragmentFirst
                           : (i == fragmentsPerFrame - 1 ? PrivateProto::FragmentLast : PrivateProto::FragmentMiddle);
            out += streamMessage(cmd, type, seq++, uint32_t(f + 1), media);
        }
    }
    *messages = frames * fragmentsPerFrame;
    return out;
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
    return {double(stream.size()) * rounds / s / 1e6, double(messages) * rounds / s, frames};
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
    return {double(stream.size()) * rounds / s / 1e6, double(messages) * rounds / s, frames};
}

// The stream written through a loopback TCP connection by another thread and
// read in readSize pieces: into nothing (withWorker false) or into the worker.
double socketMBps(const QByteArray &stream, int readSize, int rounds, bool withWorker)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
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
        {"64 KiB whole fragments, 90002", 90002, 400, 1, 65535},
        {"64 KiB fragments x4 per frame, 90002", 90002, 100, 4, 65535},
        {"64 KiB fragments x4 per frame, 90001 paced", 90001, 100, 4, 65535},
        {"1400 B fragments x20 per frame, 90002", 90002, 400, 20, 1400},
    };
    // Interleaved rounds: each round measures every side once, the order
    // rotating; printed as median (range).
    const int benchRounds = 5;
    auto spread = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        const double median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
        char text[64];
        std::snprintf(text, sizeof text, "%.0f (%.0f-%.0f)", median, v.front(), v.back());
        return std::string(text);
    };
    auto ratioSpread = [](const std::vector<double> &a, const std::vector<double> &b) {
        std::vector<double> r;
        for (size_t i = 0; i < a.size(); ++i)
            r.push_back(a[i] / b[i]);
        std::sort(r.begin(), r.end());
        char text[64];
        std::snprintf(text, sizeof text, "%.2f (%.2f-%.2f)", r[r.size() / 2], r.front(), r.back());
        return std::string(text);
    };
    auto interleave = [&](const std::vector<std::function<double()>> &sides) {
        std::vector<std::vector<double>> out(sides.size());
        for (int r = 0; r < benchRounds; ++r)
            for (size_t k = 0; k < sides.size(); ++k) {
                const size_t i = (k + size_t(r)) % sides.size();
                out[i].push_back(sides[i]());
            }
        return out;
    };
    std::printf("MB/s, median (range) of %d interleaved rounds; 64 KiB reads\n", benchRounds);
    {
        // The transport: the 64 KiB whole-fragment stream over loopback TCP.
        int messages = 0;
        const QByteArray stream = buildStream(90002, 400, 1, 65535, &messages);
        const int rounds = qMax(3, int(400e6 / stream.size()));
        const auto f = interleave({
            [&] { return socketMBps(stream, readSize, rounds, false); },
            [&] { return socketMBps(stream, readSize, rounds, true); },
        });
        std::printf("loopback TCP, 64 KiB whole fragments: socket alone %s, socket into the worker %s; "
                    "worker/socket alone %s (per-round ratios)\n",
                    spread(f[0]).c_str(), spread(f[1]).c_str(), ratioSpread(f[1], f[0]).c_str());
    }
    std::printf("from memory, no socket, no pacing:\n");
    for (const Case &c : cases) {
        int messages = 0;
        const QByteArray stream = buildStream(c.cmd, c.frames, c.fragments, c.fragmentSize, &messages);
        const int rounds = qMax(3, int(400e6 / stream.size()));
        bool framesOk = true;
        const auto f = interleave({
            [&] { return runParts(stream, readSize, rounds, messages).mbps; },
            [&] {
                const Result w = runWorker(stream, readSize, rounds, messages, c.cmd == 90001);
                framesOk = framesOk && (c.cmd != 90002 || w.frames == qint64(c.frames) * rounds);
                return w.mbps;
            },
        });
        std::printf("  %s: parts %s, worker %s\n", c.name, spread(f[0]).c_str(), spread(f[1]).c_str());
        if (!framesOk)
            std::printf("  !! the worker lost frames\n");
    }
    return 0;
}
