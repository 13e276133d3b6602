#include "MaskWidget.h"

#include <QApplication>
#include <QEvent>
#include <QMutex>
#include <QMutexLocker>
#include <QScreen>

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
    m_dialogNames = QStringList {
        QStringLiteral("NVRConfig"),      QStringLiteral("RemoteConfig"), QStringLiteral("ChannelManage"),
        QStringLiteral("IPCUser"),        QStringLiteral("NVRUser"),      QStringLiteral("addClientDev"),
        QStringLiteral("editClientDev"),  QStringLiteral("SearchManage"), QStringLiteral("PlanSet"),
        QStringLiteral("TipsWidget"),     QStringLiteral("AlarmProcess"), QStringLiteral("LockScreen"),
        QStringLiteral("IotLogin"),       QStringLiteral("DeviceBatchModify"),
    };
}

void MaskWidget::setBgColor(QColor bgColor)
{
    QPalette pal = palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        pal.setBrush(QPalette::ColorGroup(group), QPalette::Window, QBrush(bgColor));
    setPalette(pal);
}

void MaskWidget::setOpacity(double opacity)
{
    setWindowOpacity(opacity);
}

void MaskWidget::forget(QObject *dialog)
{
    if (!m_shownDialogs.remove(dialog))
        return;
    if (m_shownDialogs.isEmpty())
        hide();
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
            show();
            dialog->window()->raise();
            dialog->window()->activateWindow();
        }
        break;
    case QEvent::Hide:
        if (m_shownDialogs.contains(watched))
            forget(watched);
        break;
    case QEvent::WindowActivate:
        if (m_mainWidget && isVisible()
            && (watched == m_mainWidget
                || (!m_mainWidget->objectName().isEmpty()
                    && watched->objectName() == m_mainWidget->objectName())))
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
