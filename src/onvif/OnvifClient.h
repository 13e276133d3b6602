#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

namespace ONVIF {

// Parameters of a Digest challenge (WWW-Authenticate). Keys are lower case.
// Values may be quoted strings holding commas and "="; when the header holds
// several challenges, those of the Digest one are returned (the MD5 one when
// Digest is offered with several algorithms).
QHash<QString, QString> parseAuthHeader(const QString &headerValue);

// 32 random characters from [0-9a-zA-Z].
QString makeCnonce();

// The request text without its element named tagName (from the opening tag to
// the last closing one). A self-closing or absent element leaves it unchanged.
QString stripSoapHeader(const QString &text, const QString &tagName);

// Posts SOAP requests synchronously: the calling thread waits in a local event
// loop for at most TimeoutMs per request.
class Client : public QObject
{
    Q_OBJECT
public:
    static constexpr int TimeoutMs = 3000;

    explicit Client(QObject *parent = nullptr);

    // params: ip, user, password, auth mode ("0" none, "1" WS-UsernameToken,
    // "2" HTTP Digest; anything else behaves as 2). Empty result on any failure.
    QString sendData(const QString &url, const QString &soap, const QStringList &params);
    QString sendDegistData(const QString &url, const QString &soap, const QStringList &params,
                           const QString &wwwAuthenticate);

    // Forgets the accepted Authorization headers of every URL containing ip.
    static void clearAuthCache(const QString &ip);
    static QString cachedAuthorization(const QString &url);

    // MD5 Digest response (RFC 2617). qop empty: the RFC 2069 form. With
    // "auth-int", bodyMd5Hex is the MD5 of the entity body.
    static QString digestResponse(const QString &method, const QString &uri, const QString &user, const QString &realm,
                                  const QString &password, const QString &nonce, const QString &nc,
                                  const QString &cnonce, const QString &qop, const QString &bodyMd5Hex = QString());
    // The request-target used as digest-uri: path and query of the URL.
    static QString digestUri(const QString &url);
    // Picks "auth" from a qop list when offered, else "auth-int", else nothing.
    static QString chooseQop(const QString &qopList);
    // The complete Authorization value for one request.
    static QString makeDigestAuthorization(const QHash<QString, QString> &challenge, const QString &method,
                                           const QString &url, const QString &user, const QString &password,
                                           const QByteArray &body, const QString &cnonce);

    // URL and request body made fit for a log line (no credentials).
    static QString maskUrl(const QString &url);
    // The HTTP status of this thread's last request, 0 when nothing answered
    // (refused, unreachable, timed out): a camera that never answered is
    // offline, not refusing its credentials.
    static int lastHttpCode();
    static QString maskSoap(const QString &soap);

private:
    struct Result
    {
        int httpCode = 0;
        bool ok = false;
        QByteArray content;
        QByteArray wwwAuthenticate;
        QString error;
    };
    static Result post(const QString &url, const QByteArray &body, const QByteArray &authorization);
};

// Decodes a reply: a byte-order mark wins, then UTF-8 when the bytes are valid
// UTF-8 (whatever the declaration says), then the declared encoding, then Latin-1.
QString decodeReply(const QByteArray &bytes);

} // namespace ONVIF
