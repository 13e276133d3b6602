#include "FFmpegReplayWidget.h"

#include "FFmpegPlayer.h"
#include "I420Render2.h"
#include "OrmHelper.h"
#include "SettingsKeeper.h"

#include <QApplication>
#include <QDebug>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QThread>

#include <atomic>

namespace {
// -1: follow the client settings; 0/1: set by the owner.
std::atomic_int g_hardwareDecode{-1};
// The settings unread was said (until they are read).
std::atomic_bool g_unreadSaid{false};
}

ReplayPane::ReplayPane(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_render = new I420Render2(this);
    m_render->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_render);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ReplayPane::setFocused(bool on)
{
    if (m_focused != on) {
        m_focused = on;
        update();
    }
}

void ReplayPane::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_focused ? QColor(0x1e, 0x90, 0xff) : QColor(0x30, 0x30, 0x30));
}

void ReplayPane::mousePressEvent(QMouseEvent *event)
{
    emit clicked(m_index);
    if (event->button() == Qt::RightButton)
        emit contextMenuAt(m_index, event->globalPos());
    QWidget::mousePressEvent(event);
}

FFmpegReplayWidget::FFmpegReplayWidget(QWidget *parent)
    : QWidget(parent)
{
    player::registerMetaTypes();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(1);
    for (int i = 0; i < kPaneCount; ++i) {
        auto *pane = new ReplayPane(i, this);
        pane->installEventFilter(this);
        connect(pane, &ReplayPane::clicked, this, &FFmpegReplayWidget::setFocusIndex);
        connect(pane, &ReplayPane::contextMenuAt, this, &FFmpegReplayWidget::slotContextMenu);
        m_grid->addWidget(pane, i / 2, i % 2);
        m_panes[i].widget = pane;
        pane->render()->setRenderEnabled(false);
    }
    updateFocusFrames();
}

FFmpegReplayWidget::~FFmpegReplayWidget()
{
    for (Pane &pane : m_panes) {
        FFmpegPlayer *p = nullptr;
        {
            QMutexLocker lock(&m_mutex);
            p = pane.player;
            pane.player = nullptr;
        }
        if (p) {
            p->disconnect(this);
            p->requestStop();
            p->wait();
            delete p;
        }
    }
    // Players still ending must not outlive the widget unwatched.
    QVector<QPointer<FFmpegPlayer>> retired;
    {
        QMutexLocker lock(&m_mutex);
        retired.swap(m_retired);
    }
    for (const QPointer<FFmpegPlayer> &p : retired) {
        if (!p)
            continue;
        p->requestStop();
        p->wait();
        delete p.data();
    }
}

void FFmpegReplayWidget::setHardwareDecodeEnabled(bool on)
{
    g_hardwareDecode = on ? 1 : 0;
}

bool FFmpegReplayWidget::hardwareDecodeEnabled()
{
    const int forced = g_hardwareDecode.load();
    if (forced >= 0)
        return forced == 1;
    if (!OrmHelper::isInitialized())
        return false;
    const QSharedPointer<CMS_Config_V2> config = SettingsKeeper::row();
    if (config) {
        g_unreadSaid = false;
        return config->bHardwareDecode;
    }
    // Software decodes on every machine; the settings are being read again,
    // and the next play follows them once they are.
    if (!g_unreadSaid.exchange(true))
        qWarning() << "Hardware decoding unknown, the settings cannot be read: playback decodes in software until "
                      "they are:"
                   << SettingsKeeper::failure().text();
    return false;
}

void FFmpegReplayWidget::runOnGui(std::function<void()> fn)
{
    if (QThread::currentThread() == thread())
        fn();
    else
        QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void FFmpegReplayWidget::setCustomIo(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_customIo = on;
    for (Pane &p : m_panes)
        p.customIo = on;
}

void FFmpegReplayWidget::resetParams(int index)
{
    if (!valid(index)) {
        qWarning() << "index  invalied" << index;
        return;
    }
    QMutexLocker lock(&m_mutex);
    Pane &p = m_panes[index];
    p.key.clear();
    p.h265 = false;
    p.customIo = m_customIo;
    p.initialized = false;
    p.stopped = false;
    p.paused = false;
    p.lastSecond = -1;
    p.pending.clear();
}

void FFmpegReplayWidget::initStream(const QString &key, int index, bool h265, bool customIo)
{
    if (!valid(index))
        return;
    FFmpegPlayer *running = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        Pane &p = m_panes[index];
        // A key belongs to one pane only.
        if (!key.isEmpty())
            for (Pane &other : m_panes)
                if (&other != &p && other.key == key)
                    other.key.clear();
        if (p.key != key)
            p.pending.clear();
        p.key = key;
        p.h265 = h265;
        p.customIo = customIo;
        p.initialized = true;
        p.stopped = false;
        p.paused = false;
        // From here on, data for the key waits for the next play().
        running = p.player;
        p.player = nullptr;
        if (running)
            m_retired.append(QPointer<FFmpegPlayer>(running));
    }
    if (running) {
        running->requestStop(); // thread-safe; the GUI thread disposes of it
        runOnGui([this, running, index] {
            retirePlayer(running);
            dropQueuedFrames(index);
        });
    }
}

