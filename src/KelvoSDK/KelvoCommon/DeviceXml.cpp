#include "DeviceXml.h"

#include "KelvoCommon.h"

#include <QDebug>
#include <QDomDocument>
#include <QMutex>
#include <QMutexLocker>
#include <QXmlStreamReader>

#include <atomic>

namespace {

// How much of an unusable text a log line shows.
constexpr int LoggedChars = 160;
// How many recently reported texts are remembered, so that the readers of
// one message do not report it once each.
constexpr int RememberedReports = 16;

std::atomic<quint64> g_passes{0};

// Reads the first element of the text token by token, the visitor seeing
// every token with the depth of the element it belongs to. Stops at the end
// of that element, at the first fault, or at the first element nested
// deeper than MaxDepth.
template <class Visitor> DeviceXml::Check walk(const QString &text, Visitor &&visit)
{
    g_passes.fetch_add(1, std::memory_order_relaxed);
    DeviceXml::Check result;
    if (text.isEmpty()) {
        result.verdict = DeviceXml::Verdict::Empty;
        result.reason = QStringLiteral("empty text");
        return result;
    }
    QXmlStreamReader reader(text);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > DeviceXml::MaxDepth) {
            result.verdict = DeviceXml::Verdict::TooDeep;
            result.reason = QStringLiteral("nesting deeper than %1 levels at line %2, column %3")
                                .arg(DeviceXml::MaxDepth)
                                .arg(reader.lineNumber())
                                .arg(reader.columnNumber());
            return result;
        }
        visit(reader, token, depth);
        if (token == QXmlStreamReader::EndElement && --depth == 0) {
            result.verdict = DeviceXml::Verdict::Usable;
            result.end = int(reader.characterOffset());
            return result;
        }
    }
    result.verdict = DeviceXml::Verdict::Unreadable;
    result.reason = reader.hasError() ? QStringLiteral("%1 at line %2, column %3")
                                            .arg(reader.errorString())
                                            .arg(reader.lineNumber())
                                            .arg(reader.columnNumber())
                                      : QStringLiteral("no element");
    return result;
}

struct Reports
{
    QMutex mutex;
    QList<QPair<uint, int>> recent; // hash and length of the texts reported last
};

Reports &reports()
{
    static Reports r;
    return r;
}

} // namespace

namespace DeviceXml {

Check check(const QString &text)
{
    return walk(text, [](QXmlStreamReader &, QXmlStreamReader::TokenType, int) {});
}

bool usable(const QString &text)
{
    const Check c = check(text);
    if (!c.usable())
        reportUnusable(text, c.reason);
    return c.usable();
}

bool parse(const QString &text, QDomDocument &doc)
{
    doc = QDomDocument();
    // The bound first: the tree reader recurses once per level.
    const Check c = check(text);
    if (!c.usable()) {
        reportUnusable(text, c.reason);
        return false;
    }
    // Only the first element, as every other reader takes it.
    QString error;
    if (!doc.setContent(text.left(c.end), false, &error)) {
        reportUnusable(text, error);
        doc = QDomDocument();
        return false;
    }
    return true;
}

QString masked(const QString &text)
{
    QString out = text;
    int from = 0;
    while (true) {
        const int open = out.indexOf(QLatin1Char('<'), from);
        if (open < 0)
            break;
        const int close = out.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        const QString tag = out.mid(open + 1, close - open - 1);
        from = close + 1;
        if (tag.startsWith(QLatin1Char('/')) || tag.endsWith(QLatin1Char('/'))
            || !tag.contains(QLatin1String("pass"), Qt::CaseInsensitive))
            continue;
        const QString name = tag.section(QLatin1Char(' '), 0, 0);
        const int end = out.indexOf(QStringLiteral("</%1>").arg(name), from);
        const int stop = end < 0 ? out.size() : end;
        out.replace(from, stop - from, PASSWORD_MASK);
        from += PASSWORD_MASK.size();
    }
    return out;
}

void reportUnusable(const QString &text, const QString &reason)
{
    const QPair<uint, int> key(qHash(text), text.size());
    {
        Reports &r = reports();
        QMutexLocker lock(&r.mutex);
        if (r.recent.contains(key))
            return;
        r.recent.append(key);
        while (r.recent.size() > RememberedReports)
            r.recent.removeFirst();
    }
    // Masked before the last cut (a password cut off from its end tag is
    // masked to the end), and only the beginning: a huge text costs nothing.
    QString shown = masked(text.left(LoggedChars * 2));
    if (text.size() > LoggedChars)
        shown = shown.left(LoggedChars) + QStringLiteral("... (%1 characters)").arg(text.size());
    qWarning().noquote() << "XML parsing error:" << reason << "-" << shown;
}

quint64 passes()
{
    return g_passes.load(std::memory_order_relaxed);
}

} // namespace DeviceXml

// ---- values ----------------------------------------------------------------------

