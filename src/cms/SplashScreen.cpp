#include "SplashScreen.h"

#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(480, 260);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#SplashScreen { background-color: #13161b; border: 1px solid #454a52; }"
                                 "QProgressBar { background-color: #2f3338; border: none; height: 6px; }"
                                 "QProgressBar::chunk { background-color: #4ea1f3; }"));

    m_logo = new QLabel(this);
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setPixmap(QPixmap(QStringLiteral(":/Resources/Skin/Default/Login/logo.png"))
                          .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_name = new QLabel(QApplication::applicationName(), this);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setStyleSheet(QStringLiteral("color: #ffffff; font-size: 20px; font-weight: bold;"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("splashProgress"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(6);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("splashText"));
    m_text->setStyleSheet(QStringLiteral("color: #8a9099;"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 20);
    layout->addWidget(m_logo);
    layout->addWidget(m_name);
    layout->addStretch(1);
    layout->addWidget(m_bar);
    layout->addWidget(m_text);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashScreen::setProgress(int percent, const QString &text)
{
    m_bar->setValue(qBound(0, percent, 100));
    m_text->setText(text);
    qInfo().noquote() << "Start-up" << percent << "%" << text;
    if (isVisible())
        repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int SplashScreen::progress() const
{
    return m_bar->value();
}

QString SplashScreen::text() const
{
    return m_text->text();
}
