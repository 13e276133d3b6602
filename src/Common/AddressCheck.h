#pragma once

// The one judge of the IPv4 settings an operator types for a device: the
// address, mask, gateway and DNS fields of the network pages of both
// configuration windows and of the device dialogs.
//
// An address is four decimal parts 0 to 255 without leading zeros: many
// network stacks read "010" as octal (8), so "8.8.8.08" would reach another
// server than the one typed, or none. A mask is an address whose set bits
// all come first ("255.0.0.255" is no subnet, and neither is 0.0.0.0).

#include <QString>

#include <optional>

class QObject;
class QValidator;

namespace AddressCheck {

bool isAddress(const QString &text);
bool isMask(const QString &text);

// The address as a 32-bit number (host order); nothing when it is none.
std::optional<quint32> toNumber(const QString &text);
QString fromNumber(quint32 value);

// Marks an address as acceptable and everything else as still being typed.
// It never refuses a key: dropping one changed what the operator typed
// ("999.1.1.1" became "99.1.1.1", an address that was then used). The Save or
// OK check refuses what is not an address.
QValidator *validator(QObject *parent);

enum Field { Ip, Mask, Gateway, Dns1, Dns2, FieldCount };

// A device's network settings as a page or dialog is about to send them, and
// what the operator did to them. The one rule of which fields are judged
// reads it (judged(), staticSetting()); a form only says what happened.
struct Network
{
    QString texts[FieldCount];
    // What the operator changed (typed, or a value the form makes his as a
    // whole). A field the form does not show stays false.
    bool typed[FieldCount] = {};
    // Untouched fields whose text goes out because the device reported no
    // value of its own to send back instead.
    bool unreported[FieldCount] = {};
    // The device takes its address from a DHCP server: only what the
    // operator typed is his, and no static setting is checked.
    bool dhcp = false;
    // The operator turned static addressing on: the address, mask and
    // gateway become his, typed or not.
    bool toStatic = false;
    // Address, mask and gateway must form one subnet even when untouched
    // (a found device's new settings).
    bool wholeSetting = false;
    // The device's own address: only another one is pinged.
    QString currentIp;
};

// The fields that go out as the operator typed them: those he typed, in
// DHCP mode too (they go out all the same), and, with a static address,
// those the device reported nothing for and, once he turned static
// addressing on, the address, mask and gateway. The others go back as the
// device reported them and are not judged: they are its own.
bool judged(const Network &network, int field);
// A static setting the operator changed (or one checked whole): address,
// mask and gateway must form one subnet, and a new address must not answer
// a ping.
bool staticSetting(const Network &network);

// As CommonHelper::checkIpAddress counts: 0 usable, 1 in use, 2 not in one
// subnet; and an address (or mask) that is none.
enum Fault { Usable = 0, InUse = 1, OtherSubnet = 2, BadFormat = 3 };

struct Verdict
{
    Fault fault = Usable;
    int field = -1;  // the field at fault, -1 when none
    QString message; // what the operator is told; empty when usable
    bool ok() const { return message.isEmpty(); }
};

// Only the format of the judged fields, in the order of the fields: one
// that is no address (or no mask) is "Invalid format". Pings nothing.
Verdict judgeFormats(const Network &network);

// The first fault: the formats as above; then, for a static setting, a mask
// or gateway the device reported that is none, then the subnet (at fault:
// the gateway, or else the address or mask the operator changed) and the
// ping (at fault: the address; it blocks the calling thread while it runs).
Verdict judge(const Network &network);

} // namespace AddressCheck
