#include "OnvifCameraServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QXmlStreamReader>

namespace OnvifCam {

const QString GetDeviceInformation = QStringLiteral("GetDeviceInformation");
const QString GetCapabilities = QStringLiteral("GetCapabilities");
const QString GetProfiles = QStringLiteral("GetProfiles");
const QString GetStreamUri = QStringLiteral("GetStreamUri");

QString usernameTokenDigest(const QByteArray &nonce, const QString &created, const QString &password)
{
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    sha1.addData(nonce);
    sha1.addData(created.toUtf8());
    sha1.addData(password.toUtf8());
    return QString::fromLatin1(sha1.result().toBase64());
}

namespace {

QByteArray md5Hex(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}

// key=value pairs of an Authorization value, honouring quoted strings.
QHash<QByteArray, QByteArray> parseDigestParams(const QByteArray &value)
{
    QHash<QByteArray, QByteArray> out;
    int i = 0;
    const int n = value.size();
    while (i < n) {
        while (i < n && (value.at(i) == ' ' || value.at(i) == ','))
            ++i;
        const int keyStart = i;
        while (i < n && value.at(i) != '=' && value.at(i) != ',')
            ++i;
        if (i >= n || value.at(i) != '=')
            continue;
        const QByteArray key = value.mid(keyStart, i - keyStart).trimmed().toLower();
        ++i;
        while (i < n && value.at(i) == ' ')
            ++i;
        QByteArray v;
        if (i < n && value.at(i) == '"') {
            ++i;
            while (i < n && value.at(i) != '"') {
                if (value.at(i) == '\\' && i + 1 < n)
                    ++i;
                v += value.at(i++);
            }
            ++i;
        } else {
            const int start = i;
            while (i < n && value.at(i) != ',')
                ++i;
            v = value.mid(start, i - start).trimmed();
        }
        out.insert(key, v);
    }
    return out;
}

QByteArray soapFault(const QString &code, const QString &subcode, const QString &reason)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<env:Envelope xmlns:env=\"http://www.w3.org/2003/05/soap-envelope\" "
                          "xmlns:ter=\"http://www.onvif.org/ver10/error\">"
                          "<env:Body><env:Fault><env:Code><env:Value>%1</env:Value>"
                          "<env:Subcode><env:Value>%2</env:Value></env:Subcode></env:Code>"
                          "<env:Reason><env:Text xml:lang=\"en\">%3</env:Text></env:Reason>"
                          "</env:Fault></env:Body></env:Envelope>")
        .arg(code, subcode, reason)
        .toUtf8();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct SoapRequest
{
    QString operation;
    QString user, password, passwordType, nonce, created;
    bool hasToken = false;
};

SoapRequest readSoap(const QByteArray &body)
{
    SoapRequest r;
    QXmlStreamReader xml(body);
    bool inBody = false;
    QString current;
    while (!xml.atEnd()) {
        const auto t = xml.readNext();
        if (t == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            if (inBody && r.operation.isEmpty()) {
                r.operation = name;
            } else if (name == QLatin1String("Body")) {
                inBody = true;
            } else if (name == QLatin1String("UsernameToken")) {
                r.hasToken = true;
            } else if (name == QLatin1String("Password")) {
                r.passwordType = xml.attributes().value(QLatin1String("Type")).toString();
                r.password = xml.readElementText();
            } else if (name == QLatin1String("Username")) {
                r.user = xml.readElementText();
            } else if (name == QLatin1String("Nonce")) {
                r.nonce = xml.readElementText();
            } else if (name == QLatin1String("Created")) {
                r.created = xml.readElementText();
            }
        }
    }
    if (xml.hasError())
        r.operation.clear();
    return r;
}

} // namespace

// ---- camera server -----------------------------------------------------------------

struct CameraServer::State
{
    mutable QMutex mutex;
    QHash<QString, QByteArray> replies;
    QHash<QString, QByteArray> streamUriByToken;
    Auth auth = Auth::None;
    QString user = QStringLiteral("admin");
    QString password = QStringLiteral("admin");
    QString realm = QStringLiteral("Loopback Camera");
    QString nonce = QStringLiteral("dGVzdCBub25jZSB3aXRoIHBhZA==");
    QString qop = QStringLiteral("auth,auth-int");
    bool alwaysUnauthorized = false;
    QStringList hang;
    QList<Request> requests;
    QHostAddress address;
    quint16 port = 0;
};

namespace {

class ServerWorker : public QObject
{
    using Request = CameraServer::Request;
    using Auth = CameraServer::Auth;

public:
    explicit ServerWorker(std::shared_ptr<CameraServer::State> state)
        : m_state(std::move(state))
    {
    }

