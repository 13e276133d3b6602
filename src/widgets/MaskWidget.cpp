#include "MaskWidget.h"

#include <QApplication>
#include <QEvent>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QScreen>

#include <xcb/xcb.h>

namespace {

// The shade painted by the main window itself: needs no compositor.
class MaskOverlay : public QWidget
{
public:
    explicit MaskOverlay(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("MaskOverlay"));
    }
    QColor colour;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), colour);
    }
};

std::function<bool()> &compositingProbe()
{
    static std::function<bool()> probe;
    return probe;
}

// A compositing manager owns the selection _NET_WM_CM_S<screen> (EWMH).
bool xcbCompositorRunning()
{
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return true; // unknown: keep the usual window
    }
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    bool running = false;
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    if (atom) {
        xcb_get_selection_owner_reply_t *owner =
            xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        running = owner && owner->owner != XCB_NONE;
        free(owner);
        free(atom);
    }
    xcb_disconnect(connection);
    return running;
}

} // namespace

void MaskWidget::setCompositingProbe(std::function<bool()> probe)
{
    compositingProbe() = std::move(probe);
}

bool MaskWidget::compositingRunning()
{
    if (compositingProbe())
        return compositingProbe()();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return xcbCompositorRunning();
}

bool MaskWidget::isShading() const
{
    return isVisible() || (m_overlay && m_overlay->isVisible());
}

void MaskWidget::shade()
{
    if (!m_mainWidget || compositingRunning()) {
        show();
        return;
    }
    auto *overlay = static_cast<MaskOverlay *>(m_overlay.data());
    if (!overlay || overlay->parentWidget() != m_mainWidget) {
        delete overlay;
        overlay = new MaskOverlay(m_mainWidget);
        m_overlay = overlay;
    }
    QColor colour = m_colour;
    colour.setAlphaF(qBound(0.0, m_opacity, 1.0));
    overlay->colour = colour;
    overlay->setGeometry(m_mainWidget->rect());
    overlay->raise();
    overlay->show();
}

void MaskWidget::unshade()
{
    hide();
    if (m_overlay)
        m_overlay->hide();
}

MaskWidget *MaskWidget::instance()
{
    static QMutex mutex;
    static MaskWidget *mask = nullptr;
    QMutexLocker locker(&mutex);
    if (!mask)
        mask = new MaskWidget;
    return mask;
}

MaskWidget::MaskWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MaskWidget"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setWindowOpacity(0.6);
    setBgColor(Qt::black);
    setAutoFillBackground(true);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    qApp->installEventFilter(this);
}

void MaskWidget::setMainWidget(QWidget *widget)
{
    m_mainWidget = widget;
}

void MaskWidget::setDialogNames()
{
    m_dialogNames = QStringList{
        QStringLiteral("NVRConfig"),     QStringLiteral("RemoteConfig"),      QStringLiteral("ChannelManage"),
        QStringLiteral("IPCUser"),       QStringLiteral("NVRUser"),           QStringLiteral("addClientDev"),
        QStringLiteral("editClientDev"), QStringLiteral("SearchManage"),      QStringLiteral("PlanSet"),
        QStringLiteral("TipsWidget"),    QStringLiteral("AlarmProcess"),      QStringLiteral("LockScreen"),
        QStringLiteral("IotLogin"),      QStringLiteral("DeviceBatchModify"),
    };
}

void MaskWidget::setBgColor(QColor bgColor)
{
    m_colour = bgColor;
    QPalette pal = palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        pal.setBrush(QPalette::ColorGroup(group), QPalette::Window, QBrush(bgColor));
    setPalette(pal);
}

void MaskWidget::setOpacity(double opacity)
{
    m_opacity = opacity;
    setWindowOpacity(opacity);
}

void MaskWidget::forget(QObject *dialog)
{
    if (!m_shownDialogs.remove(dialog))
        return;
    if (m_shownDialogs.isEmpty())
        unshade();
}

bool MaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched->isWidgetType() && watched != this && m_dialogNames.contains(watched->objectName())) {
            auto *dialog = static_cast<QWidget *>(watched);
            if (!m_shownDialogs.contains(watched)) {
                m_shownDialogs.insert(watched);
                connect(watched, &QObject::destroyed, this, &MaskWidget::forget, Qt::UniqueConnection);
            }
            shade();
            dialog->window()->raise();
            dialog->window()->activateWindow();
        }
        break;
    case QEvent::Hide:
        if (m_shownDialogs.contains(watched))
            forget(watched);
        break;
    case QEvent::Resize:
        if (watched == m_mainWidget && m_overlay && m_overlay->isVisible())
            m_overlay->setGeometry(m_mainWidget->rect());
        break;
    case QEvent::WindowActivate:
        if (m_mainWidget && isVisible()
            && (watched == m_mainWidget
                || (!m_mainWidget->objectName().isEmpty() && watched->objectName() == m_mainWidget->objectName())))
            activateWindow();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MaskWidget::showEvent(QShowEvent *event)
{
    if (m_mainWidget)
        setGeometry(m_mainWidget->geometry());
    QWidget::showEvent(event);
}
