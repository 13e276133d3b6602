#include "DeviceController.h"

#include "CommandProcessor.h"
#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "ConfigConversation.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "OrmCore.h"
#include "OrmHelper.h"
#include "PrivateProto.h"
#include "RecordKeeper.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSet>
#include <QTimer>

#include <memory>
#include <utility>

DeviceController::DeviceController(QObject *parent)
    : QObject(parent)
{
    registerKelvoMetaTypes();
    // What the device owes each session is counted from the first request
    // on, before any configuration window opens.
    ConfigConversation::startCounting();
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    registry->loadFromDatabase();

    m_processor = new CommandProcessor(this);
    connect(m_processor, &CommandProcessor::recvIPCChannel, this, [this](FUN_DEV_INFO *dev) {
        DeviceInfoManager::instance()->addIPCChannels(dev);
        emit ipcChannelsAdded(dev);
    });
    connect(m_processor, &CommandProcessor::setNVRLogin, this, [this](FUN_DEV_INFO *dev) {
        if (!dev || dev->devType != 1)
            return;
        DeviceInfoManager::instance()->addNVRChannels(dev);
        emit liveTreeUpdate(dev);
        refreshNvrChannelStatus(dev);
    });
    connect(m_processor, &CommandProcessor::setNVRStatus, this, &DeviceController::refreshNvrChannelStatus);
    connect(m_processor, &CommandProcessor::updateDevInfo, this, [this](FUN_DEV_INFO *dev) {
        emit liveTreeUpdate(dev);
        emit devStatusChanged(dev);
    });
    // Serial numbers reported at first login are stored in batches: one
    // transaction for a burst of logins instead of one disk sync per device.
    m_serialTimer.setSingleShot(true);
    m_serialTimer.setInterval(SerialWriteDelayMs);
    connect(&m_serialTimer, &QTimer::timeout, this, &DeviceController::flushSerialWrites);
    connect(&m_rows, &OrmAccessQueue::waitingChanged, this, &DeviceController::onWritesWaiting);
    connect(m_processor, &CommandProcessor::updateDevSN, this, [this](FUN_DEV_INFO *dev) {
        if (!dev)
            return;
        m_serialWrites.insert(dev);
        if (!m_serialTimer.isActive())
            m_serialTimer.start();
    });
    connect(m_processor, &CommandProcessor::serialNumberChanged, this, &DeviceController::followSerialNumber);
    connect(m_processor, &CommandProcessor::loginReceived, this, [this](const RecvInfo &info) {
        m_pending.remove(devKey(info.ip, info.channel));
        onLoginAnswer(info);
    });
    // What the record keeper tells of a device outside its windows.
    connect(RecordKeeper::instance(), &RecordKeeper::notice, this, [this](const QString &text) {
        if (!m_closing)
            emit storeNotice(text);
    });
    connect(m_processor, &CommandProcessor::ptzConfigReceived, this, &DeviceController::ptzConfigReceived);
    connect(m_processor, &CommandProcessor::alarmEventReceived, this, [this](const RecvInfo &info) {
        if (FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0))
            emit alarmReceived(dev, info.xml);
    });

    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    m_sessionConnections << connect(sdk, &KelvoSDKHelper::recvConnectDev, this, &DeviceController::recvConnectDev);
    m_sessionConnections << connect(sdk, &KelvoSDKHelper::disconnectDev, this, &DeviceController::disconnectDev);

    if (ONVIF::Service *onvif = ONVIF::Service::instance())
        connect(onvif, &ONVIF::Service::updateDevInfo, this, &DeviceController::slotUpdateOnvifDevice);

    SignalsHelper *bus = SignalsHelper::instance();
    connect(bus, &SignalsHelper::signalAddDevs, this, &DeviceController::dealAddDevices);
    connect(bus, &SignalsHelper::signalDelDevs, this, &DeviceController::dealDelDevices);
    connect(bus, &SignalsHelper::signalModifyDev, this, &DeviceController::dealModifyDevice);
    connect(bus, &SignalsHelper::signalMoveDev, this, &DeviceController::dealMoveDevice);
    connect(bus, &SignalsHelper::signalDevConfig, this, &DeviceController::showDevConfigManage);
    connect(bus, &SignalsHelper::signalDevUser, this, &DeviceController::showDevUser);
    connect(bus, &SignalsHelper::signalNVRChannels, this, &DeviceController::showNVRChannels);
}

