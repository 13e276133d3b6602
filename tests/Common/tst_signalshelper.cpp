#include "SignalsHelper.h"

#include <QMetaMethod>
#include <QThread>
#include <QtTest>

struct AVFrame
{
    int tag;
};

class tst_SignalsHelper : public QObject
{
    Q_OBJECT

private slots:
    void signalOrder();
    void oneBusForEveryThread();
    void emitShowConfig();
    void queuedAcrossThreads();
};

void tst_SignalsHelper::signalOrder()
{
    const QStringList expected = {
        "signalCommonInfo(devXmlInfo)",
        "signalAddDevs(QList<FUN_DEV_INFO*>)",
        "signalDelDevs(QList<FUN_DEV_INFO*>)",
        "signalModifyDev(FUN_DEV_INFO*)",
        "signalDevConfig(FUN_DEV_INFO*)",
        "signalDevUser(FUN_DEV_INFO*)",
        "signalNVRChannels(FUN_DEV_INFO*)",
        "signalUpdateAlarm()",
        "signalRecvImage(QString,AVFrame*,int)",
        "signalrecvPlayError(QString,int)",
        "signalMove(QPoint)",
        "signalPlayer(bool)",
        // Added after the others, so their indexes stay.
        "signalMoveDev(QString,FUN_DEV_INFO*)",
        "signalDevStored(FUN_DEV_INFO*,QString)",
    };
    const QMetaObject *mo = SignalsHelper::instance()->metaObject();
    QStringList signalList;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.methodType() == QMetaMethod::Signal)
            signalList << QString::fromLatin1(m.methodSignature());
        else
            QFAIL("the bus has no slots");
    }
    QCOMPARE(signalList, expected);
    // Every parameter type is known to the meta-type system.
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        for (int p = 0; p < m.parameterCount(); ++p)
            QVERIFY2(m.parameterType(p) != QMetaType::UnknownType, m.methodSignature().constData());
    }
}

// Pages that do not know each other meet only on the bus: the one a worker
// thread gets is the one the GUI thread got, so what the worker emits there
// reaches a receiver connected here, and only once.
void tst_SignalsHelper::oneBusForEveryThread()
{
    SignalsHelper *here = SignalsHelper::instance();
    QVERIFY(here);
    FUN_DEV_INFO dev;
    QList<FUN_DEV_INFO *> got;
    QObject receiver;
    connect(here, &SignalsHelper::signalModifyDev, &receiver, [&](FUN_DEV_INFO *d) { got << d; });

    SignalsHelper *there = nullptr;
    QThread *worker = QThread::create([&] {
        there = SignalsHelper::instance();
        if (there)
            emit there->signalModifyDev(&dev);
    });
    worker->start();
    QVERIFY(worker->wait(30000));
    delete worker;
    QTRY_COMPARE(got, QList<FUN_DEV_INFO *>{&dev});
    QVERIFY(there == here);

    // The static entry point emits on that same bus.
    QSignalSpy spy(there, &SignalsHelper::signalDevConfig);
    QTest::ignoreMessage(QtDebugMsg, "emit  show config");
    SignalsHelper::emitShowConfig(&dev);
    QCOMPARE(spy.count(), 1);
}

void tst_SignalsHelper::emitShowConfig()
{
    QSignalSpy spy(SignalsHelper::instance(), &SignalsHelper::signalDevConfig);
    SignalsHelper::emitShowConfig(nullptr);
    QCOMPARE(spy.count(), 0);

    FUN_DEV_INFO dev;
    QTest::ignoreMessage(QtDebugMsg, "emit  show config");
    SignalsHelper::emitShowConfig(&dev);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<FUN_DEV_INFO *>(), &dev);
}

// Emits from a worker thread; the receiver lives on the GUI thread.
void tst_SignalsHelper::queuedAcrossThreads()
{
    SignalsHelper *bus = SignalsHelper::instance();
    FUN_DEV_INFO a, b;
    AVFrame frame{7};
    QList<FUN_DEV_INFO *> gotList;
    AVFrame *gotFrame = nullptr;
    QString gotIp;
    QPoint gotPoint;
    int gotError = 0;
    QObject receiver;
    connect(bus, &SignalsHelper::signalAddDevs, &receiver, [&](QList<FUN_DEV_INFO *> l) { gotList = l; });
    connect(bus, &SignalsHelper::signalRecvImage, &receiver, [&](QString, AVFrame *f, int) { gotFrame = f; });
    connect(bus, &SignalsHelper::signalCommonInfo, &receiver, [&](devXmlInfo info) { gotIp = info.ip; });
    connect(bus, &SignalsHelper::signalMove, &receiver, [&](QPoint p) { gotPoint = p; });
    connect(bus, &SignalsHelper::signalrecvPlayError, &receiver, [&](QString, int code) { gotError = code; });

    QThread *worker = QThread::create([&] {
        emit bus->signalAddDevs({&a, &b});
        emit bus->signalRecvImage("k", &frame, 1);
        RecvInfo info;
        info.ip = "10.0.0.9";
        emit bus->signalCommonInfo(info);
        emit bus->signalMove(QPoint(3, 4));
        emit bus->signalrecvPlayError("k", -7);
    });
    worker->start();
    QVERIFY(worker->wait(5000));
    delete worker;
    QTRY_COMPARE(gotError, -7);
    QCOMPARE(gotList, (QList<FUN_DEV_INFO *>{&a, &b}));
    QCOMPARE(gotFrame, &frame);
    QCOMPARE(gotIp, QStringLiteral("10.0.0.9"));
    QCOMPARE(gotPoint, QPoint(3, 4));
}

QTEST_GUILESS_MAIN(tst_SignalsHelper)
#include "tst_signalshelper.moc"
