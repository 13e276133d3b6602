#pragma once

// Starts and stops the streams of the live panes: checks that a device can
// play, builds its address and restarts a pane only when the address changes.

#include "KelvoCommon.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class VideoPreviewPane;

class VideoPreviewPlayController : public QObject
{
    Q_OBJECT

public:
    explicit VideoPreviewPlayController(QObject *parent = nullptr);

    // Pause between stopping a pane and starting its new address (200 ms).
    void setRestartDelayMs(int ms) { m_restartDelayMs = ms; }
    int restartDelayMs() const { return m_restartDelayMs; }

    // False (and playRefused) when the device is unknown, offline or has no
    // address; otherwise the pane plays its stream.
    bool playLocalDevice(VideoPreviewPane *pane, FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream = STREAM_MAIN);
    // Nothing when the pane already plays (or is about to play) url; else the
    // pane is stopped and started on url after the restart delay.
    void play(VideoPreviewPane *pane, const QString &url, const QString &key, const QString &title);
    void stop(VideoPreviewPane *pane);
    // The address a pane is waiting to start, if any.
    QString pendingUrl(VideoPreviewPane *pane) const;
    QString pendingKey(VideoPreviewPane *pane) const;
    // A renamed device: the pane shows the new title now and once it starts.
    void retitle(VideoPreviewPane *pane, const QString &title);

    // Online and playable. A recorder's channel follows the state the shell
    // derives for it (from the recorder until its first heartbeat reports the
    // channels).
    static bool isReadyToPlay(const FUN_DEV_INFO *dev);

    // "name" of a device, "device name - CH_nn" of a channel record.
    static QString paneTitle(const FUN_DEV_INFO *dev);

signals:
    void playRefused(FUN_DEV_INFO *dev, QString reason);

private:
    struct Pending
    {
        quint64 token = 0;
        QString url;
        QString key;
        QString title;
    };
    QHash<VideoPreviewPane *, Pending> m_pending;
    quint64 m_nextToken = 0;
    int m_restartDelayMs = 200;
};