DeviceController::~DeviceController()
{
    m_closing = true;
    flushSerialWrites();
    flushWrites();
}

void DeviceController::flushWrites()
{
    m_rows.flush();
}

void DeviceController::queueWrite(const QString &what, const QString &key, bool byOperator, bool givesUp,
                                  OrmAccessQueue::Write write, std::function<void(const QSqlError &)> done)
{
    // A new round of writes may be said failed again.
    if (m_rows.isEmpty())
        m_saidFailure = false;
    if (byOperator)
        ++m_operatorWrites;
    auto settled = [this, byOperator, done = std::move(done)](const QSqlError &error) {
        if (byOperator)
            --m_operatorWrites;
        // Closing, each write's own end undoes only what starts nothing; what
        // did not land is in the log and the close's words, nothing is shown.
        if (done)
            done(error);
        if (m_closing)
            return;
        if (byOperator && !error.text().isEmpty() && !m_saidFailure) {
            m_saidFailure = true;
            emit storeNotice(SharedTexts::failureText(OrmDatabase::trouble(error)));
        }
        followWaiting();
    };
    OrmAccessQueue::Item item{what, key, givesUp, std::move(write), std::move(settled)};
    item.said = key.isEmpty() ? tr("the devices' serial numbers") : changeSaid(key);
    m_rows.enqueue(std::move(item));
    // Queued behind a write of the registry's own that waits already.
    followWaiting();
}

QString DeviceController::changeSaid(const QString &ip)
{
    const FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ip);
    if (!dev || dev->name.isEmpty() || dev->name == ip)
        return tr("device %1").arg(ip);
    return tr("device %1 (%2)").arg(dev->name, ip);
}

void DeviceController::followWaiting()
{
    setStoreWaiting(!m_closing && m_operatorWrites > 0 && m_rows.isWaiting());
}

void DeviceController::setStoreWaiting(bool waiting)
{
    if (waiting == m_saidWaiting)
        return;
    m_saidWaiting = waiting;
    m_sawWaiting = m_sawWaiting || waiting;
    emit storeWaiting(waiting);
}

void DeviceController::onWritesWaiting(bool waiting)
{
    if (waiting)
        qInfo() << "Device list changes wait for the database:" << m_rows.pending();
    followWaiting();
    if (waiting || m_removing > 0)
        return;
    // What the operator saw waiting is said done once all of it is stored,
    // unless some of it failed.
    if (m_sawWaiting && !m_saidFailure && !m_closing)
        emit storeNotice(SharedTexts::configSuccessText());
    m_sawWaiting = false;
}

void DeviceController::announceStored(FUN_DEV_INFO *dev, const QSqlError &error)
{
    emit SignalsHelper::instance()->signalDevStored(
        dev, error.text().isEmpty() ? QString() : SharedTexts::failureText(OrmDatabase::trouble(error)));
}

void DeviceController::flushSerialWrites()
{
    m_serialTimer.stop();
    if (m_serialWrites.isEmpty())
        return;
    const QSet<FUN_DEV_INFO *> records = std::exchange(m_serialWrites, {});
    // What each record's row is to take, as it is now.
    QList<QPair<std::shared_ptr<RowToken>, QString>> serials;
    for (FUN_DEV_INFO *dev : records) {
        // A record deleted meanwhile has no row left to update.
        if (isRegistered(dev))
            serials.append({tokenOf(dev), dev->sn});
    }
    if (serials.isEmpty())
        return;
    // One transaction for a burst of logins; only the serial numbers, so an
    // operator's change still waiting keeps its own fate.
    queueWrite(QStringLiteral("serial numbers"), QString(), false, false, [serials] {
        OrmTransaction tx;
        QSqlError err = tx.error();
        for (auto it = serials.cbegin(); err.text().isEmpty() && it != serials.cend(); ++it) {
            if (it->first->removed)
                continue;
            FUN_DEV_INFO row;
            row.dbId = it->first->dbId;
            row.sn = it->second;
            err = OrmHelper::saveDevSerial(&row);
        }
        return err.text().isEmpty() ? tx.commit() : err;
    });
}

QString DeviceController::loginBody(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return QString();
    return QStringLiteral("<userName>%1</userName><password>%2</password>")
        .arg(PrivateProto::escapeText(dev->userName), PrivateProto::escapeText(dev->password));
}

