#pragma once

// Sorts every device message by command number and keeps the registry's
// records up to date with what the devices report after login.

#include "KelvoCommon.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <unordered_map>

class CommandProcessor : public QObject
{
    Q_OBJECT

public:
    explicit CommandProcessor(QObject *parent = nullptr);

    // Entry point for every message of every device session, picked by the
    // head the receive worker read (RecvInfo::head).
    void processCommand(const RecvInfo &info);

    // Delays of the follow-up requests after a login (capabilities go at once).
    static constexpr int VersionRequestDelayMs = 50;
    static constexpr int NetworkRequestDelayMs = 100;

signals:
    void updateDevInfo(FUN_DEV_INFO *dev);
    void setNVRStatus(FUN_DEV_INFO *dev);
    void setNVRLogin(FUN_DEV_INFO *dev);
    void updateDevSN(FUN_DEV_INFO *dev);
    void recvIPCChannel(FUN_DEV_INFO *dev);
    void heartbeatReceived(devXmlInfo info);
    void loginReceived(devXmlInfo info);
    void versionInfoReceived(devXmlInfo info);
    void tcpInfoReceived(devXmlInfo info);
    void capabilitySetReceived(devXmlInfo info);
    void ptzConfigReceived(devXmlInfo info);
    void alarmEventReceived(devXmlInfo info);
    // The version reply changed a device's serial number (from oldSn).
    void serialNumberChanged(FUN_DEV_INFO *dev, QString oldSn);

private:
    void cmdHeartBeat(const RecvInfo &info);
    void cmdLogin(const RecvInfo &info);
    void cmdVersionInfo(const RecvInfo &info);
    void cmdTcpInfo(const RecvInfo &info);
    void cmdCapacitySet(const RecvInfo &info);

    void requestDeviceInfo(FUN_DEV_INFO *dev);
    void readDeviceModel(FUN_DEV_INFO *dev, const QHash<QString, QString> &body);
    void readFirmwareVersion(FUN_DEV_INFO *dev, const QHash<QString, QString> &body);
    void readCapabilities(FUN_DEV_INFO *dev);

    std::unordered_map<int, std::function<void(const RecvInfo &)>> m_handlers;
    // The handlers that write what a reply reports into the registry's records.
    QSet<int> m_recordHandlers;
};