    bool listen(const QHostAddress &address, quint16 port)
    {
        m_server = new QTcpServer(this);
        if (!m_server->listen(address, port))
            return false;
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        QMutexLocker lock(&m_state->mutex);
        m_state->address = m_server->serverAddress();
        m_state->port = m_server->serverPort();
        return true;
    }

private:
    void onData(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        QHash<QByteArray, QByteArray> headers;
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines.at(i).indexOf(':');
            if (colon > 0)
                headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
        }
        const int length = headers.value("content-length").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        Request request;
        request.method = QString::fromLatin1(requestLine.value(0));
        request.target = QString::fromLatin1(requestLine.value(1));
        request.authorization = headers.value("authorization");
        request.body = buffer.mid(headerEnd + 4, length);
        m_buffers.remove(socket);
        answer(socket, request);
    }

    void answer(QTcpSocket *socket, Request request)
    {
        const SoapRequest soap = readSoap(request.body);
        request.operation = soap.operation;

        QMutexLocker lock(&m_state->mutex);
        const auto &s = *m_state;
        if (s.hang.contains(QStringLiteral("*")) || s.hang.contains(soap.operation)) {
            m_state->requests.append(request);
            return; // the socket stays open until the client gives up
        }
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders;
        const QByteArray challenge = "WWW-Authenticate: Digest realm=\"" + s.realm.toUtf8() + "\", qop=\""
                                     + s.qop.toUtf8() + "\", nonce=\"" + s.nonce.toUtf8() + "\", algorithm=MD5\r\n";

        if (soap.operation.isEmpty()) {
            status = 400;
            body = soapFault(QStringLiteral("env:Sender"), QStringLiteral("ter:WellFormed"),
                             QStringLiteral("Not a SOAP request"));
        } else if (s.alwaysUnauthorized || (s.auth == Auth::Digest && !digestOk(request))) {
            status = 401;
            extraHeaders = challenge;
            body = "Unauthorized";
        } else if (s.auth == Auth::UsernameToken && !tokenOk(soap)) {
            status = 400;
            body = soapFault(QStringLiteral("env:Sender"), QStringLiteral("ter:NotAuthorized"),
                             QStringLiteral("Sender not authorized"));
        } else if (soap.operation == GetStreamUri && !s.streamUriByToken.isEmpty()) {
            static const QRegularExpression tokenRe(QStringLiteral("<(?:[\\w.-]+:)?ProfileToken>\\s*([^<\\s]+)\\s*<"));
            const QString token = tokenRe.match(QString::fromUtf8(request.body)).captured(1);
            if (s.streamUriByToken.contains(token)) {
                body = s.streamUriByToken.value(token);
            } else {
                status = 500;
                body = soapFault(QStringLiteral("env:Sender"), QStringLiteral("ter:InvalidArgVal"),
                                 QStringLiteral("No such profile"));
            }
        } else if (!s.replies.contains(soap.operation)) {
            status = 500;
            body = soapFault(QStringLiteral("env:Receiver"), QStringLiteral("ter:ActionNotSupported"),
                             QStringLiteral("Optional action not implemented"));
        } else {
            body = s.replies.value(soap.operation);
            if (soap.operation == GetCapabilities) {
                // Every service address points back at this server.
                static const QRegularExpression xaddr(QStringLiteral("(<(?:[\\w.-]+:)?XAddr>\\s*)https?://[^/<\\s]+"));
                QString text = QString::fromUtf8(body);
                text.replace(xaddr, QStringLiteral("\\1http://%1:%2").arg(s.address.toString()).arg(s.port));
                body = text.toUtf8();
            }
        }
        request.status = status;
        m_state->requests.append(request);
        lock.unlock();

        QByteArray reason = status == 200   ? "OK"
                            : status == 401 ? "Unauthorized"
                            : status == 400 ? "Bad Request"
                                            : "Internal Server Error";
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n"
                         + "Content-Type: application/soap+xml; charset=utf-8\r\n" + extraHeaders + "Content-Length: "
                         + QByteArray::number(body.size()) + "\r\n" + "Connection: close\r\n\r\n" + body;
        socket->write(out);
        socket->disconnectFromHost();
    }

