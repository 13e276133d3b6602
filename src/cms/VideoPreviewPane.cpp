#include "VideoPreviewPane.h"

#include "FFmpegPlayer.h"
#include "I420Render2.h"
#include "PlayerCommon.h"
#include "SourceProbe.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool g_sourceProbe = true; // GUI thread
} // namespace

void VideoPreviewPane::setSourceProbeEnabled(bool enabled)
{
    g_sourceProbe = enabled;
}

VideoPreviewPane::VideoPreviewPane(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    player::registerMetaTypes();
    setObjectName(QStringLiteral("videoPreviewPane%1").arg(index));
    setMinimumSize(80, 60);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("paneTitleBar"));
    m_titleBar->setFixedHeight(22);
    m_titleBar->setStyleSheet(QStringLiteral("#paneTitleBar { background-color: #13161b; }"));
    m_titleLabel = new QLabel(m_titleBar);
    m_titleLabel->setObjectName(QStringLiteral("paneTitle"));
    m_titleLabel->setStyleSheet(QStringLiteral("color: #c9cdd4; font-size: 12px;"));
    m_closeButton = new QPushButton(QStringLiteral("\u00d7"), m_titleBar);
    m_closeButton->setObjectName(QStringLiteral("paneClose"));
    m_closeButton->setFixedSize(20, 18);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; background: transparent; color: #c9cdd4; padding: 0; min-height: 0; }"
        "QPushButton:hover { color: #e04b4b; }"));
    m_closeButton->setVisible(false);
    connect(m_closeButton, &QPushButton::clicked, this, [this] { emit closeRequested(this); });

    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(6, 0, 2, 0);
    titleLayout->addWidget(m_titleLabel, 1);
    titleLayout->addWidget(m_closeButton);

    m_render = new I420Render2(this);
    m_render->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_render, 1);

    // Above the picture, not in the layout: placed over its centre.
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("paneStatus"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    m_status->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_status->setContentsMargins(10, 4, 10, 4);
    m_status->setStyleSheet(QStringLiteral(
        "#paneStatus { color: #ffffff; background-color: rgba(0, 0, 0, 176); border-radius: 4px; font-size: 13px; }"));
    m_status->hide();
    m_render->installEventFilter(this);

    m_watchdog = new QTimer(this);
    m_watchdog->setInterval(1000);
    connect(m_watchdog, &QTimer::timeout, this, &VideoPreviewPane::onWatchdog);
    m_retryTimer = new QTimer(this);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &VideoPreviewPane::onRetry);
    m_probeTimer = new QTimer(this);
    m_probeTimer->setSingleShot(true);
    m_probeTimer->setInterval(SourceProbe::IntervalMs);
    connect(m_probeTimer, &QTimer::timeout, this, &VideoPreviewPane::probeSource);
    updateTexts();
}

VideoPreviewPane::~VideoPreviewPane()
{
    releasePlayer();
}

QString VideoPreviewPane::title() const
{
    return m_title;
}

QString VideoPreviewPane::statusText() const
{
    return m_status->text();
}

void VideoPreviewPane::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void VideoPreviewPane::setStallTimeoutMs(int ms)
{
    m_stallMs = qMax(1000, ms);
}

void VideoPreviewPane::setRetryDelaysMs(const QList<int> &delays)
{
    m_retryDelays.clear();
    for (int ms : delays)
        m_retryDelays << qMax(0, ms);
    if (m_retryDelays.isEmpty())
        m_retryDelays = defaultRetryDelaysMs();
}

bool VideoPreviewPane::isRetryPending() const
{
    return m_retryTimer->isActive();
}

void VideoPreviewPane::startPlay(const QString &url, const QString &key, const QString &title)
{
    releasePlayer();
    m_url = url;
    m_key = key;
    m_title = title;
    m_failure.clear();
    m_frames = 0;
    m_retries = 0;
    m_sourceDown = false;
    m_render->clear();
    startPlayer();
}

void VideoPreviewPane::onRetry()
{
    if (m_state != State::Failed || m_url.isEmpty())
        return;
    ++m_retries;
    qInfo().noquote() << "Pane" << m_index << "retries" << player::maskUrl(m_url) << "attempt" << m_retries;
    // The last picture stays under "Reconnecting..." until a new one comes.
    m_failure.clear();
    startPlayer();
}

