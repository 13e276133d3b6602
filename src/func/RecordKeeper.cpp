#include "RecordKeeper.h"

#include "DeviceCommands.h"
#include "DeviceInfoManager.h"
#include "DeviceValues.h"
#include "KelvoSDKHelper.h"
#include "OrmAccessQueue.h"
#include "SessionLedger.h"
#include "SettingsKeeper.h"
#include "SignalsHelper.h"

#include <QDebug>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

int s_moveWindowMs = 5000;
int s_moveMs = 2000;
// Accounts a list is looked through for at most.
constexpr int MaxListed = 1024;

FUN_DEV_INFO *record(const QString &ip)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = ip.isEmpty() || !registry ? nullptr : registry->findDevInfo(ip);
    return dev && dev->channelIdx == 0 ? dev : nullptr;
}

// Kept by name among the client's named settings, one per device.
QString settingName(const QString &ip)
{
    return QStringLiteral("otherPassword:") + ip;
}

} // namespace

RecordKeeper *RecordKeeper::instance()
{
    static RecordKeeper *keeper = new RecordKeeper(KelvoSDKHelper::instance());
    return keeper;
}

RecordKeeper::RecordKeeper(QObject *parent)
    : QObject(parent)
    , m_store(new OrmAccessQueue(this))
{
    m_clock.start();
}

void RecordKeeper::setMoveTimings(int windowMs, int moveMs)
{
    s_moveWindowMs = windowMs;
    s_moveMs = moveMs;
}

int RecordKeeper::moveMs()
{
    return s_moveMs;
}

QString RecordKeeper::otherTakenText(const QString &device)
{
    return tr("%1 holds the other password the client kept for it, not the stored one: the client logs in with that "
              "one from now on.")
        .arg(device);
}

QString RecordKeeper::bothRefusedText(const QString &device)
{
    return tr("%1 refused the login with the stored password and with the other one the client kept for it.")
        .arg(device);
}

QString RecordKeeper::movedText(const QString &ip)
{
    return tr("The camera now answers at %1; the client follows it there.").arg(ip);
}

QString RecordKeeper::deviceName(const QString &ip)
{
    const FUN_DEV_INFO *dev = record(ip);
    if (!dev || dev->name.isEmpty() || dev->name == ip)
        return ip;
    return QStringLiteral("%1 (%2)").arg(dev->name, ip);
}

void RecordKeeper::tell(const QString &ip, const QString &words)
{
    emit notice(ConfigConversation::ofDeviceText(deviceName(ip), words));
}

void RecordKeeper::loginRefused(const QString &ip)
{
    emit notice(bothRefusedText(deviceName(ip)));
}

bool RecordKeeper::otherPassword(const QString &ip, QString *password) const
{
    const Other other = m_other.value(ip);
    if (password)
        *password = other.password;
    return other.known;
}

void RecordKeeper::setOther(const QString &ip, const QString &password)
{
    Other &other = m_other[ip];
    if (other.known && other.password == password)
        return;
    other.known = true;
    other.password = password;
    const QString name = settingName(ip);
    // Kept in the order made; one given up is in the log and the close's
    // words like any other change of a device.
    OrmAccessQueue::Item item{QStringLiteral("other password of ") + ip,
                              name,
                              true,
                              [name, password] { return SettingsKeeper::saveNamed(name, password); },
                              {}};
    m_store->enqueue(std::move(item));
}

void RecordKeeper::whenKnown(const QString &ip, QObject *context, std::function<void()> done)
{
    if (m_other.value(ip).known) {
        done();
        return;
    }
    auto value = std::make_shared<QString>();
    const QString name = settingName(ip);
    const QPointer<QObject> guard(context);
    m_store->enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("other password of ") + ip,
        [name, value] {
            QSqlError error;
            if (SettingsKeeper::readNamed(name, value.get(), nullptr, &error))
                return QSqlError();
            return error.text().isEmpty() ? QSqlError(QStringLiteral("not read"), QString(), QSqlError::UnknownError)
                                          : error;
        },
        [this, ip, value, guard, done = std::move(done)](const QSqlError &error) {
            // A read that failed leaves it unknown: nothing is tried on it.
            if (!error.text().isEmpty()) {
                qWarning() << "other password of" << ip << "not read:" << error.text();
            } else {
                Other &other = m_other[ip];
                if (!other.known) {
                    other.known = true;
                    other.password = *value;
                }
            }
            if (guard)
                done();
        }));
}

