#pragma once

// One pane of the live grid: a title strip with the device name and a close
// button over the picture. The pane owns the player of its stream; a stream
// that fails, ends or stops delivering pictures shows the reason over its last
// picture, greyed so that it is not taken for live, and the pane tries the
// same address again (after 1, 2, 4, 8, 16 s, then every 30 s) until it
// plays, is closed or is given another address. Meanwhile the source's port
// is probed every second, with the probe scheduled recording uses: once it
// has refused connections, the pane starts again as soon as it takes them,
// without waiting out the step. The state texts sit on a shaded backing,
// readable over any picture.

#include "KelvoCommon.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class FFmpegPlayer;
class I420Render2;
class QLabel;
class QPushButton;
class QTimer;
struct AVFrame;

class VideoPreviewPane : public QWidget
{
    Q_OBJECT

public:
    enum class State { Idle, Starting, Playing, Failed };

    explicit VideoPreviewPane(int index, QWidget *parent = nullptr);
    ~VideoPreviewPane() override;

    int index() const { return m_index; }
    State state() const { return m_state; }
    bool isBusy() const { return m_state != State::Idle; }
    // The address the pane plays or tries to play (empty when idle).
    QString url() const { return m_url; }
    // Registry key of the record shown ("" for an address played directly).
    QString deviceKey() const { return m_key; }
    QString title() const;
    QString statusText() const;
    // The line under the failure while the source's port takes no connection.
    static QString sourceRefusesText();

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // A pane without pictures for this long shows that the stream stalled.
    void setStallTimeoutMs(int ms);
    // Pauses before the retries of a failed stream; the last one repeats.
    void setRetryDelaysMs(const QList<int> &delays);
    static QList<int> defaultRetryDelaysMs() { return {1000, 2000, 4000, 8000, 16000, 30000}; }
    // Retries since the stream last played.
    int retries() const { return m_retries; }
    bool isRetryPending() const;
    // The failed stream's source refused connections at the last probe.
    bool isSourceDown() const { return m_sourceDown; }
    // Starts that a probe brought forward (the source came back).
    int sourceReturns() const { return m_sourceReturns; }
    // Measurements only: without the probe a pane waits out its steps.
    static void setSourceProbeEnabled(bool enabled);

    // Starts the address now; any earlier stream is stopped first.
    void startPlay(const QString &url, const QString &key, const QString &title);
    // Stops the stream and empties the pane.
    void stopPlay();
    void setTitle(const QString &title);

    I420Render2 *renderer() const { return m_render; }
    FFmpegPlayer *player() const { return m_player; }
    qint64 framesShown() const { return m_frames; }

signals:
    void clicked(VideoPreviewPane *pane);
    void doubleClicked(VideoPreviewPane *pane);
    void closeRequested(VideoPreviewPane *pane);
    // Idle -> busy and back, and failures, for the device tree's play marks.
    void stateChanged(VideoPreviewPane *pane);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFrame(quint64 generation, std::shared_ptr<AVFrame> frame);
    void onPlayerError(quint64 generation, int code);
    void onPlayFinished(quint64 generation);
    void onWatchdog();
    void onRetry();
    void probeSource();
    void onProbed(quint64 generation, bool reachable);
    void startPlayer();
    void fail(const QString &reason);
    void releasePlayer();
    void setState(State state);
    void updateTexts();
    void placeStatus();

    int m_index;
    State m_state = State::Idle;
    QString m_url;
    QString m_key;
    QString m_title;
    QString m_failure;
    bool m_selected = false;
    quint64 m_generation = 0;
    qint64 m_frames = 0;
    int m_stallMs = 8000;
    QElapsedTimer m_lastPicture;
    QList<int> m_retryDelays = defaultRetryDelaysMs();
    int m_retries = 0;
    bool m_sourceDown = false;
    int m_sourceReturns = 0;

    QWidget *m_titleBar = nullptr;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_closeButton = nullptr;
    I420Render2 *m_render = nullptr;
    QLabel *m_status = nullptr;
    FFmpegPlayer *m_player = nullptr;
    QTimer *m_watchdog = nullptr;
    QTimer *m_retryTimer = nullptr;
    QTimer *m_probeTimer = nullptr;
};