    // Caller holds the state mutex.
    bool digestOk(const Request &request) const
    {
        const auto &s = *m_state;
        if (!request.authorization.startsWith("Digest "))
            return false;
        const auto p = parseDigestParams(request.authorization.mid(7));
        if (p.value("username") != s.user.toUtf8() || p.value("realm") != s.realm.toUtf8()
            || p.value("nonce") != s.nonce.toUtf8() || p.value("uri") != request.target.toUtf8())
            return false;
        const QByteArray ha1 = md5Hex(s.user.toUtf8() + ':' + s.realm.toUtf8() + ':' + s.password.toUtf8());
        const QByteArray qop = p.value("qop");
        QByteArray a2 = request.method.toUtf8() + ':' + p.value("uri");
        if (qop == "auth-int")
            a2 += ':' + md5Hex(request.body);
        const QByteArray ha2 = md5Hex(a2);
        QByteArray expected;
        if (qop.isEmpty())
            expected = md5Hex(ha1 + ':' + s.nonce.toUtf8() + ':' + ha2);
        else if (qop == "auth" || qop == "auth-int")
            expected = md5Hex(ha1 + ':' + s.nonce.toUtf8() + ':' + p.value("nc") + ':' + p.value("cnonce") + ':' + qop
                              + ':' + ha2);
        else
            return false;
        return p.value("response") == expected;
    }

    bool tokenOk(const SoapRequest &soap) const
    {
        const auto &s = *m_state;
        if (!soap.hasToken || soap.user != s.user || !soap.passwordType.endsWith(QLatin1String("#PasswordDigest")))
            return false;
        const QByteArray nonce = QByteArray::fromBase64(soap.nonce.toLatin1());
        return soap.password == usernameTokenDigest(nonce, soap.created, s.password);
    }

    std::shared_ptr<CameraServer::State> m_state;
    QTcpServer *m_server = nullptr;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace

CameraServer::CameraServer(QObject *parent)
    : QObject(parent)
    , m_state(std::make_shared<State>())
{
    auto *worker = new ServerWorker(m_state);
    worker->moveToThread(&m_thread);
    m_worker = worker;
    m_thread.start();
}

CameraServer::~CameraServer()
{
    QObject *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool CameraServer::listen(const QHostAddress &address, quint16 port)
{
    bool ok = false;
    auto *worker = static_cast<ServerWorker *>(m_worker);
    QMetaObject::invokeMethod(
        worker, [&] { ok = worker->listen(address, port); }, Qt::BlockingQueuedConnection);
    return ok;
}

QHostAddress CameraServer::address() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->address;
}

quint16 CameraServer::port() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->port;
}

QString CameraServer::baseUrl() const
{
    return QStringLiteral("http://%1:%2").arg(address().toString()).arg(port());
}

QString CameraServer::deviceServiceUrl() const
{
    return baseUrl() + QStringLiteral("/onvif/device_service");
}

QString CameraServer::mediaServiceUrl() const
{
    return baseUrl() + QStringLiteral("/onvif/media_service");
}

void CameraServer::loadCameraDir(const QString &dir)
{
    const QDir d(dir);
    auto pick = [&](const QStringList &candidates) {
        for (const QString &c : candidates) {
            if (QFile::exists(d.filePath(c)))
                return readFile(d.filePath(c));
        }
        return QByteArray();
    };
    QMutexLocker lock(&m_state->mutex);
    m_state->replies.clear();
    m_state->streamUriByToken.clear();
    const QHash<QString, QStringList> files = {
        {GetDeviceInformation, {QStringLiteral("device_management/GetDeviceInformationResponse.xml")}},
        {GetCapabilities, {QStringLiteral("device_management/GetCapabilitiesResponse.xml")}},
        {GetProfiles, {QStringLiteral("media1/GetProfilesResponse.xml")}},
        {GetStreamUri,
         {QStringLiteral("media1/GetStreamUriResponse.xml"), QStringLiteral("media2/GetStreamUriResponse.xml")}},
    };
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        const QByteArray body = pick(it.value());
        if (!body.isEmpty())
            m_state->replies.insert(it.key(), body);
    }
}

void CameraServer::setReply(const QString &operation, const QByteArray &body)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->replies.insert(operation, body);
}

void CameraServer::setStreamUriReply(const QString &profileToken, const QByteArray &body)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->streamUriByToken.insert(profileToken, body);
}

void CameraServer::clearReply(const QString &operation)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->replies.remove(operation);
}

void CameraServer::clearReplies()
{
    QMutexLocker lock(&m_state->mutex);
    m_state->replies.clear();
    m_state->streamUriByToken.clear();
}

void CameraServer::setAuth(Auth auth)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->auth = auth;
}

void CameraServer::setCredentials(const QString &user, const QString &password)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->user = user;
    m_state->password = password;
}

void CameraServer::setRealm(const QString &realm)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->realm = realm;
}