void VideoPreviewPane::probeSource()
{
    if (m_state != State::Failed || m_url.isEmpty() || !g_sourceProbe)
        return;
    const quint64 generation = m_generation;
    SourceProbe::check(m_url, this, [this, generation](bool up) { onProbed(generation, up); });
}

void VideoPreviewPane::onProbed(quint64 generation, bool reachable)
{
    // A probe of an earlier failure, or the pane moved on meanwhile.
    if (generation != m_generation || m_state != State::Failed)
        return;
    // Asked again while the pane has failed: a source that took connections
    // but did not stream may go away and come back within one retry step.
    m_probeTimer->start();
    if (!reachable) {
        if (!m_sourceDown) {
            qInfo().noquote() << "Pane" << m_index << "source refuses connections, probing" << player::maskUrl(m_url);
            m_sourceDown = true;
            updateTexts();
        }
        return;
    }
    if (!m_sourceDown)
        return; // it takes connections but did not stream: the retry steps go on
    // The source is back: no need to wait out the step, and the steps start
    // again from the first.
    qInfo().noquote() << "Pane" << m_index << "source is back" << player::maskUrl(m_url);
    m_sourceDown = false;
    ++m_sourceReturns;
    m_retryTimer->stop();
    m_retries = 0;
    onRetry();
}

void VideoPreviewPane::startPlayer()
{
    releasePlayer();
    const quint64 generation = ++m_generation;
    m_player = new FFmpegPlayer(this);
    m_player->setPlayUrl(m_url);
    m_player->setViewSize(m_render->viewSize());
    m_player->setStallTimeout(qMax(1000, m_stallMs - 1000));
    connect(m_player, &FFmpegPlayer::emitFrame, this,
            [this, generation](std::shared_ptr<AVFrame> frame, qint64) { onFrame(generation, std::move(frame)); });
    connect(m_player, &FFmpegPlayer::emitPlayerError, this,
            [this, generation](const QString &, int code) { onPlayerError(generation, code); });
    connect(m_player, &FFmpegPlayer::emitPlayFinished, this,
            [this, generation](const QString &) { onPlayFinished(generation); });
    qInfo().noquote() << "Pane" << m_index << "plays" << player::maskUrl(m_url);
    m_lastPicture.start();
    m_watchdog->start();
    setState(State::Starting);
    m_player->play();
}

void VideoPreviewPane::stopPlay()
{
    const bool wasBusy = m_state != State::Idle;
    releasePlayer();
    m_url.clear();
    m_key.clear();
    m_title.clear();
    m_failure.clear();
    m_frames = 0;
    m_retries = 0;
    m_sourceDown = false;
    m_render->clear();
    if (wasBusy)
        qInfo() << "Pane" << m_index << "closed";
    setState(State::Idle);
}

void VideoPreviewPane::setTitle(const QString &title)
{
    m_title = title;
    updateTexts();
}

void VideoPreviewPane::releasePlayer()
{
    ++m_generation;
    m_watchdog->stop();
    m_retryTimer->stop();
    m_probeTimer->stop();
    FFmpegPlayer *old = m_player;
    m_player = nullptr;
    if (!old)
        return;
    disconnect(old, nullptr, this, nullptr);
    // requestStop, not stop: stop sleeps 100 ms on the GUI thread, which froze
    // the window for over a second when a layout change closed many panes.
    old->requestStop();
    // The thread ends on its own once it sees the stop flag; the pane does not
    // wait for it on the GUI thread (its destructor does, at the latest).
    connect(old, &QThread::finished, old, &QObject::deleteLater);
    if (!old->isRunning())
        old->deleteLater();
}

void VideoPreviewPane::onFrame(quint64 generation, std::shared_ptr<AVFrame> frame)
{
    if (generation != m_generation || !frame)
        return;
    ++m_frames;
    m_lastPicture.restart();
    m_render->onFrame(std::move(frame));
    if (m_state != State::Playing) {
        m_retries = 0;
        m_sourceDown = false;
        setState(State::Playing);
    }
}