std::shared_ptr<DeviceController::RowToken> DeviceController::tokenOf(FUN_DEV_INFO *dev)
{
    // Nothing owed: no write holds a token, and each record's id is the one
    // it has now (a record freed elsewhere never lends its token to another).
    if (m_rows.isEmpty())
        m_tokens.clear();
    std::shared_ptr<RowToken> &token = m_tokens[dev];
    if (!token) {
        token = std::make_shared<RowToken>();
        token->dbId = dev->dbId;
    }
    return token;
}

void DeviceController::dropToken(FUN_DEV_INFO *dev)
{
    if (const std::shared_ptr<RowToken> token = m_tokens.take(dev))
        token->removed = true;
}

bool DeviceController::isRegistered(FUN_DEV_INFO *dev) const
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    return dev && registry && registry->findDevInfo(devKey(dev)) == dev;
}

void DeviceController::onTimeoutLoginDevice()
{
    const QMap<QString, FUN_DEV_INFO *> all = DeviceInfoManager::instance()->getAllDevInfo();
    int delay = 0;
    for (FUN_DEV_INFO *dev : all) {
        if (!dev)
            continue;
        if (dev->devType == 2) {
            slotUpdateOnvifDevice(dev->ip);
            continue;
        }
        if (dev->channelIdx != 0 || (dev->devType != 0 && dev->devType != 1))
            continue;
        QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, dev] {
            // A device deleted while waiting for its turn stays logged out.
            if (!m_closing && isRegistered(dev))
                DeviceInfoManager::instance()->loginDevice(dev);
        });
        delay += m_loginSpacingMs;
    }
    qInfo() << "Initiating device login sequence";
}

void DeviceController::sendLogin(const loginDev &key, const QString &password)
{
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(key.ip, key.channel);
    if (!dev)
        return;
    FUN_DEV_INFO login = *dev;
    if (!password.isNull())
        login.password = password;
    m_logins[devKey(key.ip, key.channel)].sent.append(login.password);
    KelvoSDKHelper::instance()->sendData(key, Cmd::Login, loginBody(&login), key.channel);
}

void DeviceController::onLoginAnswer(const RecvInfo &info)
{
    const QString key = devKey(info.ip, info.channel);
    const auto logins = m_logins.find(key);
    if (m_closing || logins == m_logins.end() || logins->sent.isEmpty())
        return;
    const QString used = logins->sent.takeFirst();
    // The device's own session falls back on the other password; its
    // channels' sessions follow the record it ends with.
    if (info.channel != 0)
        return;
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(info.ip, 0);
    if (!dev || dev->devType == 2 || !info.head.usable)
        return;
    RecordKeeper *keeper = RecordKeeper::instance();
    // A login is proof of the password it carried.
    if (info.head.result.ok()) {
        keeper->loggedIn(info.ip, used);
        return;
    }
    if (used != dev->password) {
        // The other one refused too: said once, when no other login is owed.
        if (logins->sent.isEmpty() && !std::exchange(logins->said, true))
            keeper->loginRefused(info.ip);
        return;
    }
    if (logins->triedOther)
        return;
    const quint64 connection = logins->connection;
    const loginDev session = toLoginDev(dev);
    keeper->whenKnown(info.ip, this, [this, session, connection] { retryWithOther(session, connection); });
}

void DeviceController::retryWithOther(const loginDev &key, quint64 connection)
{
    const auto logins = m_logins.find(devKey(key.ip, key.channel));
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(key.ip, key.channel);
    QString other;
    // The same connection, still refused, and a password kept beside the record.
    if (m_closing || !dev || logins == m_logins.end() || logins->connection != connection || logins->triedOther
        || !RecordKeeper::instance()->otherPassword(key.ip, &other) || other.isEmpty() || other == dev->password)
        return;
    logins->triedOther = true;
    qInfo() << "login of" << key.ip << "refused: tried once more with the other password kept for it";
    sendLogin(key, other);
}

void DeviceController::recvConnectDev(loginDev key)
{
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(key.ip, key.channel);
    if (!dev)
        return;
    dev->loginStatus = 1;
    qInfo().noquote() << "ip:" << key.ip << " channel:" << key.channel;
    const QString pendingKey = devKey(key.ip, key.channel);
    const quint64 connection = ++m_connectCount;
    m_logins[pendingKey] = Logins{connection, {}, false, false};
    sendLogin(key);

    m_pending.insert(pendingKey, connection);
    QTimer::singleShot(m_loginRetryDelayMs, this, [this, key, pendingKey, connection] {
        if (m_closing || m_pending.value(pendingKey) != connection)
            return;
        sendLogin(key);
    });
}