void CameraServer::setNonce(const QString &nonce)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->nonce = nonce;
}

QString CameraServer::nonce() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->nonce;
}

void CameraServer::setQop(const QString &qop)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->qop = qop;
}

void CameraServer::setAlwaysUnauthorized(bool on)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->alwaysUnauthorized = on;
}

void CameraServer::setHangOperations(const QStringList &operations)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->hang = operations;
}

QList<CameraServer::Request> CameraServer::requests() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->requests;
}

int CameraServer::requestCount() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->requests.size();
}

void CameraServer::clearRequests()
{
    QMutexLocker lock(&m_state->mutex);
    m_state->requests.clear();
}

// ---- probe responder ------------------------------------------------------------------

struct ProbeResponder::State
{
    mutable QMutex mutex;
    QList<QByteArray> matches;
    QList<QByteArray> probes;
    int answers = 0;
    QHostAddress address;
    quint16 port = 0;
};

namespace {

class ResponderWorker : public QObject
{
public:
    explicit ResponderWorker(std::shared_ptr<ProbeResponder::State> state)
        : m_state(std::move(state))
    {
    }

    bool bind(const QHostAddress &address, quint16 port)
    {
        m_socket = new QUdpSocket(this);
        if (!m_socket->bind(address, port))
            return false;
        connect(m_socket, &QUdpSocket::readyRead, this, [this] { onProbe(); });
        QMutexLocker lock(&m_state->mutex);
        m_state->address = m_socket->localAddress();
        m_state->port = m_socket->localPort();
        return true;
    }

private:
    void onProbe()
    {
        while (m_socket->hasPendingDatagrams()) {
            QByteArray probe(int(m_socket->pendingDatagramSize()), Qt::Uninitialized);
            QHostAddress from;
            quint16 fromPort = 0;
            const qint64 n = m_socket->readDatagram(probe.data(), probe.size(), &from, &fromPort);
            if (n < 0)
                break;
            probe.truncate(int(n));
            static const QRegularExpression messageId(QStringLiteral("<(?:[\\w.-]+:)?MessageID[^>]*>([^<]*)<"));
            const QString id = messageId.match(QString::fromUtf8(probe)).captured(1).trimmed();
            QList<QByteArray> matches;
            {
                QMutexLocker lock(&m_state->mutex);
                m_state->probes.append(probe);
                matches = m_state->matches;
            }
            for (QByteArray match : qAsConst(matches)) {
                match.replace("RELATES_TO", id.toUtf8());
                m_socket->writeDatagram(match, from, fromPort);
                QMutexLocker lock(&m_state->mutex);
                ++m_state->answers;
            }
        }
    }

    std::shared_ptr<ProbeResponder::State> m_state;
    QUdpSocket *m_socket = nullptr;
};

} // namespace

ProbeResponder::ProbeResponder(QObject *parent)
    : QObject(parent)
    , m_state(std::make_shared<State>())
{
    auto *worker = new ResponderWorker(m_state);
    worker->moveToThread(&m_thread);
    m_worker = worker;
    m_thread.start();
}

ProbeResponder::~ProbeResponder()
{
    QObject *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool ProbeResponder::bind(const QHostAddress &address, quint16 port)
{
    bool ok = false;
    auto *worker = static_cast<ResponderWorker *>(m_worker);
    QMetaObject::invokeMethod(
        worker, [&] { ok = worker->bind(address, port); }, Qt::BlockingQueuedConnection);
    return ok;
}

QHostAddress ProbeResponder::address() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->address;
}

quint16 ProbeResponder::port() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->port;
}

void ProbeResponder::setProbeMatches(const QList<QByteArray> &datagrams)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->matches = datagrams;
}

QByteArray ProbeResponder::fromServiceUriTemplate(const QByteArray &tmpl, const QString &xaddrs)
{
    QByteArray out = tmpl;
    out.replace("SERVICE_URI", xaddrs.toUtf8());
    return out;
}

QByteArray ProbeResponder::fromSlotTemplate(const QByteArray &tmpl, const QStringList &values)
{
    QByteArray out = tmpl;
    for (int i = 0; i < values.size(); ++i)
        out.replace("{" + QByteArray::number(i) + "}", values.at(i).toUtf8());
    return out;
}

QList<QByteArray> ProbeResponder::probes() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->probes;
}

int ProbeResponder::probeCount() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->probes.size();
}

void ProbeResponder::clearProbes()
{
    QMutexLocker lock(&m_state->mutex);
    m_state->probes.clear();
}

int ProbeResponder::answerCount() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->answers;
}

} // namespace OnvifCam