void VideoPreviewPane::onPlayerError(quint64 generation, int code)
{
    if (generation != m_generation)
        return;
    qWarning().noquote() << "Pane" << m_index << "stream failed, code" << code << player::maskUrl(m_url);
    switch (code) {
    case player::ErrNoFrames:
        fail(tr("No video"));
        break;
    case player::ErrStreamBroken:
        fail(tr("Video interrupted"));
        break;
    default:
        fail(tr("Play failed"));
        break;
    }
}

void VideoPreviewPane::onPlayFinished(quint64 generation)
{
    if (generation != m_generation)
        return;
    fail(tr("Video interrupted"));
}

void VideoPreviewPane::onWatchdog()
{
    if (m_state != State::Starting && m_state != State::Playing)
        return;
    if (m_lastPicture.elapsed() < m_stallMs)
        return;
    qWarning().noquote() << "Pane" << m_index << "got no picture for" << m_lastPicture.elapsed() << "ms";
    fail(m_state == State::Starting ? tr("Play failed") : tr("No video"));
}

void VideoPreviewPane::fail(const QString &reason)
{
    // The address and device stay: the operator sees what failed over the last
    // picture, and the pane tries the same address again by itself.
    const QString url = m_url;
    const QString key = m_key;
    const QString title = m_title;
    releasePlayer();
    m_url = url;
    m_key = key;
    m_title = title;
    m_failure = reason;
    // The last picture stays, grey: what is on screen is no longer live.
    m_render->greyOut();
    setState(State::Failed);
    if (m_url.isEmpty())
        return;
    m_retryTimer->start(m_retryDelays.at(qMin(m_retries, m_retryDelays.size() - 1)));
    // A source known to be down is asked again after the interval, one that
    // just failed at once.
    if (m_sourceDown)
        m_probeTimer->start();
    else
        probeSource();
}

void VideoPreviewPane::setState(State state)
{
    m_state = state;
    updateTexts();
    emit stateChanged(this);
}

void VideoPreviewPane::updateTexts()
{
    m_titleLabel->setText(m_title);
    m_closeButton->setVisible(m_state != State::Idle);
    QString status;
    switch (m_state) {
    case State::Idle:
    case State::Playing:
        break;
    case State::Starting:
        status = m_retries > 0 ? tr("Reconnecting...") : tr("Connecting...");
        break;
    case State::Failed:
        status = m_failure;
        break;
    }
    // What the probe found goes under the failure: the operator sees why.
    if (m_state == State::Failed && m_sourceDown && !status.isEmpty())
        status += QLatin1Char('\n') + sourceRefusesText();
    m_status->setText(status);
    m_status->setVisible(!status.isEmpty());
    placeStatus();
}

QString VideoPreviewPane::sourceRefusesText()
{
    return tr("The source refuses connections");
}

void VideoPreviewPane::placeStatus()
{
    if (m_status->text().isEmpty())
        return;
    // The backing hugs the text, wrapped to the picture's width when narrower.
    m_status->ensurePolished();
    const QRect area = m_render->geometry().adjusted(4, 4, -4, -4);
    const QMargins margins = m_status->contentsMargins();
    int widest = 0;
    for (const QString &line : m_status->text().split(QLatin1Char('\n')))
        widest = qMax(widest, m_status->fontMetrics().horizontalAdvance(line));
    const int oneLine = widest + margins.left() + margins.right() + 2;
    const int width = qMax(1, qMin(oneLine, area.width()));
    const int height = qMax(1, qMin(m_status->heightForWidth(width), area.height()));
    m_status->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(width, height), area));
    m_status->raise();
}

bool VideoPreviewPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_render && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeStatus();
    return QWidget::eventFilter(watched, event);
}

void VideoPreviewPane::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit clicked(this);
    QWidget::mousePressEvent(event);
}

void VideoPreviewPane::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
    QWidget::mouseDoubleClickEvent(event);
}

void VideoPreviewPane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x13, 0x16, 0x1b));
    painter.setPen(QPen(m_selected ? QColor(0x4e, 0xa1, 0xf3) : QColor(0x45, 0x4a, 0x52), m_selected ? 2 : 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void VideoPreviewPane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        updateTexts();
    QWidget::changeEvent(event);
}
