#pragma once

#include <QBuffer>
#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QObject>
#include <QString>
#include <QXmlQuery>

namespace ONVIF {

// Replies bigger than this are refused before any parsing.
constexpr int MaxReplyBytes = 1024 * 1024;
// Replies nested deeper than this are refused: the query engine reads such
// documents as empty, and no camera reply comes near it.
constexpr int MaxReplyDepth = 64;

// A new random UUID in braced text form ("{8-4-4-4-12}").
QString makeUuidString();

// One SOAP 1.2 request. The creator owns it.
class Message : public QObject
{
    Q_OBJECT
public:
    explicit Message(const QHash<QString, QString> &namespaces, QObject *parent = nullptr);

    // A message whose header carries a WS-Security UsernameToken with the
    // password as digest only. The caller owns the result.
    static Message *getMessageWithUserInfo(const QHash<QString, QString> &namespaces, const QString &user,
                                           const QString &password);
    // Same, with a fixed creation time (tests and replays).
    static Message *getMessageWithUserInfo(const QHash<QString, QString> &namespaces, const QString &user,
                                           const QString &password, const QDateTime &createdUtc);

    // Base64(SHA-1(nonce + created + password)), the UsernameToken password digest.
    static QString passwordDigest(const QByteArray &nonce, const QString &created, const QString &password);

    // An element with one text child unless text is empty; append it to the
    // message tree with appendToBody/appendToHeader (or into another new element).
    static QDomElement newElement(const QString &tagName, const QString &text = QString());

    void appendToBody(const QDomElement &element);
    void appendToHeader(const QDomElement &element);

    QString toXmlStr();

private:
    QDomDocument document;
    QHash<QString, QString> namespaces;
    QDomElement body;
    QDomElement header;
    QDomElement envelope;
};

// XPath questions over the text of one reply. The creator owns it.
class MessageParser : public QObject
{
    Q_OBJECT
public:
    MessageParser(const QString &replyText, const QHash<QString, QString> &namespaces, QObject *parent = nullptr);
    ~MessageParser() override;

    bool find(const QString &xpath);
    QString getValue(const QString &xpath);
    QXmlQuery *query();
    QString nameSpace() const;

    // True when the reply is a well-formed XML document of acceptable size.
    bool isWellFormed() const;
    // True when the reply is a SOAP 1.1 or 1.2 fault.
    bool isFault();
    bool isTooLarge() const { return m_tooLarge; }
    // True once a question could not be evaluated over this reply.
    bool readFailed() const { return m_readFailed; }

private:
    QXmlQuery m_query;
    QString m_prologue;
    QBuffer m_buffer;
    bool m_tooLarge = false;
    bool m_readFailed = false;
    mutable int m_wellFormed = -1;
};

} // namespace ONVIF
