#pragma once

// LAN search and re-addressing of the client's own devices over UDP: the
// envelope text is broadcast as a bare datagram from every local IPv4 address,
// and answers (Cmd::SearchAnswer) are collected by device UID.

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>

class QUdpSocket;

struct SearchDevInfo
{
    QString hardwareType;
    QString model;
    QString reserved1;
    QString reserved2;
    QString firmwareVersion;
    QString uid;
    QString sdkPlatform;
    QString cpu;
    int32_t dhcpMode = 0;
    QString ip;
    QString netmask;
    QString gateway;
    QString preferredDns;
    QString standbyDns;
    QString mac;
    QString rtspPort;
    QString httpPort;
    QString userName; // set by the caller before re-addressing
    QString password; // set by the caller before re-addressing
    QString osdText;
    uint8_t netType = 0;
};

class BroadService : public QObject
{
    Q_OBJECT

public:
    static constexpr uint16_t DefaultPort = 2018;

    explicit BroadService(QObject *parent = nullptr);
    ~BroadService() override;

    // Where the datagrams go (255.255.255.255:2018 unless changed; tests point
    // it at a loopback responder).
    void setBroadcastTarget(const QHostAddress &address, uint16_t port);
    QHostAddress broadcastAddress() const { return m_broadcastAddress; }
    uint16_t broadcastPort() const { return m_port; }
    // Local addresses the search binds to; empty means every valid local IPv4
    // address of the machine (CommonHelper::getValidIpv4).
    void setLocalAddresses(const QList<QHostAddress> &addresses);
    QList<QHostAddress> localAddresses() const;

    void init();
    void searchDevices();
    QHash<QString, SearchDevInfo> getSearchDevices() const;
    void modifyNetwork(const SearchDevInfo &dev);
    void sendCredentialCmd(const SearchDevInfo &dev);
    void sendBroadcast(unsigned int cmd, const QString &body);
    void addSearchDevice(const QHash<QString, QString> &values);

    // Bodies of the two addressed commands (token: a fresh braced UUID).
    static QString modifyNetworkBody(const SearchDevInfo &dev, const QString &token);
    static QString credentialBody(const SearchDevInfo &dev, const QString &token);
    static SearchDevInfo fromAnswer(const QHash<QString, QString> &values);

public slots:
    void onReadyRead();

private:
    void clearSockets();

    QList<QUdpSocket *> m_sockets;
    QHash<QString, SearchDevInfo> m_devices;
    QHostAddress m_broadcastAddress{QHostAddress::Broadcast};
    uint16_t m_port = DefaultPort;
    QList<QHostAddress> m_localAddresses;
};