void RecordKeeper::keepOther(const QString &ip, const QString &previous)
{
    if (!previous.isEmpty())
        setOther(ip, previous);
}

void RecordKeeper::forgetDevice(const QString &ip)
{
    m_passwordWritten.remove(ip);
    m_awaited.remove(ip);
    m_listedMeanwhile.remove(ip);
    m_addressWritten.remove(ip);
    // A device added later at the address is another one.
    m_other.remove(ip);
    setOther(ip, QString());
    SessionLedger::instance()->giveUpHeld(ip);
}

void RecordKeeper::written(const loginDev &key, const RecordChange &change, quint64 seq)
{
    Q_UNUSED(key);
    switch (change.kind) {
    case RecordChange::Password:
    case RecordChange::Reset: {
        ++m_awaited[change.ip];
        const FUN_DEV_INFO *dev = record(change.ip);
        if (!dev || change.value.isEmpty() || (change.kind == RecordChange::Password && dev->userName != change.user))
            break;
        m_passwordWritten.insert(change.ip, seq);
        // From now on the device may hold either: the new one is kept
        // beside the record until a login or a read shows which.
        if (dev->password != change.value)
            setOther(change.ip, change.value);
        break;
    }
    case RecordChange::Address:
        m_addressWritten.insert(change.ip, m_clock.elapsed());
        break;
    case RecordChange::RtspPort:
    case RecordChange::None:
        break;
    }
}

RecordKeeper::Settled RecordKeeper::settle(const loginDev &key, const RecordChange &change, const ConfigReply &reply,
                                           bool heard)
{
    const Settled settled = judge(key, change, reply, heard);
    // A list read while the change waited for its answer tells what the
    // device holds once the answer settled it.
    if ((change.kind == RecordChange::Password || change.kind == RecordChange::Reset) && m_awaited.contains(change.ip)
        && --m_awaited[change.ip] <= 0) {
        m_awaited.remove(change.ip);
        if (m_listedMeanwhile.contains(change.ip)) {
            const Listed meanwhile = m_listedMeanwhile.take(change.ip);
            const QString ip = change.ip;
            QTimer::singleShot(0, this, [this, ip, meanwhile] { listed(ip, meanwhile.xml, meanwhile.written); });
        }
    }
    return settled;
}

RecordKeeper::Settled RecordKeeper::judge(const loginDev &key, const RecordChange &change, const ConfigReply &reply,
                                          bool heard)
{
    Settled settled;
    if (reply.ok() && !reply.sole) {
        qWarning() << "change" << change.kind << "of" << change.ip
                   << "not taken into the record: the answer could be another request's";
        settled.fate = RecordFate::Unproven;
        readBack(key, change, heard);
        return settled;
    }
    if (reply.ok()) {
        settled.fate = RecordFate::Stored;
        switch (change.kind) {
        case RecordChange::Password:
        case RecordChange::Reset: {
            const FUN_DEV_INFO *dev = record(change.ip);
            if (!dev || change.value.isEmpty() || dev->password == change.value
                || (change.kind == RecordChange::Password && dev->userName != change.user))
                break;
            qInfo() << "change user pass" << change.ip;
            // Until the record takes it (below), the new one is what is kept
            // beside it, so that a restart meanwhile falls back on it; the
            // record's change then keeps the old one there
            // (DeviceController::relogin) until a login shows which one the
            // device holds.
            setOther(change.ip, change.value);
            const QString ip = change.ip;
            const QString password = change.value;
            m_relogging.insert(ip);
            // Not from within the answer, nor before the device gave the
            // answers it still owes: its session ends with the new login.
            SessionLedger::instance()->afterOwed(key, [this, ip, password, key] {
                m_relogging.remove(ip);
                if (FUN_DEV_INFO *now = record(ip); now && now->password != password) {
                    auto *copy = new FUN_DEV_INFO(*now);
                    copy->password = password;
                    emit SignalsHelper::instance()->signalModifyDev(copy);
                }
                SessionLedger::instance()->reopen(key);
            });
            settled.relogs = true;
            break;
        }
        case RecordChange::RtspPort:
            applyPort(change.ip, DeviceValue::bounded(change.value, 1, 65535, -1));
            break;
        case RecordChange::Address:
            // A window still open says where the camera went and moves it
            // once the operator has read it.
            if (!heard)
                moveDevice(change.ip, change.value, true);
            break;
        case RecordChange::None:
            break;
        }
        return settled;
    }
    if (reply.fate == ReplyFate::Answered && reply.usable) {
        settled.fate = RecordFate::Refused;
        return settled;
    }
    if (reply.fate == ReplyFate::OutOfStep || reply.fate == ReplyFate::NotSent)
        return settled;
    settled.fate = RecordFate::InDoubt;
    if (reply.fate == ReplyFate::ConnectionLost) {
        // A camera that moves may break its connection instead of answering:
        // the record follows, and that is what the operator is told.
        if (change.kind == RecordChange::Address && movedInTime(change.ip) && !heard) {
            moveDevice(change.ip, change.value, true);
            settled.fate = RecordFate::Stored;
        }
        return settled;
    }
    readBack(key, change, heard);
    return settled;
}

