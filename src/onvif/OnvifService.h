#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>

class QUdpSocket;

namespace ONVIF {

class Client;
class Message;
class MessageParser;

// The process-wide ONVIF service: WS-Discovery of cameras, the table of found
// devices and the device-information road that fills an entry.
class Service : public QObject
{
    Q_OBJECT
public:
    struct ONVIF_DEV_INFO
    {
        QString user;
        QString password;
        QString ip;
        QString uuid;
        QString firmwareVersion;
        QString manufacturer;
        int status = 1; // 1 reachable, 2 device information could not be read
        QString xaddr;  // device service URL
        QString devName;
        QString hardware;
        QString location;
        QString mediaXaddr; // media service URL
        QString model;
        QSet<QString> profileTokens;
        QMap<QString, QString> streamUris; // profile token -> RTSP URI
        int authMode = 2;                  // 0 none, 1 WS-UsernameToken, 2 HTTP Digest
        QString serialNumber;
    };

    static Service *instance();

    // Probe sockets on the local IPv4 addresses of this machine.
    explicit Service(QObject *parent = nullptr);
    // Probe sockets on the given addresses only.
    explicit Service(const QList<QHostAddress> &localAddresses, QObject *parent = nullptr);
    ~Service() override;

    void searchDevices();
    void setIgnoreList(const QStringList &ignoreList);
    QHash<QString, ONVIF_DEV_INFO> getDevices() const;
    // Stores the record under its ip (credentials entered by the operator, so the
    // address counts as registered), forgets cached Digest headers of the address
    // and starts the road. Returns whether the road was started; its result comes
    // with roadFinished.
    bool modiflyDev(const ONVIF_DEV_INFO &record);
    // A deleted device: its entry, registration and cached Digest headers go.
    void forgetDevice(const QString &ip);
    // RTSP URI: stream 0 the first profile in token order, 1 the last one.
    QString getUriInfo(const QString &ip, int stream) const;

    // Registered devices keep their entries across searches; a ProbeMatch never
    // replaces them.
    void setRegistered(const QString &ip, bool registered);
    bool isRegistered(const QString &ip) const;
    QStringList registeredDevices() const;

    // Where probes go (default 239.255.255.250:3702) and from which addresses.
    void setProbeTarget(const QHostAddress &address, quint16 port);
    QHostAddress probeAddress() const { return m_probeAddress; }
    quint16 probePort() const { return m_probePort; }
    void setLocalAddresses(const QList<QHostAddress> &addresses);
    QList<QHostAddress> localAddresses() const;

    // Reads one ProbeMatch datagram into the table; false when it was skipped.
    // A registered entry without a device service address takes the one found
    // (and the discovery fields it lacks) and keeps everything else.
    bool handleProbeMatch(const QString &datagram);
    // A datagram that reached a probe socket: taken only while a search runs
    // and only when it answers one of that search's probes.
    bool acceptDatagram(const QString &datagram);

    // How long after searchDevices answers are taken, and how many devices
    // the table holds at most (discovery stops adding beyond it).
    void setSearchWindowMs(int ms) { m_searchWindowMs = ms; }
    int searchWindowMs() const { return m_searchWindowMs; }
    void setMaxDevices(int count) { m_maxDevices = count; }
    int maxDevices() const { return m_maxDevices; }
    bool searchRunning() const;
    int deviceCount() const;

    static QStringList requestParams(const ONVIF_DEV_INFO &info);
    // The reply of one request as a parser owned by the caller; null when there
    // was no reply, or it was not well-formed XML, or it was a SOAP fault.
    MessageParser *sendRequest(Message *message, const QString &url, const QStringList &params);

    // The device-information road. getDeviceInformation queues the road on the
    // road thread and returns at once (false when the address is not in the
    // table); when the road ends, updateDevInfo and roadFinished are emitted in
    // the service's thread. Roads run one after the other; a road already
    // queued for the address is not queued twice.
    bool getDeviceInformation(const QString &ip);
    int roadsQueued() const;
    void getCapabilitiesMedia(const QString &ip);
    void getProfiles(const QString &ip);
    void getStreamUri(const QString &ip);

    QHash<QString, QString> namespaces() const { return m_namespaces; }

signals:
    void updateDevInfo(QString ip);
    // complete: every request of the road got a usable reply and the identity was read.
    void roadFinished(QString ip, bool complete);

public slots:
    void readPendingDatagrams();

private:
    bool entry(const QString &ip, ONVIF_DEV_INFO *out) const;
    bool needsServiceAddress(const ONVIF_DEV_INFO &stored) const;
    void store(const ONVIF_DEV_INFO &info);
    void runRoad(const QString &ip, ONVIF_DEV_INFO *info);
    void roadTask(const QString &ip);
    Message *newRequest(const ONVIF_DEV_INFO &info) const;
    void writeProbe(const QByteArray &probe);

    QList<QUdpSocket *> m_sockets;
    Client *m_client = nullptr;
    QHash<QString, ONVIF_DEV_INFO> m_devices;
    QHash<QString, QString> m_namespaces;
    QStringList m_ignoreList;

    QSet<QString> m_registered;
    QList<QHostAddress> m_localAddresses;
    QHostAddress m_probeAddress;
    quint16 m_probePort = 3702;
    mutable QMutex m_mutex;      // the table, the registered set and the ignore list
    QThreadPool m_roadPool;      // the road thread: one road at a time
    QSet<QString> m_roadsQueued; // under m_mutex
    bool m_roadComplete = true;  // road thread only
    bool m_stopping = false;     // under m_mutex

    QSet<QString> m_probeIds;    // MessageIDs of the running search's probes
    QElapsedTimer m_searchClock; // valid once a search ran
    int m_searchWindowMs = 10000;
    int m_maxDevices = 4096;
    bool m_tableFullLogged = false;
};

} // namespace ONVIF

Q_DECLARE_METATYPE(ONVIF::Service::ONVIF_DEV_INFO)
