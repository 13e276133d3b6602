#pragma once

// The one reader of the XML texts devices send. Every reply, report and
// search answer is read through here, whether as values (findValuesInXml),
// as a tree (parse) or only checked (check): a text nested deeper than
// MaxDepth elements, cut off, or not XML at all is "no usable reply". Such a
// text yields no values at all, never the part before the fault, and is
// logged once, its secrets masked. Nothing here recurses over the text, so
// no nesting a device sends can exhaust the stack.
//
// Also the one meaning of a reply's <result> (ReplyResult), and the head of
// a reply read once (ReplyHead).

#include <QHash>
#include <QString>

class QDomDocument;

namespace DeviceXml {

// Deeper nesting than any reply of the protocol has, far below what a tree
// reader's recursion could survive.
constexpr int MaxDepth = 64;

enum class Verdict {
    Usable,
    Empty,      // no text at all
    Unreadable, // not well-formed: cut off, garbage, undeclared entity, ...
    TooDeep,    // an element nested deeper than MaxDepth
};

struct Check
{
    Verdict verdict = Verdict::Empty;
    QString reason; // for the log; empty when usable
    int end = 0;    // characters up to the end of the first element, when usable
    bool usable() const { return verdict == Verdict::Usable; }
};

// One pass over the first element of the text and everything in it. What
// follows that element (a line feed, a binary tail) is not looked at.
Check check(const QString &text);

// check(), logging an unusable text once.
bool usable(const QString &text);

// The text as a tree, only when it is usable; otherwise doc is left empty and
// false is returned.
bool parse(const QString &text, QDomDocument &doc);

// The text with the content of every element whose name contains "pass"
// (password, passWord, oldPassword, ...) replaced by the password mask.
QString masked(const QString &text);

// Logs "XML parsing error:" with the reason and the masked beginning of the
// text, unless the same text was reported a moment ago (several readers look
// at each message: it is reported once).
void reportUnusable(const QString &text, const QString &reason);

// How many times a device text has been read through here since start, from
// any thread: what benchmarks count to tell how often each message is read.
quint64 passes();

} // namespace DeviceXml

// The meaning of a reply's <result>: success only when the element is there
// and holds the decimal integer 0. Any other integer is a failure carrying
// that code; anything else ("0x5", "fail", empty, absent) is a failure whose
// code could not be read.
struct ReplyResult
{
    enum Kind { Success, Failure, Unreadable };
    Kind kind = Unreadable;
    int code = 0; // the device's code when kind is Failure

    bool ok() const { return kind == Success; }
    // "0", the code, or "unreadable": for log lines.
    QString describe() const;

    static ReplyResult fromText(const QString &text, bool present);
    // From the values of a reply's head (findValuesInXml(xml, "head")).
    static ReplyResult fromHead(const QHash<QString, QString> &head);
    // Reads the head of a whole reply; an unusable reply is Unreadable.
    static ReplyResult of(const QString &xml);
};

// The head of one reply, read once.
struct ReplyHead
{
    bool usable = false; // the whole reply passed the reader
    int cmd = -1;        // -1 when absent or not a number
    int channel = 0;     // the head's channel element, 0 when absent
    ReplyResult result;

    static ReplyHead read(const QString &xml);
};
