#include "DeviceAlarmLinkage.h"

#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "DropShadowWidget.h"
#include "FFmpegPlayer.h"
#include "I420Render2.h"

#include <QApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QLabel>
#include <QTimerEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

DeviceAlarmLinkage::DeviceAlarmLinkage(QObject *parent)
    : QObject(parent)
{
}

DeviceAlarmLinkage::~DeviceAlarmLinkage()
{
    release(m_player);
    release(m_audio);
    if (m_popup) {
        // Gone from the screen now, even when no later event-loop pass
        // deletes it (the client closing).
        m_popup->hide();
        m_popup->deleteLater();
    }
    qDebug() << "end.";
}

int DeviceAlarmLinkage::durationMs(const QString &seconds)
{
    const qint64 s = seconds.toInt(nullptr, 10);
    return s < 1 ? 5000 : int(qMin<qint64>(s * 1000, std::numeric_limits<int>::max()));
}

FFmpegPlayer *DeviceAlarmLinkage::startPlayer(const QString &url)
{
    auto *player = new FFmpegPlayer(nullptr);
    player->setHardwareDecode(false);
    player->setPlayUrl(url);
    player->play();
    return player;
}

void DeviceAlarmLinkage::release(FFmpegPlayer *&player)
{
    if (!player)
        return;
    // requestStop is stop without its pause; the wait below is what matters:
    // a player thread destroyed while running aborts the program.
    player->requestStop();
    player->wait();
    player->deleteLater();
    player = nullptr;
}

void DeviceAlarmLinkage::start(const QSharedPointer<cms_DealAlarmLink> &link, FUN_DEV_INFO *dev)
{
    if (!link || !dev)
        return;
    if (link->bVideoPopup || link->bSnapshotPictures || link->bLinkageRecording)
        m_player = startPlayer(CommonHelper::getDevUrl(dev, STREAM_MAIN));

    if (link->bVideoPopup) {
        showPopup(dev);
        m_popupTimer = startTimer(durationMs(link->popupTime));
    }
    if (link->bSnapshotPictures) {
        m_player->setKey(CommonHelper::getSnapshotPath(dev));
        m_snapshotTimer = startTimer(SnapshotMs);
    }
    if (link->bLinkageRecording) {
        // Only consumer: nothing needs the decoded pictures, so the read loop
        // hands the packets to the recorder itself.
        m_player->startRecord(CommonHelper::getRecordFileName(dev, false),
                              !link->bVideoPopup && !link->bSnapshotPictures);
        m_recordTimer = startTimer(durationMs(link->recordingTime));
    }
    if (link->bAudioPrompt) {
        m_audio = startPlayer(link->customAudio);
        // A negative time could start no timer and the prompt would never
        // end: it counts as 0, ending the prompt on the next pass.
        const qint64 ms = qint64(link->audioTime.toInt(nullptr, 10)) * 1000;
        m_audioTimer = startTimer(int(qBound<qint64>(0, ms, std::numeric_limits<int>::max())));
    }
    if (!m_popupTimer && !m_snapshotTimer && !m_recordTimer && !m_audioTimer)
        deleteLater();
}

void DeviceAlarmLinkage::showPopup(const FUN_DEV_INFO *dev)
{
    m_popup = new DropShadowWidget(nullptr);
    m_popup->setObjectName(QStringLiteral("AlarmPopup"));
    // The dialog base is modal; an alarm must not lock the client.
    m_popup->setWindowModality(Qt::NonModal);
    // Clear of the main window's title bar (its frame's title too), so Home
    // and the other buttons there stay in reach while the pop-up is up.
    QRect keepClear;
    QScreen *screen = QGuiApplication::primaryScreen();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *main = qobject_cast<QMainWindow *>(top);
        if (!main || !main->isVisible())
            continue;
        screen = main->screen();
        const QWidget *bar = main->findChild<QWidget *>(QStringLiteral("mainTitleBar"));
        const int barBottom =
            bar && bar->isVisible() ? bar->mapToGlobal(QPoint(0, bar->height())).y() : main->geometry().top();
        const QRect frame = main->frameGeometry();
        keepClear = QRect(QPoint(frame.left(), frame.top()), QPoint(frame.right(), std::max(barBottom, frame.top())));
        break;
    }
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
    const QRect place = popupPlace(available, keepClear, QSize(PopupWidth, PopupHeight));
    m_popup->setFixedSize(place.size());
    m_popup->move(place.topLeft());
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(8, 0, 8, 8);
    auto *title = new QLabel(dev->name, m_popup);
    title->setObjectName(QStringLiteral("labelTitle"));
    title->setFixedHeight(DropShadowWidget::TitleHeight);
    layout->addWidget(title);
    m_render = new I420Render2(m_popup);
    m_render->setObjectName(QStringLiteral("widgetVideo"));
    layout->addWidget(m_render, 1);
    connect(m_player, &FFmpegPlayer::emitFrame, m_render,
            [render = m_render](std::shared_ptr<AVFrame> frame, qint64) { render->onFrame(std::move(frame)); });
    // Alarms come while the operator types elsewhere: the pop-up never takes
    // the keyboard.
    CommonHelper::showWithoutFocus(m_popup);
}

QRect DeviceAlarmLinkage::popupPlace(const QRect &available, const QRect &keepClear, const QSize &wanted)
{
    QRect room = available;
    if (keepClear.isValid() && keepClear.bottom() >= room.top())
        room.setTop(std::min(keepClear.bottom() + 1, room.bottom()));
    const QSize size(std::max(1, std::min(wanted.width(), room.width())),
                     std::max(1, std::min(wanted.height(), room.height())));
    const int centreX = keepClear.isValid() ? keepClear.center().x() : room.center().x();
    const int x = std::max(room.left(), std::min(centreX - size.width() / 2, room.right() + 1 - size.width()));
    const int y = room.top() + (room.height() - size.height()) / 2;
    return QRect(QPoint(x, y), size);
}

void DeviceAlarmLinkage::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    killTimer(id);
    if (id == m_popupTimer) {
        m_popup->hide();
        m_popupTimer = 0;
    } else if (id == m_audioTimer) {
        m_audio->requestStop();
        m_audioTimer = 0;
    } else if (id == m_snapshotTimer) {
        m_snapshotTimer = 0;
    } else if (id == m_recordTimer) {
        m_player->stopRecord();
        m_recordTimer = 0;
    }
    if (m_popupTimer || m_recordTimer || m_snapshotTimer)
        return;
    if (m_player)
        m_player->requestStop();
    if (!m_audioTimer)
        deleteLater();
}