bool RecordKeeper::movedInTime(const QString &ip) const
{
    const auto at = m_addressWritten.constFind(ip);
    return at != m_addressWritten.cend() && m_clock.elapsed() - at.value() <= s_moveWindowMs;
}

void RecordKeeper::applyPort(const QString &ip, int port)
{
    FUN_DEV_INFO *dev = record(ip);
    if (!dev || port <= 0 || dev->rtspPort == port)
        return;
    dev->rtspPort = uint16_t(port);
    // The receiver takes the copy over and stores it; the port already
    // matches the record, so the device keeps its session.
    emit SignalsHelper::instance()->signalModifyDev(new FUN_DEV_INFO(*dev));
}

void RecordKeeper::moveDevice(const QString &oldIp, const QString &newIp, bool said)
{
    // The password kept beside the record is known before the record moves,
    // so that it moves along (carryOther) before the first login there.
    QTimer::singleShot(s_moveMs, this, [this, oldIp, newIp, said] {
        whenKnown(oldIp, this, [this, oldIp, newIp, said] { followMove(oldIp, newIp, said); });
    });
}

void RecordKeeper::carryOther(const QString &from, const QString &to)
{
    const Other other = m_other.value(from);
    if (!other.known || from == to)
        return;
    setOther(to, other.password);
    setOther(from, QString());
}

void RecordKeeper::followMove(const QString &oldIp, const QString &newIp, bool said)
{
    FUN_DEV_INFO *old = record(oldIp);
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    // Moved once: a second word of the same move finds it gone.
    if (!old || newIp.isEmpty() || newIp == oldIp || !registry || registry->findDevInfo(newIp))
        return;
    // The camera keeps its ports, type, channels, credentials, group and
    // identity; only what belongs to the old session starts afresh.
    auto *fresh = new FUN_DEV_INFO(*old);
    fresh->ip = newIp;
    if (old->name == oldIp)
        fresh->name = newIp;
    fresh->loginStatus = 0;
    fresh->dbId = 0;
    fresh->parent = nullptr;
    fresh->ipcsStat.clear();
    fresh->bPlaying = 0;
    fresh->bRecording = 0;
    qInfo() << "device moves from" << oldIp << "to" << newIp;
    if (said)
        tell(oldIp, movedText(newIp));
    // What waited to be written at the old address never will be.
    SessionLedger::instance()->giveUpHeld(oldIp);
    emit SignalsHelper::instance()->signalMoveDev(oldIp, fresh);
}

void RecordKeeper::readBack(const loginDev &key, const RecordChange &change, bool heard)
{
    unsigned int cmd = 0;
    switch (change.kind) {
    case RecordChange::Password:
    case RecordChange::Reset:
        cmd = Cmd::GetUsers;
        break;
    case RecordChange::RtspPort:
        cmd = Cmd::GetPorts;
        break;
    case RecordChange::Address:
        cmd = Cmd::GetNetwork;
        break;
    case RecordChange::None:
        return;
    }
    // Not from within the ledger's books.
    QTimer::singleShot(0, this, [this, key, change, heard, cmd] {
        if (!KelvoSDKHelper::instance()->isConnected(key))
            return;
        ConfigConversation *&reads = m_reads[key.ip];
        if (!reads) {
            reads = new ConfigConversation();
            reads->setParent(this);
            connect(reads, &ConfigConversation::replied, this, &RecordKeeper::onReadBack);
        }
        reads->setDevice(key);
        ConfigRequest request;
        request.cmd = cmd;
        request.kind = RequestKind::Read;
        request.tag = ++m_lastTag;
        if (reads->send(this, request)) {
            qInfo() << "change" << change.kind << "of" << change.ip << "read back from the device";
            m_checks.insert(request.tag, Check{key, change, heard});
        }
    });
}

