#include "OnvifMessage.h"

#include "OnvifNamespaces.h"

#include <QAbstractMessageHandler>
#include <QCryptographicHash>
#include <QDateTime>
#include <QStringList>
#include <QUuid>
#include <QXmlResultItems>
#include <QXmlStreamReader>

namespace ONVIF {

QString makeUuidString()
{
    return QUuid::createUuid().toString();
}

// ---- Message -------------------------------------------------------------------

Message::Message(const QHash<QString, QString> &ns, QObject *parent)
    : QObject(parent)
    , namespaces(ns)
{
    document.appendChild(document.createProcessingInstruction(QStringLiteral("xml"),
                                                              QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    envelope = document.createElementNS(NS::SoapEnvelope, QStringLiteral("s:Envelope"));
    envelope.setAttribute(QStringLiteral("xmlns:trt"), NS::Trt);
    header = document.createElement(QStringLiteral("s:Header"));
    body = document.createElement(QStringLiteral("s:Body"));
    body.setAttribute(QStringLiteral("xmlns:xsi"), NS::Xsi);
    body.setAttribute(QStringLiteral("xmlns:xsd"), NS::Xsd);
}

Message *Message::getMessageWithUserInfo(const QHash<QString, QString> &ns, const QString &user,
                                         const QString &password)
{
    return getMessageWithUserInfo(ns, user, password, QDateTime::currentDateTimeUtc());
}

QString Message::passwordDigest(const QByteArray &nonce, const QString &created, const QString &password)
{
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    sha1.addData(nonce);
    sha1.addData(created.toUtf8());
    sha1.addData(password.toUtf8());
    return QString::fromLatin1(sha1.result().toBase64());
}

Message *Message::getMessageWithUserInfo(const QHash<QString, QString> &ns, const QString &user,
                                         const QString &password, const QDateTime &createdUtc)
{
    auto *m = new Message(ns);
    QDomElement security = newElement(QStringLiteral("Security"));
    security.setAttribute(QStringLiteral("s:mustUnderstand"), QStringLiteral("1"));
    security.setAttribute(QStringLiteral("xmlns"), NS::Wsse);
    QDomElement token = newElement(QStringLiteral("UsernameToken"));
    QDomElement username = newElement(QStringLiteral("Username"), user);

    const QString created = createdUtc.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz")) + QLatin1Char('Z');
    // The nonce is the creation time itself.
    const QByteArray nonce = created.toUtf8();

    QDomElement pass = newElement(QStringLiteral("Password"), passwordDigest(nonce, created, password));
    pass.setAttribute(QStringLiteral("Type"), NS::PasswordDigestType);
    QDomElement nonceEl = newElement(QStringLiteral("Nonce"), QString::fromLatin1(nonce.toBase64()));
    nonceEl.setAttribute(QStringLiteral("EncodingType"), NS::Base64BinaryType);
    QDomElement createdEl = newElement(QStringLiteral("Created"), created);
    createdEl.setAttribute(QStringLiteral("xmlns"), NS::Wsu);

    token.appendChild(username);
    token.appendChild(pass);
    token.appendChild(nonceEl);
    token.appendChild(createdEl);
    security.appendChild(token);
    m->appendToHeader(security);
    return m;
}

QDomElement Message::newElement(const QString &tagName, const QString &text)
{
    // One scratch document per thread, alive as long as the thread, so no
    // element ever points at a dead owner before it is appended elsewhere.
    thread_local QDomDocument scratch;
    QDomElement element = scratch.createElement(tagName);
    if (!text.isEmpty())
        element.appendChild(scratch.createTextNode(text));
    return element;
}

void Message::appendToBody(const QDomElement &element)
{
    body.appendChild(document.importNode(element, true));
}

void Message::appendToHeader(const QDomElement &element)
{
    header.appendChild(document.importNode(element, true));
}

QString Message::toXmlStr()
{
    for (auto it = namespaces.constBegin(); it != namespaces.constEnd(); ++it)
        envelope.setAttribute(QStringLiteral("xmlns:") + it.key(), it.value());
    envelope.appendChild(header);
    envelope.appendChild(body);
    document.appendChild(envelope);
    return document.toString(1);
}

// ---- MessageParser ---------------------------------------------------------------

namespace {

// Query errors of a bad reply are an expected outcome, reported by the result.
class QuietHandler : public QAbstractMessageHandler
{
protected:
    void handleMessage(QtMsgType, const QString &, const QUrl &, const QSourceLocation &) override { }
};

// The text is already decoded; drop any byte-order mark and XML declaration so
// the engine reads it as the UTF-8 it is handed, whatever the reply declared.
QByteArray normalisedUtf8(const QString &text)
{
    int start = 0;
    while (start < text.size() && (text.at(start) == QChar(0xFEFF) || text.at(start).isSpace()))
        ++start;
    if (text.midRef(start, 5) == QLatin1String("<?xml")) {
        const int end = text.indexOf(QLatin1String("?>"), start);
        if (end >= 0)
            start = end + 2;
    }
    return text.midRef(start).toUtf8();
}

} // namespace

MessageParser::MessageParser(const QString &replyText, const QHash<QString, QString> &ns, QObject *parent)
    : QObject(parent)
{
    // A QString holds at least one byte per character in UTF-8.
    if (replyText.size() > MaxReplyBytes || replyText.toUtf8().size() > MaxReplyBytes)
        m_tooLarge = true;
    else
        m_buffer.setData(normalisedUtf8(replyText));
    m_buffer.open(QIODevice::ReadOnly);
    static QuietHandler *quiet = new QuietHandler; // shared, never freed: outlives every query
    m_query.setMessageHandler(quiet);
    m_query.bindVariable(QStringLiteral("inputDocument"), &m_buffer);
    for (auto it = ns.constBegin(); it != ns.constEnd(); ++it)
        m_prologue += QStringLiteral("declare namespace %1 = \"%2\";\n").arg(it.key(), it.value());
}

MessageParser::~MessageParser()
{
    m_buffer.close();
}

bool MessageParser::isWellFormed() const
{
    if (m_wellFormed < 0) {
        if (m_tooLarge || m_buffer.data().isEmpty()) {
            m_wellFormed = 0;
        } else {
            QXmlStreamReader reader(m_buffer.data());
            bool sawRoot = false;
            int depth = 0;
            bool tooDeep = false;
            while (!reader.atEnd() && !tooDeep) {
                const auto token = reader.readNext();
                if (token == QXmlStreamReader::StartElement) {
                    sawRoot = true;
                    tooDeep = ++depth > MaxReplyDepth;
                } else if (token == QXmlStreamReader::EndElement) {
                    --depth;
                }
            }
            m_wellFormed = (!reader.hasError() && sawRoot && !tooDeep) ? 1 : 0;
        }
    }
    return m_wellFormed == 1;
}

bool MessageParser::find(const QString &xpath)
{
    if (m_tooLarge)
        return false;
    m_query.setQuery(m_prologue + QStringLiteral("doc($inputDocument)") + xpath);
    if (!m_query.isValid()) {
        m_readFailed = true;
        return false;
    }
    QXmlResultItems items;
    m_query.evaluateTo(&items);
    const bool found = !items.next().isNull();
    if (items.hasError())
        m_readFailed = true;
    return found;
}

QString MessageParser::getValue(const QString &xpath)
{
    if (m_tooLarge)
        return QString();
    m_query.setQuery(m_prologue + QStringLiteral("doc($inputDocument)") + xpath + QStringLiteral("/string()"));
    if (!m_query.isValid()) {
        m_readFailed = true;
        return QString();
    }
    // A string list keeps values unescaped ("&" stays "&"), unlike a serialised result.
    QStringList values;
    if (!m_query.evaluateTo(&values)) {
        m_readFailed = true;
        return QString();
    }
    if (values.isEmpty())
        return QString();
    return values.first().trimmed();
}

QXmlQuery *MessageParser::query()
{
    return &m_query;
}

QString MessageParser::nameSpace() const
{
    return m_prologue;
}

bool MessageParser::isFault()
{
    if (!isWellFormed())
        return false;
    const QString saved = m_prologue;
    m_prologue = QStringLiteral("declare namespace fs12 = \"%1\";\ndeclare namespace fs11 = \"%2\";\n")
                     .arg(NS::SoapEnvelope, NS::Soap11Envelope);
    const bool fault = find(QStringLiteral("/*/(fs12:Body|fs11:Body)/(fs12:Fault|fs11:Fault)"));
    m_prologue = saved;
    return fault;
}

} // namespace ONVIF
