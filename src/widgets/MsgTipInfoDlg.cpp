#include "MsgTipInfoDlg.h"

#include "CommonHelper.h"
#include "Platform.h"
#include "WidgetHelpers.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kToastBackground(19, 22, 27);

} // namespace

MsgTitleWidget::MsgTitleWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_btnClose(new QPushButton(this))
{
    m_btnClose->setObjectName(QStringLiteral("m_btnClose"));
    m_btnClose->setFixedSize(20, 20);
    m_btnClose->setIcon(QIcon(QStringLiteral(":/Resources/Skin/Default/MainWindow/mw_close.png")));
    m_btnClose->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addStretch();
    layout->addWidget(m_btnClose, 0, Qt::AlignRight | Qt::AlignTop);

    setFixedHeight(24);
    setBackgroundColor(this, kToastBackground);
    connect(m_btnClose, &QPushButton::clicked, this, &MsgTitleWidget::myClose);
}

MsgTipInfoDlg::MsgTipInfoDlg(QWidget *parent)
    : QDialog(parent)
    , m_hideTimer(new QTimer(this))
    , m_textLabel(new QLabel(this))
    , m_title(new MsgTitleWidget(this))
{
    setObjectName(QStringLiteral("MsgTipInfoDlg"));
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(m_duration);
    connect(m_hideTimer, &QTimer::timeout, this, &MsgTipInfoDlg::onHideTimerTimeout);

    setFixedSize(300, 150);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundColor(this, kToastBackground);

    m_textLabel->setObjectName(QStringLiteral("labelText"));
    m_textLabel->setFrameShape(QFrame::NoFrame);
    m_textLabel->setStyleSheet(QStringLiteral("background:rgb(47, 51, 56);color:white;"));
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_textLabel);

    connect(m_title, &MsgTitleWidget::myClose, this, &QDialog::close);
}

MsgTipInfoDlg *MsgTipInfoDlg::showTip(const QString &text, int ms)
{
    return showTipWithLink(text, QString(), ms);
}

MsgTipInfoDlg *MsgTipInfoDlg::showTipWithLink(const QString &text, const QString &link, int ms)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent) {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow *>(top)) {
                parent = top;
                break;
            }
        }
    }
    auto *tip = new MsgTipInfoDlg(parent);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->setTimeout(ms);
    tip->showMessage(text, link);
    return tip;
}

void MsgTipInfoDlg::setTimeout(int ms)
{
    m_duration = ms;
    m_hideTimer->setInterval(ms);
}

bool MsgTipInfoDlg::isWaiting() const
{
    return m_hideTimer->isActive();
}

void MsgTipInfoDlg::showMessage(const QString &text, const QString &link)
{
    m_linkPath = link;

    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    m_endX = area.right() - width() - 10;
    m_endY = area.bottom() - height();
    const QPoint start(m_endX, area.bottom());
    move(start);

    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    if (link.isEmpty()) {
        m_textLabel->setTextFormat(Qt::PlainText);
        m_textLabel->setText(text);
    } else {
        m_textLabel->setTextFormat(Qt::RichText);
        m_textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                             | Qt::LinksAccessibleByKeyboard);
        m_textLabel->setOpenExternalLinks(false);
        connect(m_textLabel, &QLabel::linkActivated, this, &MsgTipInfoDlg::onLinkActivated, Qt::UniqueConnection);
        const QString escapedLink = link.toHtmlEscaped();
        m_textLabel->setText(text.toHtmlEscaped() + QLatin1Char(' ')
                             + QStringLiteral("<a href=\"%1\" style=\"color:#4ea1f3;\">%1</a>").arg(escapedLink));
    }

    show();

    if (!m_animation) {
        m_animation = new QPropertyAnimation(this, "pos", this);
        connect(m_animation, &QPropertyAnimation::finished, this, &MsgTipInfoDlg::onSlideFinished);
    }
    m_animation->stop();
    m_animation->setDuration(SlideMs);
    m_animation->setStartValue(start);
    m_animation->setEndValue(QPoint(m_endX, m_endY));
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    m_animation->start();
}

void MsgTipInfoDlg::onSlideFinished()
{
    if (underMouse() || frameGeometry().contains(QCursor::pos()))
        return;
    m_hideTimer->start();
}

void MsgTipInfoDlg::onHideTimerTimeout()
{
    m_hideTimer->stop();
    close();
}

void MsgTipInfoDlg::onLinkActivated(const QString &)
{
    if (m_linkPath.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(m_linkPath);
    if (QFileInfo(m_linkPath).isDir())
        Platform::launchUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
    else
        CommonHelper::showFileInFolder(path);
}

void MsgTipInfoDlg::enterEvent(QEvent *event)
{
    m_hideTimer->stop();
    QDialog::enterEvent(event);
}

void MsgTipInfoDlg::leaveEvent(QEvent *event)
{
    m_hideTimer->start(m_duration);
    QDialog::leaveEvent(event);
}
