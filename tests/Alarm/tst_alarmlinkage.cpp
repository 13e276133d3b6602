// The linkage actions of one alarm against the loopback RTSP server: snapshot
// and recording land as playable files, the pop-up shows the live picture
// without locking the client, the audio prompt ends without an audio device,
// and every linkage ends by itself.

// Clicks go through the window system, so a modal window would block them.
#define QTEST_QPA_MOUSE_HANDLING

#include "CommonHelper.h"
#include "DeviceAlarmLinkage.h"
#include "DropShadowWidget.h"
#include "FFmpegPlayer.h"
#include "I420Render2.h"
#include "TestMedia.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QPushButton>
#include <QtTest>

#include "../support/Keyboard.h"

namespace {

QStringList filesBelow(const QString &dir, const QString &pattern)
{
    QStringList found;
    for (QDirIterator it(dir, {pattern}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        found << it.next();
    return found;
}

} // namespace

class TestAlarmLinkage : public QObject
{
    Q_OBJECT

    testmedia::RtspServer m_rtsp;
    FUN_DEV_INFO m_dev;

    // Starts a linkage of the test device; the pointer empties when it ends.
    QPointer<DeviceAlarmLinkage> run(const std::function<void(cms_DealAlarmLink &)> &set)
    {
        auto link = QSharedPointer<cms_DealAlarmLink>::create();
        set(*link);
        QPointer<DeviceAlarmLinkage> linkage = new DeviceAlarmLinkage(nullptr);
        linkage->start(link, &m_dev);
        return linkage;
    }

private slots:
    void initTestCase()
    {
        player::registerMetaTypes();
        CommonHelper::setAppWritableDir(QDir::currentPath());
        const QString clip = testmedia::makeClip(QStringLiteral("live.mp4"), QStringLiteral("h264"), 60);
        QVERIFY(!clip.isEmpty());
        QVERIFY(m_rtsp.start({QStringLiteral("/stream1=") + clip}));
        m_dev.ip = QStringLiteral("127.0.0.1");
        m_dev.rtspPort = quint16(m_rtsp.port());
        m_dev.name = QStringLiteral("Porch");
    }

    void snapshotAndRecordingLand_data()
    {
        QTest::addColumn<bool>("snapshot");
        QTest::addColumn<bool>("recording");
        QTest::newRow("snapshot") << true << false;
        QTest::newRow("recording alone") << false << true; // the recorder is the only consumer
        QTest::newRow("both") << true << true;
    }

    void snapshotAndRecordingLand()
    {
        QFETCH(bool, snapshot);
        QFETCH(bool, recording);
        QDir(QStringLiteral("Picture")).removeRecursively();
        QDir(QStringLiteral("Video")).removeRecursively();
        QPointer<DeviceAlarmLinkage> linkage = run([&](cms_DealAlarmLink &l) {
            l.bSnapshotPictures = snapshot;
            l.bLinkageRecording = recording;
            l.recordingTime = QStringLiteral("3");
        });
        QTRY_VERIFY_WITH_TIMEOUT(linkage.isNull(), 30000);

        const QStringList pictures = filesBelow(QStringLiteral("Picture"), QStringLiteral("*.jpg"));
        QCOMPARE(pictures.size(), snapshot ? 1 : 0);
        if (snapshot)
            QCOMPARE(QImage(pictures.first(), "JPEG").size(), QSize(320, 240));
        const QStringList videos = filesBelow(QStringLiteral("Video"), QStringLiteral("*.mp4"));
        QCOMPARE(videos.size(), recording ? 1 : 0);
        double duration = 0;
        if (recording) {
            QVERIFY(testmedia::probeFrames(videos.first(), &duration) > 0);
            QVERIFY2(duration > 0 && duration <= 4.0, qPrintable(QString::number(duration)));
        }
    }

    // Two alarms within the pop-up time: two pop-ups with moving pictures, the
    // main window still takes clicks, also on its title bar's Home (the
    // pop-ups keep clear of it), and keys typed into its field across the
    // pop-ups; both hide and end by themselves.
    void popupsShowLiveVideoWithoutBlocking()
    {
        QMainWindow main;
        auto *central = new QWidget(&main);
        auto *bar = new QWidget(central);
        bar->setObjectName(QStringLiteral("mainTitleBar"));
        bar->setGeometry(0, 0, 1100, 48);
        auto *button = new QPushButton(QStringLiteral("Home"), bar);
        button->setGeometry(40, 8, 80, 32);
        auto *field = new QLineEdit(central);
        field->setGeometry(40, 80, 240, 30);
        main.setCentralWidget(central);
        // A window whose title bar lies where a screen-centred pop-up lands.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        main.setGeometry(QRect(screen.center() - QPoint(550, 300), QSize(1100, 700)));
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect barRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
        // The operator works in it (no window manager activates it on every platform).
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        // A time begun before the pop-ups, ended once they show.
        QTest::mouseClick(field, Qt::LeftButton);
        QTRY_VERIFY(field->hasFocus());
        Keyboard::typeToFocus(QStringLiteral("08:"));
        QList<QPointer<DeviceAlarmLinkage>> linkages;
        QList<QPointer<DropShadowWidget>> popups;
        for (int i = 0; i < 2; ++i) {
            linkages << run([](cms_DealAlarmLink &l) {
                l.bVideoPopup = true;
                l.popupTime = QStringLiteral("3");
            });
            popups << linkages.last()->popup();
            QVERIFY(popups.last()->isVisible());
            // 800x600 where the screen has the room below the title bar.
            const QRect shown = popups.last()->frameGeometry();
            QVERIFY(shown.size() == QSize(800, 600) || screen.bottom() - barRect.bottom() < 600);
            QVERIFY(screen.contains(shown) && !shown.intersects(barRect));
            QCOMPARE(popups.last()->findChild<QLabel *>("labelTitle")->text(), QStringLiteral("Porch"));
        }
        QVERIFY(popups.at(0) != popups.at(1));
        QVERIFY(!QApplication::activeModalWidget());
        for (const QPointer<DropShadowWidget> &popup : popups)
            QVERIFY(QTest::qWaitForWindowExposed(popup));
        Keyboard::typeToFocus(QStringLiteral("10:30"));
        QCOMPARE(field->text(), QStringLiteral("08:10:30"));
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        I420Render2 *render = linkages.at(0)->popupRender();
        auto luma = [render] {
            const std::shared_ptr<AVFrame> f = render->currentFrame();
            return f ? QByteArray(reinterpret_cast<const char *>(f->data[0]), f->linesize[0] * f->height)
                     : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(render->framesReceived() > 2, 20000);
        const QByteArray before = luma();
        const qint64 frames = render->framesReceived();
        QTRY_VERIFY_WITH_TIMEOUT(render->framesReceived() > frames + 5, 20000);
        QVERIFY(!before.isEmpty() && luma() != before);
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY_WITH_TIMEOUT(linkages.at(i).isNull(), 30000);
            QTRY_VERIFY_WITH_TIMEOUT(popups.at(i).isNull(), 5000);
        }
    }

    void audioPromptEndsWithoutAudioDevice_data()
    {
        QTest::addColumn<QString>("seconds");
        QTest::newRow("2 s") << "2";
        QTest::newRow("negative ends at once") << "-1";
    }

    void audioPromptEndsWithoutAudioDevice()
    {
        QFETCH(QString, seconds);
        const QString prompt = QDir::current().filePath(QStringLiteral("prompt.m4a"));
        if (!QFile::exists(prompt))
            QCOMPARE(QProcess::execute("ffmpeg", {"-loglevel", "error", "-f", "lavfi", "-i",
                                                  "sine=frequency=880:duration=10", prompt}),
                     0);
        QPointer<DeviceAlarmLinkage> linkage = run([&](cms_DealAlarmLink &l) {
            l.bAudioPrompt = true;
            l.customAudio = prompt;
            l.audioTime = seconds;
        });
        QVERIFY(!linkage->mainPlayer());
        QPointer<FFmpegPlayer> audio = linkage->audioPlayer();
        if (seconds.toInt() > 0) {
            QTRY_VERIFY_WITH_TIMEOUT(!audio || audio->isInputOpen(), 20000);
            QVERIFY(linkage);
        }
        QTRY_VERIFY_WITH_TIMEOUT(linkage.isNull() && audio.isNull(), 30000);
    }
};

QTEST_MAIN(TestAlarmLinkage)
#include "tst_alarmlinkage.moc"