void FFmpegReplayWidget::setPlayUrl(int index, const QString &url)
{
    if (!valid(index))
        return;
    QMutexLocker lock(&m_mutex);
    m_panes[index].url = url;
}

void FFmpegReplayWidget::play(int index)
{
    if (!valid(index))
        return;
    runOnGui([this, index] { doPlay(index); });
}

void FFmpegReplayWidget::doPlay(int index)
{
    Pane &pane = m_panes[index];
    FFmpegPlayer *old = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        old = pane.player;
        pane.player = nullptr;
    }
    if (old) {
        retirePlayer(old);
        dropQueuedFrames(index);
    }
    auto *player = new FFmpegPlayer;
    player->setHardwareDecode(hardwareDecodeEnabled());
    QString url;
    bool customIo;
    {
        QMutexLocker lock(&m_mutex);
        url = pane.url;
        customIo = pane.customIo;
        player->setCustomIo(customIo);
        player->setVideoCodec(pane.h265);
        player->setSpeed(pane.speed);
        pane.stopped = false;
        pane.paused = false;
        pane.lastSecond = -1;
    }
    if (!customIo && url.isEmpty()) {
        delete player;
        qWarning() << "pane" << index << "has nothing to play";
        return;
    }
    player->setPlayUrl(customIo ? QString() : url);
    player->setViewSize(pane.widget->render()->viewSize());
    connect(player, &FFmpegPlayer::emitFrame, this,
            [this, index](std::shared_ptr<AVFrame> f, qint64 ms) { onFrame(index, std::move(f), ms); });
    connect(player, &FFmpegPlayer::emitPlayFinished, this, [this, index, player](const QString &u) {
        if (isCurrent(index, player))
            emit emitPlayFinished(index, u);
    });
    connect(player, &FFmpegPlayer::emitPlayerError, this, [this, index, player](const QString &, int code) {
        if (!isCurrent(index, player))
            return;
        qWarning() << "pane" << index << "play error" << code;
        emit emitPlayError(index);
    });
    connect(player, &FFmpegPlayer::emitCaptureResult, this, &FFmpegReplayWidget::emitCaptureResult);
    pane.widget->render()->setRenderEnabled(true);
    player->play();
    {
        QMutexLocker lock(&m_mutex);
        pane.player = player;
        // What arrived before the pane was set up goes first.
        for (const Pushed &d : pane.pending)
            player->pushData(d.data.constData(), d.data.size(), d.timeMs);
        pane.pending.clear();
    }
}

bool FFmpegReplayWidget::playFile(int index, const QString &url)
{
    if (!valid(index) || url.isEmpty())
        return false;
    doStop(index, false);
    {
        QMutexLocker lock(&m_mutex);
        m_panes[index].url = url;
        m_panes[index].customIo = false;
    }
    doPlay(index);
    return isPlaying(index);
}

QString FFmpegReplayWidget::playUrl(int index) const
{
    if (!valid(index))
        return QString();
    QMutexLocker lock(&m_mutex);
    return m_panes[index].url;
}

void FFmpegReplayWidget::seek(int index, qint64 ms)
{
    if (!valid(index))
        return;
    QMutexLocker lock(&m_mutex);
    Pane &p = m_panes[index];
    p.lastSecond = -1;
    if (p.customIo)
        p.pending.clear();
    if (p.player)
        p.player->seek(ms); // a pushed stream empties its queues and decoder
    if (QThread::currentThread() == thread())
        dropQueuedFrames(index);
}

bool FFmpegReplayWidget::pause(int index)
{
    if (!valid(index))
        return false;
    QMutexLocker lock(&m_mutex);
    Pane &p = m_panes[index];
    if (!p.player)
        return false;
    p.player->pause();
    p.paused = true;
    return true;
}

bool FFmpegReplayWidget::resume(int index)
{
    if (!valid(index))
        return false;
    QMutexLocker lock(&m_mutex);
    Pane &p = m_panes[index];
    if (!p.player)
        return false;
    p.player->resume();
    p.paused = false;
    return true;
}

