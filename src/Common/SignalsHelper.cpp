#include "SignalsHelper.h"

#include <QDebug>

SignalsHelper::SignalsHelper()
    : QObject(nullptr)
{
    registerMetaTypes();
}

SignalsHelper *SignalsHelper::instance()
{
    static SignalsHelper helper;
    return &helper;
}

void SignalsHelper::registerMetaTypes()
{
    registerKelvoMetaTypes();
    qRegisterMetaType<QList<FUN_DEV_INFO *>>("QList<FUN_DEV_INFO*>");
    qRegisterMetaType<AVFrame *>("AVFrame*");
}

void SignalsHelper::emitShowConfig(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    emit instance()->signalDevConfig(dev);
    qDebug() << "emit  show config";
}
