#pragma once

// Records and constants shared by every part of the client: one device or
// channel (FUN_DEV_INFO), one device connection key (loginDev), one message
// received from a device (RecvInfo), and the readers of device XML replies.

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "DeviceCommands.h"
#include "DeviceValues.h"
#include "DeviceXml.h"

class QXmlStreamReader;

// ---- shared constants --------------------------------------------------------

extern const QString DEFAULT_LOCAL_USER;     // "admin"
extern const QString DEFAULT_LOCAL_PASSWORD; // "vemqa"
extern const QString DEFAULT_RIGHTS;         // "1111111"
extern const QStringList CHIP_PLATFORMS;     // SIGMASTAR, GUOKE, DUOFANG
extern const QString SKIN_DEFAULT;           // "Default"
extern const QString SKIN_SECOND;            // "brennic"
extern const QString DEFAULT_GROUP;          // "Default"
extern const QString DEFAULT_DEV_USER;       // "admin"
extern const QString DEFAULT_DEV_PASSWORD;   // "402917"
extern const QString SKIN_LOGIN_DIR;
extern const QString SKIN_MAINWINDOW_DIR;
extern const QString SKIN_PLAYBACK_DIR;
extern const QColor COLOR_DARK_GRAY;
extern const QColor COLOR_BLUE;
extern const QMap<int, QString> SKIN_BY_OEM;
extern const QString DATE_FORMAT;     // "yyyyMMdd"
extern const QString DATETIME_FORMAT; // "yyyy-MM-dd hh:mm:ss"
extern const QColor COLOR_DARK_BLUE;
extern const QString PASSWORD_MASK; // "********"
extern const QString TIME_FORMAT;   // "hhmmsszzz"

// Skin for an OEM id: 4 selects the second skin, anything else the default one.
QString skinForOem(int oemId);

// ---- records -----------------------------------------------------------------

enum ENUM_STREAM_TYPE {
    STREAM_MAIN = 0,
    STREAM_SUB = 1,
};

struct FUN_DEV_INFO
{
    int32_t devType = 0;     // 0 IPC, 1 NVR (and NVR channel records), 2 ONVIF device
    int32_t loginStatus = 0; // 0 offline, 1 online, 2 login refused
    QString userName = DEFAULT_DEV_USER;
    QString password = DEFAULT_DEV_PASSWORD;
    int32_t dbId = 0;
    uint16_t rtspPort = 554;
    uint16_t devPort = 2028;
    uint8_t channelNum = 0;
    QString ipcsStat;
    uint8_t channelIdx = 0; // 0 for a device, 1..channelNum for a channel record
    QString ip;
    QString sn;
    QString group = DEFAULT_GROUP;
    QString name;
    QString version;
    QString model;
    QString mac;
    QString capList;
    QString doubleLightCfg;
    QString sdkPlatform;
    QString cpu;
    uint8_t bPlaying = 0;
    uint8_t bRecording = 0;
    uint8_t bOnvif = 0;
    QString onvifUrl;
    int32_t onvifAuth = -1;         // "None", "WS-Username token", "Digest"; -1 unset
    FUN_DEV_INFO *parent = nullptr; // channel records only; not owned
};

// The 20-byte header in front of every received stream fragment, all fields
// little-endian. Kept as raw bytes so it travels unchanged with the message.
struct StreamFragmentHeader
{
    static constexpr int Size = 20;
    std::array<uint8_t, Size> bytes{};

    static StreamFragmentHeader fromBytes(const char *data, int size);
    QByteArray toByteArray() const;

    uint32_t word(int index) const;                  // 32-bit little-endian word 0..4
    uint32_t frameTimeMs() const { return word(0); } // ms since 00:00 of the recording's day
    int16_t sequence() const;
    uint16_t fragmentLength() const;
    uint8_t fragmentType() const { return bytes[12]; }
    uint8_t frameFlag() const { return bytes[13]; } // 1 marks a key frame
    bool isKeyFrame() const { return bytes[13] == 1; }
    uint8_t skipFlag() const { return bytes[14]; }
    uint32_t frameId() const { return word(4); }

