#include "OnvifClient.h"

#include "KelvoCommon.h"
#include "OnvifMessage.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTimer>
#include <QUrl>

namespace ONVIF {

namespace {

struct AuthCache
{
    QMutex mutex;
    QHash<QString, QString> entries; // request URL -> accepted Authorization value
};

AuthCache &authCache()
{
    static AuthCache cache;
    return cache;
}

QString md5Hex(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

QString quoted(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

struct Challenge
{
    QString scheme;
    QHash<QString, QString> params;
};

bool isTokenChar(QChar c)
{
    return !c.isSpace() && c != QLatin1Char(',') && c != QLatin1Char('=') && c != QLatin1Char('"');
}

} // namespace

// ---- challenge parsing ---------------------------------------------------------

QHash<QString, QString> parseAuthHeader(const QString &header)
{
    QList<Challenge> challenges;
    const int n = header.size();
    int i = 0;
    auto skipSpaces = [&] {
        while (i < n && header.at(i).isSpace())
            ++i;
    };
    while (i < n) {
        while (i < n && (header.at(i).isSpace() || header.at(i) == QLatin1Char(',')))
            ++i;
        if (i >= n)
            break;
        const int tokenStart = i;
        while (i < n && isTokenChar(header.at(i)))
            ++i;
        const QString token = header.mid(tokenStart, i - tokenStart);
        skipSpaces();
        if (i < n && header.at(i) == QLatin1Char('=') && !token.isEmpty()) {
            ++i; // key = value
            skipSpaces();
            QString value;
            if (i < n && header.at(i) == QLatin1Char('"')) {
                ++i;
                while (i < n && header.at(i) != QLatin1Char('"')) {
                    if (header.at(i) == QLatin1Char('\\') && i + 1 < n)
                        ++i;
                    value += header.at(i++);
                }
                if (i < n)
                    ++i; // closing quote
            } else {
                const int valueStart = i;
                while (i < n && header.at(i) != QLatin1Char(','))
                    ++i;
                value = header.mid(valueStart, i - valueStart).trimmed();
            }
            if (challenges.isEmpty())
                challenges.append(Challenge());
            challenges.last().params.insert(token.toLower(), value);
            // Anything up to the next comma is garbage of a broken header.
            while (i < n && header.at(i) != QLatin1Char(','))
                ++i;
        } else if (!token.isEmpty()) {
            Challenge c;
            c.scheme = token;
            challenges.append(c);
        } else {
            ++i; // stray character
        }
    }
    // Cameras may offer Digest once per algorithm (SHA-256 first); we answer with MD5.
    const Challenge *digest = nullptr;
    for (const Challenge &c : qAsConst(challenges)) {
        if (c.scheme.compare(QLatin1String("Digest"), Qt::CaseInsensitive) != 0 || c.params.isEmpty())
            continue;
        const QString algorithm = c.params.value(QStringLiteral("algorithm"));
        if (algorithm.isEmpty() || algorithm.compare(QLatin1String("MD5"), Qt::CaseInsensitive) == 0)
            return c.params;
        if (!digest)
            digest = &c;
    }
    if (digest)
        return digest->params;
    for (const Challenge &c : qAsConst(challenges)) {
        if (c.scheme.isEmpty() && !c.params.isEmpty())
            return c.params;
    }
    return {};
}

QString makeCnonce()
{
    static const QString chars = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QRandomGenerator rng = QRandomGenerator::securelySeeded();
    QString out;
    out.reserve(32);
    for (int i = 0; i < 32; ++i)
        out += chars.at(int(rng.bounded(quint32(chars.size()))));
    return out;
}

QString stripSoapHeader(const QString &text, const QString &tagName)
{
    const int first = text.indexOf(tagName);
    const int last = text.lastIndexOf(tagName);
    if (first < 2 || last <= first)
        return text;
    return text.left(first - 1) + text.mid(last + tagName.size() + 1);
}

QString decodeReply(const QByteArray &bytes)
{
    if (QTextCodec *bom = QTextCodec::codecForUtfText(bytes, nullptr))
        return bom->toUnicode(bytes);
    if (bytes.size() >= 2 && bytes.at(0) == '<' && bytes.at(1) == '\0')
        return QTextCodec::codecForMib(1014)->toUnicode(bytes); // UTF-16LE without a mark
    if (bytes.size() >= 2 && bytes.at(0) == '\0' && bytes.at(1) == '<')
        return QTextCodec::codecForMib(1013)->toUnicode(bytes); // UTF-16BE without a mark
    QTextCodec *utf8 = QTextCodec::codecForMib(106);
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0)
        return text;
    static const QRegularExpression declared(
        QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    const auto match = declared.match(QString::fromLatin1(bytes.left(200)));
    if (match.hasMatch()) {
        QTextCodec *codec = QTextCodec::codecForName(match.captured(1).toLatin1());
        // A multi-byte declaration on single-byte text is the lie we are working around.
        if (codec && codec->mibEnum() != 106 && (codec->mibEnum() < 1013 || codec->mibEnum() > 1019))
            return codec->toUnicode(bytes);
    }
    return QString::fromLatin1(bytes);
}

// ---- Digest ----------------------------------------------------------------------

QString Client::digestResponse(const QString &method, const QString &uri, const QString &user, const QString &realm,
                               const QString &password, const QString &nonce, const QString &nc, const QString &cnonce,
                               const QString &qop, const QString &bodyMd5Hex)
{
    const QString ha1 = md5Hex((user + QLatin1Char(':') + realm + QLatin1Char(':') + password).toUtf8());
    QString a2 = method + QLatin1Char(':') + uri;
    if (qop == QLatin1String("auth-int"))
        a2 += QLatin1Char(':') + bodyMd5Hex;
    const QString ha2 = md5Hex(a2.toUtf8());
    if (qop.isEmpty())
        return md5Hex((ha1 + QLatin1Char(':') + nonce + QLatin1Char(':') + ha2).toUtf8());
    return md5Hex(QStringList({ha1, nonce, nc, cnonce, qop, ha2}).join(QLatin1Char(':')).toUtf8());
}

QString Client::digestUri(const QString &url)
{
    const QUrl u(url, QUrl::TolerantMode);
    const QByteArray target = u.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    return target.isEmpty() ? QStringLiteral("/") : QString::fromLatin1(target);
}

QString Client::chooseQop(const QString &qopList)
{
    QStringList offered;
    for (const QString &q : qopList.split(QLatin1Char(','), Qt::SkipEmptyParts))
        offered << q.trimmed().toLower();
    if (offered.contains(QLatin1String("auth")))
        return QStringLiteral("auth");
    if (offered.contains(QLatin1String("auth-int")))
        return QStringLiteral("auth-int");
    return QString();
}

QString Client::makeDigestAuthorization(const QHash<QString, QString> &challenge, const QString &method,
                                        const QString &url, const QString &user, const QString &password,
                                        const QByteArray &body, const QString &cnonce)
{
    const QString realm = challenge.value(QStringLiteral("realm"));
    const QString nonce = challenge.value(QStringLiteral("nonce"));
    const QString qop = chooseQop(challenge.value(QStringLiteral("qop")));
    const QString uri = digestUri(url);
    const QString nc = QStringLiteral("00000001");
    const QString bodyMd5 = qop == QLatin1String("auth-int") ? md5Hex(body) : QString();
    const QString response = digestResponse(method, uri, user, realm, password, nonce, nc, cnonce, qop, bodyMd5);

    QString value = QStringLiteral("Digest username=%1, realm=%2, nonce=%3, uri=%4, algorithm=MD5, response=%5")
                        .arg(quoted(user), quoted(realm), quoted(nonce), quoted(uri), quoted(response));
    if (!qop.isEmpty())
        value += QStringLiteral(", qop=%1, nc=%2, cnonce=%3").arg(qop, nc, quoted(cnonce));
    if (challenge.contains(QStringLiteral("opaque")))
        value += QStringLiteral(", opaque=") + quoted(challenge.value(QStringLiteral("opaque")));
    return value;
}

// ---- logging helpers -----------------------------------------------------------

QString Client::maskUrl(const QString &url)
{
    QUrl u(url, QUrl::TolerantMode);
    if (!u.isValid() || (u.userInfo().isEmpty()))
        return url;
    if (!u.password().isEmpty())
        u.setPassword(PASSWORD_MASK);
    return u.toString();
}

QString Client::maskSoap(const QString &soap)
{
    static const QRegularExpression password(QStringLiteral("(<(?:[\\w.-]+:)?Password\\b[^>]*>)[^<]*"));
    QString masked = soap;
    masked.replace(password, QStringLiteral("\\1") + PASSWORD_MASK);
    return masked;
}

// ---- requests ----------------------------------------------------------------------

Client::Client(QObject *parent)
    : QObject(parent)
{
}

void Client::clearAuthCache(const QString &ip)
{
    AuthCache &cache = authCache();
    QMutexLocker lock(&cache.mutex);
    const QStringList urls = cache.entries.keys();
    for (const QString &url : urls) {
        if (url.contains(ip))
            cache.entries.remove(url);
    }
}

QString Client::cachedAuthorization(const QString &url)
{
    AuthCache &cache = authCache();
    QMutexLocker lock(&cache.mutex);
    return cache.entries.value(url);
}

namespace {
thread_local int t_lastHttpCode = 0;
} // namespace

int Client::lastHttpCode()
{
    return t_lastHttpCode;
}

Client::Result Client::post(const QString &url, const QByteArray &body, const QByteArray &authorization)
{
    Result result;
    t_lastHttpCode = 0;
    const QUrl requestUrl(url, QUrl::TolerantMode);
    const QString scheme = requestUrl.scheme().toLower();
    if (!requestUrl.isValid() || requestUrl.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        result.error = QStringLiteral("invalid url");
        return result;
    }

    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(requestUrl);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/soap+xml; charset=utf-8"));
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);

    QNetworkReply *reply = manager.post(request, body);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    bool tooLarge = false;
    auto checkSize = [&] {
        const qlonglong declared = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (!tooLarge && (declared > MaxReplyBytes || reply->bytesAvailable() > MaxReplyBytes)) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, checkSize);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, checkSize);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    timer.start(TimeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    QObject::disconnect(reply, nullptr, &loop, nullptr);

    result.httpCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    t_lastHttpCode = result.httpCode;
    if (timedOut && !reply->isFinished()) {
        // A partial reply is never a reply.
        reply->abort();
        result.error = QStringLiteral("timeout");
    } else if (tooLarge) {
        result.error = QStringLiteral("reply too large");
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
        result.wwwAuthenticate = reply->rawHeader("WWW-Authenticate");
    } else {
        result.content = reply->readAll();
        if (result.content.size() > MaxReplyBytes) {
            result.content.clear();
            result.error = QStringLiteral("reply too large");
        } else {
            result.ok = true;
        }
    }
    delete reply;
    return result;
}

QString Client::sendData(const QString &url, const QString &soap, const QStringList &params)
{
    if (params.size() != 4)
        return QString();
    const int mode = params.at(3).toInt();
    QString body = soap;
    QByteArray authorization;
    if (mode != 1) {
        body = stripSoapHeader(body, QStringLiteral("s:Header"));
        authorization = cachedAuthorization(url).toUtf8();
    }
    const Result r = post(url, body.toUtf8(), authorization);
    qDebug() << "url: " << maskUrl(url) << " httpcode: " << r.httpCode << "; error: " << r.error;
    if (r.ok)
        return decodeReply(r.content);
    if (r.httpCode == 401 && mode != 0) {
        const QString reply = sendDegistData(url, body, params, QString::fromLatin1(r.wwwAuthenticate));
        if (!reply.isEmpty())
            return reply;
    }
    qDebug() << "reply error " << maskUrl(url) << "\r\n"
             << r.httpCode << "\n\r"
             << "data" << maskSoap(body);
    return QString();
}

QString Client::sendDegistData(const QString &url, const QString &soap, const QStringList &params,
                               const QString &wwwAuthenticate)
{
    if (params.size() != 4)
        return QString();
    const QHash<QString, QString> challenge = parseAuthHeader(wwwAuthenticate);
    if (challenge.isEmpty() || !challenge.contains(QStringLiteral("nonce"))) {
        qDebug() << " get auth data error";
        return QString();
    }
    const QByteArray body = soap.toUtf8();
    const QString authorization =
        makeDigestAuthorization(challenge, QStringLiteral("POST"), url, params.at(1), params.at(2), body, makeCnonce());
    const Result r = post(url, body, authorization.toUtf8());
    if (!r.ok) {
        qDebug() << "get digets error  " << maskUrl(url) << r.httpCode;
        return QString();
    }
    {
        AuthCache &cache = authCache();
        QMutexLocker lock(&cache.mutex);
        cache.entries.insert(url, authorization);
    }
    return decodeReply(r.content);
}

} // namespace ONVIF