void DeviceController::disconnectDev(loginDev key)
{
    if (m_closing)
        return;
    m_pending.remove(devKey(key.ip, key.channel));
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->getChannelInfo(key.ip, key.channel);
    if (!dev || dev->loginStatus == 0)
        return;
    dev->loginStatus = 0;
    emit devStatusChanged(dev);
    if (CommonHelper::isNvrMain(dev))
        refreshNvrChannelStatus(dev);
}

void DeviceController::refreshNvrChannelStatus(FUN_DEV_INFO *nvr)
{
    if (!nvr || nvr->devType != 1 || nvr->channelIdx != 0)
        return;
    for (FUN_DEV_INFO *channel : DeviceInfoManager::instance()->channelsOf(nvr->ip)) {
        const int i = channel->channelIdx - 1;
        int state = 0;
        if (nvr->loginStatus == 1) {
            // Until the first heartbeat reports the channels they follow the NVR.
            state = i < nvr->ipcsStat.size() ? (nvr->ipcsStat.at(i) == QLatin1Char('1') ? 1 : 0) : 1;
        }
        channel->loginStatus = state;
    }
    emit nvrChannelStatusChanged(nvr);
}

void DeviceController::dealAddDevices(QList<FUN_DEV_INFO *> devs)
{
    // Registered first: a row given up takes its record out again.
    for (FUN_DEV_INFO *dev : registerDevices(devs))
        storeAdded(dev);
}

QList<FUN_DEV_INFO *> DeviceController::registerDevices(const QList<FUN_DEV_INFO *> &devs)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    // An address that is already registered is neither stored again nor
    // registered; the registry still keeps the record alive.
    QList<FUN_DEV_INFO *> added;
    QSet<QString> keys;
    for (FUN_DEV_INFO *dev : devs) {
        if (!dev)
            continue;
        const QString key = devKey(dev);
        if (dev->ip.isEmpty() || keys.contains(key) || registry->findDevInfo(key)) {
            qWarning() << "Device not added, address empty or already registered:" << key;
            registry->keepAlive(dev);
            continue;
        }
        keys.insert(key);
        if (!registry->addDevInfo(dev))
            continue;
        added.append(dev);
        if (dev->devType != 2)
            registry->loginDevice(dev);
        emit deviceAdded(dev);
    }
    return added;
}

void DeviceController::storeAdded(FUN_DEV_INFO *dev)
{
    storeRecord(QStringLiteral("add ") + dev->ip, QString(), dev,
                [this, dev] { removeDevices({dev}, Removal::Forget); });
}

void DeviceController::storeRecord(const QString &what, const QString &oldIp, FUN_DEV_INFO *dev,
                                   std::function<void()> undo)
{
    // The row as it was made: a change made after it is a write of its own,
    // with its own fate.
    auto row = std::make_shared<FUN_DEV_INFO>(*dev);
    const std::shared_ptr<RowToken> token = tokenOf(dev);
    queueWrite(
        what, dev->ip, true, true,
        [token, row, oldIp] {
            // Deleted before it landed: nothing to store, and the rows it was
            // to replace go too (its own delete follows in the queue).
            if (token->removed)
                return oldIp.isEmpty() ? QSqlError() : OrmHelper::delDevRows(oldIp);
            const QSqlError err = OrmHelper::replaceDevRows(oldIp, row.get());
            if (err.text().isEmpty())
                token->dbId = row->dbId;
            return err;
        },
        [this, dev, token, oldIp, undo = std::move(undo)](const QSqlError &error) {
            if (error.text().isEmpty() && isRegistered(dev))
                dev->dbId = token->dbId;
            // Undone, the device would log in again: not while the client closes.
            if (m_closing)
                return;
            if (!error.text().isEmpty() && isRegistered(dev))
                undo();
            // Moved or not, its alarm settings are found under the address
            // the database has from the next alarm on.
            if (!oldIp.isEmpty() && oldIp != dev->ip)
                emit SignalsHelper::instance()->signalUpdateAlarm();
            announceStored(dev, error);
        });
}

