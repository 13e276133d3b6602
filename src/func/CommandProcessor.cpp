#include "CommandProcessor.h"

#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"

#include <QDebug>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// The text of the first child element of `tag` that has text, in document
// order; the element's own text when it has no such child.
QString firstChildText(const QString &xml, const QString &tag)
{
    // Checked whole first: what follows reads only a text within the bounds.
    if (!DeviceXml::usable(xml))
        return QString();
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != tag)
            continue;
        QString ownText;
        int depth = 0;
        while (!reader.atEnd() && !reader.hasError()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::StartElement) {
                ++depth;
                if (depth == 1) {
                    const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    --depth;
                    if (!text.isEmpty())
                        return text;
                }
            } else if (token == QXmlStreamReader::EndElement) {
                if (depth == 0)
                    return ownText.trimmed();
                --depth;
            } else if (token == QXmlStreamReader::Characters && depth == 0) {
                ownText += reader.text();
            }
        }
        return ownText.trimmed();
    }
    return QString();
}

} // namespace

CommandProcessor::CommandProcessor(QObject *parent)
    : QObject(parent)
{
    m_handlers[Cmd::Heartbeat] = [this](const RecvInfo &info) { cmdHeartBeat(info); };
    m_handlers[Cmd::Login] = [this](const RecvInfo &info) { cmdLogin(info); };
    m_handlers[Cmd::GetVersion] = [this](const RecvInfo &info) { cmdVersionInfo(info); };
    m_handlers[Cmd::GetNetwork] = [this](const RecvInfo &info) { cmdTcpInfo(info); };
    m_handlers[Cmd::GetCapabilities] = [this](const RecvInfo &info) { cmdCapacitySet(info); };
    const auto ptz = [this](const RecvInfo &info) { emit ptzConfigReceived(info); };
    m_handlers[Cmd::PtzConfig] = ptz;
    m_handlers[Cmd::NvrPtzConfig] = ptz;
    m_handlers[Cmd::AlarmEvent] = [this](const RecvInfo &info) { emit alarmEventReceived(info); };
    m_recordHandlers = {Cmd::Heartbeat, Cmd::GetVersion, Cmd::GetNetwork, Cmd::GetCapabilities};

    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, &CommandProcessor::processCommand);
}

void CommandProcessor::processCommand(const RecvInfo &info)
{
    // Stream frames are the players' business, not a command's.
    if (!info.data.isEmpty())
        return;
    const ReplyHead &head = info.head;
    const int cmd = head.cmd;
    if (info.channel > 0 && cmd != Cmd::Login)
        return;
    const auto it = m_handlers.find(cmd);
    // A fact about a device changes only with a successful reply that carries
    // it: a failed or unreadable one would otherwise wipe what the device
    // reported before (and recording, which finds channels by serial number,
    // would lose them). The login reply is read whatever its result, since a
    // refusal is itself what it reports.
    const bool success = head.usable && head.result.ok();
    if (it != m_handlers.end() && (success || !m_recordHandlers.contains(cmd))) {
        it->second(info);
        return;
    }
    if (head.usable && !head.result.ok())
        qWarning().noquote() << "Cmd Error:" << cmd << "from" << info.ip << "result:" << head.result.describe();
}

void CommandProcessor::cmdLogin(const RecvInfo &info)
{
    emit loginReceived(info);
    if (info.channel != 0)
        return;

    // A reply without a readable result is not taken for a successful login.
    const int state = info.head.result.ok() ? 1 : 2;

    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0);
    if (!dev)
        return;
    dev->loginStatus = state;

    const QHash<QString, QString> body =
        state == 1 ? findValuesInXml(info.xml, QStringLiteral("body")) : QHash<QString, QString>();
    if (body.contains(QStringLiteral("MAXChannels"))) {
        const int count = DeviceValue::toInt(body.value(QStringLiteral("MAXChannels")));
        qInfo().noquote() << "nvr " << info.ip << " channel nums:" << count;
        // Channels are numbered in one byte: more is cut, not wrapped round.
        dev->channelNum = uint8_t(DeviceValue::boundedCount(count, 255, "channels"));
        emit setNVRLogin(dev);
    }
    qInfo().noquote() << info.ip << " login status:" << state;

    if (dev->devType != 2) {
        const loginDev key = toLoginDev(dev);
        if (state == 1)
            KelvoSDKHelper::instance()->startHeartbeat(key);
        else
            KelvoSDKHelper::instance()->stopHeartbeat(key);
    }
    emit updateDevInfo(dev);
    requestDeviceInfo(dev);
}