bool FFmpegReplayWidget::isPaused(int index) const
{
    if (!valid(index))
        return false;
    QMutexLocker lock(&m_mutex);
    return m_panes[index].player && m_panes[index].paused;
}

bool FFmpegReplayWidget::isInitialized(int index) const
{
    if (!valid(index))
        return false;
    QMutexLocker lock(&m_mutex);
    return m_panes[index].initialized;
}

bool FFmpegReplayWidget::isStopped(int index) const
{
    if (!valid(index))
        return false;
    QMutexLocker lock(&m_mutex);
    return m_panes[index].stopped;
}

bool FFmpegReplayWidget::isPlaying(int index) const
{
    if (!valid(index))
        return false;
    QMutexLocker lock(&m_mutex);
    return m_panes[index].player != nullptr;
}

qint64 FFmpegReplayWidget::framesDecoded(int index) const
{
    if (!valid(index))
        return 0;
    QMutexLocker lock(&m_mutex);
    return m_panes[index].player ? m_panes[index].player->framesDecoded() : 0;
}

bool FFmpegReplayWidget::isCurrent(int index, const FFmpegPlayer *player) const
{
    QMutexLocker lock(&m_mutex);
    return m_panes[index].player == player;
}

void FFmpegReplayWidget::retirePlayer(FFmpegPlayer *player)
{
    // The GUI never waits for a player: it ends on its own and is deleted
    // when its thread has finished.
    {
        QMutexLocker lock(&m_mutex);
        m_retired.removeAll(QPointer<FFmpegPlayer>());
        if (!m_retired.contains(player))
            m_retired.append(QPointer<FFmpegPlayer>(player));
    }
    // Stopped first so a snapshot still pending reports its failure.
    player->requestStop();
    player->disconnect(this);
    connect(player, &QThread::finished, player, &QObject::deleteLater);
    if (player->isFinished() || !player->isRunning())
        player->deleteLater();
}

void FFmpegReplayWidget::doStop(int index, bool renderOff)
{
    Pane &pane = m_panes[index];
    FFmpegPlayer *old = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        old = pane.player;
        pane.player = nullptr;
        pane.paused = false;
        pane.lastSecond = -1;
    }
    if (old) {
        retirePlayer(old);
        dropQueuedFrames(index);
    }
    if (renderOff)
        pane.widget->render()->setRenderEnabled(false);
}

void FFmpegReplayWidget::stop(int index)
{
    if (!valid(index))
        return;
    doStop(index, true);
    QMutexLocker lock(&m_mutex);
    Pane &p = m_panes[index];
    p.stopped = true;
    p.initialized = false;
    p.pending.clear();
}

void FFmpegReplayWidget::stopAll()
{
    for (int i = 0; i < kPaneCount; ++i) {
        stop(i);
        QMutexLocker lock(&m_mutex);
        m_panes[i].speed = 1.0f;
    }
}

void FFmpegReplayWidget::setSpeed(int index, float speed)
{
    if (!valid(index) || speed <= 0)
        return;
    QMutexLocker lock(&m_mutex);
    m_panes[index].speed = speed;
    if (m_panes[index].player)
        m_panes[index].player->setSpeed(speed);
}

float FFmpegReplayWidget::speed(int index) const
{
    if (!valid(index))
        return 0;
    QMutexLocker lock(&m_mutex);
    return m_panes[index].speed;
}

void FFmpegReplayWidget::setFocusIndex(int index)
{
    if (!valid(index))
        return;
    m_focus = index;
    updateFocusFrames();
    emit emitFocusViewChanged(index);
}

int FFmpegReplayWidget::focusIndex() const
{
    return qMax(0, m_focus);
}

void FFmpegReplayWidget::updateFocusFrames()
{
    for (int i = 0; i < kPaneCount; ++i)
        m_panes[i].widget->setFocused(i == m_focus);
}

void FFmpegReplayWidget::setKey(int index, const QString &path)
{
    if (!valid(index) || path.isEmpty())
        return;
    FFmpegPlayer *p = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        p = m_panes[index].player;
    }
    if (!p) {
        emit emitCaptureResult(false, path);
        return;
    }
    p->setKey(path); // ignored while another request is pending
}