void DeviceController::dealDelDevices(QList<FUN_DEV_INFO *> devs)
{
    beginRemoval();
    storeDeletes(removeDevices(devs, Removal::Delete));
    endRemoval();
}

void DeviceController::endRemoval()
{
    if (--m_removing == 0 && !m_rows.isWaiting())
        onWritesWaiting(false);
}

void DeviceController::storeDeletes(const QList<FUN_DEV_INFO *> &devs)
{
    // The device stays deleted: its row goes whatever the database makes it
    // wait, before the same address is stored again (the queue's order). Not
    // undone, so nothing the operator sees waits on it.
    for (const FUN_DEV_INFO *dev : devs) {
        const QString ip = dev->ip;
        qInfo() << "del devs " << ip;
        queueWrite(QStringLiteral("delete ") + ip, ip, false, false, [ip] { return OrmHelper::delDevRows(ip); });
        RecordKeeper::instance()->forgetDevice(ip);
    }
}

QList<FUN_DEV_INFO *> DeviceController::removeDevices(QList<FUN_DEV_INFO *> devs, Removal how)
{
    qInfo() << "Starting device deletion process";
    devs.removeAll(nullptr);
    if (how != Removal::Replace)
        emit removeFromRecordSchedules(devs);
    emit devicesDeleting(devs);
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    for (FUN_DEV_INFO *dev : qAsConst(devs)) {
        if (dev->channelIdx == 0) {
            for (FUN_DEV_INFO *channel : registry->channelsOf(dev->ip))
                emit deviceRemoving(channel);
        }
        emit deviceRemoving(dev);
    }
    QList<FUN_DEV_INFO *> stored;
    for (FUN_DEV_INFO *dev : qAsConst(devs)) {
        const QString key = devKey(dev);
        // A record that is no longer the registered one (deleted or replaced
        // earlier) must not take the record now at its address, nor its row.
        if (registry->findDevInfo(key) != dev) {
            qWarning() << "Device not deleted, not the registered record:" << key;
            continue;
        }
        m_pending.remove(key);
        dropToken(dev);
        registry->deleteDevice(key);
        // Its address and credentials must not outlive it in the ONVIF table,
        // where searches would skip the camera and its old login would stay.
        if (dev->devType == 2 && dev->channelIdx == 0) {
            if (ONVIF::Service *onvif = ONVIF::Service::instance())
                onvif->forgetDevice(dev->ip);
        }
        // A channel record has no row of its own: deleting by its address would
        // delete its device's row.
        if (dev->channelIdx == 0)
            stored.append(dev);
    }
    qInfo() << "Device deletion process completed";
    return stored;
}

void DeviceController::dealModifyDevice(FUN_DEV_INFO *copy)
{
    if (!copy)
        return;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    // Frees the copy unless it is (or was) a registry record itself.
    const auto dropCopy = [registry, copy] {
        if (!registry->owns(copy))
            delete copy;
    };
    // Channel records have no row of their own and take their credentials from
    // their device: comparing one with its device would rename the device.
    if (copy->channelIdx != 0) {
        qWarning() << "Channel records are not modified:" << devKey(copy);
        dropCopy();
        return;
    }
    FUN_DEV_INFO *dev = registry->findDevInfo(copy->ip);
    if (!dev) {
        dropCopy();
        return;
    }
    if (dev == copy) {
        // Changed in place: there is no earlier state to go back to, so it
        // is tried until it lands.
        auto row = std::make_shared<FUN_DEV_INFO>(*dev);
        const std::shared_ptr<RowToken> token = tokenOf(dev);
        queueWrite(QStringLiteral("change ") + dev->ip, dev->ip, false, false, [token, row] {
            if (token->removed)
                return QSqlError();
            row->dbId = token->dbId;
            return OrmHelper::ModifyDev(row.get());
        });
        return;
    }

    const FUN_DEV_INFO before = *dev;
    const bool relogged = dev->userName != copy->userName || dev->password != copy->password
                          || dev->rtspPort != copy->rtspPort || dev->devPort != copy->devPort;
    if (relogged) {
        relogin(dev, copy, before.name);
        return;
    }
    if (applyEdit(dev, *copy))
        emit deviceEdited(dev);
    storeEdit(dev, copy, before);
    dropCopy();
}

