#pragma once

// The linkage actions of one accepted alarm: a pop-up with the device's live
// picture, a snapshot, a local recording and an audio prompt, each ended by
// its own timer. Created without parent and started once; the object deletes
// itself when its actions are over. Lives on the GUI thread; the players run
// their own threads.

#include "KelvoCommon.h"
#include "OrmEntities.h"

#include <QObject>
#include <QRect>
#include <QSharedPointer>

class DropShadowWidget;
class FFmpegPlayer;
class I420Render2;

class DeviceAlarmLinkage : public QObject
{
    Q_OBJECT

public:
    explicit DeviceAlarmLinkage(QObject *parent = nullptr);
    // Stops and waits for the players, releases them and the pop-up.
    ~DeviceAlarmLinkage() override;

    // The row is read only during the call.
    void start(const QSharedPointer<cms_DealAlarmLink> &link, FUN_DEV_INFO *dev);

    // Seconds of a duration setting in ms; below 1 or not a number: 5000.
    static int durationMs(const QString &seconds);
    static constexpr int SnapshotMs = 2000;
    static constexpr int PopupWidth = 800;
    static constexpr int PopupHeight = 600;

    // Where a pop-up of the wanted size goes in the available area: below
    // `keepClear` (the main window's title bar, whose buttons it would cover
    // and whose clicks it would take), centred under it; no larger than the
    // room left there.
    static QRect popupPlace(const QRect &available, const QRect &keepClear, const QSize &wanted);

    DropShadowWidget *popup() const { return m_popup; }
    I420Render2 *popupRender() const { return m_render; }
    FFmpegPlayer *mainPlayer() const { return m_player; }
    FFmpegPlayer *audioPlayer() const { return m_audio; }

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void showPopup(const FUN_DEV_INFO *dev);
    static FFmpegPlayer *startPlayer(const QString &url);
    static void release(FFmpegPlayer *&player);

    FFmpegPlayer *m_player = nullptr;
    FFmpegPlayer *m_audio = nullptr;
    DropShadowWidget *m_popup = nullptr;
    I420Render2 *m_render = nullptr;
    int m_popupTimer = 0;
    int m_audioTimer = 0;
    int m_recordTimer = 0;
    int m_snapshotTimer = 0;
};