void FFmpegReplayWidget::setFullScreen()
{
    if (!m_fullScreen) {
        m_fullScreen = true;
        // The screen the area is on now, not the primary one.
        QScreen *screen = QGuiApplication::screenAt(mapToGlobal(rect().center()));
        if (!screen && window()->windowHandle())
            screen = window()->windowHandle()->screen();
        setWindowFlags(windowFlags() | Qt::Window);
        if (screen) {
            setGeometry(screen->geometry());
            if (windowHandle())
                windowHandle()->setScreen(screen);
        }
        showFullScreen();
        if (screen && windowHandle() && windowHandle()->screen() != screen)
            windowHandle()->setScreen(screen);
        setFocus();
    } else {
        m_fullScreen = false;
        setWindowFlags(windowFlags() & ~Qt::Window);
        showNormal();
        show();
    }
    for (Pane &p : m_panes) {
        p.widget->setMouseTracking(m_fullScreen);
    }
    emit sigFullScreenChanged(m_fullScreen);
}

void FFmpegReplayWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_fullScreen) {
        setFullScreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FFmpegReplayWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (m_fullScreen && event->type() == QEvent::MouseMove)
        emit sigFullScreenMouseMove();
    return QWidget::eventFilter(watched, event);
}

void FFmpegReplayWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The window manager may end full screen by itself.
    if (event->type() == QEvent::WindowStateChange && m_fullScreen && !(windowState() & Qt::WindowFullScreen)
        && isWindow() && isVisible())
        setFullScreen();
}

void FFmpegReplayWidget::slotContextMenu(int index, QPoint global)
{
    if (!valid(index))
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool playing = isPlaying(index);
    QAction *capture = menu->addAction(tr("Snapshot"));
    QAction *pauseAct = menu->addAction(tr("Pause"));
    QAction *resumeAct = menu->addAction(tr("Resume"));
    QAction *stopAct = menu->addAction(tr("Stop"));
    capture->setEnabled(playing);
    pauseAct->setEnabled(playing && !isPaused(index));
    resumeAct->setEnabled(playing && isPaused(index));
    stopAct->setEnabled(playing);
    connect(capture, &QAction::triggered, this, [this, index] { emit emitSigCapture(index); });
    connect(pauseAct, &QAction::triggered, this, [this, index] { emit emitSigPause(index); });
    connect(resumeAct, &QAction::triggered, this, [this, index] { emit emitSigResume(index); });
    connect(stopAct, &QAction::triggered, this, [this, index] { emit emitSigStop(index); });
    menu->popup(global);
}

void FFmpegReplayWidget::setOverlayText(int index, const QString &name)
{
    if (!valid(index))
        return;
    m_panes[index].widget->render()->setOverlayText(tr("Connecting to") + QStringLiteral(" [%1]").arg(name));
}

void FFmpegReplayWidget::setPaneWord(int index, const QString &text)
{
    if (valid(index))
        m_panes[index].widget->render()->setOverlayText(text);
}

QString FFmpegReplayWidget::paneWord(int index) const
{
    return valid(index) ? m_panes[index].widget->render()->overlayText() : QString();
}

void FFmpegReplayWidget::appendData(const QString &key, const char *data, int size, qint64 timeMs, int frameType)
{
    Q_UNUSED(frameType)
    if (!data || size <= 0 || key.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    for (Pane &p : m_panes) {
        if (p.key != key || p.stopped)
            continue;
        if (p.player && p.player->customIo()) {
            p.player->pushData(data, size, timeMs);
        } else {
            if (p.pending.size() >= kPendingLimit)
                p.pending.pop_front();
            p.pending.push_back(Pushed{QByteArray(data, size), timeMs});
        }
        return;
    }
}

I420Render2 *FFmpegReplayWidget::paneRender(int index) const
{
    return valid(index) ? m_panes[index].widget->render() : nullptr;
}

void FFmpegReplayWidget::dropQueuedFrames(int index)
{
    // Pictures already queued for the GUI thread belong to the old position
    // (or the old player): a barrier queued behind them marks their end.
    ++m_panes[index].staleFrames;
    QMetaObject::invokeMethod(
        this, [this, index] { --m_panes[index].staleFrames; }, Qt::QueuedConnection);
}

void FFmpegReplayWidget::onFrame(int index, std::shared_ptr<AVFrame> frame, qint64 ptsMs)
{
    Pane &p = m_panes[index];
    if (p.staleFrames > 0)
        return;
    if (frame)
        p.widget->render()->onFrame(frame);
    if (index != m_focus)
        return;
    const qint64 second = ptsMs / 1000;
    if (second != p.lastSecond) {
        p.lastSecond = second;
        emit emitReplayTimestampS(index, second);
    }
    emit emitReplayTimestampMS(qulonglong(qMax<qint64>(0, ptsMs)));
}
