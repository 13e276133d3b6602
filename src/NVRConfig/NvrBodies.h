#pragma once

// The bodies the NVR pages and dialogs read and send, without widgets.
//
// A Save sends back every value the NVR reported that the operator did not
// change, exactly as it came: a language, resolution, format or state the
// client has no entry for goes back untouched instead of as "no selection" or
// the first item. The pages keep what a read delivered and what the operator
// acted on in an OperatorEdits each; the builders below only place texts,
// escaped once.

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace NvrBodies {

using Values = QHash<QString, QString>;

// The text of every element without children inside the first <tag>, by
// name (the first one of a name wins), empty elements included and texts
// exactly as they came (blanks kept). Empty when the text cannot be read.
Values readLeaves(const QString &xml, const QString &tag);

// A typed number: digits only (no sign, no blanks), from low to high.
bool isTypedNumberIn(const QString &text, qint64 low, qint64 high);

// Whether a read reply holds what its page needs: the page's block with
// every element its Save writes back (a reply without them would let the
// page save defaults it never read).
bool hasPageElements(int readCmd, const QString &xml);

// ---- basic settings (Cmd::GetBasicSettings / Cmd::SetSettings) ----------------------

Values readBasic(const QString &xml);
// withLogLevel: the NVR reported a level above 0 (the row is shown).
QString basicBody(const Values &values, bool withLogLevel);

// ---- time configuration (Cmd::GetTimeConfig / Cmd::SetTimeConfig) -------------------

struct TimeConfig
{
    Values values;          // children of body
    bool hasSummer = false; // the reply holds a <summertime> element
    Values summer;          // children of the first summertime element
};

TimeConfig readTimeConfig(const QString &xml);
// summer: null when no daylight-saving part is sent.
QString timeConfigBody(const Values &values, const Values *summer);

// ---- network (Cmd::GetNvrNetwork / Cmd::SetNetwork) ---------------------------------

struct NetConfig
{
    Values tcpip; // children of TCPIP
    Values body;  // children of body (switches, QR text)
};

NetConfig readNetConfig(const QString &xml);
QString netConfigBody(const Values &tcpip, const Values &switches);

// ---- record schedules (Cmd::GetRecordSchedule / Cmd::SetRecordSchedule) -------------

struct Schedules
{
    int recordMode = 4;           // 4 when the reply has none
    QMap<int, QString> byChannel; // channel number -> schedule, as reported (untrimmed)
    QMap<int, QString> idText;    // channel number -> its ID exactly as reported ("05")
};

Schedules readSchedules(const QString &xml, int maxListed);
// (channel number, schedule) in the order they are written.
QString scheduleBody(const QList<QPair<int, QString>> &channels);
// The same with each channel named by its ID text (as the NVR reported it).
QString scheduleBody(const QList<QPair<QString, QString>> &channels);

// ---- storage policy (Cmd::GetStoragePolicy / Cmd::SetStoragePolicy) -----------------

QString storagePolicyBody(const QString &policy, const QString &prompt);

// ---- user accounts (Cmd::GetUsers / Cmd::EditUser) ----------------------------------

QList<Values> readAccounts(const QString &xml, int maxListed);
// One account changed (3) or added (1): its name, password, state and e-mail.
QString accountBody(int operation, const Values &account);
// The rights of one account: the listed state and the two right strings.
QString rightsBody(const Values &account);
// One account record of a delete request (no userNum in front).
QString deleteRecord(const Values &account);

// ---- channels (Cmd::GetChannels / Cmd::AddChannels) ---------------------------------

QList<Values> readChannels(const QString &xml, int maxListed);
// records[i] goes to channel rows[i] + 1, or to the ChannelId it carries.
QString channelAddBody(const QList<Values> &records, const QList<int> &rows);

} // namespace NvrBodies
