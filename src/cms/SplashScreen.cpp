#include "SplashScreen.h"
#include "ui_SplashScreen.h"

#include <QApplication>
#include <QDebug>
#include <QPixmap>
#include <QScreen>

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , ui(new Ui::SplashScreen)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    ui->labelLogo->setPixmap(QPixmap(QStringLiteral(":/Resources/Skin/Default/Login/logo.png"))
                                 .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->labelAppName->setText(QApplication::applicationName());

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashScreen::~SplashScreen()
{
    delete ui;
}

void SplashScreen::setProgress(int percent, const QString &text)
{
    ui->splashProgress->setValue(qBound(0, percent, 100));
    ui->splashText->setText(text);
    qInfo().noquote() << "Start-up" << percent << "%" << text;
    if (isVisible())
        repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int SplashScreen::progress() const
{
    return ui->splashProgress->value();
}

QString SplashScreen::text() const
{
    return ui->splashText->text();
}
