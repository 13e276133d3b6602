#pragma once

// The private device protocol on the wire: the XML envelope the client builds,
// the TCP frame around it, and the pieces of the receive path that cut frames
// and messages apart again. Everything here is free of sockets and threads so
// the receive path can be driven from memory (tests, fuzzing, benchmarks).

#include "KelvoCommon.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>

namespace PrivateProto {

constexpr uint32_t FrameMagic = 0x20180307;   // on the wire: 07 03 18 20
constexpr int FrameHeaderSize = 8;            // magic + 32-bit little-endian length
constexpr uint32_t MaxFrameLength = 0x800000; // longest payload a reader accepts
constexpr int MaxBodyLength = 0x100000;       // longest body (UTF-16 units) an envelope takes
constexpr int FirmwareChunkSize = 0x28000;    // bytes per firmware chunk message

// Fragment types of a stream fragment header.
constexpr uint8_t FragmentWhole = 0x11;
constexpr uint8_t FragmentFirst = 0x01;
constexpr uint8_t FragmentMiddle = 0x00;
constexpr uint8_t FragmentLast = 0x10;

// The 4 magic bytes in wire order.
QByteArray magicBytes();
// The 8-byte frame header for a payload of `length` bytes.
QByteArray frameHeader(uint32_t length);
// Header and payload in one array (the session writes the parts separately).
QByteArray frame(const QByteArray &payload);

// "type" of a command: its last four decimal digits set to zero.
unsigned int commandType(unsigned int cmd);

// Escapes "&" and "<" of an operator-typed text placed in a body, the two
// characters that would make the body fail isSafeXmlFragment.
QString escapeText(const QString &text);

// The text with the content of every element whose name contains "pass"
// (password, oldPassword, ...) replaced by PASSWORD_MASK, for log lines.
QString maskSecrets(const QString &text);

// Command number of a message: the "cmd" child of its "head", -1 when absent.
// Reads the raw bytes (UTF-8) of one "PrivateProto" element.
int headCommand(const char *data, int size);
int headCommand(const QByteArray &element);
int headCommand(const QString &element);

// Text of <child> inside the first <parent> of one element, as raw bytes;
// a null array when absent.
QByteArray childText(const char *data, int size, const char *parent, const char *child);

} // namespace PrivateProto

// True when the body may be placed in an envelope: at most 0x100000 characters
// and well-formed inside a root element.
bool isSafeXmlFragment(const QString &body);

// The envelope text for a command, or an empty text when the body is refused
// ("body data error" is logged then). Callers encode it as UTF-8 themselves.
QString getSafeXml(unsigned int cmd, const QString &body, unsigned char channel);

// Turns a byte stream into frame payloads. Bytes before a magic are dropped
// with the frame that follows them; while no magic is present only the last
// 3 bytes are kept (a magic may start in them), so noise cannot grow memory.
class FrameSplitter
{
public:
    // Appends bytes and moves every complete payload to `out` in order.
    void feed(const QByteArray &bytes, QList<QByteArray> &out);
    void feed(const char *data, int size, QList<QByteArray> &out);
    int buffered() const { return m_buffer.size() - m_pos; }
    // Stream offset just past the last byte fed so far.
    qint64 streamEnd() const { return m_base + m_buffer.size(); }
    void clear();

    // Stream offset of the header of a frame whose payload is still
    // incomplete, or -1. Stays the same while that frame waits, so a caller
    // can tell a frame that never completes from one that is being read.
    qint64 pendingFrameStart() const;
    // Gives up the incomplete frame: its header (and what precedes it) goes,
    // and the scan resumes right after it, so frames that were swallowed as
    // its payload are found again. False when no frame was pending.
    bool dropPendingFrame(QList<QByteArray> &out);
    // The first bytes (at most max) of the incomplete frame's payload: its
    // head tells what the frame was, when it came far enough.
    QByteArray pendingPayloadStart(int max) const;

private:
    void compact();
    void split(QList<QByteArray> &out);

    QByteArray m_buffer;
    int m_pos = 0;        // start of the unconsumed bytes in m_buffer
    int m_pendingAt = -1; // magic of the incomplete frame in m_buffer
    qint64 m_base = 0;    // stream offset of m_buffer[0]
};

// One "PrivateProto" element found inside a frame payload.
struct EnvelopeSpan
{
    int begin = 0; // offset of "<PrivateProto>"
    int end = 0;   // offset just after "</PrivateProto>" (of a cut short one: where it stops)
};

// Cuts a payload into its "PrivateProto" elements in order. The binary tail
// after a stream element (4 bytes + "dataLen" bytes) is skipped, so media
// bytes that happen to look like an envelope are never taken for one. An
// element whose closing tag is missing is cut short where the next element
// or the payload begins or ends, and handed on all the same.
QList<EnvelopeSpan> cutEnvelopes(const QByteArray &payload);

namespace PrivateProto {
// True for the commands that carry stream data (playback and download).
inline bool isStreamCommand(int cmd)
{
    return Cmd::isStream(cmd);
}
} // namespace PrivateProto

// Fragment reassembly of stream messages, per reassembly key ("%1_%2": IP
// address and channel). One instance per receive worker.
class StreamReassembler
{
public:
    // Finds the data of the stream element `xml` inside `packet` and applies the
    // fragment rules (fragmented) or takes the data whole without header. The
    // element is looked up in the packet by its text.
    void parseStreamRawInfo(const QByteArray &xml, const QByteArray &packet, RecvInfo &info, bool fragmented);
    // The same with the element's place in the packet already known. Returns
    // what this fragment shows was lost before it (each loss told once).
    StreamLoss parseStream(const QByteArray &packet, const EnvelopeSpan &span, RecvInfo &info, bool fragmented);

    void clear() { m_states.clear(); }
    // A seek: the recorder may go on with other numbers.
    void forgetSequence();
    // Media bytes held by frames still being collected.
    qint64 bufferedBytes() const;

private:
    struct Frame
    {
        QByteArray partial;
        StreamFragmentHeader first; // header of the frame's first fragment
        StreamFragmentHeader last;  // header of the last fragment accepted
        bool collecting = false;
    };
    struct State
    {
        Frame frame;
        // The fragment numbers seen: a number skipped between two frames is
        // a frame that never came, once the recorder has been seen to count
        // on from one frame to the next (one that counts each frame from
        // anew would otherwise seem to lose them all).
        bool numbered = false;
        uint16_t lastNumber = 0;
        bool countsAcrossFrames = false;
        // The frame already told lost: its later pieces are not told again.
        bool told = false;
        uint32_t toldFrame = 0;
    };
    static StreamLoss noteNumber(State &st, const StreamFragmentHeader &header);
    static StreamLoss tellOnce(State &st, uint32_t frameId, StreamLoss loss);
    QHash<QString, State> m_states;
};

// The same rules as a free function. Its reassembly state belongs to the
// calling thread: every session's receive worker runs in a thread of its own,
// so sessions never share partial frames.
void parseStreamRawInfo(const QByteArray &xml, const QByteArray &packet, RecvInfo &info, bool fragmented);