bool DeviceController::applyEdit(FUN_DEV_INFO *dev, const FUN_DEV_INFO &from)
{
    bool edited = false;
    if (dev->name != from.name) {
        dev->name = from.name;
        edited = true;
    }
    if (dev->group != from.group) {
        dev->group = from.group;
        // The channel records move along, or the tree would keep showing the
        // old group for them.
        for (FUN_DEV_INFO *channel : DeviceInfoManager::instance()->channelsOf(dev->ip))
            channel->group = dev->group.isEmpty() ? QString(DEFAULT_GROUP) : dev->group;
        edited = true;
    }
    dev->onvifAuth = from.onvifAuth;
    return edited;
}

void DeviceController::storeEdit(FUN_DEV_INFO *dev, FUN_DEV_INFO *copy, const FUN_DEV_INFO &before)
{
    auto row = std::make_shared<FUN_DEV_INFO>(*copy);
    const std::shared_ptr<RowToken> token = tokenOf(dev);
    queueWrite(
        QStringLiteral("change ") + dev->ip, dev->ip, true, true,
        [token, row] {
            if (token->removed)
                return QSqlError();
            // The row an add still waiting gave it.
            row->dbId = token->dbId;
            return OrmHelper::ModifyDev(row.get());
        },
        [this, dev, before](const QSqlError &error) {
            if (!error.text().isEmpty() && isRegistered(dev) && applyEdit(dev, before))
                emit deviceEdited(dev);
            if (!m_closing)
                announceStored(dev, error);
        });
}

bool DeviceController::replaceRecord(FUN_DEV_INFO *from, FUN_DEV_INFO *to)
{
    removeDevices({from}, Removal::Replace);
    // A new session: the old one's state does not carry over.
    to->loginStatus = 0;
    to->ipcsStat.clear();
    return !registerDevices({to}).isEmpty();
}

void DeviceController::relogin(FUN_DEV_INFO *dev, FUN_DEV_INFO *copy, const QString &oldName)
{
    // The password the device may still hold is not thrown away with the
    // old record: the next login falls back on it.
    if (dev->password != copy->password && dev->userName == copy->userName)
        RecordKeeper::instance()->keepOther(dev->ip, dev->password);
    if (dev->name != copy->name) {
        dev->name = copy->name;
        emit deviceEdited(dev);
    }
    beginRemoval();
    if (!replaceRecord(dev, copy)) {
        emit removeFromRecordSchedules({dev}); // not back after all: a real deletion
        storeDeletes({dev});
        endRemoval();
        return;
    }
    emit deviceRelogged(copy);
    storeRecord(QStringLiteral("change ") + copy->ip, copy->ip, copy, [this, dev, copy, oldName] {
        // The database keeps the old session's row: so does the registry.
        dev->name = oldName;
        if (replaceRecord(copy, dev))
            emit deviceRelogged(dev);
    });
    endRemoval();
}

void DeviceController::followSerialNumber(FUN_DEV_INFO *dev, const QString &oldSn)
{
    // No serial number is no news: the device and its channels keep the one
    // they had, or recording would no longer find the channels by it.
    if (!dev || dev->channelIdx != 0 || dev->sn.isEmpty())
        return;
    // A channel record is its device's copy from login time; the serial
    // number only comes afterwards, with the version reply. Keyed by the old
    // one, a record schedule made now would not find the channels after a
    // restart, when they are copied with the new one.
    for (FUN_DEV_INFO *channel : DeviceInfoManager::instance()->channelsOf(dev->ip))
        channel->sn = dev->sn;
    qInfo() << "Device" << dev->ip << "reports the serial number" << dev->sn << "instead of" << oldSn;
    // Stored, so the next start knows the device (and its channels) by it.
    if (isRegistered(dev)) {
        m_serialWrites.insert(dev);
        if (!m_serialTimer.isActive())
            m_serialTimer.start();
    }
    emit serialNumberChanged(dev, oldSn);
}