    void setWord(int index, uint32_t value);
    void setSequence(int16_t value);
    void setFragmentLength(uint16_t value);

    bool operator==(const StreamFragmentHeader &o) const { return bytes == o.bytes; }
};

struct loginDev
{
    QString ip;
    uint16_t port = 2028;
    QString user = DEFAULT_DEV_USER;
    QString password = DEFAULT_DEV_PASSWORD;
    uint8_t channel = 0;
    int32_t reserved = 0;
    uint8_t authMode = 255;
    uint8_t ipcChannels = 0;

    // A connection is identified by address and channel only.
    bool operator==(const loginDev &o) const { return ip == o.ip && channel == o.channel; }
    bool operator!=(const loginDev &o) const { return !(*this == o); }
};

uint qHash(const loginDev &key, uint seed = 0);

loginDev toLoginDev(const FUN_DEV_INFO *dev);

struct RecvInfo
{
    QString ip;
    uint8_t channel = 0;
    QString xml;
    QByteArray data;
    StreamFragmentHeader mediaHeader;
    // The head of xml, read once by the receive worker with the bounded
    // reader: listeners pick their messages by head.cmd, head.usable and
    // head.result without reading the text again, and read the body only for
    // a message they take. A stream frame (data not empty) is never read by a
    // listener at all.
    ReplyHead head;

    // The text with its head: how a message put together by hand (a test, a
    // re-emit) gets one, so no listener is handed a text whose head is unread.
    void setXml(const QString &text)
    {
        xml = text;
        head = ReplyHead::read(text);
    }
    static RecvInfo message(const QString &ip, uint8_t channel, const QString &text)
    {
        RecvInfo info;
        info.ip = ip;
        info.channel = channel;
        info.setXml(text);
        return info;
    }
};
using devXmlInfo = RecvInfo;

// Stream data that reached the client's side of the wire and never left it
// whole, and why. A recorder numbers its fragments one after the other, so a
// piece that never came shows as a number skipped.
enum class StreamLoss {
    None,
    PieceMissing,  // a fragment of a frame never came, or came out of turn: the frame is dropped
    FramesMissing, // numbers skipped between frames: whole frames never came
    FrameTooLarge, // a frame grew past the longest a frame may be: dropped
    FrameGivenUp,  // the rest of a frame never came while the client kept reading: given up
};

Q_DECLARE_METATYPE(RecvInfo)
Q_DECLARE_METATYPE(StreamLoss)
Q_DECLARE_METATYPE(loginDev)
Q_DECLARE_METATYPE(FUN_DEV_INFO *)

// Registers the shared records for queued signals ("devXmlInfo", "loginDev",
// "StreamLoss").
// Safe to call more than once.
void registerKelvoMetaTypes();

// Registry key of a record: the IP for a device, "%1_%2" (IP, channel) for a channel.
QString devKey(const QString &ip, int channel);
QString devKey(const FUN_DEV_INFO *dev);

// ---- XML readers of device messages -----------------------------------------

// Element name -> text for every element below the first element named tag,
// at any depth; the first non-empty text of a name wins; empty elements give
// no entry. A text the bounded reader refuses (DeviceXml.h: cut off, not XML,
// nested too deep) gives no entry at all and is logged once as
// "XML parsing error:".
QHash<QString, QString> findValuesInXml(const QString &xml, const QString &tag);
// The same from a reader standing on the start of tag; no entry when the
// element is not well-formed or nested too deep (the reader's error says why).
QHash<QString, QString> readXmlElements(QXmlStreamReader &reader, const QString &tag);

// Every "<tag>...</tag>" piece of the text, tags included; purely textual.
QStringList findAllXmlElements(const QByteArray &data, const QString &tag);
QStringList findAllXmlElements(const QString &xml, const QString &tag);