void RecordKeeper::onReadBack(QObject *requester, const ConfigReply &reply)
{
    if (requester != this)
        return;
    const auto found = m_checks.find(reply.tag);
    if (found == m_checks.end())
        return;
    const Check check = found.value();
    m_checks.erase(found);
    const RecordChange &change = check.change;
    if (change.kind == RecordChange::Address && reply.fate == ReplyFate::ConnectionLost && movedInTime(change.ip)) {
        moveDevice(change.ip, change.value, !check.heard);
        return;
    }
    // A read that failed shows nothing: the record stays as it is.
    if (!reply.ok())
        return;
    switch (change.kind) {
    case RecordChange::Password:
    case RecordChange::Reset:
        listed(change.ip, reply.xml, reply.written);
        break;
    case RecordChange::RtspPort: {
        const QString port = findValuesInXml(reply.xml, QStringLiteral("portConfig")).value(QStringLiteral("RTSPPort"));
        if (port.trimmed() == change.value.trimmed())
            applyPort(change.ip, DeviceValue::bounded(port.trimmed(), 1, 65535, -1));
        break;
    }
    case RecordChange::Address: {
        const QString ip = findValuesInXml(reply.xml, QStringLiteral("TCPIP")).value(QStringLiteral("IP")).trimmed();
        if (ip == change.value)
            moveDevice(change.ip, change.value, !check.heard);
        break;
    }
    case RecordChange::None:
        break;
    }
}

void RecordKeeper::listed(const QString &ip, const QString &xml, quint64 written)
{
    // Asked before the last change of the password went out: it shows what
    // the device held before.
    if (written == 0 || written <= m_passwordWritten.value(ip))
        return;
    if (m_awaited.contains(ip)) {
        m_listedMeanwhile.insert(ip, Listed{xml, written});
        return;
    }
    // Proven already: the record takes it with the fresh login.
    if (m_relogging.contains(ip))
        return;
    const FUN_DEV_INFO *dev = record(ip);
    if (!dev)
        return;
    // The login account as listed: a recorder lists userAcount/passWord, a
    // camera user/password.
    bool found = false;
    QString shown;
    for (const QString &element : {QStringLiteral("userAcount"), QStringLiteral("user")}) {
        QStringList accounts = findAllXmlElements(xml, element);
        DeviceValue::boundList(accounts, MaxListed, "listed accounts");
        for (const QString &piece : qAsConst(accounts)) {
            const QHash<QString, QString> account = findValuesInXml(piece, element);
            if (found || account.value(QStringLiteral("userName")).trimmed() != dev->userName.trimmed())
                continue;
            for (const QString &field : {QStringLiteral("passWord"), QStringLiteral("password")}) {
                if (!found && account.contains(field)) {
                    found = true;
                    shown = account.value(field);
                }
            }
        }
    }
    if (!found)
        return;
    const Other other = m_other.value(ip);
    if (!other.known) {
        whenKnown(ip, this, [this, ip, xml, written] {
            if (m_other.value(ip).known)
                listed(ip, xml, written);
        });
        return;
    }
    if (other.password.isEmpty())
        return;
    if (shown == dev->password) {
        qInfo() << "the device" << ip << "lists the stored password: the other one is forgotten";
        setOther(ip, QString());
    } else if (shown == other.password) {
        storePassword(ip, shown);
    }
}

void RecordKeeper::loggedIn(const QString &ip, const QString &password)
{
    const FUN_DEV_INFO *dev = record(ip);
    if (!dev)
        return;
    const Other other = m_other.value(ip);
    if (password != dev->password) {
        storePassword(ip, password);
        return;
    }
    // A login is proof: the other one goes.
    if (other.known && !other.password.isEmpty()) {
        qInfo() << "the device" << ip << "took the stored password: the other one is forgotten";
        setOther(ip, QString());
    }
}

void RecordKeeper::storePassword(const QString &ip, const QString &password)
{
    FUN_DEV_INFO *dev = record(ip);
    if (!dev)
        return;
    qInfo() << "the device" << ip << "holds the other password kept for it: the record takes it";
    dev->password = password;
    setOther(ip, QString());
    // In place: stored as it is, the device keeps its session.
    emit SignalsHelper::instance()->signalModifyDev(dev);
    emit notice(otherTakenText(deviceName(ip)));
}
