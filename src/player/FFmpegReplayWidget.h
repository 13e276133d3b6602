#pragma once

#include "PlayerCommon.h"

#include <QMutex>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include <deque>

class FFmpegPlayer;
class I420Render2;
class QGridLayout;

// One pane of the playback area: the focus frame around a renderer.
class ReplayPane : public QWidget
{
    Q_OBJECT
public:
    ReplayPane(int index, QWidget *parent = nullptr);
    I420Render2 *render() const { return m_render; }
    void setFocused(bool on);
    bool isFocused() const { return m_focused; }

signals:
    void clicked(int index);
    void contextMenuAt(int index, QPoint global);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_focused = false;
    I420Render2 *m_render;
};

// The playback area of the playback windows: four panes (index 0 to 3), each
// with its own player and renderer, playing files or streams pushed through
// appendData. appendData, initStream, play, isInitialized and isStopped may
// be called from any thread; everything else belongs to the GUI thread.
class FFmpegReplayWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPaneCount = 4;

    explicit FFmpegReplayWidget(QWidget *parent = nullptr);
    ~FFmpegReplayWidget() override;

    // Hardware decoding follows the client settings (read at each play) unless
    // set here, which then wins. Settings that cannot be read are said once
    // and read again; meanwhile playback decodes in software.
    static void setHardwareDecodeEnabled(bool on);
    static bool hardwareDecodeEnabled();

    void setCustomIo(bool on);
    void resetParams(int index);
    void initStream(const QString &key, int index, bool h265, bool customIo);
    void setPlayUrl(int index, const QString &url);
    void play(int index);
    bool playFile(int index, const QString &url);
    QString playUrl(int index) const;
    void seek(int index, qint64 ms);
    bool pause(int index);
    bool resume(int index);
    bool isPaused(int index) const;
    bool isInitialized(int index) const;
    bool isStopped(int index) const;
    void stop(int index);
    void stopAll();
    void setSpeed(int index, float speed);
    float speed(int index) const;
    void setFocusIndex(int index);
    int focusIndex() const;
    void setKey(int index, const QString &path);
    void setFullScreen();
    bool isFullScreenMode() const { return m_fullScreen; }
    void setOverlayText(int index, const QString &name);
    // Words over a pane (empty: none), until its next picture or until cleared.
    void setPaneWord(int index, const QString &text);
    QString paneWord(int index) const;
    void appendData(const QString &key, const char *data, int size, qint64 timeMs, int frameType);

    // Inspection (tests, benchmarks).
    I420Render2 *paneRender(int index) const;
    bool isPlaying(int index) const;
    // Pictures the pane's player has decoded (0 without one); unlike the
    // renderer's count, it includes those a busy display skipped.
    qint64 framesDecoded(int index) const;

public slots:
    void slotContextMenu(int index, QPoint global);

signals:
    void emitFocusViewChanged(int index);
    void emitPlayFinished(int index, QString url);
    void emitReplayTimestampS(int index, qlonglong second);
    void emitReplayTimestampMS(qulonglong ms);
    void emitCaptureResult(bool result, QString path);
    void emitPlayError(int index);
    void emitSigCapture(int index);
    void emitSigStop(int index);
    void emitSigPause(int index);
    void emitSigResume(int index);
    void sigFullScreenMouseMove();
    void sigFullScreenChanged(bool full);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Pushed
    {
        QByteArray data;
        qint64 timeMs;
    };
    struct Pane
    {
        ReplayPane *widget = nullptr;
        FFmpegPlayer *player = nullptr; // GUI thread owns; guarded for pushes
        QString url;
        QString key;
        bool h265 = false;
        bool customIo = false;
        bool initialized = false;
        bool stopped = false;
        bool paused = false;
        float speed = 1.0f;
        qint64 lastSecond = -1;
        int staleFrames = 0;        // queued-frame barriers still on their way
        std::deque<Pushed> pending; // pushed before the pane is set up
    };

    bool valid(int index) const { return index >= 0 && index < kPaneCount; }
    void runOnGui(std::function<void()> fn);
    void doPlay(int index);
    void doStop(int index, bool renderOff);
    void retirePlayer(FFmpegPlayer *player);
    bool isCurrent(int index, const FFmpegPlayer *player) const;
    void onFrame(int index, std::shared_ptr<AVFrame> frame, qint64 ptsMs);
    void updateFocusFrames();
    void dropQueuedFrames(int index);

    mutable QMutex m_mutex; // pane fields read or written off the GUI thread
    Pane m_panes[kPaneCount];
    // Players told to stop but maybe still running; waited for at destruction.
    QVector<QPointer<FFmpegPlayer>> m_retired;
    bool m_customIo = false;
    int m_focus = 0;
    bool m_fullScreen = false;
    QWidget *m_restoreParent = nullptr;
    QGridLayout *m_grid = nullptr;
    static constexpr size_t kPendingLimit = 250;
};
