#pragma once

// A loopback ONVIF camera for tests: an HTTP server that answers the four
// requests of the device-information road from recorded replies, with optional
// HTTP Digest or WS-Security UsernameToken authentication, and a UDP responder
// that answers WS-Discovery probes. Both run on threads of their own, so they
// keep answering while the test's thread is blocked in a synchronous call.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

namespace OnvifCam {

// Operation names, as the local name of the first element of the SOAP body.
extern const QString GetDeviceInformation;
extern const QString GetCapabilities;
extern const QString GetProfiles;
extern const QString GetStreamUri;

class CameraServer : public QObject
{
    Q_OBJECT
public:
    enum class Auth { None, Digest, UsernameToken };

    struct Request
    {
        QString method;
        QString target;    // request-target (path and query)
        QString operation; // empty when the body was not SOAP
        QByteArray authorization;
        QByteArray body;
        int status = 0; // HTTP status answered; 0 while hanging
    };

    explicit CameraServer(QObject *parent = nullptr);
    ~CameraServer() override;

    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    QHostAddress address() const;
    quint16 port() const;
    QString baseUrl() const;          // http://<address>:<port>
    QString deviceServiceUrl() const; // baseUrl + /onvif/device_service
    QString mediaServiceUrl() const;  // baseUrl + /onvif/media_service

    // Loads the road's replies of one camera folder laid out as
    // device_management/, media1/ and media2/ (the media1 reply wins). A reply
    // whose file is missing is answered with a SOAP fault.
    void loadCameraDir(const QString &dir);
    void setReply(const QString &operation, const QByteArray &body);
    // GetStreamUri answered per profile token, as a real camera does; once any
    // is set, a token without its own reply gets a SOAP fault.
    void setStreamUriReply(const QString &profileToken, const QByteArray &body);
    void clearReply(const QString &operation);
    void clearReplies();

    void setAuth(Auth auth);
    void setCredentials(const QString &user, const QString &password);
    void setRealm(const QString &realm);
    void setNonce(const QString &nonce); // default: Base64 text ending in "="
    QString nonce() const;
    void setQop(const QString &qop);     // default "auth,auth-int"
    void setAlwaysUnauthorized(bool on); // 401 with a challenge for every request
    // Requests of these operations are read and never answered ("*": all).
    void setHangOperations(const QStringList &operations);

    QList<Request> requests() const;
    int requestCount() const;
    void clearRequests();

    struct State; // shared with the server thread
private:
    std::shared_ptr<State> m_state;
    QThread m_thread;
    QObject *m_worker = nullptr;
};

class ProbeResponder : public QObject
{
    Q_OBJECT
public:
    explicit ProbeResponder(QObject *parent = nullptr);
    ~ProbeResponder() override;

    bool bind(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    QHostAddress address() const;
    quint16 port() const;

    // Datagrams answered to every probe, each to the probe's sender. The text
    // RELATES_TO in them is replaced by the probe's MessageID.
    void setProbeMatches(const QList<QByteArray> &datagrams);

    // Fills a ProbeMatch template with SERVICE_URI (keeps RELATES_TO).
    static QByteArray fromServiceUriTemplate(const QByteArray &tmpl, const QString &xaddrs);
    // Fills the {0}, {1}, ... slots of a template.
    static QByteArray fromSlotTemplate(const QByteArray &tmpl, const QStringList &values);

    QList<QByteArray> probes() const;
    int probeCount() const;
    void clearProbes();
    // Datagrams written back so far (each answer of each probe): once a test
    // has seen them all go out, they are in the prober's socket.
    int answerCount() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
    QThread m_thread;
    QObject *m_worker = nullptr;
};

// Base64(SHA-1(nonce + created + password)): the UsernameToken digest a camera checks.
QString usernameTokenDigest(const QByteArray &nonce, const QString &created, const QString &password);

} // namespace OnvifCam
