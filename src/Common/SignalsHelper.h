#pragma once

// The application-wide signal bus: pages that do not know each other announce
// device-list changes and per-device requests here.

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPoint>
#include <QString>

#include "KelvoCommon.h"

struct AVFrame;
Q_DECLARE_OPAQUE_POINTER(AVFrame *)
Q_DECLARE_METATYPE(AVFrame *)

class SignalsHelper : public QObject
{
    Q_OBJECT

public:
    static SignalsHelper *instance();

    // Asks for the remote configuration of dev; nothing for a null record.
    static void emitShowConfig(FUN_DEV_INFO *dev);

    // Registers the types the signals carry across threads; instance() does it too.
    static void registerMetaTypes();

signals:
    void signalCommonInfo(devXmlInfo info);
    void signalAddDevs(QList<FUN_DEV_INFO *> devList);
    void signalDelDevs(QList<FUN_DEV_INFO *> devList);
    void signalModifyDev(FUN_DEV_INFO *dev);
    void signalDevConfig(FUN_DEV_INFO *dev);
    void signalDevUser(FUN_DEV_INFO *dev);
    void signalNVRChannels(FUN_DEV_INFO *dev);
    void signalUpdateAlarm();
    void signalRecvImage(QString key, AVFrame *frame, int streamId);
    void signalrecvPlayError(QString key, int code);
    void signalMove(QPoint point);
    void signalPlayer(bool bplayer);
    // A device moved to a new address (its TCP/IP page): its new record, taken
    // over by the receiver, replaces the one registered at oldIp.
    void signalMoveDev(QString oldIp, FUN_DEV_INFO *dev);
    // The record an add, change or move above announced was stored (failure
    // empty), or did not land and was undone: failure says why, for the
    // operator. Later than the announcement while the database is held.
    void signalDevStored(FUN_DEV_INFO *dev, QString failure);

private:
    SignalsHelper();
};
