#pragma once

// A device that misbehaves on purpose, for the tests and benchmarks of the
// receive path: floods of stream data, a frame that never ends, a header that
// announces 8 MB and never delivers them; and replies that lie (nested past
// any reader's depth, cut off, garbage, results that are not 0, numbers at
// the ends of int), as rewrites of what the device would have answered.
//
// The floods write to every connection of the device, and only while the
// connection's send buffer is short: the client's reading speed sets the
// pace, so a client that stops reading throttles the peer through the kernel
// buffers, and the peer's own memory stays flat.
//
// Tests drive it directly (SimHostile h(&device); h.start(...)). Every device
// also answers the command ControlCmd ("<mode>NAME</mode>", optional
// "<messages>N</messages>"; mode "stop" ends a flood), so a client in another
// process (kelvo_simdevice) can switch the mode on. Mode "reply" with
// "<fault>NAME</fault><cmd>N</cmd>" and an optional "<times>N</times>"
// rewrites the device's next replies to command N.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

#include "SimDevice.h"

class QTimer;

class SimHostile : public QObject
{
    Q_OBJECT

public:
    enum Mode {
        EndlessMiddle, // one first fragment, then middle fragments in sequence, never a last one
        StuckHeader,   // a frame header announcing 8 MB, a few bytes of it, then nothing more of it
        StreamFlood,   // small whole Cmd::PlaybackData frames, a key frame every 50
        BigFrameFlood, // 60 KB whole Cmd::PlaybackData frames, a key frame every 50
        DownloadFlood, // 4 KB whole Cmd::DownloadData frames
    };
    static constexpr unsigned int ControlCmd = 99001;

    explicit SimHostile(SimDevice *device, QObject *parent = nullptr);

    // maxMessages < 0: until stop().
    void start(Mode mode, qint64 maxMessages = -1);
    void stop();
    bool running() const;
    qint64 messagesSent() const { return m_sent; }
    // How long the flood waits between its bursts (0: it turns with the
    // event loop). A device on a thread of its own would spin at 0 while the
    // client does not read.
    void setBurstGapMs(int ms);

    static bool modeFromName(const QString &name, Mode *mode);

    enum ReplyFault {
        Nested70,     // 70 elements deep inside the body
        Nested40000,  // 40,000 elements deep (280 KB), far below the frame cap
        CutOff,       // cut in the middle of the body, the closing tag kept
        CutShort,     // cut in the middle of the body, no closing tag at all
        Garbage,      // bytes that are no XML at all
        ResultFail,   // <result>fail</result>
        ResultEmpty,  // <result></result>
        ResultAbsent, // no result element
        ResultHex,    // <result>0x5</result>
        NumbersMin,   // every number of the body -2147483648
        NumbersMax,   // every number of the body 2147483647
    };
    static SimDevice::Rewrite rewrite(ReplyFault fault);
    static bool faultFromName(const QString &name, ReplyFault *fault);
    // The body's elements that hold only a number get `number` instead.
    static QString replaceNumbers(const QString &envelope, const QString &number);

    // One stream message (envelope, 4 bytes, 20-byte header, media) as a frame payload.
    static QByteArray streamPayload(unsigned int cmd, uint32_t frameId, int16_t sequence, uint8_t type, bool key,
                                    const QByteArray &media);

private:
    void pump();
    QByteArray nextPayload();

    QPointer<SimDevice> m_device;
    QTimer *m_timer = nullptr;
    Mode m_mode = StreamFlood;
    qint64 m_max = -1;
    qint64 m_sent = 0;
    uint32_t m_frameId = 0;
    int16_t m_sequence = 0;
};