void DeviceController::dealMoveDevice(QString oldIp, FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *old = registry->findDevInfo(oldIp);
    if (!old || old->channelIdx != 0 || dev->ip.isEmpty() || dev->ip == oldIp || registry->findDevInfo(dev->ip)) {
        qWarning() << "Device not moved from" << oldIp << "to" << dev->ip;
        registry->keepAlive(dev);
        return;
    }
    qInfo() << "Device moves from" << oldIp << "to" << dev->ip;
    moveRecord(old, dev);
    if (!isRegistered(dev)) {
        storeDeletes({old});
        return;
    }
    // Before its first login there, which falls back on it when refused.
    RecordKeeper::instance()->carryOther(oldIp, dev->ip);
    storeRecord(QStringLiteral("move %1 to %2").arg(oldIp, dev->ip), oldIp, dev, [this, old, dev] {
        // The database keeps the device at its old address: so does the
        // registry, unless another device took that address meanwhile.
        if (DeviceInfoManager::instance()->findDevInfo(old->ip)) {
            removeDevices({dev}, Removal::Forget);
        } else {
            moveRecord(dev, old);
            RecordKeeper::instance()->carryOther(dev->ip, old->ip);
        }
    });
}

void DeviceController::moveRecord(FUN_DEV_INFO *from, FUN_DEV_INFO *to)
{
    // The old record goes as a replaced one: the record schedules keep the
    // device and follow it below.
    if (replaceRecord(from, to))
        emit deviceMoved(to, from->ip);
    else
        emit removeFromRecordSchedules({from}); // not back after all: a real deletion
}

void DeviceController::showDevConfigManage(FUN_DEV_INFO *dev)
{
    if (dev)
        emit devConfigRequested(dev);
}

void DeviceController::showDevUser(FUN_DEV_INFO *dev)
{
    if (dev)
        emit devUserRequested(dev);
}

void DeviceController::showNVRChannels(FUN_DEV_INFO *dev)
{
    if (dev)
        emit nvrChannelsRequested(dev);
}

void DeviceController::refreshFromOnvif(FUN_DEV_INFO *dev, const ONVIF::Service::ONVIF_DEV_INFO &entry)
{
    if (!dev)
        return;
    FUN_DEV_INFO reported = *dev;
    CommonHelper::onvifToDevInfo(&reported, entry);
    dev->loginStatus = reported.loginStatus;
    if (entry.status == 1) {
        dev->model = reported.model;
        dev->version = reported.version;
        // The serial number the camera reported, else the discovery identity.
        const QString sn = entry.serialNumber.isEmpty() ? reported.sn : entry.serialNumber;
        if (!sn.isEmpty())
            dev->sn = sn;
    }
    if (!reported.onvifUrl.isEmpty())
        dev->onvifUrl = reported.onvifUrl;
}

void DeviceController::slotUpdateOnvifDevice(QString ip)
{
    FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ip);
    if (!dev || dev->devType != 2) {
        qWarning() << "Invalid ONVIF device info for IP:" << ip;
        return;
    }
    ONVIF::Service *onvif = ONVIF::Service::instance();
    const auto devices = onvif ? onvif->getDevices() : QHash<QString, ONVIF::Service::ONVIF_DEV_INFO>();
    const auto it = devices.constFind(ip);
    if (it == devices.constEnd()) {
        qWarning() << "No ONVIF device found for IP:" << ip;
        return;
    }
    refreshFromOnvif(dev, it.value());
    emit liveTreeUpdate(dev);
    emit devStatusChanged(dev);
}

void DeviceController::beginClose()
{
    if (m_closing)
        return;
    m_closing = true;
    // Queued now, with the rest the client owes: the shell's close waits for
    // them all within one budget.
    flushSerialWrites();
    setStoreWaiting(false);
}

void DeviceController::endSessions(const QDeadlineTimer &readUntil)
{
    beginClose();
    for (const QMetaObject::Connection &c : qAsConst(m_sessionConnections))
        disconnect(c);
    m_sessionConnections.clear();
    m_pending.clear();
    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    // Alarms a device sent before it saw the client close are read and
    // handed on, not left in the connection: each is stored or counted.
    sdk->endReading();
    QTimer pulse;
    pulse.start(20);
    while (!readUntil.hasExpired() && !sdk->stillReading().isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (const loginDev &dev : sdk->stillReading())
        qWarning() << "Closing:" << dev.ip << "channel" << dev.channel
                   << "did not end its connection in time; what it sends after it is not read";
    sdk->logoutAll();
}

void DeviceController::closeApp()
{
    endSessions(QDeadlineTimer(SessionsEndMs));
    // The records are released, not deleted: a write still owed for one of
    // them stores its row while the close waits (its token keeps the row's id).
    m_tokens.clear();
    if (DeviceInfoManager *registry = DeviceInfoManager::instance())
        registry->releaseDevices();
}
