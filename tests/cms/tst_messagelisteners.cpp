// What listens to every message of every device in the running client: the
// command dispatcher, the device page, an active NVR playback, an open
// configuration window and the two password dialogs. They pick their
// messages by the head the receive worker read; stream frames and messages
// nobody takes are never read again, and a message taken has its body read
// once by whoever takes it.

#include "CommandProcessor.h"
#include "ConfigConversation.h"
#include "DevicePagesTestUtil.h"
#include "DeviceManageWidget.h"
#include "EditClientDevDlg.h"
#include "ForgotPassword.h"
#include "KelvoSDKHelper.h"
#include "NvrPlaybackSession.h"
#include "SimDevice.h"

#include <QLabel>
#include <QThread>
#include <QtTest>

using namespace DevicePagesTest;

namespace {

QString envelope(int cmd, const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>%1</type><cmd>%2</cmd><result>0</result>"
                          "</head><body>%3</body></PrivateProto>")
        .arg(Cmd::typeOf(cmd))
        .arg(cmd)
        .arg(body);
}

} // namespace

class TestMessageListeners : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerKelvoMetaTypes(); }

    void readsPerMessage_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("media"); // bytes after the envelope: a stream frame
        QTest::addColumn<int>("reads"); // passes of the reader once the head is read
        QTest::addColumn<bool>("qrShown");

        const QString frame = QStringLiteral("<dataLen>64</dataLen>");
        QTest::newRow("playback frame") << int(Cmd::PlaybackData) << frame << 64 << 0 << false;
        QTest::newRow("download frame") << int(Cmd::DownloadData) << frame << 64 << 0 << false;
        // The frame's head names a command a dialog waits for: it still is a frame.
        QTest::newRow("frame with a reply's command")
            << int(Cmd::GetSecurityCode) << "<QRCodeInfo>frame</QRCodeInfo>" << 64 << 0 << false;
        QTest::newRow("reply nobody asked for") << int(Cmd::GetVideoEncode) << "<x>1</x>" << 0 << 0 << false;
        QTest::newRow("refused text") << int(Cmd::GetSecurityCode) << "<QRCodeInfo>x<b></QRCodeInfo></b>" << 0 << 0
                                      << false;
        QTest::newRow("upgrade progress for the device page")
            << int(Cmd::UpgradeProgress) << "<updateProgress>40</updateProgress>" << 0 << 1 << false;
        // Both open dialogs take it, each reading the body once.
        QTest::newRow("security code for both dialogs")
            << int(Cmd::GetSecurityCode) << "<QRCodeInfo>reset-me</QRCodeInfo>" << 0 << 2 << true;
    }

    void readsPerMessage()
    {
        QFETCH(int, cmd);
        QFETCH(QString, body);
        QFETCH(int, media);
        QFETCH(int, reads);
        QFETCH(bool, qrShown);

        FUN_DEV_INFO dev;
        dev.ip = QStringLiteral("127.91.0.1");
        dev.devPort = 1;

        CommandProcessor dispatcher;
        DeviceManageWidget devicePage;
        NvrPlaybackSession playback;
        playback.setActive(true);
        ConfigConversation window;
        window.setDevice(toLoginDev(&dev));
        EditClientDevDlg edit;
        edit.setDevInfo(&dev);
        edit.show();
        ForgotPassword forgot;
        forgot.setDevInfo(&dev);
        forgot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&forgot));
        auto *qr = child<QLabel>(&forgot, "m_labelSafe");
        QVERIFY(qr && qr->pixmap(Qt::ReturnByValue).isNull());

        RecvInfo info = RecvInfo::message(dev.ip, 0, envelope(cmd, body));
        info.data = QByteArray(media, 'm');

        const quint64 before = DeviceXml::passes();
        emit KelvoSDKHelper::instance()->signalCommonInfo(info);
        // The playback session hears through the event queue.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCOMPARE(DeviceXml::passes() - before, quint64(reads));
        QCOMPARE(!qr->pixmap(Qt::ReturnByValue).isNull(), qrShown);
        QVERIFY(child<QLabel>(&forgot, "labelErrorInfo")->text().isEmpty());
    }

    // Through a real session: the facade hands each message on in the GUI
    // thread with its head, replies and frames alike.
    void relayedWithItsHead()
    {
        SimDevice nvr(SimDevice::Nvr);
        QVERIFY(nvr.listen(QHostAddress(QStringLiteral("127.91.0.2"))));
        const loginDev key = nvr.loginKey(0);
        KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
        RecvInfo reply, frame;
        bool offThread = false;
        QObject scope;
        connect(sdk, &KelvoSDKHelper::signalCommonInfo, &scope, [&](const RecvInfo &info) {
            offThread |= QThread::currentThread() != qApp->thread();
            (info.data.isEmpty() ? reply : frame) = info;
        });
        sdk->connectDev(key);
        QTRY_VERIFY_WITH_TIMEOUT(sdk->isConnected(key) && nvr.connectionCount() == 1, 10000);
        nvr.pushMessage(Cmd::GetVersion, nvr.storedBody(Cmd::GetVersion), 7);
        nvr.pushStreamFrame(Cmd::PlaybackData, 0);
        QTRY_VERIFY_WITH_TIMEOUT(reply.head.cmd == Cmd::GetVersion && frame.head.cmd == Cmd::PlaybackData, 10000);
        sdk->logoutDev(key);

        QVERIFY(!offThread);
        QVERIFY(reply.head.usable);
        QCOMPARE(int(reply.head.result.kind), int(ReplyResult::Failure));
        QCOMPARE(reply.head.result.code, 7);
        QVERIFY(frame.head.usable);
    }
};

QTEST_MAIN(TestMessageListeners)
#include "tst_messagelisteners.moc"