void CommandProcessor::requestDeviceInfo(FUN_DEV_INFO *dev)
{
    if (!dev || dev->loginStatus != 1)
        return;
    const loginDev key = toLoginDev(dev);
    KelvoSDKHelper::instance()->sendCmd(key, Cmd::GetCapabilities, 0);
    QTimer::singleShot(VersionRequestDelayMs, this,
                       [key] { KelvoSDKHelper::instance()->sendCmd(key, Cmd::GetVersion, 0); });
    QTimer::singleShot(NetworkRequestDelayMs, this,
                       [key] { KelvoSDKHelper::instance()->sendCmd(key, Cmd::GetNetwork, 0); });
}

void CommandProcessor::cmdHeartBeat(const RecvInfo &info)
{
    if (!info.xml.contains(QLatin1String("Ipcs_stat")))
        return;
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0);
    if (!dev || dev->loginStatus != 1)
        return;
    const QHash<QString, QString> body = findValuesInXml(info.xml, QStringLiteral("body"));
    const auto reported = body.constFind(QStringLiteral("Ipcs_stat"));
    if (reported == body.constEnd())
        return;
    const QString status = reported.value();
    if (status == dev->ipcsStat)
        return;
    qInfo().noquote() << "nvr " << info.ip << " status:" << status;
    dev->ipcsStat = status;
    emit setNVRStatus(dev);
}

void CommandProcessor::cmdVersionInfo(const RecvInfo &info)
{
    if (info.xml.isEmpty()) {
        qWarning() << "Empty XML received for device:" << info.ip;
        return;
    }
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0);
    if (!dev) {
        qWarning() << "Device not found for IP:" << info.ip;
        return;
    }
    const QHash<QString, QString> body = findValuesInXml(info.xml, QStringLiteral("body"));
    const QString oldSn = dev->sn;
    // A field the reply leaves out (or empty) keeps what the device said before.
    const auto take = [&body](QString &field, const char *key) {
        const QString value = body.value(QLatin1String(key));
        if (!value.isEmpty())
            field = value;
    };
    take(dev->cpu, "CPU");
    take(dev->sn, "UID");
    take(dev->sdkPlatform, "sdkPlatform");
    readDeviceModel(dev, body);
    readFirmwareVersion(dev, body);
    if (dev->sn != oldSn)
        emit serialNumberChanged(dev, oldSn);
    if (dev->sn != oldSn && oldSn == dev->ip)
        emit updateDevSN(dev);
    if (CommonHelper::isMultiChannelIpcMain(dev))
        emit recvIPCChannel(dev);
    emit updateDevInfo(dev);
}

void CommandProcessor::readDeviceModel(FUN_DEV_INFO *dev, const QHash<QString, QString> &body)
{
    static const char *const keys[] = {"productModelExt", "product_model_ext", "deviceType", "productModel",
                                       "product_model"};
    for (const char *key : keys) {
        const QString value = body.value(QLatin1String(key));
        if (!value.isEmpty()) {
            dev->model = value;
            return;
        }
    }
}

void CommandProcessor::readFirmwareVersion(FUN_DEV_INFO *dev, const QHash<QString, QString> &body)
{
    for (const QString &key : {QStringLiteral("firmwareVersion"), QStringLiteral("firmwaveVersion")}) {
        const auto it = body.constFind(key);
        if (it != body.constEnd()) {
            dev->version = it.value();
            return;
        }
    }
}

void CommandProcessor::cmdTcpInfo(const RecvInfo &info)
{
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0);
    if (!dev)
        return;
    const QString mac = findValuesInXml(info.xml, QStringLiteral("TCPIP")).value(QStringLiteral("MAC"));
    if (mac.isEmpty())
        return;
    dev->mac = mac;
    emit updateDevInfo(dev);
}

void CommandProcessor::cmdCapacitySet(const RecvInfo &info)
{
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0);
    if (!dev)
        return;
    const QHash<QString, QString> body = findValuesInXml(info.xml, QStringLiteral("body"));
    if (body.isEmpty())
        return;
    const auto caps = body.constFind(QStringLiteral("CapList"));
    if (caps != body.constEnd()) {
        dev->capList = caps.value();
        readCapabilities(dev);
        qInfo().noquote() << "ip " << info.ip << " capSet " << dev->capList;
    }
    if (info.xml.contains(QLatin1String("doubleLightCfg"))) {
        const QString modes = firstChildText(info.xml, QStringLiteral("doubleLightCfg"));
        if (!modes.isEmpty())
            dev->doubleLightCfg = modes;
    }
}

void CommandProcessor::readCapabilities(FUN_DEV_INFO *dev)
{
    // An NVR's channel count comes from its login reply, not from these tokens.
    if (dev->devType != 0)
        return;
    dev->channelNum = 0;
    for (const char *token : {"channel1", "image1", "OSD1", "MD1", "PD1"}) {
        if (dev->capList.contains(QLatin1String(token))) {
            dev->channelNum = 2;
            return;
        }
    }
}
