// How many times each device message is read as XML on its way through the
// client: one simulated NVR pushes replies and then playback frames to one
// session, heard by what listens to the facade in the running client (the
// command dispatcher, the device management page, an active NVR playback
// session, an open configuration window's conversation). The figure is the
// bounded reader's passes (DeviceXml::passes) per message, counted in every
// thread; the hidden dialogs that also listen return before reading.
//
//   bench_reply_parses [--replies N] [--frames N]

#include "CommandProcessor.h"
#include "ConfigConversation.h"
#include "DeviceManageWidget.h"
#include "KelvoSDKHelper.h"
#include "NvrPlaybackSession.h"
#include "PrivateProto.h"
#include "SimDevice.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Lets what is still queued for the slower listeners be read: until the
// count has not moved for a while.
void settle()
{
    quint64 last = DeviceXml::passes();
    QElapsedTimer still;
    still.start();
    while (still.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (DeviceXml::passes() != last) {
            last = DeviceXml::passes();
            still.restart();
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    int replies = 500;
    int frames = 100;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--replies"))
            replies = args.at(i + 1).toInt();
        else if (args.at(i) == QLatin1String("--frames"))
            frames = args.at(i + 1).toInt();
    }

    SimDevice nvr(SimDevice::Nvr);
    if (!nvr.listen(QHostAddress(QStringLiteral("127.43.0.1")))) {
        std::fprintf(stderr, "the simulated NVR cannot listen\n");
        return 1;
    }
    const loginDev key = nvr.loginKey(0);

    // What hears every message in the client.
    CommandProcessor dispatcher;
    DeviceManageWidget devicePage;
    NvrPlaybackSession playback;
    playback.setActive(true);
    ConfigConversation window;
    window.setDevice(key);

    int seenReplies = 0;
    int seenFrames = 0;
    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    QObject::connect(sdk, &KelvoSDKHelper::signalCommonInfo, [&](const RecvInfo &info) {
        // Told apart without reading the text, so the probe adds no pass.
        if (!info.data.isEmpty())
            ++seenFrames;
        else if (PrivateProto::headCommand(info.xml) == Cmd::GetVersion)
            ++seenReplies;
    });
    sdk->connectDev(key);
    if (!waitUntil([&] { return sdk->isConnected(key) && nvr.connectionCount() == 1; }, 10000)) {
        std::fprintf(stderr, "no connection to the simulated NVR\n");
        return 1;
    }
    settle();

    const QString version = nvr.storedBody(Cmd::GetVersion);
    const quint64 beforeReplies = DeviceXml::passes();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < replies; ++i)
        nvr.pushMessage(Cmd::GetVersion, version);
    if (!waitUntil([&] { return seenReplies >= replies; }, 60000)) {
        std::fprintf(stderr, "only %d of %d replies arrived\n", seenReplies, replies);
        return 1;
    }
    const qint64 replyMs = clock.elapsed();
    settle();
    const quint64 replyPasses = DeviceXml::passes() - beforeReplies;

    const quint64 beforeFrames = DeviceXml::passes();
    clock.restart();
    for (int i = 0; i < frames; ++i)
        nvr.pushStreamFrame(Cmd::PlaybackData, i);
    if (!waitUntil([&] { return seenFrames >= frames; }, 60000)) {
        std::fprintf(stderr, "only %d of %d frames arrived\n", seenFrames, frames);
        return 1;
    }
    const qint64 frameMs = clock.elapsed();
    settle();
    const quint64 framePasses = DeviceXml::passes() - beforeFrames;

    std::printf("replies: %d in %lld ms, %llu reader passes, %.2f per reply\n", replies,
                static_cast<long long>(replyMs), static_cast<unsigned long long>(replyPasses),
                double(replyPasses) / replies);
    std::printf("playback frames: %d in %lld ms, %llu reader passes, %.2f per frame\n", frames,
                static_cast<long long>(frameMs), static_cast<unsigned long long>(framePasses),
                double(framePasses) / frames);
    sdk->logoutDev(key);
    return 0;
}
