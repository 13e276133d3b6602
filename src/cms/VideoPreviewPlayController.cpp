#include "VideoPreviewPlayController.h"

#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "PlayerCommon.h"
#include "VideoPreviewPane.h"

#include <QDebug>
#include <QTimer>

VideoPreviewPlayController::VideoPreviewPlayController(QObject *parent)
    : QObject(parent)
{
}

QString VideoPreviewPlayController::paneTitle(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return QString();
    if (dev->channelIdx > 0 && dev->parent)
        return QStringLiteral("%1 - %2").arg(dev->parent->name, dev->name);
    return dev->name;
}

bool VideoPreviewPlayController::isReadyToPlay(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return false;
    if (dev->devType == 1 && dev->channelIdx > 0)
        return dev->parent && dev->parent->loginStatus == 1 && dev->loginStatus == 1;
    return CommonHelper::checkDevOnline(dev);
}

bool VideoPreviewPlayController::playLocalDevice(VideoPreviewPane *pane, FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream)
{
    if (!pane || !dev) {
        qWarning() << "Live play: no pane or no device";
        return false;
    }
    if (!isReadyToPlay(dev)) {
        qWarning() << "Live play refused, device offline:" << devKey(dev);
        emit playRefused(dev, CommonHelper::getDevStatusText(dev));
        return false;
    }
    const QString url = CommonHelper::getDevUrl(dev, stream);
    if (url.isEmpty()) {
        qWarning() << "Live play refused, no stream address:" << devKey(dev);
        emit playRefused(dev, tr("No stream address"));
        return false;
    }
    play(pane, url, devKey(dev), paneTitle(dev));
    return true;
}

void VideoPreviewPlayController::play(VideoPreviewPane *pane, const QString &url, const QString &key,
                                      const QString &title)
{
    if (!pane || url.isEmpty())
        return;
    const bool running =
        pane->state() == VideoPreviewPane::State::Starting || pane->state() == VideoPreviewPane::State::Playing;
    if ((running && pane->url() == url) || pendingUrl(pane) == url) {
        if (pane->deviceKey() != key || pane->title() != title)
            pane->setTitle(title);
        return;
    }
    pane->stopPlay();
    pane->setTitle(title);
    Pending &pending = m_pending[pane];
    pending.token = ++m_nextToken;
    pending.url = url;
    pending.key = key;
    pending.title = title;
    const quint64 token = pending.token;
    QPointer<VideoPreviewPane> guard(pane);
    QTimer::singleShot(m_restartDelayMs, this, [this, guard, token] {
        VideoPreviewPane *target = guard.data();
        if (!target)
            return;
        auto it = m_pending.find(target);
        if (it == m_pending.end() || it->token != token)
            return; // stopped or given another address meanwhile
        const Pending start = *it;
        m_pending.erase(it);
        target->startPlay(start.url, start.key, start.title);
    });
}

void VideoPreviewPlayController::stop(VideoPreviewPane *pane)
{
    if (!pane)
        return;
    m_pending.remove(pane);
    pane->stopPlay();
}

QString VideoPreviewPlayController::pendingUrl(VideoPreviewPane *pane) const
{
    const auto it = m_pending.constFind(pane);
    return it == m_pending.constEnd() ? QString() : it->url;
}

QString VideoPreviewPlayController::pendingKey(VideoPreviewPane *pane) const
{
    const auto it = m_pending.constFind(pane);
    return it == m_pending.constEnd() ? QString() : it->key;
}

void VideoPreviewPlayController::retitle(VideoPreviewPane *pane, const QString &title)
{
    if (!pane)
        return;
    auto it = m_pending.find(pane);
    if (it != m_pending.end())
        it->title = title;
    pane->setTitle(title);
}