namespace {

QHash<QString, QString> valuesOf(const QString &xml, const QString &tag, DeviceXml::Check *check)
{
    QHash<QString, QString> values;
    int tagDepth = -1; // depth of the matched element while inside it
    bool matched = false;
    QString current;
    const DeviceXml::Check c = walk(xml, [&](QXmlStreamReader &reader, QXmlStreamReader::TokenType token, int depth) {
        switch (token) {
        case QXmlStreamReader::StartElement:
            if (tagDepth < 0 && !matched && reader.name() == tag) {
                tagDepth = depth;
                matched = true;
                current.clear();
            } else {
                current = reader.name().toString();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == tagDepth)
                tagDepth = -1;
            current.clear();
            break;
        case QXmlStreamReader::Characters:
            if (tagDepth < 0 || reader.isWhitespace() || current.isEmpty() || values.contains(current))
                break;
            values.insert(current, reader.text().toString());
            break;
        default:
            break;
        }
    });
    *check = c;
    if (!c.usable()) {
        DeviceXml::reportUnusable(xml, c.reason);
        return QHash<QString, QString>();
    }
    return values;
}

// A number of the head of a text the reader refused, found as text: the
// first "<name>" inside the first "<head>", digits only; -1 otherwise.
int textualHeadNumber(const QString &xml, QLatin1String name)
{
    const int head = xml.indexOf(QLatin1String("<head>"));
    if (head < 0)
        return -1;
    const int headEnd = xml.indexOf(QLatin1String("</head>"), head);
    const QString open = QLatin1Char('<') + name + QLatin1Char('>');
    const int at = xml.indexOf(open, head);
    if (at < 0 || (headEnd >= 0 && at > headEnd))
        return -1;
    const int start = at + open.size();
    const int close = xml.indexOf(QLatin1String("</") + name + QLatin1Char('>'), start);
    if (close < 0 || close - start > 10 || (headEnd >= 0 && close > headEnd))
        return -1;
    bool ok = false;
    const int value = xml.mid(start, close - start).trimmed().toInt(&ok, 10);
    return ok && value >= 0 ? value : -1;
}

} // namespace

QHash<QString, QString> findValuesInXml(const QString &xml, const QString &tag)
{
    DeviceXml::Check check;
    return valuesOf(xml, tag, &check);
}

QHash<QString, QString> readXmlElements(QXmlStreamReader &reader, const QString &tag)
{
    QHash<QString, QString> values;
    QString current;
    int sameName = 1;
    int depth = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > DeviceXml::MaxDepth) {
                reader.raiseError(QStringLiteral("nesting deeper than %1 levels").arg(DeviceXml::MaxDepth));
                return QHash<QString, QString>();
            }
            if (reader.name() == tag)
                ++sameName;
            current = reader.name().toString();
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (reader.name() == tag && --sameName == 0)
                break;
            current.clear();
        } else if (token == QXmlStreamReader::Characters) {
            if (reader.isWhitespace() || current.isEmpty() || values.contains(current))
                continue;
            values.insert(current, reader.text().toString());
        }
    }
    if (reader.hasError())
        return QHash<QString, QString>();
    return values;
}

// ---- result and head ---------------------------------------------------------------

QString ReplyResult::describe() const
{
    switch (kind) {
    case Success:
        return QStringLiteral("0");
    case Failure:
        return QString::number(code);
    case Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
}

ReplyResult ReplyResult::fromText(const QString &text, bool present)
{
    ReplyResult r;
    if (!present)
        return r;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return r;
    r.kind = value == 0 ? Success : Failure;
    r.code = value;
    return r;
}

ReplyResult ReplyResult::fromHead(const QHash<QString, QString> &head)
{
    const auto it = head.constFind(QStringLiteral("result"));
    return fromText(it == head.constEnd() ? QString() : it.value(), it != head.constEnd());
}

ReplyResult ReplyResult::of(const QString &xml)
{
    return fromHead(findValuesInXml(xml, QStringLiteral("head")));
}

ReplyHead ReplyHead::read(const QString &xml)
{
    ReplyHead head;
    DeviceXml::Check check;
    const QHash<QString, QString> values = valuesOf(xml, QStringLiteral("head"), &check);
    if (!check.usable()) {
        // Good enough to tell whose reply it was, never to read it.
        head.cmd = textualHeadNumber(xml, QLatin1String("cmd"));
        const int channel = textualHeadNumber(xml, QLatin1String("channel"));
        head.channel = channel >= 0 && channel <= 255 ? channel : 0;
        return head;
    }
    head.usable = true;
    bool ok = false;
    const int cmd = values.value(QStringLiteral("cmd")).trimmed().toInt(&ok, 10);
    head.cmd = ok ? cmd : -1;
    const int channel = values.value(QStringLiteral("channel")).trimmed().toInt(&ok, 10);
    head.channel = ok && channel >= 0 && channel <= 255 ? channel : 0;
    head.result = ReplyResult::fromHead(values);
    return head;
}
